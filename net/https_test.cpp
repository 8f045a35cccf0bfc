#include <gtest/gtest.h>

#include "net/fetch.h"
#include "net/test_support.h"
#include "net/web_request.h"
#include "testing/loopback_server.h"
#include "testing/tls.h"

namespace vexlune {
namespace {

using testing::LoopbackServer;
using testing::Request;
using testing::Response;

class Https : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    identity_ = new testing::TlsIdentity(testing::make_tls_identity("127.0.0.1"));
  }
  static void TearDownTestSuite() { delete identity_; }
  static testing::TlsIdentity* identity_;
};
testing::TlsIdentity* Https::identity_ = nullptr;

TEST_F(Https, TrustedCertificateGivesThePage) {
  ASSERT_FALSE(identity_->certificate_pem.empty());
  ScopedTransferLimits limits({.trusted_certificates_pem = identity_->certificate_pem});
  LoopbackServer server(testing::serve_files({{"/360yunpan/1.txt", "secure catalog"}}), *identity_);
  ASSERT_TRUE(server.url().starts_with("https://"));
  EXPECT_EQ(fetch_url(server.url() + "/360yunpan/1.txt"), "secure catalog");
  // The proxy serves http URLs only: this request still goes straight to the server.
  std::string proxy = "127.0.0.1:" + std::to_string(closed_port());
  EXPECT_EQ(web_request(server.url() + "/360yunpan/1.txt", 1, "q=1", nullptr, nullptr, nullptr,
                        nullptr, false, nullptr, proxy),
            "secure catalog");
  auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_TRUE(requests[0].raw.starts_with("GET /360yunpan/1.txt HTTP/1.0\r\n"));
  EXPECT_TRUE(requests[1].raw.starts_with("POST /360yunpan/1.txt HTTP/1.1\r\n"));
}

TEST_F(Https, CertificatesAreChecked) {
  LoopbackServer server([](const Request&) { return Response{.body = "secret"}; }, *identity_);
  // Not trusted: the system's store does not know our certificate.
  EXPECT_EQ(fetch_url(server.url() + "/"), "");
  EXPECT_EQ(web_request(server.url() + "/"), "");
  {
    // Trusted, but issued for another address.
    auto elsewhere = testing::make_tls_identity("127.0.0.2");
    ScopedTransferLimits limits({.trusted_certificates_pem = elsewhere.certificate_pem});
    LoopbackServer other([](const Request&) { return Response{.body = "secret"}; }, elsewhere);
    EXPECT_EQ(fetch_url(other.url() + "/"), "");
    EXPECT_TRUE(other.requests().empty());
  }
  EXPECT_TRUE(server.requests().empty());
}

TEST_F(Https, HttpsUrlAgainstAPlainServerGivesNothing) {
  // The plain server waits for a request head that the TLS greeting never completes; the
  // handshake belongs to the connect time-out.
  ScopedTransferLimits limits({.connect_timeout = std::chrono::seconds(1)});
  LoopbackServer plain([](const Request&) { return Response{.body = "plain"}; });
  std::string url = "https://127.0.0.1:" + std::to_string(plain.port()) + "/";
  EXPECT_EQ(fetch_url(url), "");
  EXPECT_EQ(web_request(url), "");
}

}  // namespace
}  // namespace vexlune

#include "testing/tls.h"

#include <fcntl.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/socket.h>

#include <memory>

#include "testing/stream.h"

namespace vexlune::testing {
namespace {

constexpr int SLICE_MS = 50;

template <typename T, void (*Free)(T*)>
struct Deleter {
  void operator()(T* p) const { Free(p); }
};
using Key = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using Certificate = std::unique_ptr<X509, Deleter<X509, X509_free>>;
using Extension = std::unique_ptr<X509_EXTENSION, Deleter<X509_EXTENSION, X509_EXTENSION_free>>;
using Bio = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;
using Ssl = std::unique_ptr<SSL, Deleter<SSL, SSL_free>>;

std::string drain(BIO* bio) {
  char* data = nullptr;
  long size = BIO_get_mem_data(bio, &data);
  return std::string(data, static_cast<std::size_t>(size));
}

bool add_extension(X509* certificate, int nid, const char* value) {
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
  Extension extension(X509V3_EXT_conf_nid(nullptr, &context, nid, value));
  return extension && X509_add_ext(certificate, extension.get(), -1) == 1;
}

// Waits up to a slice for the socket to become readable or writable, as OpenSSL asks.
void wait_for(int fd, int ssl_error) {
  pollfd p{fd, static_cast<short>(ssl_error == SSL_ERROR_WANT_WRITE ? POLLOUT : POLLIN), 0};
  poll(&p, 1, SLICE_MS);
}

class TlsStream : public Stream {
 public:
  TlsStream(int fd, Ssl ssl) : fd_(fd), ssl_(std::move(ssl)) {}

  long read(char* buffer, std::size_t size) override {
    if (SSL_pending(ssl_.get()) == 0) {
      pollfd p{fd_, POLLIN, 0};
      if (poll(&p, 1, SLICE_MS) == 0) return AGAIN;
    }
    std::size_t got = 0;
    ERR_clear_error();
    if (SSL_read_ex(ssl_.get(), buffer, size, &got) == 1) return static_cast<long>(got);
    int error = SSL_get_error(ssl_.get(), 0);
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) return AGAIN;
    return error == SSL_ERROR_ZERO_RETURN ? 0 : FAILED;
  }

  long write(const char* data, std::size_t size) override {
    std::size_t sent = 0;
    ERR_clear_error();
    if (SSL_write_ex(ssl_.get(), data, size, &sent) == 1) return static_cast<long>(sent);
    int error = SSL_get_error(ssl_.get(), 0);
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
      wait_for(fd_, error);
      return AGAIN;
    }
    return FAILED;
  }

  void close_sending() override {
    SSL_shutdown(ssl_.get());
    shutdown(fd_, SHUT_WR);
  }

 private:
  int fd_;
  Ssl ssl_;
};

}  // namespace

TlsIdentity make_tls_identity(std::string_view ip_address) {
  Key key(EVP_EC_gen("P-256"));
  Certificate certificate(X509_new());
  if (!key || !certificate) return {};
  X509* x = certificate.get();
  X509_set_version(x, 2);
  uint64_t serial = 0;
  RAND_bytes(reinterpret_cast<unsigned char*>(&serial), sizeof serial);
  ASN1_INTEGER_set_uint64(X509_get_serialNumber(x), serial >> 1);
  X509_gmtime_adj(X509_getm_notBefore(x), -3600);
  X509_gmtime_adj(X509_getm_notAfter(x), 86400);
  X509_set_pubkey(x, key.get());
  X509_NAME* name = X509_get_subject_name(x);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>("vexlune loopback"), -1, -1, 0);
  X509_set_issuer_name(x, name);
  std::string alt_name = "IP:" + std::string(ip_address);
  if (!add_extension(x, NID_subject_alt_name, alt_name.c_str()) ||
      !add_extension(x, NID_basic_constraints, "critical,CA:TRUE") ||
      X509_sign(x, key.get(), EVP_sha256()) == 0)
    return {};

  Bio certificate_pem(BIO_new(BIO_s_mem())), key_pem(BIO_new(BIO_s_mem()));
  PEM_write_bio_X509(certificate_pem.get(), x);
  PEM_write_bio_PrivateKey(key_pem.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr);
  return {drain(certificate_pem.get()), drain(key_pem.get())};
}

std::unique_ptr<Stream> tls_stream(int fd, SSL_CTX* context,
                                   const std::function<bool()>& stopping) {
  // Non-blocking, so that a client which never speaks cannot hold this thread.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  Ssl ssl(SSL_new(context));
  if (!ssl || SSL_set_fd(ssl.get(), fd) != 1) return nullptr;
  while (!stopping()) {
    ERR_clear_error();
    int result = SSL_accept(ssl.get());
    if (result == 1) return std::make_unique<TlsStream>(fd, std::move(ssl));
    int error = SSL_get_error(ssl.get(), result);
    if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) return nullptr;
    wait_for(fd, error);
  }
  return nullptr;
}

}  // namespace vexlune::testing

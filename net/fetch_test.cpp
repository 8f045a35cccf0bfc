#include "net/fetch.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "net/test_support.h"
#include "testing/loopback_server.h"

namespace vexlune {
namespace {

using testing::LoopbackServer;
using testing::Request;
using testing::Response;

TEST(FetchUrl, SendsAnHttp10GetWithItsAgentAndReturnsTheBody) {
  std::string file("GBK \xD6\xD0\0 and a NUL", 17);
  LoopbackServer server(testing::serve_files({{"/baiduyun/yun1.txt", file}}));
  EXPECT_EQ(fetch_url(server.url() + "/baiduyun/yun1.txt?v=1#section"), file);
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(
      server.requests()[0].raw,
      "GET /baiduyun/yun1.txt?v=1 HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(server.port()) +
          "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"
          "\r\nAccept: */*\r\n\r\n");
}

TEST(FetchUrl, FollowsRedirectsAndReturnsErrorPages) {
  LoopbackServer server([](const Request& r) {
    if (r.target == "/old") return Response{.status = 301, .headers = {{"Location", "/new"}}};
    if (r.target == "/new") return Response{.body = "moved here"};
    return Response{.status = 404, .body = "no such file"};
  });
  EXPECT_EQ(fetch_url(server.url() + "/old"), "moved here");
  EXPECT_EQ(fetch_url(server.url() + "/gone"), "no such file");
}

TEST(FetchUrl, SendsCredentialsAndEscapesWhatCannotStandInARequestLine) {
  LoopbackServer server([](const Request&) { return Response{.body = "x"}; });
  std::string base = "127.0.0.1:" + std::to_string(server.port());
  fetch_url("http://me:pw@" + base + "/poster/\xD6\xD0 1.jpg");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].target, "/poster/%D6%D0%201.jpg");
  EXPECT_EQ(server.requests()[0].header("Authorization"), "Basic bWU6cHc=");  // me:pw
}

TEST(FetchUrl, UnusableUrlsAndRefusedConnectionsGiveNothing) {
  LoopbackServer server([](const Request&) { return Response{.body = "x"}; });
  std::string refused = "http://127.0.0.1:" + std::to_string(closed_port()) + "/";
  for (const std::string& url :
       std::vector<std::string>{"", "#only-fragment", "127.0.0.1/no-scheme", "ftp://127.0.0.1/",
                                "http://127.0.0.1:99999/", refused}) {
    EXPECT_EQ(fetch_url(url), "") << url;
  }
  EXPECT_TRUE(server.requests().empty());
}

TEST(FetchUrl, ServerClosingMidBodyLeavesWhatWasRead) {
  const std::string body(50000, 'c');
  LoopbackServer server([&](const Request&) {
    Response response{.body = body};
    response.close_after = 30000;  // the head plus part of the body
    return response;
  });
  std::string got = fetch_url(server.url() + "/cut");
  EXPECT_GT(got.size(), 0u);
  EXPECT_LT(got.size(), body.size());
  EXPECT_EQ(got, body.substr(0, got.size()));
}

TEST(FetchUrl, StalledServerIsAbandonedAfterTheStallTimeOut) {
  ScopedTransferLimits limits({.stall_timeout = std::chrono::seconds(1)});
  LoopbackServer server(
      [](const Request&) { return Response{.body = "late", .stall = std::chrono::seconds(30)}; });
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(fetch_url(server.url() + "/slow"), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(FetchUrl, TimeLimitEndsACallThatTheStallRuleWouldLetWait) {
  LoopbackServer server(
      [](const Request&) { return Response{.body = "late", .stall = std::chrono::seconds(30)}; });
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(fetch_url(server.url() + "/slow", std::chrono::milliseconds(300)), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(FetchUrl, BodyBeyondTheLimitIsCutThere) {
  ScopedTransferLimits limits({.max_body_bytes = 1 << 20});
  std::string body(3 << 20, '\0');
  for (std::size_t i = 0; i < body.size(); ++i)
    body[i] = static_cast<char>(i * 7 + i / 4096);
  LoopbackServer server([&](const Request&) { return Response{.body = body}; });
  EXPECT_EQ(fetch_url(server.url() + "/huge"), body.substr(0, 1 << 20));
}

TEST(FetchUrl, ManyThreadsFetchAtOnce) {
  std::map<std::string, std::string> files;
  for (int i = 1; i <= 8; ++i)
    files["/yun" + std::to_string(i) + ".txt"] = std::string(20000 + i * 1000, char('a' + i));
  LoopbackServer server(testing::serve_files(files));
  std::atomic<int> right{0};
  std::vector<std::thread> workers;
  for (int t = 0; t < 8; ++t) {
    workers.emplace_back([&, t] {
      for (int round = 0; round < 5; ++round) {
        std::string path = "/yun" + std::to_string((t + round) % 8 + 1) + ".txt";
        if (fetch_url(server.url() + path) == files[path]) ++right;
      }
    });
  }
  for (auto& worker : workers)
    worker.join();
  EXPECT_EQ(right, 40);
}

}  // namespace
}  // namespace vexlune

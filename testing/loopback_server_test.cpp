#include "testing/loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace vexlune::testing {
namespace {

// Sends bytes to the server and reads until it closes: the plainest possible client.
std::string exchange(int port, std::string_view bytes) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(port));
  if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    return "connect failed";
  }
  send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
  std::string reply;
  char buffer[4096];
  ssize_t n;
  while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0)
    reply.append(buffer, n);
  close(fd);
  return reply;
}

TEST(LoopbackServer, RecordsRequestBytesAndParsesHeadAndBody) {
  LoopbackServer server([](const Request&) { return Response{.body = "hi"}; });
  ASSERT_NE(server.port(), 0);
  std::string sent =
      "POST /form?x=1 HTTP/1.1\r\nHost: h\r\ncontent-length: 5\r\nX-Pad:  v a \r\n\r\nab=cd";
  std::string reply = exchange(server.port(), sent);
  EXPECT_EQ(reply, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nhi");

  auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  const Request& r = requests[0];
  EXPECT_EQ(r.raw, sent);
  EXPECT_EQ(r.method, "POST");
  EXPECT_EQ(r.target, "/form?x=1");
  EXPECT_EQ(r.version, "HTTP/1.1");
  EXPECT_EQ(r.body, "ab=cd");
  EXPECT_EQ(r.header("Content-Length"), "5");
  EXPECT_EQ(r.header("x-pad"), "v a");
  EXPECT_EQ(r.header("Missing"), "");
  EXPECT_EQ(server.url(), "http://127.0.0.1:" + std::to_string(server.port()));
}

TEST(LoopbackServer, SendsHeadersInOrderRawRepliesAndCutsReplies) {
  LoopbackServer server([](const Request& r) {
    Response response{.status = 302, .headers = {{"Location", "/b"}, {"Set-Cookie", "a=1"}}};
    if (r.target == "/raw") response = Response{.raw = "HTTP/1.0 200 OK\r\n\r\nraw body"};
    if (r.target == "/cut") response = Response{.body = "0123456789", .close_after = 5};
    return response;
  });
  EXPECT_EQ(exchange(server.port(), "GET /a HTTP/1.0\r\n\r\n"),
            "HTTP/1.1 302 Found\r\nContent-Length: 0\r\nConnection: close\r\n"
            "Location: /b\r\nSet-Cookie: a=1\r\n\r\n");
  EXPECT_EQ(exchange(server.port(), "GET /raw HTTP/1.0\r\n\r\n"),
            "HTTP/1.0 200 OK\r\n\r\nraw body");
  EXPECT_EQ(exchange(server.port(), "GET /cut HTTP/1.0\r\n\r\n"), "HTTP/");
}

TEST(LoopbackServer, ServeFilesAnswersKnownPathsAndA404) {
  LoopbackServer server(serve_files({{"/a.txt", "alpha"}}));
  std::string ok = exchange(server.port(), "GET /a.txt?v=2 HTTP/1.0\r\n\r\n");
  EXPECT_TRUE(ok.starts_with("HTTP/1.1 200 OK\r\n"));
  EXPECT_TRUE(ok.ends_with("\r\n\r\nalpha"));
  EXPECT_TRUE(exchange(server.port(), "GET /b.txt HTTP/1.0\r\n\r\n").starts_with("HTTP/1.1 404"));
}

TEST(LoopbackServer, StalledAnswerDoesNotHoldTheDestructor) {
  std::atomic<bool> answered{false};
  auto server = std::make_unique<LoopbackServer>(
      [](const Request&) { return Response{.stall = std::chrono::minutes(10)}; });
  std::thread client([&, port = server->port()] {
    exchange(port, "GET / HTTP/1.0\r\n\r\n");
    answered = true;
  });
  while (server->requests().empty())
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  auto start = std::chrono::steady_clock::now();
  server.reset();
  client.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(answered);
}

TEST(LoopbackServer, ServesManyConnectionsAtOnce) {
  LoopbackServer server([](const Request& r) {
    return Response{.body = r.target, .stall = std::chrono::milliseconds(100)};
  });
  std::vector<std::thread> clients;
  std::atomic<int> good{0};
  for (int i = 0; i < 32; ++i) {
    clients.emplace_back([&, i] {
      std::string path = "/" + std::to_string(i);
      if (exchange(server.port(), "GET " + path + " HTTP/1.0\r\n\r\n").ends_with("\r\n\r\n" + path))
        ++good;
    });
  }
  for (auto& c : clients)
    c.join();
  EXPECT_EQ(good, 32);
  EXPECT_EQ(server.requests().size(), 32u);
}

}  // namespace
}  // namespace vexlune::testing

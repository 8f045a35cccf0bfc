#pragma once
// A small HTTP server on 127.0.0.1 for tests and benchmarks. It records every request byte for
// byte and answers each connection once, then closes it, so tests can check exactly what a
// client put on the wire and can play servers that stall, cut a body short or send raw bytes.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "testing/tls.h"

namespace vexlune::testing {

class Stream;

struct Request {
  std::string raw;                      // every byte received for this request
  std::string method, target, version;  // "GET", "/path?q", "HTTP/1.0"
  std::string body;
  // First value of the named header (name compared ignoring ASCII case), "" when absent.
  std::string header(std::string_view name) const;
};

// Every field has a default, so a designated initializer may name only what a test needs.
struct Response {
  int status = 200;
  // Sent in order after the Content-Length and "Connection: close" lines.
  std::vector<std::pair<std::string, std::string>> headers{};
  std::string body{};
  std::string raw{};                   // when not empty, sent verbatim instead of the above
  std::chrono::milliseconds stall{0};  // wait this long before answering
  size_t close_after = SIZE_MAX;       // close the connection after this many response bytes
};

class LoopbackServer {
 public:
  using Handler = std::function<Response(const Request&)>;

  // The handler may run on several connection threads at once. Port 0 picks a free port;
  // port() is 0 when the socket could not be bound.
  explicit LoopbackServer(Handler handler, int port = 0);
  // The same over TLS with the given identity; url() then begins "https://".
  LoopbackServer(Handler handler, const TlsIdentity& identity, int port = 0);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const { return port_; }
  std::string url() const;  // "http://127.0.0.1:<port>" (or "https://...")
  std::vector<Request> requests() const;

 private:
  void start(int port);
  void accept_loop();
  void serve(int fd);
  bool read_request(Stream& stream, Request& request);
  void send_all(Stream& stream, std::string_view bytes);
  bool stopping() const;

  Handler handler_;
  std::shared_ptr<void> tls_context_;  // an SSL_CTX when serving TLS
  int listen_fd_ = -1;
  int wake_pipe_[2] = {-1, -1};
  int port_ = 0;
  std::thread acceptor_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;  // signals stop and the end of a connection thread
  bool stop_ = false;
  int active_connections_ = 0;
  std::vector<Request> requests_;
};

using Handler = LoopbackServer::Handler;

// A handler serving files from a map of target path to bytes (a query is ignored when the full
// target is not in the map), and a 404 page for anything else.
Handler serve_files(std::map<std::string, std::string> files);

}  // namespace vexlune::testing

#include "testing/loopback_server.h"

#include <openssl/pem.h>
#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "testing/stream.h"

namespace vexlune::testing {
namespace {

// How often blocked socket waits look at the stop flag, so the destructor never waits long.
constexpr int POLL_SLICE_MS = 50;
// A request larger than this is cut off; tests never send one, a faulty client must not grow us.
constexpr size_t MAX_REQUEST_BYTES = 64u << 20;
// After the answer, how long the client may keep the connection before we drop it.
constexpr auto LINGER_LIMIT = std::chrono::seconds(2);

bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x += 32;
    if (y >= 'A' && y <= 'Z') y += 32;
    if (x != y) return false;
  }
  return true;
}

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
    s.remove_suffix(1);
  return s;
}

std::string_view reason_phrase(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 204:
      return "No Content";
    case 301:
      return "Moved Permanently";
    case 302:
      return "Found";
    case 303:
      return "See Other";
    case 304:
      return "Not Modified";
    case 307:
      return "Temporary Redirect";
    case 308:
      return "Permanent Redirect";
    case 400:
      return "Bad Request";
    case 403:
      return "Forbidden";
    case 404:
      return "Not Found";
    case 500:
      return "Internal Server Error";
    case 503:
      return "Service Unavailable";
    default:
      return "Status";
  }
}

std::string render(const Response& response) {
  if (!response.raw.empty()) return response.raw;
  std::string out = "HTTP/1.1 " + std::to_string(response.status) + " " +
                    std::string(reason_phrase(response.status)) + "\r\n";
  out += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
  out += "Connection: close\r\n";
  for (const auto& [name, value] : response.headers)
    out += name + ": " + value + "\r\n";
  out += "\r\n";
  out += response.body;
  return out;
}

// Splits the head of a request (request line and header lines) into the fields of Request.
void parse_head(std::string_view head, Request& request) {
  size_t eol = head.find("\r\n");
  std::string_view line = head.substr(0, eol);
  size_t sp1 = line.find(' ');
  size_t sp2 = sp1 == std::string_view::npos ? sp1 : line.find(' ', sp1 + 1);
  if (sp1 == std::string_view::npos) {
    request.method = std::string(line);
    return;
  }
  request.method = std::string(line.substr(0, sp1));
  if (sp2 == std::string_view::npos) {
    request.target = std::string(line.substr(sp1 + 1));
  } else {
    request.target = std::string(line.substr(sp1 + 1, sp2 - sp1 - 1));
    request.version = std::string(line.substr(sp2 + 1));
  }
}

// A plain TCP connection.
class PlainStream : public Stream {
 public:
  explicit PlainStream(int fd) : fd_(fd) {}

  long read(char* buffer, size_t size) override {
    pollfd p{fd_, POLLIN, 0};
    int n = poll(&p, 1, POLL_SLICE_MS);
    if (n == 0 || (n < 0 && errno == EINTR)) return AGAIN;
    if (n < 0) return FAILED;
    ssize_t got = recv(fd_, buffer, size, 0);
    if (got < 0) return errno == EINTR || errno == EAGAIN ? AGAIN : FAILED;
    return static_cast<long>(got);
  }

  long write(const char* data, size_t size) override {
    pollfd p{fd_, POLLOUT, 0};
    int n = poll(&p, 1, POLL_SLICE_MS);
    if (n == 0 || (n < 0 && errno == EINTR)) return AGAIN;
    if (n < 0) return FAILED;
    ssize_t sent = send(fd_, data, size, MSG_NOSIGNAL);
    if (sent < 0) return errno == EINTR || errno == EAGAIN ? AGAIN : FAILED;
    return sent == 0 ? FAILED : static_cast<long>(sent);
  }

  void close_sending() override { shutdown(fd_, SHUT_WR); }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<Stream> plain_stream(int fd) {
  return std::make_unique<PlainStream>(fd);
}

std::string Request::header(std::string_view name) const {
  std::string_view rest = raw;
  size_t head_end = rest.find("\r\n\r\n");
  if (head_end != std::string_view::npos) rest = rest.substr(0, head_end + 2);
  size_t eol = rest.find("\r\n");
  if (eol == std::string_view::npos) return "";
  rest.remove_prefix(eol + 2);  // the request line
  while (!rest.empty()) {
    eol = rest.find("\r\n");
    std::string_view line = rest.substr(0, eol);
    rest.remove_prefix(eol == std::string_view::npos ? rest.size() : eol + 2);
    size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    if (iequals(trim_blanks(line.substr(0, colon)), name))
      return std::string(trim_blanks(line.substr(colon + 1)));
  }
  return "";
}

LoopbackServer::LoopbackServer(Handler handler, int port) : handler_(std::move(handler)) {
  start(port);
}

LoopbackServer::LoopbackServer(Handler handler, const TlsIdentity& identity, int port)
    : handler_(std::move(handler)) {
  SSL_CTX* context = SSL_CTX_new(TLS_server_method());
  if (!context) return;
  tls_context_.reset(context, SSL_CTX_free);
  BIO* certificate_pem = BIO_new_mem_buf(identity.certificate_pem.data(),
                                         static_cast<int>(identity.certificate_pem.size()));
  BIO* key_pem = BIO_new_mem_buf(identity.private_key_pem.data(),
                                 static_cast<int>(identity.private_key_pem.size()));
  X509* certificate = PEM_read_bio_X509(certificate_pem, nullptr, nullptr, nullptr);
  EVP_PKEY* key = PEM_read_bio_PrivateKey(key_pem, nullptr, nullptr, nullptr);
  bool ready = certificate && key && SSL_CTX_use_certificate(context, certificate) == 1 &&
               SSL_CTX_use_PrivateKey(context, key) == 1;
  X509_free(certificate);
  EVP_PKEY_free(key);
  BIO_free(certificate_pem);
  BIO_free(key_pem);
  if (ready) start(port);
}

void LoopbackServer::start(int port) {
  // A client that hangs up mid-answer must not end the test process through SIGPIPE (TLS
  // writes go through plain write(), which MSG_NOSIGNAL cannot reach).
  std::signal(SIGPIPE, SIG_IGN);
  if (pipe2(wake_pipe_, O_CLOEXEC) != 0) return;
  listen_fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listen_fd_ < 0) return;
  int one = 1;
  setsockopt(listen_fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(port));
  if (bind(listen_fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      listen(listen_fd_, 256) != 0) {
    close(listen_fd_);
    listen_fd_ = -1;
    return;
  }
  socklen_t len = sizeof addr;
  getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  acceptor_ = std::thread([this] { accept_loop(); });
}

LoopbackServer::~LoopbackServer() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (wake_pipe_[1] >= 0) {
    char byte = 0;
    [[maybe_unused]] ssize_t n = write(wake_pipe_[1], &byte, 1);
  }
  if (acceptor_.joinable()) acceptor_.join();
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return active_connections_ == 0; });
  }
  if (listen_fd_ >= 0) close(listen_fd_);
  for (int fd : wake_pipe_)
    if (fd >= 0) close(fd);
}

std::string LoopbackServer::url() const {
  return (tls_context_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_);
}

std::vector<Request> LoopbackServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

bool LoopbackServer::stopping() const {
  std::lock_guard lock(mutex_);
  return stop_;
}

void LoopbackServer::accept_loop() {
  pollfd fds[2] = {{listen_fd_, POLLIN, 0}, {wake_pipe_[0], POLLIN, 0}};
  while (true) {
    int n = poll(fds, 2, -1);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || (fds[1].revents & POLLIN) || stopping()) return;
    if (!(fds[0].revents & POLLIN)) continue;
    int fd = accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    {
      std::lock_guard lock(mutex_);
      ++active_connections_;
    }
    // Detached: the destructor waits on active_connections_ instead of joining.
    std::thread([this, fd] {
      serve(fd);
      close(fd);
      std::lock_guard lock(mutex_);
      --active_connections_;
      changed_.notify_all();
    }).detach();
  }
}

bool LoopbackServer::read_request(Stream& stream, Request& request) {
  std::string& raw = request.raw;
  size_t head_end = std::string::npos;
  size_t wanted = SIZE_MAX;  // total bytes of head and body, once the head is known
  char buffer[16384];
  while (raw.size() < wanted) {
    if (stopping()) return false;
    long got = stream.read(buffer, sizeof buffer);
    if (got == Stream::AGAIN) continue;
    if (got <= 0) break;  // the client closed: keep what it sent
    raw.append(buffer, static_cast<size_t>(got));
    if (raw.size() > MAX_REQUEST_BYTES) break;
    if (head_end == std::string::npos) {
      head_end = raw.find("\r\n\r\n");
      if (head_end == std::string::npos) continue;
      parse_head(std::string_view(raw).substr(0, head_end), request);
      std::string length = request.header("Content-Length");
      size_t body = 0;
      for (char c : length) {
        if (c < '0' || c > '9' || body > MAX_REQUEST_BYTES) break;
        body = body * 10 + static_cast<size_t>(c - '0');
      }
      wanted = head_end + 4 + std::min(body, MAX_REQUEST_BYTES);
    }
  }
  if (head_end != std::string::npos) {
    request.body = raw.substr(std::min(raw.size(), head_end + 4));
  } else if (!raw.empty()) {
    parse_head(raw, request);
  }
  return !raw.empty();
}

void LoopbackServer::send_all(Stream& stream, std::string_view bytes) {
  while (!bytes.empty() && !stopping()) {
    long sent = stream.write(bytes.data(), bytes.size());
    if (sent == Stream::AGAIN) continue;
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
}

void LoopbackServer::serve(int fd) {
  std::unique_ptr<Stream> stream =
      tls_context_
          ? tls_stream(fd, static_cast<SSL_CTX*>(tls_context_.get()), [this] { return stopping(); })
          : plain_stream(fd);
  if (!stream) return;
  Request request;
  if (!read_request(*stream, request)) return;
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  Response response = handler_ ? handler_(request) : Response{};
  if (response.stall.count() > 0) {
    std::unique_lock lock(mutex_);
    if (changed_.wait_for(lock, response.stall, [this] { return stop_; })) return;
  }
  std::string out = render(response);
  send_all(*stream, std::string_view(out).substr(0, std::min(out.size(), response.close_after)));
  // Close gracefully: half-close, then let the client read to the end before the socket goes,
  // so unread request bytes on our side can never turn the close into a reset that loses data.
  stream->close_sending();
  auto deadline = std::chrono::steady_clock::now() + LINGER_LIMIT;
  char sink[4096];
  while (!stopping() && std::chrono::steady_clock::now() < deadline) {
    long got = stream->read(sink, sizeof sink);
    if (got != Stream::AGAIN && got <= 0) break;
  }
}

Handler serve_files(std::map<std::string, std::string> files) {
  return [files = std::move(files)](const Request& request) {
    auto it = files.find(request.target);
    if (it == files.end()) it = files.find(request.target.substr(0, request.target.find('?')));
    Response response;
    if (it != files.end()) {
      response.body = it->second;
    } else {
      response.status = 404;
      response.body = "<html><body><h1>404 Not Found</h1></body></html>";
    }
    return response;
  };
}

}  // namespace vexlune::testing

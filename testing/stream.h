// One accepted connection of the loopback server, plain or TLS. Every call waits at most a
// short slice, so the server can look at its stop flag between calls.
#pragma once

#include <openssl/ssl.h>

#include <cstddef>
#include <functional>
#include <memory>

namespace vexlune::testing {

class Stream {
 public:
  static constexpr long AGAIN = -2;   // nothing happened within the slice
  static constexpr long FAILED = -1;  // the connection is broken
  virtual ~Stream() = default;
  // Bytes read or written, 0 when the peer closed (read only), AGAIN or FAILED.
  virtual long read(char* buffer, std::size_t size) = 0;
  virtual long write(const char* data, std::size_t size) = 0;
  // Ends our sending side while the peer may still read what was sent.
  virtual void close_sending() = 0;
};

std::unique_ptr<Stream> plain_stream(int fd);

// Runs the server side of a TLS handshake on fd; null when it fails or `stopping` turns true.
std::unique_ptr<Stream> tls_stream(int fd, SSL_CTX* context, const std::function<bool()>& stopping);

}  // namespace vexlune::testing

// Bounds on every transfer, so that no server can hold a thread forever or fill the memory.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

namespace vexlune {

// Time allowed to resolve the host and open the connection (TLS handshake included).
inline constexpr std::chrono::seconds CONNECT_TIMEOUT{15};
// A transfer that receives nothing for this long is abandoned; what was read is kept.
inline constexpr std::chrono::seconds STALL_TIMEOUT{30};
// The longest a whole transfer may take, so a server dripping a byte now and then still ends.
inline constexpr std::chrono::minutes TRANSFER_TIMEOUT{10};
// Bodies are cut here. Catalog files and posters are a few hundred KiB at most.
inline constexpr std::size_t MAX_BODY_BYTES = std::size_t{32} << 20;
// Redirect hops followed before a transfer gives up.
inline constexpr long MAX_REDIRECTS = 10;

// The bounds in force. Tests shorten them to exercise the limits quickly, and may name the
// certificates to trust instead of the system's store (their own loopback certificate).
struct TransferLimits {
  std::chrono::milliseconds connect_timeout = CONNECT_TIMEOUT;
  std::chrono::seconds stall_timeout = STALL_TIMEOUT;
  std::chrono::milliseconds transfer_timeout = TRANSFER_TIMEOUT;
  std::size_t max_body_bytes = MAX_BODY_BYTES;
  long max_redirects = MAX_REDIRECTS;
  std::string trusted_certificates_pem{};  // empty = the system's certificate store
};

TransferLimits transfer_limits();
void set_transfer_limits(TransferLimits limits);

}  // namespace vexlune

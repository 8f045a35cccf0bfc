// Helpers shared by the network tests of this folder.
#pragma once

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "net/limits.h"

namespace vexlune {

// Sets transfer limits for the life of a test and puts the previous ones back afterwards.
class ScopedTransferLimits {
 public:
  explicit ScopedTransferLimits(TransferLimits limits) : saved_(transfer_limits()) {
    set_transfer_limits(std::move(limits));
  }
  ~ScopedTransferLimits() { set_transfer_limits(saved_); }

 private:
  TransferLimits saved_;
};

// A loopback port that had a listener a moment ago and has none now: connecting is refused.
inline int closed_port() {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  socklen_t len = sizeof addr;
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  close(fd);
  return ntohs(addr.sin_port);
}

}  // namespace vexlune

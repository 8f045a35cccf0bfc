#include "net/limits.h"

#include <mutex>

namespace vexlune {
namespace {

std::mutex limits_mutex;
TransferLimits& current_limits() {
  static TransferLimits limits;
  return limits;
}

}  // namespace

TransferLimits transfer_limits() {
  std::lock_guard lock(limits_mutex);
  return current_limits();
}

void set_transfer_limits(TransferLimits limits) {
  std::lock_guard lock(limits_mutex);
  current_limits() = std::move(limits);
}

}  // namespace vexlune

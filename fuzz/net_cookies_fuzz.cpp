// Arbitrary bytes as a cookie jar and a response's new cookies (split at the first NUL),
// through merge_cookies.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/cookies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t cut = input.find('\0');
  std::string jar(input.substr(0, cut));
  std::string fresh(cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1));
  std::size_t before = jar.size() + fresh.size();

  std::string merged = vexlune::merge_cookies(jar, fresh);
  if (merged != jar) std::abort();
  // Entries are joined by "; ": the jar can grow by at most two bytes per separator.
  if (merged.size() > 2 * before + 2) std::abort();
  return 0;
}

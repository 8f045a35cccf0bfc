// The double-byte-aware search done the slow, literal way — character by character from the
// start position — as the oracle that tests and fuzz targets hold the fast `find` to.
#pragma once

#include <cstddef>
#include <string_view>

namespace vexlune::testing_text {

// 1-based position of the first match that starts on a character boundary, -1 for none.
inline int reference_find(std::string_view text, std::string_view sub, int start,
                          bool ignore_case) {
  auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
  std::size_t i = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  while (i < text.size()) {
    if (text.size() - i >= sub.size()) {
      bool equal = true;
      for (std::size_t k = 0; k < sub.size() && equal; ++k) {
        const auto a = static_cast<unsigned char>(text[i + k]);
        const auto b = static_cast<unsigned char>(sub[k]);
        equal = ignore_case ? fold(a) == fold(b) : a == b;
      }
      if (equal) return static_cast<int>(i) + 1;
    }
    i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
  }
  return -1;
}

}  // namespace vexlune::testing_text

// Test helper: GBK bytes for UTF-8 source text, by ICU's own converter, so that tables of cases
// can be written in readable Chinese.
#pragma once

#include <unicode/ucnv.h>

#include <string>
#include <string_view>

namespace vexlune::testing_gbk {

inline std::string convert(const char* from, const char* to, std::string_view in) {
  std::string out(in.size() * 4 + 4, '\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t n = ucnv_convert(to, from, out.data(), static_cast<int32_t>(out.size()), in.data(),
                                 static_cast<int32_t>(in.size()), &error);
  out.resize(U_SUCCESS(error) ? n : 0);
  return out;
}

// GBK bytes of a UTF-8 literal.
inline std::string gbk(std::string_view utf8) {
  return convert("UTF-8", "windows-936-2000", utf8);
}

}  // namespace vexlune::testing_gbk

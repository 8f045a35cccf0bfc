// Code-page conversions of arbitrary bytes: never a crash, and valid GBK survives the round trip
// through UTF-8 unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/codepage.h"

namespace {

// GBK as the system writes it: no NUL, and every lead byte followed by a valid trail byte.
bool is_valid_gbk(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b == 0) return false;
    if (b < 0x81 || b == 0xFF) continue;
    if (i + 1 == text.size()) return false;
    const auto t = static_cast<unsigned char>(text[++i]);
    if (t < 0x40 || t == 0x7F || t == 0xFF) return false;
  }
  return true;
}

// Well-formed UTF-8, without surrogates or overlong forms.
bool is_valid_utf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    int need = b < 0x80                 ? 0
               : b >= 0xC2 && b <= 0xDF ? 1
               : b >= 0xE0 && b <= 0xEF ? 2
               : b >= 0xF0 && b <= 0xF4 ? 3
                                        : -1;
    if (need < 0 || s.size() - i <= static_cast<std::size_t>(need)) return need == 0;
    char32_t c = b & (0x7F >> need);
    for (int k = 1; k <= need; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      c = c << 6 | (t & 0x3F);
    }
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[need] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += need + 1;
  }
  return true;
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = vexlune::gbk_to_utf8(bytes);
  check(is_valid_utf8(utf8));
  if (is_valid_gbk(bytes)) check(vexlune::utf8_to_gbk(utf8) == bytes);

  const std::string gbk = vexlune::utf8_to_gbk(bytes);
  check(gbk.find('\0') == std::string::npos);
  check(gbk.size() <= bytes.size());
  const std::string reply = vexlune::utf8_reply_to_gbk(bytes);
  check(reply.find('\0') == std::string::npos);

  for (int code_page : {vexlune::CP_GBK, vexlune::CP_UTF8}) {
    const std::string wide = vexlune::multibyte_to_wide(bytes, code_page);
    check(wide.size() % 2 == 0 && wide.size() >= 2);
    (void)vexlune::wide_to_multibyte(wide, code_page);
  }
  check(is_valid_utf8(vexlune::wide_to_multibyte(bytes, vexlune::CP_UTF8)));
  (void)vexlune::wide_bytes_to_gbk(bytes);
  (void)vexlune::utf8_bytes_to_wide(bytes);
  (void)vexlune::url_encode(bytes, size & 1, size & 2);
  return 0;
}

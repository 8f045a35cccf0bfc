// GBK (code page 936) <-> UTF-8 conversion and percent-encoding. Code page 936 follows the
// Windows mapping (all two-byte codes, 0x80 the euro sign); characters GBK lacks become "?".
// Invalid input is never refused: it is replaced, as the Windows converter would.
#pragma once

#include <string>
#include <string_view>

namespace vexlune {

// Code page numbers as the conversion routines take them.
inline constexpr int CP_SYSTEM = 0;  // the system code page, which for this program is GBK
inline constexpr int CP_GBK = 936;
inline constexpr int CP_UTF8 = 65001;

// "%XX" (upper-case hex) per byte; keep_plain spares only "-", ".", digits and ASCII letters;
// as_utf8 encodes the UTF-8 bytes of the text instead of its GBK bytes. A space is "%20".
std::string url_encode(std::string_view text, bool keep_plain = false, bool as_utf8 = false);

// GBK text to UTF-8 text.
std::string gbk_to_utf8(std::string_view text);

// UTF-8 text (a fetched page read as a text, so up to its first NUL) to GBK text.
std::string utf8_to_gbk(std::string_view text);

// UTF-8 reply bytes of known length to GBK text; a NUL in the reply cuts the text there.
std::string utf8_reply_to_gbk(std::string_view bytes);

// Decodes a text (up to its first NUL) from code page 936, 65001 or 0 into UTF-16LE bytes that
// end with one zero unit. An unknown code page gives an empty result.
std::string multibyte_to_wide(std::string_view text, int code_page = CP_UTF8);

// Encodes UTF-16LE bytes (up to the first zero unit) into code page 936, 65001 or 0; the result
// ends before the first NUL byte. An unknown code page gives the empty text.
std::string wide_to_multibyte(std::string_view wide, int code_page = CP_SYSTEM);

// Decodes UTF-8 bytes of known length into UTF-16LE bytes, no terminating unit; NUL bytes
// become zero units.
std::string utf8_bytes_to_wide(std::string_view bytes);

// Encodes UTF-16LE bytes (an odd last byte is ignored) to GBK, cut at the first NUL.
std::string wide_bytes_to_gbk(std::string_view wide);

}  // namespace vexlune

// Decoding of the board server's escaped replies.
#pragma once

#include <string>
#include <string_view>

namespace vexlune {

// Reads the GBK text as the body of a single-quoted JScript string literal, resolves its
// backslash escapes, then %uXXXX and %XX escapes, and converts the result back to GBK ("?" for
// what GBK lacks). CR LF pairs and apostrophes survive; input that could not be such a literal
// (a lone LF or CR, a backslash at the very end, ...) gives the empty text.
std::string unescape_text(std::string_view text);

}  // namespace vexlune

#include "text/unescape.h"

#include <optional>

#include "text/codepage.h"
#include "text/text.h"

namespace vexlune {
namespace {

// Stand-ins the board's texts use for what a single-quoted script literal cannot hold.
constexpr std::string_view kLineBreakMark = "{$}";
constexpr std::string_view kApostropheMark = "\xA1\xAF";  // the full-width right quote

std::u16string to_units(std::string_view wide) {
  std::u16string units;
  units.reserve(wide.size() / 2);
  for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
    units.push_back(static_cast<char16_t>(static_cast<unsigned char>(wide[i]) |
                                          static_cast<unsigned char>(wide[i + 1]) << 8));
  }
  return units;
}

std::string to_wide(std::u16string_view units) {
  std::string wide;
  wide.reserve(units.size() * 2);
  for (char16_t u : units) {
    wide.push_back(static_cast<char>(u & 0xFF));
    wide.push_back(static_cast<char>(u >> 8));
  }
  return wide;
}

int hex_value(char16_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The value of `digits` hexadecimal digits at `at`, or -1.
long hex_at(std::u16string_view s, std::size_t at, std::size_t digits) {
  if (at > s.size() || s.size() - at < digits) return -1;
  long value = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    const int d = hex_value(s[at + i]);
    if (d < 0) return -1;
    value = value * 16 + d;
  }
  return value;
}

bool is_octal(char16_t c) {
  return c >= '0' && c <= '7';
}

// Reads the body of a single-quoted literal of the classic script engine. Nothing when the
// program around it would not compile: a line break, a backslash at the very end (it escapes
// the closing quote), a malformed \x or \u escape.
std::optional<std::u16string> read_literal(std::u16string_view body) {
  std::u16string value;
  value.reserve(body.size());
  std::size_t i = 0;
  while (i < body.size()) {
    const char16_t c = body[i++];
    if (c == '\r' || c == '\n') return std::nullopt;
    if (c != '\\') {
      value.push_back(c);
      continue;
    }
    if (i == body.size()) return std::nullopt;
    const char16_t e = body[i++];
    switch (e) {
      case 'b':
        value.push_back(u'\b');
        break;
      case 'f':
        value.push_back(u'\f');
        break;
      case 'n':
        value.push_back(u'\n');
        break;
      case 'r':
        value.push_back(u'\r');
        break;
      case 't':
        value.push_back(u'\t');
        break;
      case 'x':
      case 'u': {
        const std::size_t digits = e == 'x' ? 2 : 4;
        const long code = hex_at(body, i, digits);
        if (code < 0) return std::nullopt;
        value.push_back(static_cast<char16_t>(code));
        i += digits;
        break;
      }
      case '\r':  // a backslash before a line break continues the literal on the next line
        if (i < body.size() && body[i] == '\n') ++i;
        break;
      case '\n':
        break;
      default:
        if (is_octal(e)) {
          // Up to three octal digits, as long as the value stays below 256.
          unsigned code = e - '0';
          for (int k = 0; k < 2 && i < body.size() && is_octal(body[i]); ++k) {
            const unsigned next = code * 8 + (body[i] - '0');
            if (next >= 256) break;
            code = next;
            ++i;
          }
          value.push_back(static_cast<char16_t>(code));
        } else {
          value.push_back(e);  // \v, \' and every other escaped character stand for themselves
        }
    }
  }
  return value;
}

// The script's unescape: %uXXXX is one UTF-16 unit, %XX one character 0-255, any other % stays.
std::u16string script_unescape(std::u16string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t k = 0; k < s.size(); ++k) {
    if (s[k] == '%') {
      if (k + 1 < s.size() && s[k + 1] == 'u') {
        const long code = hex_at(s, k + 2, 4);
        if (code >= 0) {
          out.push_back(static_cast<char16_t>(code));
          k += 5;
          continue;
        }
      }
      const long code = hex_at(s, k + 1, 2);
      if (code >= 0) {
        out.push_back(static_cast<char16_t>(code));
        k += 2;
        continue;
      }
    }
    out.push_back(s[k]);
  }
  return out;
}

}  // namespace

std::string unescape_text(std::string_view input) {
  // The text is wrapped into a script literal exactly as the board's texts were designed for;
  // what the script engine would compute is computed here directly.
  std::string text = bytes_to_text(input);
  text = replace(text, "\r\n", kLineBreakMark);
  if (!text.empty() && text.front() == '\r') text.erase(0, 1);
  text = replace(text, "\\u", "%u");
  text = replace(text, "'", kApostropheMark);

  std::u16string body = to_units(multibyte_to_wide(text, CP_GBK));
  body.pop_back();  // the terminating zero unit
  const std::optional<std::u16string> literal = read_literal(body);
  if (!literal) return {};
  // The engine's result comes back as a text, which ends at its first NUL character.
  std::string decoded = wide_to_multibyte(to_wide(script_unescape(*literal)), CP_GBK);

  decoded = replace(decoded, kApostropheMark, "'");
  return replace(decoded, kLineBreakMark, "\r\n");
}

}  // namespace vexlune

#include "text/text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "text/scan.h"

namespace vexlune {
namespace {

using scan::is_lead;
using scan::npos;

constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

int to_size(std::size_t n) {
  return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

// Zero-based offset of a 1-based start position, or npos when it lies past the end.
std::size_t start_offset(std::string_view text, int start) {
  const std::size_t offset = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  return offset >= text.size() ? npos : offset;
}

// The shared loop of replace and bytes_replace: `next(from)` yields the next occurrence.
template <typename Next>
std::string replace_with(std::string_view text, std::size_t from, std::size_t old_size,
                         std::string_view new_text, int count, Next next) {
  std::string out;
  out.reserve(text.size());
  out.append(text.substr(0, from));
  for (int done = 0; count < 0 || done < count; ++done) {
    const std::size_t p = next(from);
    if (p == npos) break;
    out.append(text.substr(from, p - from));
    out.append(new_text);
    from = p + old_size;
  }
  out.append(text.substr(from));
  return out;
}

}  // namespace

int length(std::string_view text) {
  return to_size(text.size());
}

int find(std::string_view text, std::string_view sub, int start, bool ignore_case) {
  const std::size_t from = start_offset(text, start);
  if (from == npos || sub.empty()) return -1;
  const std::size_t p = scan::find_aligned(text, scan::Matcher(sub, ignore_case), from);
  return p == npos ? -1 : to_size(p + 1);
}

int find_last(std::string_view text, std::string_view sub) {
  if (sub.empty()) return -1;
  const scan::Matcher matcher(sub, false);
  std::size_t last = npos;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t p = scan::find_aligned(text, matcher, from);
    if (p == npos) break;
    last = p;
    from = p + (is_lead(text[p]) ? 2 : 1);  // the next character boundary
  }
  return last == npos ? -1 : to_size(last + 1);
}

std::string replace(std::string_view text, std::string_view old_text, std::string_view new_text,
                    int start, int count, bool case_sensitive) {
  const std::size_t from = start_offset(text, start);
  if (from == npos || old_text.empty() || count == 0) return std::string(text);
  const scan::Matcher matcher(old_text, !case_sensitive);
  return replace_with(text, from, old_text.size(), new_text, count,
                      [&](std::size_t at) { return scan::find_aligned(text, matcher, at); });
}

std::vector<std::string> split(std::string_view text, std::string_view delimiter, int max) {
  std::vector<std::string> pieces;
  if (text.empty() || max == 0) return pieces;
  if (delimiter.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  const scan::Matcher matcher(delimiter, false);
  std::size_t from = 0;
  while (max < 0 || pieces.size() < static_cast<std::size_t>(max)) {
    const std::size_t p = scan::find_aligned(text, matcher, from);
    if (p == npos) {
      if (from < text.size()) pieces.emplace_back(text.substr(from));
      break;
    }
    pieces.emplace_back(text.substr(from, p - from));
    from = p + delimiter.size();
  }
  return pieces;
}

std::string left(std::string_view text, int n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

std::string right(std::string_view text, int n) {
  if (n <= 0) return {};
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(n));
  return std::string(text.substr(text.size() - count));
}

std::string mid(std::string_view text, int start, int n) {
  if (start < 1 || n <= 0) return {};
  const std::size_t offset = static_cast<std::size_t>(start) - 1;
  if (offset >= text.size()) return {};
  return std::string(text.substr(offset, static_cast<std::size_t>(n)));
}

std::string trim(std::string_view text) {
  return std::string(scan::trimmed(text));
}

std::string remove_spaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == ' ') {
      i += 1;
    } else if (is_lead(text[i])) {
      if (text.substr(i, 2) != kFullWidthSpace) out.append(text.substr(i, 2));
      i += 2;
    } else {
      out.push_back(text[i]);
      i += 1;
    }
  }
  return out;
}

std::string to_lower(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    if (is_lead(out[i])) {
      i += 2;
    } else {
      out[i] = static_cast<char>(scan::fold(static_cast<unsigned char>(out[i])));
      i += 1;
    }
  }
  return out;
}

int compare(std::string_view a, std::string_view b) {
  const int c = a.compare(b);  // char_traits<char> compares as unsigned char, like memcmp
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string char_of(int code) {
  const auto byte = static_cast<unsigned char>(code & 0xFF);
  if (byte == 0) return {};
  return std::string(1, static_cast<char>(byte));
}

std::string spaces(int n) {
  return n < 1 ? std::string() : std::string(n, ' ');
}

int to_int(std::string_view text) {
  // Full-width forms first become ASCII, character by character.
  std::string ascii;
  ascii.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (!is_lead(text[i])) {
      ascii.push_back(text[i++]);
      continue;
    }
    const std::string_view pair = text.substr(i, 2);
    i += 2;
    if (pair == kFullWidthSpace) {
      ascii.push_back(' ');
    } else if (pair.size() == 2 && pair[0] == '\xA3') {
      const auto trail = static_cast<unsigned char>(pair[1]);
      if (trail >= 0xB0 && trail <= 0xB9) {
        ascii.push_back(static_cast<char>('0' + (trail - 0xB0)));
      } else if (trail == 0xAB) {
        ascii.push_back('+');
      } else if (trail == 0xAD) {
        ascii.push_back('-');
      } else {
        break;
      }
    } else {
      break;  // any other character ends the number
    }
  }
  std::size_t i = 0;
  while (i < ascii.size() && (ascii[i] == ' ' || (ascii[i] >= '\t' && ascii[i] <= '\r')))
    ++i;
  bool negative = false;
  if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
  long long value = 0;
  for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i) {
    value = std::min<long long>(value * 10 + (ascii[i] - '0'), 1LL + INT_MAX);
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::string to_text(std::int64_t value) {
  return std::to_string(value);
}

std::string to_text(double value) {
  if (value == 0) return "0";  // also for -0.0
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return buffer;
}

std::string to_hex(std::int64_t value) {
  std::uint64_t bits = static_cast<std::uint64_t>(value);
  if (value < 0 && value >= INT32_MIN) bits &= 0xFFFFFFFFu;
  char buffer[20];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, bits, 16);
  std::string out(buffer, result.ptr);
  for (char& c : out)
    c = static_cast<char>(c >= 'a' ? c - 32 : c);
  return out;
}

std::string to_bytes(std::string_view text) {
  return std::string(text);
}

std::string bytes_to_text(std::string_view bytes) {
  return std::string(bytes.substr(0, bytes.find('\0')));
}

int bytes_length(std::string_view bytes) {
  return to_size(bytes.size());
}

std::string bytes_left(std::string_view bytes, int n) {
  return left(bytes, n);
}

std::string bytes_replace(std::string_view bytes, std::string_view old_bytes,
                          std::string_view new_bytes, int start, int count) {
  const std::size_t from = start_offset(bytes, start);
  if (from == npos || old_bytes.empty() || count == 0) return std::string(bytes);
  const scan::Matcher matcher(old_bytes, false);
  return replace_with(bytes, from, old_bytes.size(), new_bytes, count,
                      [&](std::size_t at) { return matcher.next(bytes, at); });
}

std::string zero_bytes(int n) {
  return n <= 0 ? std::string() : std::string(n, '\0');
}

std::int32_t read_int32(std::string_view bytes, int position) {
  std::uint32_t value = 0;
  for (int k = 0; k < 4; ++k) {
    const long long offset = static_cast<long long>(position) - 1 + k;
    if (offset >= 0 && offset < static_cast<long long>(bytes.size())) {
      value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset])) << (8 * k);
    }
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace vexlune

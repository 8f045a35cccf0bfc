// Byte-pattern search and character-boundary rules shared by the text routines. Not part of the
// public interface: include "text/text.h" or "text/markers.h" instead.
#pragma once

#include <cstddef>
#include <string_view>

namespace vexlune::scan {

inline constexpr std::size_t npos = std::string_view::npos;

// A byte with the high bit set starts a double-byte character together with the byte after it.
inline bool is_lead(char c) {
  return static_cast<unsigned char>(c) >= 0x80;
}

inline unsigned char fold(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

// A pattern prepared once and searched many times. Matching is byte by byte; with ignore_case
// ASCII letters match either case and every other byte must be equal.
class Matcher {
 public:
  Matcher(std::string_view sub, bool ignore_case);

  // Smallest p >= from where the pattern's bytes occur in `text`, on any byte; npos if none.
  std::size_t next(std::string_view text, std::size_t from) const;

  std::size_t size() const { return sub_.size(); }

 private:
  std::size_t next_filtered(std::string_view text, std::size_t from) const;
  bool equal_at(const char* at) const;

  std::string_view sub_;
  bool fold_ = false;                // ignore_case and the pattern holds a letter
  bool filter_ = false;              // use the first/last-byte filter rather than memmem
  unsigned char first_[2] = {0, 0};  // the first byte in both cases
  unsigned char last_[2] = {0, 0};   // the last byte in both cases
};

// First match at or after `anchor` that begins on a character boundary, where characters are
// counted from `anchor` on (as the scan would step from there). Linear in the text.
std::size_t find_aligned(std::string_view text, const Matcher& matcher, std::size_t anchor);

// Length (1 or 2) of the character that ends at `end`, counting characters from offset 0.
std::size_t last_char_size(std::string_view text, std::size_t end);

// The text without ASCII spaces and full-width spaces (A1 A1) at either end.
std::string_view trimmed(std::string_view text);

}  // namespace vexlune::scan

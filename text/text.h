// Primitives over GBK texts and byte strings. Positions are 1-based and count bytes; a Chinese
// character counts 2. Every routine is a pure function and safe to call from any thread.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vexlune {

// "All occurrences" / "all pieces" for the count and max parameters below.
inline constexpr int ALL = -1;

// Number of bytes.
int length(std::string_view text);

// First match at or after `start` (below 1 counts as 1), or -1. A match only begins where a
// double-byte character begins; ignore_case folds ASCII letters only.
int find(std::string_view text, std::string_view sub, int start = 1, bool ignore_case = false);

// Last match that begins on a character boundary, or -1.
int find_last(std::string_view text, std::string_view sub);

// Non-overlapping, double-byte-aware replacement from `start`; inserted text is never rescanned.
// count ALL (or any negative) = every occurrence; count 0 or an empty `old_text` = unchanged.
std::string replace(std::string_view text, std::string_view old_text,
                    std::string_view new_text = {}, int start = 1, int count = ALL,
                    bool case_sensitive = true);

// Pieces between exact, double-byte-aware delimiters; the empty piece after a trailing
// delimiter is dropped; max ALL = every piece, otherwise at most `max` and the rest is dropped.
std::vector<std::string> split(std::string_view text, std::string_view delimiter = ",",
                               int max = ALL);

// First / last n bytes (may cut a double-byte character); n <= 0 gives the empty text.
std::string left(std::string_view text, int n);
std::string right(std::string_view text, int n);

// n bytes from 1-based `start`; empty when start < 1, start is past the end or n <= 0.
std::string mid(std::string_view text, int start, int n);

// Strips ASCII spaces and full-width spaces (A1 A1) at both ends; tabs and line breaks stay.
std::string trim(std::string_view text);

// Removes every ASCII space and full-width space, wherever it stands.
std::string remove_spaces(std::string_view text);

// Folds A-Z to a-z; the bytes of double-byte characters are left alone.
std::string to_lower(std::string_view text);

// The texts joined in order.
template <typename... Texts>
std::string concat(const Texts&... texts) {
  std::string out;
  out.reserve((std::string_view(texts).size() + ... + 0));
  (out.append(std::string_view(texts)), ...);
  return out;
}

// Byte-wise (unsigned) comparison: negative, 0 or positive; the empty text sorts first.
int compare(std::string_view a, std::string_view b);

// One-byte text with that byte value; 0 (a NUL) gives the empty text.
std::string char_of(int code);

// n ASCII spaces; n < 1 gives the empty text.
std::string spaces(int n);

// Leading decimal integer after folding full-width digits, signs and spaces; no digits gives 0.
// Values beyond 32 bits saturate instead of wrapping.
int to_int(std::string_view text);

// Decimal, with a minus sign when negative.
std::string to_text(std::int64_t value);
template <std::integral T>
requires(!std::same_as<T, bool> && !std::same_as<T, std::int64_t>) std::string to_text(T value) {
  return to_text(static_cast<std::int64_t>(value));
}
// Up to 13 significant digits, shortest form: 3.0 gives "3", 10.5 gives "10.5".
std::string to_text(double value);

// Upper-case hexadecimal without leading zeros; a negative value that fits 32 bits prints its
// 32-bit two's complement ("FFFFFFFF" for -1).
std::string to_hex(std::int64_t value);

// Byte strings may hold NUL bytes; they share std::string with texts.

// The text's bytes, no terminator.
std::string to_bytes(std::string_view text);

// The bytes up to the first NUL (all of them when there is none).
std::string bytes_to_text(std::string_view bytes);

// Number of bytes.
int bytes_length(std::string_view bytes);

// First min(n, length) bytes; n < 0 gives nothing.
std::string bytes_left(std::string_view bytes, int n);

// As replace, but byte by byte: a match may start anywhere, also inside a double-byte pair.
std::string bytes_replace(std::string_view bytes, std::string_view old_bytes,
                          std::string_view new_bytes = {}, int start = 1, int count = ALL);

// n zero bytes; n <= 0 gives nothing.
std::string zero_bytes(int n);

// Little-endian 32-bit integer at 1-based `position`; bytes missing at the end read as 0.
std::int32_t read_int32(std::string_view bytes, int position = 1);

}  // namespace vexlune

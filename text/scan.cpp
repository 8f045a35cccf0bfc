#include "text/scan.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vexlune::scan {
namespace {

constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

// Longer patterns go to memmem, whose two-way search stays linear whatever the input.
constexpr std::size_t kMaxFilteredSize = 64;

bool is_letter(unsigned char c) {
  return (c | 32) >= 'a' && (c | 32) <= 'z';
}

void both_cases(unsigned char c, bool fold_case, unsigned char out[2]) {
  out[0] = c;
  out[1] = c;
  if (fold_case && is_letter(c)) {
    out[0] = c | 32;
    out[1] = c & ~32;
  }
}

// Start of the run of high-bit bytes that ends at `end`, looking no further back than `floor`.
// Long runs (all-Chinese text) are crossed sixteen bytes at a time.
std::size_t run_start(const char* s, std::size_t floor, std::size_t end) {
  std::size_t q = end;
#if defined(__SSE2__)
  while (q - floor >= 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + q - 16));
    const unsigned high = static_cast<unsigned>(_mm_movemask_epi8(block));
    if (high != 0xFFFF) return q - 16 + (32 - __builtin_clz(~high & 0xFFFF));
    q -= 16;
  }
#endif
  while (q > floor && is_lead(s[q - 1]))
    --q;
  return q;
}

}  // namespace

Matcher::Matcher(std::string_view sub, bool ignore_case) : sub_(sub) {
  if (ignore_case) {
    for (unsigned char c : sub)
      fold_ = fold_ || is_letter(c);
  }
  filter_ = fold_ || (sub.size() >= 2 && sub.size() <= kMaxFilteredSize);
  if (!sub.empty()) {
    both_cases(static_cast<unsigned char>(sub.front()), fold_, first_);
    both_cases(static_cast<unsigned char>(sub.back()), fold_, last_);
  }
}

bool Matcher::equal_at(const char* at) const {
  if (!fold_) return std::memcmp(at, sub_.data(), sub_.size()) == 0;
  for (std::size_t i = 0; i < sub_.size(); ++i) {
    if (fold(static_cast<unsigned char>(at[i])) != fold(static_cast<unsigned char>(sub_[i]))) {
      return false;
    }
  }
  return true;
}

std::size_t Matcher::next(std::string_view text, std::size_t from) const {
  const std::size_t n = sub_.size();
  if (n == 0 || from > text.size() || text.size() - from < n) return npos;
  if (!fold_ && n == 1) {
    const void* hit = std::memchr(text.data() + from, sub_[0], text.size() - from);
    return hit ? static_cast<const char*>(hit) - text.data() : npos;
  }
  if (!filter_) {
    const void* hit = memmem(text.data() + from, text.size() - from, sub_.data(), n);
    return hit ? static_cast<const char*>(hit) - text.data() : npos;
  }
  return next_filtered(text, from);
}

// Candidates are positions whose first and last pattern bytes both match, sixteen at a time;
// only those are compared in full.
std::size_t Matcher::next_filtered(std::string_view text, std::size_t from) const {
  const std::size_t n = sub_.size();
  const char* s = text.data();
  const std::size_t last_start = text.size() - n;
  std::size_t i = from;
#if defined(__SSE2__)
  const __m128i f0 = _mm_set1_epi8(static_cast<char>(first_[0]));
  const __m128i f1 = _mm_set1_epi8(static_cast<char>(first_[1]));
  const __m128i l0 = _mm_set1_epi8(static_cast<char>(last_[0]));
  const __m128i l1 = _mm_set1_epi8(static_cast<char>(last_[1]));
  while (i + 16 <= last_start + 1) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + n - 1));
    const __m128i hit_a = _mm_or_si128(_mm_cmpeq_epi8(a, f0), _mm_cmpeq_epi8(a, f1));
    const __m128i hit_b = _mm_or_si128(_mm_cmpeq_epi8(b, l0), _mm_cmpeq_epi8(b, l1));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(hit_a, hit_b)));
    while (mask != 0) {
      const std::size_t p = i + static_cast<std::size_t>(__builtin_ctz(mask));
      if (equal_at(s + p)) return p;
      mask &= mask - 1;
    }
    i += 16;
  }
#endif
  for (; i <= last_start; ++i) {
    const auto a = static_cast<unsigned char>(s[i]);
    const auto b = static_cast<unsigned char>(s[i + n - 1]);
    if ((a == first_[0] || a == first_[1]) && (b == last_[0] || b == last_[1]) && equal_at(s + i)) {
      return i;
    }
  }
  return npos;
}

std::size_t find_aligned(std::string_view text, const Matcher& matcher, std::size_t anchor) {
  // `known` is always a character boundary. A byte below 0x80 always ends a character (alone
  // or as a trail byte), so the position after it is a boundary too; from there the run of
  // high-bit bytes pairs up, and a candidate is a boundary when its distance is even.
  std::size_t known = anchor;
  std::size_t from = anchor;
  for (;;) {
    const std::size_t p = matcher.next(text, from);
    if (p == npos) return npos;
    const std::size_t q = run_start(text.data(), known, p);
    if (((p - q) & 1) == 0) return p;
    // p is the second byte of a character, so the next character begins right after it.
    known = p + 1;
    from = p + 1;
  }
}

std::size_t last_char_size(std::string_view text, std::size_t end) {
  if (end == 0) return 0;
  std::size_t run_end = is_lead(text[end - 1]) ? end : end - 1;
  const std::size_t run = run_end - run_start(text.data(), 0, run_end);
  if (run_end == end) return (run & 1) ? 1 : 2;  // odd: a lone lead byte at the end
  return (run & 1) ? 2 : 1;                      // odd: the low byte is a trail byte
}

std::string_view trimmed(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size()) {
    if (text[begin] == ' ') {
      begin += 1;
    } else if (text.substr(begin, 2) == kFullWidthSpace) {
      begin += 2;
    } else {
      break;
    }
  }
  // From the end, a space only counts where a character begins; each run of high-bit bytes is
  // paired up once, so trimming stays linear however many full-width spaces there are.
  std::string_view rest = text.substr(begin);
  std::size_t end = rest.size();
  while (end > 0) {
    if (rest[end - 1] == ' ') {
      if (last_char_size(rest, end) != 1) break;  // the trail byte of a character
      end -= 1;
      continue;
    }
    if (!is_lead(rest[end - 1])) break;
    const std::size_t run = run_start(rest.data(), 0, end);
    if ((end - run) & 1) break;  // a lone lead byte ends the text
    while (end - run >= 2 && rest.substr(end - 2, 2) == kFullWidthSpace)
      end -= 2;
    if (end != run) break;
  }
  return rest.substr(0, end);
}

}  // namespace vexlune::scan

#include "text/codepage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "text/cp936_tables.h"

namespace vexlune {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// A text ends at its first NUL byte.
std::string_view as_text(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

// Eight bytes at once: true when none has the high bit set.
bool ascii8(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return (word & 0x8080808080808080ULL) == 0;
}

// Appends one UTF-16 unit (or a whole code point) to raw output as UTF-8; returns the new end.
// Lone surrogates come out as U+FFFD, as the Windows encoder writes them.
char* put_utf8(char* out, char32_t c) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    if (c >= 0xD800 && c <= 0xDFFF) c = kReplacement;
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (c >> 18));
    *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

char* put_gbk(char* out, std::uint16_t code) {
  if (code > 0xFF) *out++ = static_cast<char>(code >> 8);
  *out++ = static_cast<char>(code & 0xFF);
  return out;
}

// One character of GBK, read the way the Windows converter reads it: a lead byte takes the byte
// after it whatever that is (an invalid pair is one "?"), except at the end of the input; 0x80
// and 0xFF stand alone.
inline char16_t gbk_step(const unsigned char* s, std::size_t n, std::size_t& i) {
  const unsigned char b = s[i];
  if (b < 0x80 || b == 0x80 || b == 0xFF || i + 1 == n) {
    i += 1;
    return cp936::kDecodeSingle[b];
  }
  i += 2;
  return cp936::kDecodePair[(b - 0x81) * 256 + s[i - 1]];
}

// One code point of UTF-8; each maximal ill-formed subsequence is one U+FFFD.
inline char32_t utf8_step(const unsigned char* s, std::size_t n, std::size_t& i) {
  const unsigned char b = s[i];
  if (b < 0x80) {
    i += 1;
    return b;
  }
  // The common three-byte form first: no surrogates, no overlong forms possible here.
  if (((b >= 0xE1 && b <= 0xEC) || b >= 0xEE) && b <= 0xEF && i + 2 < n &&
      (s[i + 1] & 0xC0) == 0x80 && (s[i + 2] & 0xC0) == 0x80) {
    i += 3;
    return (b & 0x0F) << 12 | (s[i - 2] & 0x3F) << 6 | (s[i - 1] & 0x3F);
  }
  int need = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  char32_t c = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    need = 1;
    c = b & 0x1F;
  } else if (b >= 0xE0 && b <= 0xEF) {
    need = 2;
    c = b & 0x0F;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    need = 3;
    c = b & 0x07;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    i += 1;
    return kReplacement;
  }
  std::size_t j = i + 1;
  for (int k = 0; k < need; ++k, ++j) {
    const unsigned char lo = k == 0 ? low : 0x80;
    const unsigned char hi = k == 0 ? high : 0xBF;
    if (j >= n || s[j] < lo || s[j] > hi) {
      i = j;
      return kReplacement;
    }
    c = (c << 6) | (s[j] & 0x3F);
  }
  i = j;
  return c;
}

template <typename Emit>
void decode_gbk(std::string_view text, Emit emit) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = 0; i < text.size();)
    emit(gbk_step(s, text.size(), i));
}

template <typename Emit>
void decode_utf8(std::string_view bytes, Emit emit) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t i = 0; i < bytes.size();)
    emit(utf8_step(s, bytes.size(), i));
}

// Large conversions go through a small buffer on the stack and are appended slice by slice,
// so the result is written once, never zero-filled nor allocated far beyond its size.
constexpr std::size_t kSlice = 8192;
constexpr std::size_t kSliceMargin = 16;  // the most one step of a conversion loop writes

// Reads UTF-16LE units; an odd last byte is ignored.
template <typename Emit>
void read_wide(std::string_view wide, bool stop_at_zero, Emit emit) {
  const auto* s = reinterpret_cast<const unsigned char*>(wide.data());
  for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
    const auto unit = static_cast<char16_t>(s[i] | s[i + 1] << 8);
    if (stop_at_zero && unit == 0) break;
    emit(unit);
  }
}

void put_wide(std::string& out, char32_t c) {
  auto unit = [&out](char32_t u) {
    out.push_back(static_cast<char>(u & 0xFF));
    out.push_back(static_cast<char>(u >> 8));
  };
  if (c < 0x10000) {
    unit(c);
  } else {
    unit(0xD800 + ((c - 0x10000) >> 10));
    unit(0xDC00 + ((c - 0x10000) & 0x3FF));
  }
}

// Encodes UTF-16 units to GBK one unit at a time, as the Windows encoder does: each surrogate
// becomes its own "?". With `compose`, a base character and a following combining mark that
// GBK shows as one character are written as that character.
class GbkWriter {
 public:
  GbkWriter(std::string& out, bool compose) : out_(out), compose_(compose) {}
  ~GbkWriter() { flush(); }

  void unit(char16_t u) {
    if (compose_ && pending_ && is_mark(u)) {
      const auto* end = cp936::kCompositions + cp936::kCompositionCount;
      const cp936::Composition key{*pending_, u, 0};
      const auto* hit = std::lower_bound(cp936::kCompositions, end, key, [](auto& a, auto& b) {
        return a.base != b.base ? a.base < b.base : a.mark < b.mark;
      });
      if (hit != end && hit->base == *pending_ && hit->mark == u) {
        write(hit->gbk);
        pending_.reset();
        return;
      }
    }
    flush();
    if (compose_) {
      pending_ = u;
    } else {
      write(cp936::kEncode[u]);
    }
  }

  void flush() {
    if (pending_) write(cp936::kEncode[*pending_]);
    pending_.reset();
  }

 private:
  static bool is_mark(char16_t u) {
    static const auto range = [] {
      std::pair<char16_t, char16_t> r{0xFFFF, 0};
      for (std::size_t i = 0; i < cp936::kCompositionCount; ++i) {
        r.first = std::min<char16_t>(r.first, cp936::kCompositions[i].mark);
        r.second = std::max<char16_t>(r.second, cp936::kCompositions[i].mark);
      }
      return r;
    }();
    return u >= range.first && u <= range.second;
  }

  void write(std::uint16_t code) {
    if (code > 0xFF) out_.push_back(static_cast<char>(code >> 8));
    out_.push_back(static_cast<char>(code & 0xFF));
  }

  std::string& out_;
  bool compose_;
  std::optional<char16_t> pending_;
};

bool is_gbk_page(int code_page) {
  return code_page == CP_GBK || code_page == CP_SYSTEM;
}

}  // namespace

std::string url_encode(std::string_view text, bool keep_plain, bool as_utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::string utf8 = as_utf8 ? gbk_to_utf8(text) : std::string();
  const std::string_view bytes = as_utf8 ? std::string_view(utf8) : as_text(text);
  std::string out;
  out.reserve(bytes.size() * 3);
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    const bool plain =
        (b >= '0' && b <= '9') || ((b | 32) >= 'a' && (b | 32) <= 'z') || b == '-' || b == '.';
    if (keep_plain && plain) {
      out.push_back(ch);
    } else {
      out.push_back('%');
      out.push_back(kHex[b >> 4]);
      out.push_back(kHex[b & 15]);
    }
  }
  return out;
}

std::string gbk_to_utf8(std::string_view text) {
  text = as_text(text);
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::string out;
  out.reserve(n + n / 2);  // exact for Chinese text, which grows by half
  char buffer[kSlice + kSliceMargin];
  for (std::size_t i = 0; i < n;) {
    char* p = buffer;
    while (i < n && p < buffer + kSlice) {
      if (i + 8 <= n && ascii8(s + i)) {
        std::memcpy(p, s + i, 8);
        p += 8;
        i += 8;
      } else {
        p = put_utf8(p, gbk_step(s, n, i));
      }
    }
    out.append(buffer, p);
  }
  return out;
}

std::string utf8_to_gbk(std::string_view text) {
  text = as_text(text);
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::string out;
  out.reserve(n);  // never more GBK bytes than UTF-8 bytes
  char buffer[kSlice + kSliceMargin];
  for (std::size_t i = 0; i < n;) {
    char* p = buffer;
    while (i < n && p < buffer + kSlice) {
      if (i + 8 <= n && ascii8(s + i)) {
        std::memcpy(p, s + i, 8);
        p += 8;
        i += 8;
        continue;
      }
      // Runs of Chinese: well-formed three-byte forms outside the surrogate block.
      while (i + 3 <= n && p < buffer + kSlice && s[i] >= 0xE1 && s[i] <= 0xEF && s[i] != 0xED &&
             (s[i + 1] & 0xC0) == 0x80 && (s[i + 2] & 0xC0) == 0x80) {
        const std::uint16_t code =
            cp936::kEncode[(s[i] & 0x0F) << 12 | (s[i + 1] & 0x3F) << 6 | (s[i + 2] & 0x3F)];
        p = put_gbk(p, code);
        i += 3;
      }
      if (i >= n || p >= buffer + kSlice) break;
      const char32_t c = utf8_step(s, n, i);
      if (c < 0x10000) {
        p = put_gbk(p, cp936::kEncode[c]);
      } else {
        *p++ = '?';  // one "?" for each half of the surrogate pair
        *p++ = '?';
      }
    }
    out.append(buffer, p);
  }
  return out;
}

std::string utf8_reply_to_gbk(std::string_view bytes) {
  // The reply is cut at its first NUL, so only the bytes before it matter.
  return wide_bytes_to_gbk(utf8_bytes_to_wide(as_text(bytes)));
}

std::string multibyte_to_wide(std::string_view text, int code_page) {
  text = as_text(text);
  std::string out;
  if (is_gbk_page(code_page)) {
    out.reserve(text.size() * 2 + 2);
    decode_gbk(text, [&out](char16_t unit) { put_wide(out, unit); });
  } else if (code_page == CP_UTF8) {
    out.reserve(text.size() * 2 + 2);
    decode_utf8(text, [&out](char32_t c) { put_wide(out, c); });
  } else {
    return {};
  }
  out.append(2, '\0');
  return out;
}

std::string wide_to_multibyte(std::string_view wide, int code_page) {
  std::string out;
  if (is_gbk_page(code_page)) {
    GbkWriter writer(out, false);
    read_wide(wide, true, [&writer](char16_t unit) { writer.unit(unit); });
  } else if (code_page == CP_UTF8) {
    // Surrogate pairs are joined; lone halves become U+FFFD.
    char16_t high = 0;
    char buffer[4];
    auto put = [&out, &buffer](char32_t c) { out.append(buffer, put_utf8(buffer, c)); };
    read_wide(wide, true, [&](char16_t unit) {
      if (high != 0 && unit >= 0xDC00 && unit <= 0xDFFF) {
        put(0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (unit - 0xDC00));
        high = 0;
        return;
      }
      if (high != 0) put(kReplacement);
      high = 0;
      if (unit >= 0xD800 && unit <= 0xDBFF) {
        high = unit;
      } else {
        put(unit);
      }
    });
    if (high != 0) put(kReplacement);
  }
  return out;
}

std::string utf8_bytes_to_wide(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  decode_utf8(bytes, [&out](char32_t c) { put_wide(out, c); });
  return out;
}

std::string wide_bytes_to_gbk(std::string_view wide) {
  std::string out;
  {
    GbkWriter writer(out, true);
    read_wide(wide, false, [&writer](char16_t unit) { writer.unit(unit); });
  }
  return std::string(as_text(out));
}

}  // namespace vexlune

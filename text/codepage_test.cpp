#include "text/codepage.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <memory>
#include <random>

#include "text/test_gbk.h"

namespace vexlune {
namespace {

using testing_gbk::gbk;

std::string wide(std::u16string_view units) {
  std::string out;
  for (char16_t u : units) {
    out.push_back(static_cast<char>(u & 0xFF));
    out.push_back(static_cast<char>(u >> 8));
  }
  return out;
}

TEST(UrlEncode, EncodesEveryByteButThePlainOnes) {
  struct Case {
    std::string text;
    bool keep_plain, as_utf8;
    std::string expected;
  };
  const Case cases[] = {
      {gbk("a b/中"), true, true, "a%20b%2F%E4%B8%AD"},
      {gbk("a b/中"), true, false, "a%20b%2F%D6%D0"},
      {"x_y~z", true, true, "x%5Fy%7Ez"},
      {"ab", false, false, "%61%62"},
      {"\n", true, true, "%0A"},
      {"Az09-.:=&+", true, true, "Az09-.%3A%3D%26%2B"},
      {"", true, true, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(url_encode(c.text, c.keep_plain, c.as_utf8), c.expected) << c.text;
  }
}

TEST(CodePage936, DecodesEveryTwoByteCodeAsIcuAndRoundTrips) {
  int checked = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string utf8 = gbk_to_utf8(code);
      ASSERT_EQ(utf8, testing_gbk::convert("windows-936-2000", "UTF-8", code))
          << std::hex << lead << trail;
      ASSERT_EQ(utf8_to_gbk(utf8), code) << std::hex << lead << trail;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 23940);
  EXPECT_EQ(gbk_to_utf8("\xAA\xA1"), "\xEE\x80\x80");  // U+E000, private use
  EXPECT_EQ(gbk_to_utf8("\xF8\xA1"), "\xEE\x88\xB4");  // U+E234
  EXPECT_EQ(gbk_to_utf8("\x80"), "\xE2\x82\xAC");      // the euro sign
  EXPECT_EQ(gbk_to_utf8("\xFF"), "\xEF\xA3\xB5");      // U+F8F5
  EXPECT_EQ(utf8_to_gbk("\xE2\x82\xAC\xEF\xA3\xB5"), "\x80\xFF");
}

TEST(CodePage936, EncodesLikeIcuWithBestFit) {
  UErrorCode error = U_ZERO_ERROR;
  std::unique_ptr<UConverter, void (*)(UConverter*)> icu(ucnv_open("windows-936-2000", &error),
                                                         ucnv_close);
  ASSERT_TRUE(U_SUCCESS(error));
  ucnv_setFallback(icu.get(), true);
  ucnv_setFromUCallBack(icu.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const UChar unit = static_cast<UChar>(c);
    char expected[8];
    error = U_ZERO_ERROR;
    ucnv_resetFromUnicode(icu.get());
    const int n = ucnv_fromUChars(icu.get(), expected, sizeof expected, &unit, 1, &error);
    // ICU drops an unmapped default-ignorable character; Windows writes "?" for it too.
    const std::string icu_gbk = U_SUCCESS(error) && n > 0 ? std::string(expected, n) : "?";
    ASSERT_EQ(wide_to_multibyte(wide(std::u16string(1, unit)), CP_GBK), icu_gbk)
        << std::hex << static_cast<int>(c);
  }
}

// Long random texts, so that the block-wise fast paths and the slice boundaries are crossed.
TEST(CodePage936, LongTextsConvertAsIcuConverts) {
  std::mt19937 random(11);
  UErrorCode error = U_ZERO_ERROR;
  std::unique_ptr<UConverter, void (*)(UConverter*)> icu(ucnv_open("windows-936-2000", &error),
                                                         ucnv_close);
  ASSERT_TRUE(U_SUCCESS(error));
  ucnv_setFallback(icu.get(), true);
  ucnv_setFromUCallBack(icu.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
  auto icu_gbk = [&](char16_t unit) {
    char out[8];
    UErrorCode e = U_ZERO_ERROR;
    ucnv_resetFromUnicode(icu.get());
    const int n =
        ucnv_fromUChars(icu.get(), out, sizeof out, reinterpret_cast<UChar*>(&unit), 1, &e);
    return U_SUCCESS(e) && n > 0 ? std::string(out, n) : std::string("?");
  };
  for (int round = 0; round < 4; ++round) {
    // Valid GBK: ASCII runs and two-byte characters, with the single bytes 0x80 and 0xFF.
    std::string text;
    while (text.size() < 30000) {
      const int kind = random() % 10;
      if (kind < 4) {
        text.push_back(static_cast<char>(1 + random() % 127));
      } else if (kind == 4) {
        text.push_back(random() % 2 ? '\x80' : '\xFF');
      } else {
        const int lead = 0x81 + random() % 126;
        int trail = 0x40 + random() % 190;
        if (trail >= 0x7F) ++trail;
        text.push_back(static_cast<char>(lead));
        text.push_back(static_cast<char>(trail));
      }
    }
    ASSERT_EQ(gbk_to_utf8(text), testing_gbk::convert("windows-936-2000", "UTF-8", text));
    // Arbitrary bytes read as UTF-8: ICU's decoder also makes one U+FFFD per bad subsequence.
    std::string bytes;
    while (bytes.size() < 30000) {
      if (random() % 3) {
        bytes += gbk_to_utf8(text.substr(random() % 20000, 1 + random() % 40));
      } else {
        bytes.push_back(static_cast<char>(1 + random() % 255));
      }
    }
    const std::string utf16 = testing_gbk::convert("UTF-8", "UTF-16LE", bytes);
    std::string expected;
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
      expected += icu_gbk(static_cast<char16_t>(static_cast<unsigned char>(utf16[i]) |
                                                static_cast<unsigned char>(utf16[i + 1]) << 8));
    }
    ASSERT_EQ(utf8_to_gbk(bytes), expected) << "round " << round;
  }
}

TEST(CodePage936, BadGbkIsReadAsWindowsReadsIt) {
  struct Case {
    std::string gbk, utf8;
  };
  const Case cases[] = {
      {"a\x81", "a?"},   // a lone lead byte at the end
      {"\x81 x", "?x"},  // a lead byte takes any byte after it
      {"\x81\x7Fx", "?x"},
      {"\x81\xFFx", "?x"},
      {"\x81\x30", "?"},
      {"\x80"
       "A",
       "\xE2\x82\xAC"
       "A"},  // 0x80 and 0xFF stand alone
      {"\xFF"
       "A",
       "\xEF\xA3\xB5"
       "A"},
      {std::string("a\0b", 3), "a"},  // a text ends at NUL
  };
  for (const Case& c : cases)
    EXPECT_EQ(gbk_to_utf8(c.gbk), c.utf8) << c.gbk;
}

TEST(CodePage936, BadUtf8AndCharactersGbkLacksBecomeQuestionMarks) {
  struct Case {
    std::string utf8, gbk;
  };
  const Case cases[] = {
      {"\xE4\xB8\xAD"
       "A",
       gbk("中") + "A"},
      {"\xE4\xB8", "?"},  // cut short
      {"\xE4\xB8"
       "A",
       "?A"},
      {"\xC0\xAF", "??"},          // overlong
      {"\xED\xA0\x80", "???"},     // an encoded surrogate
      {"\xF0\x9F\x98\x80", "??"},  // outside the BMP: one "?" per UTF-16 unit
      {"\xE0\xB8\x81", "?"},       // a Thai letter
      {"\xFE\xFF", "??"},
      {"\xC2\xB2", "2"},  // best fit, as Windows converts
      {"\xC3\x80", "\xA8\xA4"},
      {"e\xCC\x81", "e?"},  // no composition without the composite check
  };
  for (const Case& c : cases)
    EXPECT_EQ(utf8_to_gbk(c.utf8), c.gbk) << c.utf8;
}

TEST(Replies, AreConvertedWholeAndCutAtNul) {
  EXPECT_EQ(utf8_reply_to_gbk(""), "");
  EXPECT_EQ(utf8_reply_to_gbk(std::string("\xE4\xB8\xAD\0x", 5)), gbk("中"));
  EXPECT_EQ(utf8_reply_to_gbk("\xE0\xB8\x81"), "?");
  EXPECT_EQ(utf8_reply_to_gbk("e\xCC\x81!"), gbk("é") + "!");  // base and mark composed
  EXPECT_EQ(utf8_reply_to_gbk("\xCC\x81"), "?");
}

TEST(WideTexts, FollowTheirTerminatorRules) {
  EXPECT_EQ(multibyte_to_wide("A"
                              "\xE4\xB8\xAD"),
            wide(u"A\u4E2D") + std::string(2, '\0'));
  EXPECT_EQ(multibyte_to_wide(gbk("中"), CP_GBK), wide(u"\u4E2D") + std::string(2, '\0'));
  EXPECT_EQ(multibyte_to_wide(gbk("中"), CP_SYSTEM), wide(u"\u4E2D") + std::string(2, '\0'));
  EXPECT_EQ(multibyte_to_wide("", CP_UTF8), std::string(2, '\0'));
  EXPECT_EQ(multibyte_to_wide("x", 1252), "");
  EXPECT_EQ(wide_to_multibyte(wide(u"\u4E2D") + wide(u"\0x")), gbk("中"));
  EXPECT_EQ(wide_to_multibyte(wide(u"\u4E2D\U0001F600"), CP_UTF8), "\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(wide_to_multibyte(wide(u"\xD800x"), CP_UTF8), "\xEF\xBF\xBDx");
  EXPECT_EQ(wide_to_multibyte(wide(u"\xDC00"), CP_UTF8), "\xEF\xBF\xBD");
  EXPECT_EQ(wide_to_multibyte("x", CP_UTF8), "");  // an odd last byte is no unit
  EXPECT_EQ(utf8_bytes_to_wide(std::string("a\0", 2)), wide(std::u16string(u"a\0", 2)));
  EXPECT_EQ(wide_bytes_to_gbk(wide(u"\u4E2D") + "x"), gbk("中"));
  EXPECT_EQ(wide_bytes_to_gbk(wide(std::u16string(u"a\0b", 3))), "a");
}

}  // namespace
}  // namespace vexlune

#include "text/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "text/reference_find.h"
#include "text/test_gbk.h"

namespace vexlune {
namespace {

using testing_gbk::gbk;
using testing_text::reference_find;

TEST(Find, StepsOverDoubleByteCharacters) {
  const std::string zhong = gbk("中");  // D6 D0
  const std::string run(1000, '\xB0');  // 500 characters B0 B0
  struct Case {
    std::string text, sub;
    int start;
    bool ignore_case;
    int expected;
  };
  const Case cases[] = {
      {gbk("中A"), "A", 1, false, 3},
      {gbk("中小"), "\xD0", 1, false, 3},  // D0 is the trail of 中 and the lead of 小
      {"\x81"
       "AA",
       "A", 1, false, 3},  // a letter as trail byte is no match
      {"\x81|x|", "|", 1, false, 4},
      {"abcABC", "ABC", 1, true, 1},
      {"abcABC", "ABC", 1, false, 4},
      {"abcABC", "abc", 2, true, 4},
      {"abc", "c", 0, false, 3},
      {"abc", "c", -5, false, 3},
      {"abc", "c", 3, false, 3},
      {"abc", "c", 4, false, -1},
      {"abc", "x", 1, false, -1},
      {zhong + "A",
       "\xD0"
       "A",
       2, false, 2},  // the scan counts characters from `start`
      {zhong + "A",
       "\xD0"
       "A",
       1, false, -1},
      {"a\x81", "\x81", 1, false, 2},  // a lone lead byte at the end can still begin a match
      {run + "A", "A", 1, false, 1001},
      {run + "\xB0", "\xB0\xB0", 2, false, 2},
      {"x" + run + "A",
       "\xB0"
       "A",
       1, false, -1},
      {"<DIV class=\"Item\">" + run + "<div class=\"item\">", "<div class=\"ITEM\">", 2, true,
       1019},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(find(c.text, c.sub, c.start, c.ignore_case), c.expected)
        << "'" << c.sub << "' in '" << c.text.substr(0, 40) << "' from " << c.start;
  }
}

TEST(Find, AgreesWithTheCharacterScanOnRandomTexts) {
  // Few distinct bytes, so that matches, near-matches and trail-byte hits are frequent.
  const char alphabet[] = {'a', 'A', 'b', '|', ' ', '\x81', '\xA1', '\xB0', '\xFF', 'B'};
  std::mt19937 random(2024);
  auto pick = [&](std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
      s.push_back(alphabet[random() % sizeof alphabet]);
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    std::string text = pick(random() % 80);
    if (round % 3 == 0) {
      // Long runs of high-bit bytes, crossed block-wise when looking for a boundary.
      text.insert(random() % (text.size() + 1), std::string(random() % 70, '\xB0'));
    }
    const std::string sub = pick(1 + random() % 4);
    const int start = static_cast<int>(random() % 10) - 2;
    const bool ignore_case = random() % 2;
    ASSERT_EQ(find(text, sub, start, ignore_case), reference_find(text, sub, start, ignore_case))
        << "round " << round;
  }
}

TEST(FindLast, TakesTheLastOccurrenceOnACharacterBoundary) {
  EXPECT_EQ(find_last("a,b,c", ","), 4);
  EXPECT_EQ(find_last("a,\x81,", ","), 2);
  EXPECT_EQ(find_last(gbk("中中"), "\xD0\xD6"), -1);
  EXPECT_EQ(find_last("abc", "x"), -1);
  EXPECT_EQ(find_last("aaa", "aa"), 2);
}

TEST(Replace, ScansLeftToRightWithoutRescanningInsertedText) {
  struct Case {
    std::string text, old_text, new_text;
    int start, count;
    bool case_sensitive;
    std::string expected;
  };
  const Case cases[] = {
      {"aaa", "a", "aa", 1, ALL, true, "aaaaaa"},
      {"aXbX", "X", "", 3, ALL, true, "aXb"},
      {"aXbXcX", "X", "-", 1, 2, true, "a-b-cX"},
      {"aXbX", "X", "-", 1, 0, true, "aXbX"},
      {"aXbX", "", "-", 1, ALL, true, "aXbX"},
      {"aXbX", "X", "-", 5, ALL, true, "aXbX"},
      {"aXbX", "X", "-", -3, ALL, true, "a-b-"},
      {"", "X", "-", 1, ALL, true, ""},
      {"axbX", "X", "-", 1, ALL, false, "a-b-"},
      {"axbX", "X", "-", 1, ALL, true, "axb-"},
      {"\x81"
       "AA",
       "A", "b", 1, ALL, true,
       "\x81"
       "Ab"},
      {"abab", "ab", "ab", 1, ALL, true, "abab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(replace(c.text, c.old_text, c.new_text, c.start, c.count, c.case_sensitive),
              c.expected)
        << c.text << " " << c.old_text << " -> " << c.new_text;
  }
}

TEST(Split, CutsAtEveryDelimiterAndDropsTheTrailingEmptyPiece) {
  using Pieces = std::vector<std::string>;
  struct Case {
    std::string text, delimiter;
    int max;
    Pieces expected;
  };
  const Case cases[] = {
      {",a,,b,", ",", ALL, {"", "a", "", "b"}},
      {"", ",", ALL, {}},
      {"abc", "", ALL, {"abc"}},
      {"abc", ",", ALL, {"abc"}},
      {",", ",", ALL, {""}},
      {"a,b,c,d", ",", 2, {"a", "b"}},
      {"a,b", ",", 0, {}},
      {"a||b||", "||", ALL, {"a", "b"}},
      {"a\x81,b,c", ",", ALL, {"a\x81,b", "c"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(split(c.text, c.delimiter, c.max), c.expected) << c.text;
  }
}

TEST(Substrings, CountBytesFromOne) {
  EXPECT_EQ(mid("abc", 2, 10), "bc");
  EXPECT_EQ(mid("abc", 0, 1), "");
  EXPECT_EQ(mid("abc", 4, 1), "");
  EXPECT_EQ(mid("abc", 1, 0), "");
  EXPECT_EQ(mid("abc", 3, INT_MAX), "c");
  EXPECT_EQ(left("abc", 2), "ab");
  EXPECT_EQ(left("abc", 9), "abc");
  EXPECT_EQ(left("abc", -1), "");
  EXPECT_EQ(right("abc", 2), "bc");
  EXPECT_EQ(right("abc", 9), "abc");
  EXPECT_EQ(right("abc", 0), "");
  EXPECT_EQ(left(gbk("中"), 1), "\xD6");  // may cut a character in half
}

TEST(Trim, RemovesOnlySpacesAndFullWidthSpacesOnCharacterBoundaries) {
  const std::string wide = "\xA1\xA1";
  struct Case {
    std::string text, trimmed, without_spaces;
  };
  const Case cases[] = {
      {"\tx ", "\tx", "\tx"},
      {" \r\n a b \n", "\r\n a b \n", "\r\nab\n"},
      {wide + " " + gbk("中") + wide + "x " + wide, gbk("中") + wide + "x", gbk("中") + "x"},
      {"   ", "", ""},
      {wide + wide, "", ""},
      {"\x81 ", "\x81 ", "\x81 "},                       // the space is a trail byte
      {"\xC4\xA1\xA1", "\xC4\xA1\xA1", "\xC4\xA1\xA1"},  // C4 A1 then a lone A1
      {"\xA1\xA1\xA1", "\xA1", "\xA1"},
      {"x" + std::string(4000, '\xA1'), "x", "x"},
      {"x" + std::string(3999, '\xA1'), "x" + std::string(3999, '\xA1'), "x\xA1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(trim(c.text), c.trimmed) << c.text.substr(0, 20);
    EXPECT_EQ(remove_spaces(c.text), c.without_spaces) << c.text.substr(0, 20);
  }
}

TEST(ToLower, FoldsAsciiLettersOutsideDoubleByteCharacters) {
  EXPECT_EQ(to_lower("AbC-" + gbk("中") +
                     "Z\x81"
                     "A"),
            "abc-" + gbk("中") +
                "z\x81"
                "A");
}

TEST(Compare, IsBytewiseWithTheEmptyTextFirst) {
  EXPECT_LT(compare("", "a"), 0);
  EXPECT_GT(compare("a", ""), 0);
  EXPECT_EQ(compare("", ""), 0);
  EXPECT_LT(compare("a", "b"), 0);
  EXPECT_GT(compare("\x80", "a"), 0);  // high bytes compare as unsigned
  EXPECT_LT(compare("ab", "abc"), 0);
}

TEST(SmallTexts, CharOfSpacesConcat) {
  EXPECT_EQ(char_of(65), "A");
  EXPECT_EQ(char_of(0), "");
  EXPECT_EQ(char_of(0xA1), "\xA1");
  EXPECT_EQ(spaces(3), "   ");
  EXPECT_EQ(spaces(0), "");
  EXPECT_EQ(spaces(-2), "");
  EXPECT_EQ(concat("a", std::string("b"), std::string_view("c")), "abc");
  EXPECT_EQ(length(gbk("中a")), 3);
}

TEST(Numbers, ToIntReadsTheLeadingNumber) {
  struct Case {
    std::string text;
    int expected;
  };
  const Case cases[] = {
      {"12ab", 12},
      {"abc", 0},
      {gbk("１２"), 12},
      {"  -7", -7},
      {gbk("－５"), -5},
      {gbk("　３"), 3},
      {"+4", 4},
      {"\t 8", 8},
      {"", 0},
      {"-", 0},
      {"3.9", 3},
      {gbk("中12"), 0},
      {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
  };
  for (const Case& c : cases)
    EXPECT_EQ(to_int(c.text), c.expected) << c.text;
}

TEST(Numbers, ToTextAndToHex) {
  EXPECT_EQ(to_text(42), "42");
  EXPECT_EQ(to_text(-7), "-7");
  EXPECT_EQ(to_text(std::int64_t{1} << 40), "1099511627776");
  EXPECT_EQ(to_text(3.0), "3");
  EXPECT_EQ(to_text(10.5), "10.5");
  EXPECT_EQ(to_text(0.1), "0.1");
  EXPECT_EQ(to_text(-0.0), "0");
  EXPECT_EQ(to_text(1.0 / 3), "0.3333333333333");
  EXPECT_EQ(to_hex(10), "A");
  EXPECT_EQ(to_hex(255), "FF");
  EXPECT_EQ(to_hex(0), "0");
  EXPECT_EQ(to_hex(-1), "FFFFFFFF");
}

TEST(Bytes, KeepNulBytesUntilTurnedIntoText) {
  const std::string bytes("ab\0cd", 5);
  EXPECT_EQ(bytes_length(bytes), 5);
  EXPECT_EQ(bytes_to_text(bytes), "ab");
  EXPECT_EQ(to_bytes("ab"), "ab");
  EXPECT_EQ(bytes_left(bytes, 3), std::string("ab\0", 3));
  EXPECT_EQ(bytes_left(bytes, 9), bytes);
  EXPECT_EQ(bytes_left(bytes, -1), "");
  EXPECT_EQ(zero_bytes(3), std::string(3, '\0'));
  EXPECT_EQ(zero_bytes(0), "");
  // Byte matching ignores character boundaries, unlike replace.
  EXPECT_EQ(bytes_replace(std::string("\x81"
                                      "A\0A\0",
                                      5),
                          "A", "b"),
            std::string("\x81"
                        "b\0b\0",
                        5));
  EXPECT_EQ(bytes_replace("aXbX", "X", "", 3), "aXb");
  EXPECT_EQ(bytes_replace("aXbX", "X", "-", 1, 1), "a-bX");
}

TEST(Bytes, ReadInt32IsLittleEndianWithMissingBytesZero) {
  const std::string bytes("\x01\x02\x03\x04\xFF", 5);
  EXPECT_EQ(read_int32(bytes), 0x04030201);
  EXPECT_EQ(read_int32(bytes, 2), static_cast<std::int32_t>(0xFF040302));
  EXPECT_EQ(read_int32(bytes, 4), 0xFF04);
  EXPECT_EQ(read_int32(bytes, 6), 0);
  EXPECT_EQ(read_int32(bytes, 0), 0x030201 << 8);
  EXPECT_EQ(read_int32("", 1), 0);
}

}  // namespace
}  // namespace vexlune

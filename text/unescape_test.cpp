#include "text/unescape.h"

#include <gtest/gtest.h>

#include "text/test_gbk.h"

namespace vexlune {
namespace {

using testing_gbk::gbk;

TEST(UnescapeText, DecodesAsTheScriptLiteralAndUnescapeWould) {
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"\\u4e2d\\u6587", gbk("中文")},
      {"a\\/b", "a/b"},
      {"x%20y", "x y"},
      {"100%", "100%"},
      {"%u12 %zz%4", "%u12 %zz%4"},
      {"I'm", "I'm"},
      {"line1\r\nline2", "line1\r\nline2"},
      {"a{$}b", "a\r\nb"},
      {gbk("’"), "'"},
      {"", ""},
      // Escapes of the classic engine's string literals; "\v" is a plain "v" there.
      {"\\t|\\x41|\\101|\\v|\\\"|\\q", "\t|A|A|v|\"|q"},
      {"\\8|\\400|\\08", "8| 0|"},  // "\0" is a NUL, where the text ends
      {"a\\0b", "a"},
      {"abc\\\\", "abc\\"},
      {"\\\\u0041", "A"},  // "\u" becomes "%u" even after a backslash
      {"a\\\nb", "ab"},    // a backslash continues the literal over a line break
      {"%u00e9|%41|%u0E01|%uD83D%uDE00", gbk("é") + "|A|?|??"},
      {"\\u00E9", gbk("é")},
      {"\\u12", "%u12"},
      // A lead byte takes the next byte, so "\u" inside a character is no escape.
      {"\x81\\u0041", "\x81\\u0041"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(unescape_text(c.text), c.expected) << c.text;
}

TEST(UnescapeText, GivesTheEmptyTextWhereTheScriptWouldNotCompile) {
  const std::string cases[] = {
      "a\nb",      "a\rb", "abc\\", "\\", "\\xZZ", "line\r\n\n",
      "\x80\\u12",  // 0x80 hides the backslash from the "%u" replacement but decodes alone
  };
  for (const std::string& c : cases)
    EXPECT_EQ(unescape_text(c), "") << c;
}

TEST(UnescapeText, DropsOnlyALeadingLoneCarriageReturn) {
  EXPECT_EQ(unescape_text("\rabc"), "abc");
  EXPECT_EQ(unescape_text("\r\nabc"), "\r\nabc");
  EXPECT_EQ(unescape_text("\r\rabc"), "");
}

TEST(UnescapeText, KeepsAnApostropheTheByteScanHidFromItsPlaceholder) {
  // 0x80 pairs with the apostrophe in the byte scan but decodes alone; in the script the
  // apostrophe would have closed the literal and let the rest of the text run as code.
  EXPECT_EQ(unescape_text("a\x80';x='b"), "a\x80';x='b");
}

}  // namespace
}  // namespace vexlune

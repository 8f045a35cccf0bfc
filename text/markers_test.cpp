#include "text/markers.h"

#include <gtest/gtest.h>

#include <thread>

#include "text/test_gbk.h"

namespace vexlune {
namespace {

using testing_gbk::gbk;
using Pieces = std::vector<std::string>;

TEST(TextBetween, CutsTheFirstPieceUntrimmed) {
  struct Case {
    std::string text, start, end;
    int start_position;
    bool case_sensitive;
    std::string expected;
  };
  const Case cases[] = {
      {"<b>Name</b>", "<b>", "</b>", 0, false, "Name"},
      {"<B>Name</b>", "<b>", "</b>", 0, false, "Name"},
      {"<B>Name</b>", "<b>", "</b>", 0, true, ""},
      {"ab", "a", "b", 0, false, ""},
      {"ab", "x", "b", 0, false, ""},
      {"ab", "a", "x", 0, false, ""},
      {"[ x ]", "[", "]", 0, false, " x "},
      {"[a][b]", "[", "]", 1, false, "a"},
      {"[a][b]", "[", "]", 2, false, "b"},
      {"[a][b]", "[", "]", 7, false, ""},
      {"id=\"42\"", gbk("id=#引号"), gbk("#引号"), 0, false, "42"},
      {gbk("名字：") + "\x81|" + gbk("中") + "|", gbk("名字："), "|", 0, false,
       "\x81|" + gbk("中")},
      {"ab", "", "b", 0, false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text_between(c.text, c.start, c.end, c.start_position, c.case_sensitive), c.expected)
        << c.text;
  }
}

TEST(AllTextsBetween, CollectsTrimmedPiecesUntilAnEmptyOne) {
  struct Case {
    std::string text, start, end;
    int max_length;
    Pieces expected;
  };
  const std::string wide = "\xA1\xA1";
  const Case cases[] = {
      {"[a][ b ][c]", "[", "]", 0, {"a", "b", "c"}},
      {"[a][][c]", "[", "]", 0, {"a"}},
      {"[a][  ][c]", "[", "]", 0, {"a"}},
      {"[ab][abcd][c]", "[", "]", 3, {"ab"}},
      {"[a]]x[", "[", "]", 0, {"a"}},
      {"|a|b|c|", "|", "|", 0, {"a", "b", "c"}},
      {"[" + wide + "a\t" + wide + "]", "[", "]", 0, {"a\t"}},
      {"<P>a</p><p>B</P>", "<p>", "</p>", 0, {"a", "B"}},
      {"x", "[", "]", 0, {}},
      {gbk("电影名字：") + " A |" + gbk("电影名字：") + gbk("乙") + "\x81|x|",
       gbk("电影名字："),
       "|",
       0,
       {"A", gbk("乙") + "\x81|x"}},
  };
  for (const Case& c : cases) {
    Pieces pieces{"left over"};
    const int count = all_texts_between(c.text, c.start, c.end, pieces, false, c.max_length);
    EXPECT_EQ(pieces, c.expected) << c.text;
    EXPECT_EQ(count, static_cast<int>(c.expected.size())) << c.text;
  }
}

TEST(AllTextsBetween, WrapsPiecesInPrefixSuffixAndMarkers) {
  Pieces pieces;
  EXPECT_EQ(
      all_texts_between("<A>x</a><a>y</a>", "<a>", "</a>", pieces, true, 0, "(", ")", true, true),
      1);
  EXPECT_EQ(pieces, Pieces{"<a>(y)</a>"});
  EXPECT_EQ(all_texts_between("<a>x</a><a>y</a>", "<a>", "</a>", pieces, false, 0, "", "", false,
                              false, 2),
            1);
  EXPECT_EQ(pieces, Pieces{"y"});
}

TEST(AllTextsBetween, EmptyStartMarkerEndsInsteadOfLooping) {
  Pieces pieces{"old"};
  EXPECT_EQ(all_texts_between("a]b]", "", "]", pieces), 0);
  EXPECT_TRUE(pieces.empty());
  EXPECT_EQ(all_texts_between("a]b]", "[", "", pieces), 0);
}

TEST(AllTextsBetween, ExtractionsOnOtherThreadsDoNotDisturbEachOther) {
  std::string many, few;
  for (int i = 0; i < 2000; ++i)
    many += "[v" + std::to_string(i) + "]";
  for (int i = 0; i < 3; ++i)
    few += "<" + std::to_string(i) + ">";
  auto run = [](const std::string& text, const char* start, const char* end, std::size_t n) {
    for (int round = 0; round < 50; ++round) {
      Pieces pieces;
      all_texts_between(text, start, end, pieces);
      if (pieces.size() != n) return false;
    }
    return true;
  };
  bool many_ok = false;
  std::thread worker([&] { many_ok = run(many, "[", "]", 2000); });
  const bool few_ok = run(few, "<", ">", 3);
  worker.join();
  EXPECT_TRUE(many_ok);
  EXPECT_TRUE(few_ok);
}

}  // namespace
}  // namespace vexlune

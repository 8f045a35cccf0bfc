#include "catalog/catalog_file.h"

#include <gtest/gtest.h>

#include "catalog/catalog.h"

namespace vexlune {
namespace {

using Rows = std::vector<CatalogRow>;

CatalogRow row(std::string_view name, std::string_view link, std::string_view type,
               std::string_view hd, std::string_view poster, std::string_view intro) {
  return {gbk(name), gbk(link), gbk(type), gbk(hd), gbk(poster), gbk(intro)};
}

TEST(ParseCatalogFile, RecordsComeOutInFileOrderWithTheirSixCells) {
  struct Case {
    const char* what;
    std::string file;  // UTF-8
    Rows rows;
  };
  const Case cases[] = {
      {"the sample record, spaces around a value trimmed",
       "电影名字： A |影片资源：L|类型：T|是否高清：H|影片介绍：x|||||海报：P|||||",
       {row("A", "L", "T", "H", "P", "x")}},
      {"field order inside a record is free",
       "海报：P|||||电影名字： A |影片资源：L|类型：T|是否高清：H|影片介绍：x|||||",
       {row("A", "L", "T", "H", "P", "x")}},
      {"full-width spaces trimmed, tabs and line breaks kept",
       "电影名字：　\t甲　|影片资源：L\r\n|类型：T|是否高清：H|影片介绍：x|||||海报：P|||||",
       {row("\t甲", "L\r\n", "T", "H", "P", "x")}},
      {"a name holding a bar is cut at the bar",
       "电影名字：A|B|影片资源：L|类型：T|是否高清：H|影片介绍：x|||||海报：P|||||",
       {row("A", "L", "T", "H", "P", "x")}},
      {"four bars stay inside an introduction, five end it",
       "电影名字：A|影片资源：L|类型：T|是否高清：H|影片介绍：a||||b|||||海报：P|||||",
       {row("A", "L", "T", "H", "P", "a||||b")}},
      {"headings and line breaks between records are ignored",
       "== 第1页 ==\r\n电影名字：甲|影片资源：L1|类型：T1|是否高清：H1|影片介绍：i1|||||"
       "海报：P1|||||\r\n----\r\n电影名字：乙|影片资源：L2|类型：T2|是否高清：H2|"
       "影片介绍：i2|||||海报：P2|||||\r\n",
       {row("甲", "L1", "T1", "H1", "P1", "i1"), row("乙", "L2", "T2", "H2", "P2", "i2")}},
      {"the introduction is cleaned",
       "电影名字：A|影片资源：L|类型：T|是否高清：H|影片介绍：&ldquo;好&rdquo;|||||海报：P|||||",
       {row("A", "L", "T", "H", "P", "好")}},
      {"an error page holds no record", "<html><body><h1>404 Not Found</h1></body></html>", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(parse_catalog_file(gbk(c.file)), c.rows);
  }
}

// The format forbids empty and missing values; when they occur every name still gets a row,
// the cells its shorter lists lack stay empty, and no list is read past its end.
TEST(ParseCatalogFile, ShorterFieldListsLeaveTheirCellsEmpty) {
  struct Case {
    const char* what;
    std::string file;
    Rows rows;
  };
  const Case cases[] = {
      {"an empty type ends the types for the rest of the file",
       "电影名字：A|影片资源：L1|类型：T1|是否高清：H1|影片介绍：i1|||||海报：P1|||||"
       "电影名字：B|影片资源：L2|类型：|是否高清：H2|影片介绍：i2|||||海报：P2|||||"
       "电影名字：C|影片资源：L3|类型：T3|是否高清：H3|影片介绍：i3|||||海报：P3|||||",
       {row("A", "L1", "T1", "H1", "P1", "i1"), row("B", "L2", "", "H2", "P2", "i2"),
        row("C", "L3", "", "H3", "P3", "i3")}},
      {"a record without a poster shifts nothing but the poster column",
       "电影名字：A|影片资源：L1|类型：T1|是否高清：H1|影片介绍：i1|||||"
       "电影名字：B|影片资源：L2|类型：T2|是否高清：H2|影片介绍：i2|||||海报：P2|||||",
       {row("A", "L1", "T1", "H1", "P2", "i1"), row("B", "L2", "T2", "H2", "", "i2")}},
      {"values without a name add no row", "影片资源：L|类型：T|海报：P|||||", {}},
      {"a label with no end text collects nothing",
       "电影名字：A|影片资源：L|类型：T|是否高清：H|影片介绍：never ends||||",
       {row("A", "L", "T", "H", "", "")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(parse_catalog_file(gbk(c.file)), c.rows);
  }
}

TEST(CleanIntro, DeletesTheSixTextsAndNothingElse) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {R"(a&rdquo;b&hellip;c\n\n\td)", "abcd"},
      {"&mdash;&middot;&ldquo;x", "x"},
      {"&amp; stays, &RDQUO; too", "&amp; stays, &RDQUO; too"},
      {"a\n\n\tb", "a\n\n\tb"},  // real line feeds and tabs are not the written \n\n\t
      {R"(\n\n\n\t)", R"(\n)"},
      {"&rd&rdquo;quo;", "&rdquo;"},  // what a deletion joins is not looked at again...
      {"&md&rdquo;ash;", ""},         // ...by the same text, but by the texts after it
      // 0x81 0x26 is one double-byte character, so no entity begins at its second byte.
      {"\x81&rdquo;", "\x81&rdquo;"},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(clean_intro(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace vexlune

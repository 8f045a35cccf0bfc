#include "net/cookies.h"

#include <gtest/gtest.h>

namespace vexlune {
namespace {

TEST(MergeCookies, FoldsNewCookiesIntoTheJar) {
  struct Case {
    std::string jar, fresh, merged;
  };
  const Case cases[] = {
      {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1"},
      {"a=1; b=2", "a=deleted", "b=2"},
      {"", "x=1", "x=1"},
      {"x=1", "", "x=1"},
      {"", "", ""},
      {"A=1", "a=2", "a=2; A=1"},
      {"", "n=hello world", "n=helloworld"},
      {"a=1; a=2", "", "a=1"},
      {"a=1", "flag", "flag; a=1"},  // an entry without "=" is its own name
      {"flag; b=2", "flag", "flag; b=2"},
      {"a=1", "a = 5 ;b\xA1\xA1=6", "a=5; b=6"},  // ASCII and full-width spaces both go
      {"s=deleted", "", ""},                      // a deleted value never survives in the jar
      {"a=1;b=2;", "", "a=1; b=2"},               // no empty entry after a trailing ";"
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.jar + " <- " + c.fresh);
    std::string jar = c.jar, fresh = c.fresh;
    EXPECT_EQ(merge_cookies(jar, fresh), c.merged);
    EXPECT_EQ(jar, c.merged);
    EXPECT_EQ(fresh.find(' '), std::string::npos);
  }
}

TEST(MergeCookies, NewCookiesVariableLosesItsSpaces) {
  std::string jar = "a=1", fresh = "b=2; c=3";
  merge_cookies(jar, fresh);
  EXPECT_EQ(fresh, "b=2;c=3");
  EXPECT_EQ(jar, "b=2; c=3; a=1");
}

}  // namespace
}  // namespace vexlune

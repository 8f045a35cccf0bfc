#include "catalog/links.h"

#include <gtest/gtest.h>

namespace vexlune {
namespace {

TEST(IsOpenableLink, OnlyWebAndDownloadLinksGoToTheSystem) {
  struct Case {
    std::string_view link;
    bool openable;
  };
  const Case cases[] = {
      {"http://pan.baidu.com/s/1abc", true},
      {"HTTPS://yunpan.cn/Q7x", true},
      {"ftp://example.org/film.mkv", true},
      {"magnet:?xt=urn:btih:0123456789abcdef", true},
      {"ed2k://|file|film.mkv|1234|ABCD|/", true},
      {"thunder://QUFodHRwOi8vZXhhbXBsZQ==", true},
      {"", false},
      {"pan.baidu.com/s/1abc", false},  // no scheme
      {"file:///etc/passwd", false},
      {"javascript:alert(1)", false},
      {"mailto:someone@example.org", false},
      {"smb://server/share", false},
      {"http:/missing-slash", false},
      {"http://", false},
      {"httpx://example.org", false},
      {" http://example.org", false},
      {"http://example.org/\nfile:///etc/passwd", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(is_openable_link(c.link), c.openable) << c.link;
}

}  // namespace
}  // namespace vexlune

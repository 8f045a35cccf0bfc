#include "app/web_url.h"

#include <gtest/gtest.h>

namespace vexlune {
namespace {

TEST(IsWebUrl, AcceptsOnlyHttpAndHttpsAddressesWithAHost) {
  struct Case {
    std::string url;
    bool web;
  } cases[] = {
      {"http://example.com", true},
      {"https://example.com/a?b=c#d", true},
      {"HtTp://Example.com", true},
      {"http://127.0.0.1:8080/x", true},
      {"http://\xb0\xd9\xb6\xc8.com/", true},  // GBK host bytes are the backend's to convert
      {"", false},
      {"http://", false},
      {"http:///etc/passwd", false},
      {"http:example.com", false},
      {"ftp://example.com", false},
      {"file:///etc/passwd", false},
      {"javascript:alert(1)", false},
      {"mailto:a@b.c", false},
      {" http://example.com", false},
      {"http://exa mple.com", false},
      {"http://example.com/\n", false},
      {std::string("http://example.com/\0x", 21), false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(is_web_url(c.url), c.web) << c.url;
}

}  // namespace
}  // namespace vexlune

#include "net/response_headers.h"

#include <gtest/gtest.h>

namespace vexlune {
namespace {

TEST(HeaderBlock, KeepsTheLastResponsesBlockWithCrLfLines) {
  HeaderBlock block;
  for (std::string_view line :
       {"HTTP/1.1 100 Continue\r\n", "\r\n", "HTTP/1.1 302 Found\r\n", "Location: /b\r\n", "\r\n",
        "HTTP/1.1 200 OK\n", "Content-Type: text/plain\n", "\n", "X-Trailer: late\r\n"}) {
    block.add_line(line);
  }
  EXPECT_EQ(block.text(), "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n");
}

TEST(HeaderBlock, BareCrInsideALineBecomesASpace) {
  HeaderBlock block;
  for (std::string_view line :
       {"HTTP/1.1 200 OK\r\n", "Set-Cookie: a=1\r\tInjected: 1\r\n", "\r\n"})
    block.add_line(line);
  EXPECT_EQ(block.text(), "HTTP/1.1 200 OK\r\nSet-Cookie: a=1 \tInjected: 1\r\n\r\n");
}

TEST(HeaderBlock, BlockThatDoesNotFitIsNotRead) {
  auto block_of = [](std::size_t total) {
    // Status line (17 bytes with CR LF) + one padding header + the empty line (2 bytes).
    std::string status = "HTTP/1.1 200 OK\r\n";
    std::string pad = "X: " + std::string(total - status.size() - 2 - 5, 'p') + "\r\n";
    HeaderBlock block;
    block.add_line(status);
    block.add_line(pad);
    block.add_line("\r\n");
    return block.text();
  };
  EXPECT_EQ(block_of(RAW_HEADER_ROOM - 1).size(), RAW_HEADER_ROOM - 1);  // room for the NUL
  EXPECT_EQ(block_of(RAW_HEADER_ROOM), "");
  EXPECT_EQ(block_of(3 * RAW_HEADER_ROOM), "");
}

TEST(ReadResponseHeaders, CollectsCookiesAndTheLocation) {
  struct Case {
    std::string raw, new_cookies, redirect_target;
  };
  const std::string plain =
      "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\n"
      "Set-Cookie: b=2; path=/\r\n\r\n";
  const Case cases[] = {
      {plain, "a=1; b=2", plain},
      {"HTTP/1.1 302 Found\r\nLocation: /one\r\nLocation:  /two \r\n\r\n", "", "/two"},
      // No ";" behind the pair: the rest of the line is the pair.
      {"HTTP/1.1 200 OK\r\nSet-Cookie:  sid=9 \r\n\r\n", "sid=9", ""},
      // The marker is looked for ignoring case, the "Set-Cookie" test is exact.
      {"HTTP/1.1 200 OK\r\nSet-Cookie: k=v;\r\nset-cookie: z=1;\r\nX-Set-Cookie-Copy: SET-COOKIE: "
       "q=2;\r\n\r\n",
       "k=v; q=2", ""},
      // A GBK lead byte just before CR LF does not join the next line to this one.
      {"HTTP/1.1 200 OK\r\nSet-Cookie: n=\xD6\r\nLocation: /x\xD6\r\n\r\n", "n=\xD6", "/x\xD6"},
      // Lines that yield no pair add nothing.
      {"HTTP/1.1 200 OK\r\nSet-Cookie: ; path=/\r\nSet-Cookie2: y=1;\r\n\r\n", "", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.raw);
    std::string new_cookies = "stale=1", redirect_target = "stale";
    read_response_headers(c.raw, new_cookies, redirect_target);
    EXPECT_EQ(new_cookies, c.new_cookies);
    EXPECT_EQ(redirect_target, c.redirect_target.empty() ? c.raw : c.redirect_target);
  }
}

}  // namespace
}  // namespace vexlune

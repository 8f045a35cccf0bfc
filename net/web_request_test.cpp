#include "net/web_request.h"

#include <cctype>

#include <gtest/gtest.h>

#include "net/limits.h"
#include "net/response_headers.h"
#include "net/test_support.h"
#include "testing/loopback_server.h"

namespace vexlune {
namespace {

using testing::LoopbackServer;
using testing::Request;
using testing::Response;

constexpr std::string_view DEFAULT_AGENT =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; 7Qel; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)";

std::string host_of(const LoopbackServer& server) {
  return "127.0.0.1:" + std::to_string(server.port());
}

// The request line and headers of a request, without the body.
std::string head_of(const Request& request) {
  return request.raw.substr(0, request.raw.find("\r\n\r\n") + 4);
}

TEST(WebRequest, DefaultHeadersGoOutInOrderWithTheCookieLine) {
  LoopbackServer server([](const Request&) { return Response{.body = "page"}; });
  std::string url = server.url() + "/list.php?p=1";
  std::string cookies = "a=1", headers;
  EXPECT_EQ(web_request(url, 0, {}, &cookies, nullptr, &headers), "page");

  std::string sent = "Referer: " + url +
                     "\r\nAccept: */*\r\nAccept-Language: zh-cn"
                     "\r\nContent-Type: application/x-www-form-urlencoded\r\nCookie: a=1";
  EXPECT_EQ(headers, sent);
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].raw, "GET /list.php?p=1 HTTP/1.1\r\nHost: " + host_of(server) +
                                          "\r\nUser-Agent: " + std::string(DEFAULT_AGENT) + "\r\n" +
                                          sent + "\r\n\r\n");
}

TEST(WebRequest, CallerHeadersSuppressOnlyTheirOwnDefaults) {
  struct Case {
    std::string given, sent;
  };
  const std::string referer = "Referer: http://r.example/";
  const Case cases[] = {
      {"Accept: text/html",
       "Accept: text/html\r\nReferer: URL\r\nAccept-Language: zh-cn"
       "\r\nContent-Type: application/x-www-form-urlencoded"},
      {"Accept-Language: en\r\nX-Token: 7",
       "Accept-Language: en\r\nX-Token: 7\r\nReferer: URL\r\nAccept: */*"
       "\r\nContent-Type: application/x-www-form-urlencoded"},
      {referer + "\r\nContent-Type: text/plain",
       referer + "\r\nContent-Type: text/plain\r\nAccept: */*\r\nAccept-Language: zh-cn"},
  };
  for (const Case& c : cases) {
    LoopbackServer server([](const Request&) { return Response{}; });
    std::string url = server.url() + "/";
    std::string headers = c.given;
    web_request(url, 0, {}, nullptr, nullptr, &headers);
    std::string expected = c.sent;
    if (auto at = expected.find("URL"); at != std::string::npos) expected.replace(at, 3, url);
    EXPECT_EQ(headers, expected);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(head_of(server.requests()[0]), "GET / HTTP/1.1\r\nHost: " + host_of(server) +
                                                 "\r\nUser-Agent: " + std::string(DEFAULT_AGENT) +
                                                 "\r\n" + expected + "\r\n\r\n");
  }
}

// How many header lines of a request carry this name, compared ignoring case.
int count_headers(const Request& request, std::string_view name) {
  std::string head = head_of(request);
  for (char& c : head)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string key = "\r\n" + std::string(name) + ":";
  for (char& c : key)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  int count = 0;
  for (auto at = head.find(key); at != std::string::npos; at = head.find(key, at + 1))
    ++count;
  return count;
}

TEST(WebRequest, CallersAgentReplacesOursWhereverItsLineStands) {
  for (std::string given :
       {"User-Agent:  Board/2.0 \r\nX-A: 1", "X-A: 1\r\nuser-agent: Board/2.0"}) {
    LoopbackServer server([](const Request&) { return Response{}; });
    web_request(server.url() + "/", 0, {}, nullptr, nullptr, &given);
    ASSERT_EQ(server.requests().size(), 1u);
    const Request request = server.requests()[0];
    EXPECT_EQ(request.header("User-Agent"), "Board/2.0") << request.raw;
    EXPECT_EQ(count_headers(request, "User-Agent"), 1) << request.raw;
  }
}

TEST(WebRequest, PostSendsTheBodyBytes) {
  LoopbackServer server([](const Request& r) { return Response{.body = "got " + r.body}; });
  std::string url = server.url() + "/liuyan/post.php";
  std::string post_bytes;
  EXPECT_EQ(web_request(url, 1, "gn=listnew&lastid=\xD6\xD0", nullptr, nullptr, nullptr, nullptr,
                        false, &post_bytes),
            "got gn=listnew&lastid=\xD6\xD0");
  EXPECT_EQ(post_bytes, "gn=listnew&lastid=\xD6\xD0");

  // Bytes given by the caller win over the text, and may hold NUL bytes.
  std::string bytes("a\0b", 3);
  EXPECT_EQ(web_request(url, 1, "ignored", nullptr, nullptr, nullptr, nullptr, false, &bytes),
            std::string("got a\0b", 7));

  auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_TRUE(requests[0].raw.starts_with("POST /liuyan/post.php HTTP/1.1\r\n"));
  EXPECT_EQ(requests[0].header("Content-Length"), "20");
  EXPECT_EQ(requests[0].header("Expect"), "");
  EXPECT_EQ(requests[1].body, std::string("a\0b", 3));
}

TEST(WebRequest, SetCookiesAreCollectedAndMergedIntoTheJar) {
  LoopbackServer server([](const Request&) {
    return Response{.headers = {{"Set-Cookie", "a=2; path=/"}, {"Set-Cookie", "c=3; path=/"}},
                    .body = "ok"};
  });
  std::string cookies = "a=1; b=2", new_cookies, redirect_target, raw_headers;
  web_request(server.url() + "/", 1, "x=1", &cookies, &new_cookies, nullptr, &redirect_target,
              false, nullptr, {}, &raw_headers);
  EXPECT_EQ(new_cookies, "a=2;c=3");  // as the merge leaves it: without spaces
  EXPECT_EQ(cookies, "a=2; c=3; b=2");
  EXPECT_EQ(raw_headers,
            "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n"
            "Set-Cookie: a=2; path=/\r\nSet-Cookie: c=3; path=/\r\n\r\n");
  EXPECT_EQ(redirect_target, raw_headers);  // no Location header
  EXPECT_EQ(server.requests()[0].header("Cookie"), "a=1; b=2");
}

LoopbackServer::Handler redirecting_handler() {
  return [](const Request& r) {
    if (r.target == "/start")
      return Response{.status = 302,
                      .headers = {{"Location", "/final"}, {"Set-Cookie", "hop=1; path=/"}},
                      .body = "moved"};
    if (r.target == "/loop") return Response{.status = 302, .headers = {{"Location", "/loop"}}};
    return Response{.headers = {{"Set-Cookie", "end=2"}}, .body = "final page"};
  };
}

TEST(WebRequest, FollowsRedirectsAndReportsTheFinalResponse) {
  LoopbackServer server(redirecting_handler());
  std::string cookies, new_cookies, redirect_target, raw_headers;
  EXPECT_EQ(web_request(server.url() + "/start", 0, {}, &cookies, &new_cookies, nullptr,
                        &redirect_target, false, nullptr, {}, &raw_headers),
            "final page");
  EXPECT_TRUE(raw_headers.starts_with("HTTP/1.1 200 OK\r\n")) << raw_headers;
  EXPECT_EQ(new_cookies, "end=2");
  EXPECT_EQ(cookies, "end=2");
  EXPECT_EQ(redirect_target, raw_headers);
  ASSERT_EQ(server.requests().size(), 2u);
  EXPECT_EQ(server.requests()[1].target, "/final");
}

TEST(WebRequest, NoRedirectReturnsThe3xxResponseItself) {
  LoopbackServer server(redirecting_handler());
  std::string cookies, new_cookies, redirect_target, raw_headers;
  EXPECT_EQ(web_request(server.url() + "/start", 0, {}, &cookies, &new_cookies, nullptr,
                        &redirect_target, true, nullptr, {}, &raw_headers),
            "moved");
  EXPECT_TRUE(raw_headers.starts_with("HTTP/1.1 302 Found\r\n")) << raw_headers;
  EXPECT_EQ(redirect_target, "/final");
  EXPECT_EQ(cookies, "hop=1");
  EXPECT_EQ(server.requests().size(), 1u);
}

TEST(WebRequest, RedirectLoopEndsAfterTheHopLimit) {
  LoopbackServer server(redirecting_handler());
  std::string raw_headers;
  EXPECT_EQ(web_request(server.url() + "/loop", 0, {}, nullptr, nullptr, nullptr, nullptr, false,
                        nullptr, {}, &raw_headers),
            "");
  EXPECT_EQ(server.requests().size(), static_cast<std::size_t>(MAX_REDIRECTS) + 1);
}

TEST(WebRequest, ErrorPagesAreReturnedLikeAnyPage) {
  LoopbackServer server([](const Request&) { return Response{.status = 500, .body = "oops"}; });
  std::string raw_headers;
  EXPECT_EQ(web_request(server.url() + "/x", 0, {}, nullptr, nullptr, nullptr, nullptr, false,
                        nullptr, {}, &raw_headers),
            "oops");
  EXPECT_TRUE(raw_headers.starts_with("HTTP/1.1 500 "));
}

TEST(WebRequest, HeaderBlockBeyondItsRoomYieldsNoCookiesAndNoLocation) {
  LoopbackServer server([](const Request&) {
    return Response{.status = 302,
                    .headers = {{"X-Pad", std::string(RAW_HEADER_ROOM, 'p')},
                                {"Set-Cookie", "big=1; path=/"},
                                {"Location", "/elsewhere"}},
                    .body = "body"};
  });
  std::string cookies = "keep=1", new_cookies = "x", redirect_target = "x", raw_headers = "x";
  EXPECT_EQ(web_request(server.url() + "/", 0, {}, &cookies, &new_cookies, nullptr,
                        &redirect_target, true, nullptr, {}, &raw_headers),
            "body");
  EXPECT_EQ(raw_headers, "");
  EXPECT_EQ(new_cookies, "");
  EXPECT_EQ(redirect_target, "");
  EXPECT_EQ(cookies, "keep=1");
}

TEST(WebRequest, RefusedConnectionGivesAnEmptyBody) {
  std::string url = "http://127.0.0.1:" + std::to_string(closed_port()) + "/";
  std::string cookies = "a=1", headers, raw_headers = "x";
  EXPECT_EQ(web_request(url, 0, {}, &cookies, nullptr, &headers, nullptr, false, nullptr, {},
                        &raw_headers),
            "");
  EXPECT_EQ(cookies, "a=1");
  EXPECT_EQ(raw_headers, "");
  EXPECT_TRUE(headers.starts_with("Referer: " + url));
}

TEST(WebRequest, UnusableUrlChangesNoParameter) {
  for (std::string_view url : {"", "http://", "http://h.example:70000/"}) {
    std::string cookies = "a = 1", new_cookies = "n", headers = "H: 1", target = "t", raw = "r";
    EXPECT_EQ(web_request(url, 0, {}, &cookies, &new_cookies, &headers, &target, false, nullptr, {},
                          &raw),
              "")
        << url;
    EXPECT_EQ(cookies + new_cookies + headers + target + raw, "a = 1nH: 1tr") << url;
  }
}

TEST(WebRequest, FragmentIsNotSentAndAUrlWithoutPathAsksForTheRoot) {
  LoopbackServer server([](const Request&) { return Response{}; });
  web_request(server.url() + "/a/b.php?x=1#part");
  web_request(server.url());
  web_request(host_of(server) + "/no/scheme");
  auto requests = server.requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].target, "/a/b.php?x=1");
  EXPECT_EQ(requests[1].target, "/");
  EXPECT_EQ(requests[2].target, "/no/scheme");
}

TEST(WebRequest, ProxyReceivesTheAbsoluteUrl) {
  LoopbackServer proxy([](const Request&) { return Response{.body = "via proxy"}; });
  EXPECT_EQ(web_request("http://board.vexlune.invalid/liuyan/post.php", 0, {}, nullptr, nullptr,
                        nullptr, nullptr, false, nullptr, host_of(proxy)),
            "via proxy");
  ASSERT_EQ(proxy.requests().size(), 1u);
  EXPECT_EQ(proxy.requests()[0].target, "http://board.vexlune.invalid/liuyan/post.php");
  EXPECT_EQ(proxy.requests()[0].header("Host"), "board.vexlune.invalid");
}

TEST(WebRequest, TextVariantConvertsUtf8RepliesToGbk) {
  LoopbackServer server([](const Request&) { return Response{.body = "ok \xE4\xB8\xAD"}; });
  EXPECT_EQ(web_request_text(server.url() + "/", 1, "gn=pb"), "ok \xD6\xD0");
}

}  // namespace
}  // namespace vexlune

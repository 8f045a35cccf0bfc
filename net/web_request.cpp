#include "net/web_request.h"

#include "net/cookies.h"
#include "net/response_headers.h"
#include "net/transfer.h"
#include "net/url.h"
#include "text/codepage.h"
#include "text/markers.h"
#include "text/text.h"

namespace vexlune {
namespace {

constexpr std::string_view DEFAULT_AGENT =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; 7Qel; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)";

bool is_https(std::string_view url) {
  return to_lower(url.substr(0, 5)) == "https";
}

// The caller's own agent when its headers carry one, else ours.
std::string request_agent(std::string_view headers) {
  if (find(headers, "User-Agent:", 1, true) == -1) return std::string(DEFAULT_AGENT);
  std::string agent = trim(text_between(headers, "User-Agent:", "\r\n"));
  if (agent.empty()) agent = header_value(headers);
  // The agent is one header value; a line break in it must not start another header.
  return agent.substr(0, agent.find_first_of("\r\n"));
}

// Adds the headers every request carries unless the caller gave its own.
void complete_headers(std::string& headers, std::string_view url, std::string_view cookies) {
  if (find(headers, "Referer:") == -1)
    headers = headers.empty() ? concat("Referer: ", url) : concat(headers, "\r\nReferer: ", url);
  if (find(headers, "Accept:") == -1) headers += "\r\nAccept: */*";
  if (find(headers, "Accept-Language:") == -1) headers += "\r\nAccept-Language: zh-cn";
  if (find(headers, "Content-Type:") == -1)
    headers += "\r\nContent-Type: application/x-www-form-urlencoded";
  if (!cookies.empty()) headers += concat("\r\nCookie: ", cookies);
}

}  // namespace

std::string web_request(std::string_view url, int method, std::string_view post_text,
                        std::string* cookies, std::string* new_cookies, std::string* extra_headers,
                        std::string* redirect_target, bool no_redirect, std::string* post_bytes,
                        std::string_view proxy, std::string* raw_headers) {
  std::string omitted[6];
  std::string& jar = cookies ? *cookies : omitted[0];
  std::string& fresh_cookies = new_cookies ? *new_cookies : omitted[1];
  std::string& headers = extra_headers ? *extra_headers : omitted[2];
  std::string& target = redirect_target ? *redirect_target : omitted[3];
  std::string& body_bytes = post_bytes ? *post_bytes : omitted[4];
  std::string& header_block = raw_headers ? *raw_headers : omitted[5];

  bool post = method == 1;
  bool secure = is_https(url);
  std::string host = url_host(url);
  int port = url_port(url);
  if (port == 0) port = secure ? 443 : 80;  // no usable number: the scheme's default port
  if (host.empty() || port < 0 || port > 65535) return {};
  std::string path = url_path(url);
  path = escape_request_target(path.substr(0, path.find('#')));

  Transfer transfer;
  std::string address = concat(secure ? "https://" : "http://", host,
                               port == (secure ? 443 : 80) ? "" : concat(":", to_text(port)), path);
  if (!transfer.ok() || !transfer.set_url(address)) return {};
  CURL* easy = transfer.handle();
  std::string agent = request_agent(headers);
  curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.c_str());
  curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, no_redirect ? 0L : 1L);
  // The proxy is one for http only; https requests still go direct.
  std::string proxy_address = concat("http://", proxy);
  if (!proxy.empty() && !secure) curl_easy_setopt(easy, CURLOPT_PROXY, proxy_address.c_str());

  complete_headers(headers, url, jar);
  // Lines end at every CR LF, byte by byte, as a server will read them.
  for (std::string_view rest = headers; !rest.empty();) {
    std::size_t end = rest.find("\r\n");
    transfer.add_header(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 2);
  }
  // Only the header text above goes out: no Accept line of libcurl's own.
  transfer.add_header("Accept:");

  if (post) {
    if (body_bytes.empty()) body_bytes = to_bytes(post_text);
    curl_easy_setopt(easy, CURLOPT_POST, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body_bytes.size()));
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body_bytes.data());
  } else {
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
  }
  transfer.perform();

  header_block = transfer.header_block();
  read_response_headers(header_block, fresh_cookies, target);
  merge_cookies(jar, fresh_cookies);
  return std::move(transfer.body());
}

std::string web_request_text(std::string_view url, int method, std::string_view post_text,
                             std::string* cookies, std::string* new_cookies,
                             std::string* extra_headers, std::string* redirect_target,
                             bool no_redirect, std::string* post_bytes, std::string_view proxy,
                             std::string* raw_headers) {
  return utf8_reply_to_gbk(web_request(url, method, post_text, cookies, new_cookies, extra_headers,
                                       redirect_target, no_redirect, post_bytes, proxy,
                                       raw_headers));
}

}  // namespace vexlune

#include "net/fetch.h"

#include <algorithm>

#include "net/transfer.h"
#include "net/url.h"
#include "text/text.h"

namespace vexlune {
namespace {

constexpr const char* FETCH_AGENT = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

}  // namespace

std::string fetch_url(std::string_view url) {
  return fetch_url(url, transfer_limits().transfer_timeout);
}

std::string fetch_url(std::string_view url, std::chrono::milliseconds time_limit) {
  url = url.substr(0, url.find('#'));
  if (url.empty()) return {};
  std::optional<UrlParts> parts = split_url(url);
  if (!parts) return {};

  Transfer transfer;
  bool default_port = parts->port == (parts->secure ? 443 : 80);
  std::string target = concat(parts->secure ? "https://" : "http://", parts->host,
                              default_port ? "" : concat(":", to_text(parts->port)),
                              escape_request_target(parts->path));
  if (!transfer.ok() || !transfer.set_url(target)) return {};
  CURL* easy = transfer.handle();
  curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(easy, CURLOPT_USERAGENT, FETCH_AGENT);
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
  if (!parts->user.empty() || !parts->password.empty()) {
    curl_easy_setopt(easy, CURLOPT_USERNAME, parts->user.c_str());
    curl_easy_setopt(easy, CURLOPT_PASSWORD, parts->password.c_str());
  }
  curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS,
                   static_cast<long>(std::max<long long>(time_limit.count(), 1)));
  transfer.add_header("Accept: */*");
  transfer.perform();
  return std::move(transfer.body());
}

}  // namespace vexlune

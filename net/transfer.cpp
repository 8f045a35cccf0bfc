#include "net/transfer.h"

#include "net/init.h"

namespace vexlune {
namespace {

// One response's header lines together may not exceed this; a server that keeps sending headers
// ends its transfer instead of growing our memory.
constexpr std::size_t MAX_RESPONSE_HEADER_BYTES = std::size_t{1} << 20;

struct UrlCleanup {
  void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

}  // namespace

Transfer::Transfer() {
  if (!init_http_client()) return;
  easy_.reset(curl_easy_init());
  if (!easy_) return;
  TransferLimits limits = transfer_limits();
  max_body_ = limits.max_body_bytes;
  CURL* easy = easy_.get();
  // Workers run transfers in parallel; libcurl must not use signals for its time-outs.
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                   static_cast<long>(limits.connect_timeout.count()));
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stall_timeout.count()));
  curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.transfer_timeout.count()));
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, limits.max_redirects);
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  // Direct connections unless a caller names a proxy; the environment's proxy is not used.
  curl_easy_setopt(easy, CURLOPT_PROXY, "");
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!limits.trusted_certificates_pem.empty()) {
    curl_blob trusted{limits.trusted_certificates_pem.data(),
                      limits.trusted_certificates_pem.size(), CURL_BLOB_COPY};
    curl_easy_setopt(easy, CURLOPT_CAINFO_BLOB, &trusted);
  }
  // Paths go out as the caller wrote them, "/../" included.
  curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Transfer::on_body);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Transfer::on_header);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
  // Bodies are sent at once; never wait for a "100 Continue" that old servers do not send.
  add_header("Expect:");
}

bool Transfer::set_url(const std::string& url) {
  std::unique_ptr<CURLU, UrlCleanup> parsed(curl_url());
  if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK)
    return false;
  return curl_easy_setopt(easy_.get(), CURLOPT_URL, url.c_str()) == CURLE_OK;
}

void Transfer::add_header(std::string_view line) {
  curl_slist* grown = curl_slist_append(request_headers_.get(), std::string(line).c_str());
  if (!grown) return;
  (void)request_headers_.release();
  request_headers_.reset(grown);
}

CURLcode Transfer::perform() {
  curl_easy_setopt(easy_.get(), CURLOPT_HTTPHEADER, request_headers_.get());
  return curl_easy_perform(easy_.get());
}

size_t Transfer::on_body(char* data, size_t size, size_t count, void* self) {
  auto* transfer = static_cast<Transfer*>(self);
  std::size_t bytes = size * count;
  std::size_t room = transfer->max_body_ - transfer->body_.size();
  if (bytes > room) {
    // Keep the body up to the bound and end the transfer there.
    transfer->body_.append(data, room);
    return 0;
  }
  transfer->body_.append(data, bytes);
  return bytes;
}

size_t Transfer::on_header(char* data, size_t size, size_t count, void* self) {
  auto* transfer = static_cast<Transfer*>(self);
  std::string_view line(data, size * count);
  if (line.starts_with("HTTP/")) transfer->response_header_bytes_ = 0;
  transfer->response_header_bytes_ += line.size();
  if (transfer->response_header_bytes_ > MAX_RESPONSE_HEADER_BYTES) return 0;
  transfer->headers_.add_line(line);
  return line.size();
}

}  // namespace vexlune

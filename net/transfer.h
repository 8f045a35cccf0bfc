// One libcurl transfer with the settings every request of the program shares: no signals, the
// time-outs and size bounds of net/limits.h, http and https only, certificate checks, no proxy
// unless one is named, and no cookie engine (cookies are the callers' business).
#pragma once

#include <curl/curl.h>

#include <memory>
#include <string>
#include <string_view>

#include "net/limits.h"
#include "net/response_headers.h"

namespace vexlune {

class Transfer {
 public:
  Transfer();
  bool ok() const { return easy_ != nullptr; }
  CURL* handle() const { return easy_.get(); }

  // False when libcurl does not accept the URL; nothing is sent then.
  bool set_url(const std::string& url);
  // Adds one request header line as it should appear on the wire.
  void add_header(std::string_view line);
  // Runs the transfer. The body and header block hold whatever arrived, also after an error.
  CURLcode perform();

  std::string& body() { return body_; }
  std::string header_block() const { return headers_.text(); }

 private:
  static size_t on_body(char* data, size_t size, size_t count, void* self);
  static size_t on_header(char* data, size_t size, size_t count, void* self);

  struct EasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
  };
  struct ListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
  };
  std::unique_ptr<CURL, EasyCleanup> easy_;
  std::unique_ptr<curl_slist, ListCleanup> request_headers_;
  std::string body_;
  std::size_t max_body_ = 0;
  HeaderBlock headers_;
  std::size_t response_header_bytes_ = 0;
};

}  // namespace vexlune

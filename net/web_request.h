// The program's own request routine: one call, one request, with full control over method,
// body, headers, cookies and redirects.
#pragma once

#include <string>
#include <string_view>

namespace vexlune {

// Makes one HTTP/1.1 request and returns the response body, whatever the status. Parameters in
// order; a null pointer stands for an omitted (empty) text.
//   url             absolute URL; without a scheme "http://" is assumed
//   method          1 = POST, anything else GET
//   post_text       request body as text (bytes sent unchanged) when post_bytes is empty
//   cookies         in/out: the jar sent; on return merged with the cookies the server set
//   new_cookies     out: the cookies set by this response only
//   extra_headers   in/out: extra request header lines joined by CR LF; on return the complete
//                   header text that was sent
//   redirect_target out: the value of the response's Location header, else the whole header block
//   no_redirect     true = a 3xx response is returned itself instead of being followed
//   post_bytes      in/out: request body as bytes; set from post_text when empty (POST only)
//   proxy           "host:port" of an HTTP proxy for http URLs; empty = direct
//   raw_headers     out: the final response's header block, CR LF separated, status line first;
//                   empty when it is larger than RAW_HEADER_ROOM allows
// When the URL has no usable host or port, nothing is sent, the result is empty and no
// parameter changes.
std::string web_request(std::string_view url, int method = 0, std::string_view post_text = {},
                        std::string* cookies = nullptr, std::string* new_cookies = nullptr,
                        std::string* extra_headers = nullptr,
                        std::string* redirect_target = nullptr, bool no_redirect = false,
                        std::string* post_bytes = nullptr, std::string_view proxy = {},
                        std::string* raw_headers = nullptr);

// web_request for servers that answer in UTF-8: the body converted to GBK text.
std::string web_request_text(std::string_view url, int method = 0, std::string_view post_text = {},
                             std::string* cookies = nullptr, std::string* new_cookies = nullptr,
                             std::string* extra_headers = nullptr,
                             std::string* redirect_target = nullptr, bool no_redirect = false,
                             std::string* post_bytes = nullptr, std::string_view proxy = {},
                             std::string* raw_headers = nullptr);

}  // namespace vexlune

// Taking request URLs apart.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexlune {

// Host of a URL, lower-cased, with its ":port" when keep_port is set. A URL without a scheme is
// read as "http://" unless "http://" occurs somewhere in it.
std::string url_host(std::string_view url, bool keep_port = false);

// Port after the host, else 443 for a URL beginning "https" (any case) and 80 otherwise.
int url_port(std::string_view url);

// Everything from the first "/" behind the host on, in its own case, query included; "/" when
// the URL has no path.
std::string url_path(std::string_view url);

// Text after the first ":" of a header line, trimmed of spaces; empty when there is no ":".
std::string header_value(std::string_view line);

// An absolute http or https URL taken apart the way a whole-URL fetch needs it.
struct UrlParts {
  bool secure = false;
  std::string host;  // as written, at most 256 bytes
  int port = 0;
  std::string path;            // "/" when the URL has none; query included; at most 2,048 bytes
  std::string user, password;  // at most 128 bytes each
};

// Empty when the URL has no "http://" or "https://" scheme (any case), no host, a bad port or a
// part longer than its limit. Nothing is decoded. A "#" fragment must be cut off beforehand.
std::optional<UrlParts> split_url(std::string_view url);

// The path as it may stand in a request line: control bytes, spaces and bytes from 0x7F up
// (the halves of GBK characters) are percent-encoded, everything else is left as it is.
std::string escape_request_target(std::string_view path);

}  // namespace vexlune

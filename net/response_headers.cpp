#include "net/response_headers.h"

#include <algorithm>

#include "net/url.h"
#include "text/text.h"

namespace vexlune {
namespace {

// The first pair of a Set-Cookie line: up to the first ";" behind the marker, or the rest of the
// line when the server sent no attributes.
std::string cookie_of_line(std::string_view line) {
  constexpr std::string_view MARKER = "Set-Cookie:";
  int at = find(line, MARKER, 1, true);
  if (at == -1) return "";
  std::string_view rest = line.substr(static_cast<std::size_t>(at) - 1 + MARKER.size());
  int end = find(rest, ";");
  if (end != -1) rest = rest.substr(0, static_cast<std::size_t>(end) - 1);
  return trim(rest);
}

}  // namespace

void HeaderBlock::add_line(std::string_view line) {
  if (complete_) {
    if (!line.starts_with("HTTP/")) return;
    block_.clear();
    complete_ = overflow_ = false;
  }
  if (line.ends_with('\n')) line.remove_suffix(1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  if (line.empty()) complete_ = true;
  if (overflow_) return;
  // A bare CR or LF inside a line counts as a space, so no value taken from it can break a
  // later request's header (a cookie goes back out in the Cookie line).
  std::string clean(line);
  std::replace_if(
      clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  line = clean;
  if (block_.size() + line.size() + 2 >= RAW_HEADER_ROOM) {
    overflow_ = true;
    block_.clear();
    block_.shrink_to_fit();
    return;
  }
  block_.append(line);
  block_.append("\r\n");
}

void read_response_headers(std::string_view raw_headers, std::string& new_cookies,
                           std::string& redirect_target) {
  new_cookies.clear();
  redirect_target.clear();
  // Lines end at every CR LF, byte by byte: a stray GBK lead byte at the end of one header must
  // not swallow the line break and carry the next header into its value.
  for (std::string_view rest = raw_headers; !rest.empty();) {
    std::size_t end = rest.find("\r\n");
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 2);
    if (find(line, "Location:") != -1) redirect_target = header_value(line);
    if (find(line, "Set-Cookie") != -1) {
      // A line that yields no pair adds nothing, rather than an empty entry to the jar.
      std::string cookie = cookie_of_line(line);
      if (cookie.empty()) continue;
      new_cookies += cookie;
      new_cookies += "; ";
    }
  }
  if (!new_cookies.empty()) new_cookies.resize(new_cookies.size() - 2);
  if (redirect_target.empty()) redirect_target = raw_headers;
}

}  // namespace vexlune

// Arbitrary bytes as the header lines of a response, through the header block, the Set-Cookie
// and Location reading and the merge into a cookie jar, as a web request sees them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/cookies.h"
#include "net/response_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  vexlune::HeaderBlock block;
  while (!input.empty()) {
    std::size_t end = input.find('\n');
    end = end == std::string_view::npos ? input.size() : end + 1;
    block.add_line(input.substr(0, end));
    input.remove_prefix(end);
  }
  std::string raw = block.text();
  if (raw.size() >= vexlune::RAW_HEADER_ROOM) std::abort();

  std::string new_cookies, redirect_target;
  vexlune::read_response_headers(raw, new_cookies, redirect_target);
  // Every cookie and the target come from one line: none may carry a line break.
  if (new_cookies.find_first_of("\r\n") != std::string::npos) std::abort();
  if (redirect_target != raw && redirect_target.find_first_of("\r\n") != std::string::npos)
    std::abort();

  std::string jar = "sid=1; lang=cn";
  if (vexlune::merge_cookies(jar, new_cookies) != jar) std::abort();
  return 0;
}

// Reading the header block of a response: what the caller of a web request gets to see.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vexlune {

// The room a caller has for a response's header block, its terminating NUL included. A block
// that does not fit is not read at all.
inline constexpr std::size_t RAW_HEADER_ROOM = 5000;

// Gathers the header block of the last response of a transfer from the header lines as they
// arrive (a new status line after a finished block starts the next response's block; lines
// after a finished block, such as trailers, are not part of it).
class HeaderBlock {
 public:
  void add_line(std::string_view line);  // one line as received, with or without its line end
  // Status line first, each line ended by CR LF, then the empty line; empty when it did not fit.
  std::string text() const { return overflow_ ? std::string() : block_; }

 private:
  std::string block_;
  bool complete_ = false;
  bool overflow_ = false;
};

// From a raw header block: the value of the last "Location:" line (the whole block when there
// is none) and the first name=value pair of every "Set-Cookie" line, joined by "; ".
void read_response_headers(std::string_view raw_headers, std::string& new_cookies,
                           std::string& redirect_target);

}  // namespace vexlune

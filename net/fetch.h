// Reading a whole document by its URL.
#pragma once

#include <string>
#include <string_view>

namespace vexlune {

// GETs an absolute "http://" or "https://" URL (anything from the first "#" on is not sent;
// a user and password before the host are honoured) and returns every byte of the response
// body, whatever the status. Redirects are followed. Empty when the URL is empty or cannot be
// taken apart, or when the server cannot be reached; a transfer that breaks off returns what
// was read until then. Blocks the calling thread; any number of threads may fetch at once.
std::string fetch_url(std::string_view url);

}  // namespace vexlune

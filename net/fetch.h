// Reading a whole document by its URL.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace vexlune {

// GETs an absolute "http://" or "https://" URL (anything from the first "#" on is not sent;
// a user and password before the host are honoured) and returns every byte of the response
// body, whatever the status. Redirects are followed. Empty when the URL is empty or cannot be
// taken apart, or when the server cannot be reached; a transfer that breaks off returns what
// was read until then. Blocks the calling thread; any number of threads may fetch at once.
std::string fetch_url(std::string_view url);

// The same fetch, given up after `time_limit` in all (what was read by then is returned): for
// the one fetch that holds the window at start.
std::string fetch_url(std::string_view url, std::chrono::milliseconds time_limit);

}  // namespace vexlune

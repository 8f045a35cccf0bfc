#pragma once
// Which addresses from the network the program hands to the system's URL handler.

#include <string_view>

#include "app/ui/desktop.h"

namespace vexlune {

// An absolute http or https address (scheme in any case) with a host, and no control bytes
// or spaces: "file:", "javascript:" and the like are not web addresses.
bool is_web_url(std::string_view url);

// Opens `url` with the desktop's default handler when it is a web address; false otherwise.
bool open_web_url(ui::Desktop& desktop, std::string_view url);

}  // namespace vexlune

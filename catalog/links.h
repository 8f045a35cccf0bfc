#pragma once
// Catalog links come from the maker's files and the board's users; only web and download
// links go to the system's URL handler.

#include <string_view>

namespace vexlune {

namespace ui {
class Desktop;
}

// http, https and ftp with "://"; magnet, ed2k and thunder with ":"; scheme case ignored.
// Control characters anywhere refuse the link.
bool is_openable_link(std::string_view link);

// Hands an openable link to the desktop; anything else is dropped without a word.
void open_link(ui::Desktop& desktop, std::string_view link);

}  // namespace vexlune

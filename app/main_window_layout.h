#pragma once

#include "app/ui/layout.h"

namespace vexlune {

// Page indexes of 选择夹1.
inline constexpr int PAGE_BAIDU = 0;
inline constexpr int PAGE_360 = 1;
inline constexpr int PAGE_SEARCH = 2;
inline constexpr int PAGE_BOARD = 3;
inline constexpr int PAGE_REQUEST = 4;

// MainWindow's template; `maker_url` gives the film-request page and the site name.
ui::WindowLayout main_window_layout(const std::string& maker_url);

// The six columns of a catalog list: name, link, type, HD note, poster URL, introduction.
std::vector<ui::Column> catalog_columns();

}  // namespace vexlune

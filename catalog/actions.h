#pragma once
// The catalog lists' right-click and the main window's menu "菜单".

#include <string>

namespace vexlune {

class App;
struct AppState;
namespace ui {
class ListView;
}

// Remembers the selected row for the row actions: its link in `link`, then its name, poster
// and introduction in the selected_* fields that IntroWindow reads. False, changing nothing,
// when the row has no name (none selected, or one still being filled).
bool remember_selected_row(AppState& state, const ui::ListView& list, std::string& link);

// Right-click on a catalog row: remembers its link, name, poster and introduction in the
// selected_* fields and pops up "菜单". A row without a name (none selected, or one still
// being filled) does nothing.
void select_catalog_row(App& app, const ui::ListView& list);

// "菜单" items by index: 影片介绍, 打开资源, 复制地址.
void show_selected_intro(App& app);
void open_selected_link(App& app);
void copy_selected_link(App& app);

}  // namespace vexlune

#pragma once
// The catalog lists' right-click and the main window's menu "菜单".

namespace vexlune {

class App;
namespace ui {
class ListView;
}

// Right-click on a catalog row: remembers its link, name, poster and introduction in the
// selected_* fields and pops up "菜单". A row without a name (none selected, or one still
// being filled) does nothing.
void select_catalog_row(App& app, const ui::ListView& list);

// "菜单" items by index: 影片介绍, 打开资源, 复制地址.
void show_selected_intro(App& app);
void open_selected_link(App& app);
void copy_selected_link(App& app);

}  // namespace vexlune

#include "catalog/actions.h"

#include "app/app.h"
#include "catalog/catalog.h"
#include "catalog/catalog_file.h"
#include "catalog/intro_window.h"
#include "catalog/links.h"

namespace vexlune {

bool remember_selected_row(AppState& state, const ui::ListView& list, std::string& link) {
  const int row = list.selected_row();
  std::string name = list.cell(row, COLUMN_NAME);
  if (name.empty()) return false;
  link = list.cell(row, COLUMN_LINK);
  state.selected_name = std::move(name);
  state.selected_poster_url = list.cell(row, COLUMN_POSTER_URL);
  state.selected_intro = list.cell(row, COLUMN_INTRO);
  return true;
}

void select_catalog_row(App& app, const ui::ListView& list) {
  if (remember_selected_row(app.state, list, app.state.selected_link))
    ui::pop_up_menu(app.desktop(), app.main_window(), gbk("菜单"));
}

void show_selected_intro(App& app) {
  open_intro_window(app);
}

void open_selected_link(App& app) {
  open_link(app.desktop(), app.state.selected_link);
}

void copy_selected_link(App& app) {
  app.desktop().set_clipboard(app.state.selected_link);
}

}  // namespace vexlune

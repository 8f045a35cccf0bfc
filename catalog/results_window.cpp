#include "catalog/results_window.h"

#include <algorithm>

#include "app/app.h"
#include "app/main_window_layout.h"
#include "app/ui/gbk_layout.h"
#include "catalog/actions.h"
#include "catalog/catalog.h"
#include "catalog/catalog_file.h"
#include "catalog/intro_window.h"
#include "catalog/links.h"
#include "text/text.h"

namespace vexlune {

using ui::ControlKind;

ui::WindowLayout results_window_layout(const std::string& maker_url) {
  std::vector<ui::ControlLayout> c;
  c.push_back({.kind = ControlKind::ListView,
               .name = "超级列表框2",
               .place = {8, 8, 670, 352},
               .columns = catalog_columns()});
  c.push_back({.kind = ControlKind::StatusBar,
               .name = "状态条1",
               .columns = {{"Vexlune资源器：", 85},
                           {"v3.0", 30},
                           {"官方网站：", 70},
                           {maker_url, 110},
                           {"说明：", 50},
                           {"提供最新最全的电影资源就找Vexlune", 330}}});
  c.push_back(
      {.kind = ControlKind::Menu, .name = "菜单", .items = {"影片介绍", "打开资源", "复制地址"}});
  return {.name = "ResultsWindow", .place = {50, 50, 690, 417}, .controls = std::move(c)};
}

std::shared_ptr<ui::Window> make_results_window(App& app) {
  auto window = std::make_shared<ui::Window>(
      ui::gbk_window_layout(results_window_layout(app.endpoints().maker_url)));
  // The handlers live inside the window, so a plain reference to it cannot dangle.
  ui::Window& self = *window;
  const std::string list = gbk("超级列表框2");
  const std::string menu = gbk("菜单");
  self.on("", ui::Event::Created, [&app, &self] { fill_results(app, self); });
  self.on(list, ui::Event::ItemRightClick, [&app, &self] { select_result_row(app, self); });
  self.on_menu_item(menu, 0, [&app] { open_intro_window(app); });
  self.on_menu_item(menu, 1, [&app] { open_link(app.desktop(), app.state.results_link); });
  self.on_menu_item(menu, 2, [&app] { app.desktop().set_clipboard(app.state.results_link); });
  return window;
}

void fill_results(App& app, ui::Window& window) {
  AppState& state = app.state;
  window.control(gbk("菜单")).set_visible(false);
  window.set_title(concat(state.hit_keyword, gbk(" - 搜索结果")));
  const auto hit_lists = {&state.hit_names,    &state.hit_links,   &state.hit_types,
                          &state.hit_hd_flags, &state.hit_posters, &state.hit_intros};
  size_t hits = state.hit_names.size();
  for (auto* list : hit_lists)
    hits = std::min(hits, list->size());
  std::vector<CatalogRow> rows;
  rows.reserve(hits);
  for (size_t k = 0; k < hits; ++k) {
    rows.push_back({std::move(state.hit_names[k]), std::move(state.hit_links[k]),
                    std::move(state.hit_types[k]), std::move(state.hit_hd_flags[k]),
                    std::move(state.hit_posters[k]), std::move(state.hit_intros[k])});
  }
  window.list(gbk("超级列表框2")).append_rows(std::move(rows));
  for (auto* list : hit_lists)
    list->clear();
}

void select_result_row(App& app, ui::Window& window) {
  // The results window keeps its own link; the main window's selected_link stays as it was.
  if (remember_selected_row(app.state, window.list(gbk("超级列表框2")), app.state.results_link))
    ui::pop_up_menu(app.desktop(), window, gbk("菜单"));
}

void open_results_window(App& app) {
  app.desktop().show_modal(make_results_window(app));
}

}  // namespace vexlune

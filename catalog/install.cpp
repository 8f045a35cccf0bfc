#include "catalog/install.h"

#include "app/app.h"
#include "catalog/actions.h"
#include "catalog/loader.h"
#include "catalog/search.h"

namespace vexlune {

void install_catalog(App& app) {
  // The main window belongs to the App, so its handlers may hold the App by reference.
  ui::Window& window = app.main_window();
  for (const Catalog& catalog : CATALOGS) {
    app.loaders.catalog[catalog.page] = [&catalog](App& a) { load_catalog(a, catalog); };
    window.on(gbk(catalog.search_button), ui::Event::Click,
              [&app, &catalog] { search_catalog(app, catalog); });
    const ui::ListView& list = window.list(gbk(catalog.list));
    window.on(list.name(), ui::Event::ItemRightClick,
              [&app, &list] { select_catalog_row(app, list); });
  }
  const std::string menu = gbk("菜单");
  window.on_menu_item(menu, 0, [&app] { show_selected_intro(app); });
  window.on_menu_item(menu, 1, [&app] { open_selected_link(app); });
  window.on_menu_item(menu, 2, [&app] { copy_selected_link(app); });
}

}  // namespace vexlune

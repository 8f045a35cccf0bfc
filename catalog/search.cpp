#include "catalog/search.h"

#include "app/app.h"
#include "catalog/catalog_file.h"
#include "catalog/results_window.h"
#include "text/text.h"

namespace vexlune {

bool collect_catalog_hits(App& app, const Catalog& catalog) {
  const ui::Window& window = app.main_window();
  std::string keyword = window.control(gbk(catalog.keyword_box)).text();
  if (keyword.empty()) return false;
  const ui::ListView& list = window.list(gbk(catalog.list));
  AppState& state = app.state;
  const int rows = list.row_count();
  for (int row = 0; row < rows; ++row) {
    if (find(list.cell(row, COLUMN_NAME), keyword) < 1) continue;
    state.hit_names.push_back(list.cell(row, COLUMN_NAME));
    state.hit_links.push_back(list.cell(row, COLUMN_LINK));
    state.hit_types.push_back(list.cell(row, COLUMN_TYPE));
    state.hit_hd_flags.push_back(list.cell(row, COLUMN_HD_FLAG));
    state.hit_posters.push_back(list.cell(row, COLUMN_POSTER_URL));
    state.hit_intros.push_back(list.cell(row, COLUMN_INTRO));
  }
  state.hit_keyword = std::move(keyword);
  return true;
}

void search_catalog(App& app, const Catalog& catalog) {
  if (collect_catalog_hits(app, catalog)) open_results_window(app);
}

}  // namespace vexlune

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
  std::vector<int> matches;
  std::vector<std::string> names;
  for (int row = 0; row < rows; ++row) {
    std::string name = list.cell(row, COLUMN_NAME);
    if (find(name, keyword) < 1) continue;
    matches.push_back(row);
    names.push_back(std::move(name));
  }
  const size_t total = state.hit_names.size() + matches.size();
  for (auto* hits : {&state.hit_names, &state.hit_links, &state.hit_types, &state.hit_hd_flags,
                     &state.hit_posters, &state.hit_intros})
    hits->reserve(total);
  for (size_t k = 0; k < matches.size(); ++k) {
    const int row = matches[k];
    state.hit_names.push_back(std::move(names[k]));
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

#include "catalog/loader.h"

#include <algorithm>

#include "app/app.h"
#include "catalog/catalog_file.h"
#include "net/fetch.h"
#include "text/text.h"

namespace vexlune {
namespace {

// The body as a text: a NUL ends it.
std::string_view as_text(std::string_view body) {
  return body.substr(0, body.find('\0'));
}

}  // namespace

std::string load_finished_text(int ticks) {
  return concat(gbk("加载完成  共耗时：[ "), to_text(ticks), gbk(" ] 毫秒"));
}

void load_catalog(App& app, const Catalog& catalog, int max_rows) {
  ui::Window& window = app.main_window();
  ui::Control& timer = window.control(gbk("时钟1"));
  ui::ListView& list = window.list(gbk(catalog.list));
  ui::Control& label = window.control(gbk(catalog.label));

  timer.set_timer_period(1);
  app.state.load_idle.store(0);
  size_t room = static_cast<size_t>(std::max(max_rows, 0));
  for (int number = 1; number <= MAX_CATALOG_FILES && room > 0; ++number) {
    const std::string body =
        fetch_url(concat(app.endpoints().maker_url, catalog_file_path(catalog, number)));
    const std::string_view text = as_text(body);
    // A failed fetch reads like the end of the catalog; an error page merely holds no record.
    if (text.empty()) break;
    std::vector<CatalogRow> rows = parse_catalog_file(text);
    if (rows.size() > room) rows.resize(room);
    room -= rows.size();
    list.append_rows(std::move(rows));
  }
  app.state.load_idle.store(1);
  timer.set_timer_period(0);
  label.set_text(load_finished_text(app.state.elapsed_ticks.load()));
  app.state.elapsed_ticks.store(0);
}

}  // namespace vexlune

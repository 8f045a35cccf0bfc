#pragma once

#include "catalog/catalog.h"

namespace vexlune {

class App;

// Reads the catalog's files 1, 2, ... into its list view, one append per file, until a file
// comes back empty, file MAX_CATALOG_FILES is done or `max_rows` rows are in; runs the shared
// timer meanwhile and then writes the time taken to the catalog's label. Runs on a worker; the
// tab click starts it only on an empty list while `load_idle` is 1.
void load_catalog(App& app, const Catalog& catalog, int max_rows = MAX_CATALOG_ROWS);

// "加载完成  共耗时：[ N ] 毫秒" in GBK.
std::string load_finished_text(int ticks);

}  // namespace vexlune

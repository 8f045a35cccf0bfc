#pragma once

#include "catalog/catalog.h"

namespace vexlune {

class App;

// Appends every row of the catalog's list whose name holds the keyword (exact, case-sensitive,
// matching only at GBK character boundaries) to the hit arrays, in list order, and sets
// hit_keyword. Only the rows present when it starts are searched. False, with nothing
// touched, when the keyword box is empty.
bool collect_catalog_hits(App& app, const Catalog& catalog);

// The search button: collect_catalog_hits, then ResultsWindow, modally.
void search_catalog(App& app, const Catalog& catalog);

}  // namespace vexlune

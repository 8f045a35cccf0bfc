#pragma once
// Where a control of a layout table goes. The tables place a control relative to its parent
// control: a group box's children are kept as siblings of the box at absolute places (a box
// would draw them lower than asked), and a control on a tab page is placed relative to the tab
// control itself, headers included.

#include <functional>
#include <string_view>

#include "app/ui/layout.h"

namespace vexlune::wx {

struct Placement {
  int page = -1;  // -1: relative to the window's client area; else the tab page it sits on
  ui::Rect rect;  // relative to the client area, or to the tab control when on a page
};

using LayoutLookup = std::function<const ui::ControlLayout*(std::string_view name)>;

// Resolves `layout` through its chain of parents. An unknown parent counts as the client area.
Placement resolve_place(const ui::ControlLayout& layout, const LayoutLookup& find);

}  // namespace vexlune::wx

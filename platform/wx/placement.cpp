#include "platform/wx/placement.h"

namespace vexlune::wx {

Placement resolve_place(const ui::ControlLayout& layout, const LayoutLookup& find) {
  Placement placement{.page = -1, .rect = layout.place};
  const ui::ControlLayout* child = &layout;
  // A layout is a shallow tree; the bound only keeps a looping table from hanging.
  for (int depth = 0; depth < 16 && !child->parent.empty(); ++depth) {
    const ui::ControlLayout* parent = find(child->parent);
    if (!parent) break;
    if (parent->kind == ui::ControlKind::TabControl) {
      placement.page = child->page;
      break;
    }
    placement.rect.left += parent->place.left;
    placement.rect.top += parent->place.top;
    child = parent;
  }
  return placement;
}

}  // namespace vexlune::wx

#pragma once

#include "app/ui/layout.h"

namespace vexlune::ui {

// Layout tables are written in UTF-8 source; models hold GBK. Converts every text of a spec.
WindowSpec gbk_window_spec(WindowSpec spec);

}  // namespace vexlune::ui

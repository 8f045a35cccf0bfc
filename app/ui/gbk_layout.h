#pragma once

#include "app/ui/layout.h"

namespace vexlune::ui {

// Layout tables are written in UTF-8 source; models hold GBK. Converts every text of a layout.
WindowLayout gbk_window_layout(WindowLayout layout);

}  // namespace vexlune::ui

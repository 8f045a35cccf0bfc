#pragma once
// Windows font requests made into wx fonts. Call on the UI thread only.

#include <wx/font.h>

#include "app/ui/layout.h"

namespace vexlune::wx {

// The windows' default font: 9 pt, the size of the Windows dialog font the layouts were drawn
// with, so that their texts fit the boxes the tables give them.
wxFont default_window_font();

// `font.height` is a Windows font height in pixels (14 is 10.5 pt at 96 DPI). A face that is not
// installed (SimSun, 宋体) falls back to an installed CJK face, serif first like SimSun.
wxFont make_font(const ui::Font& font);

}  // namespace vexlune::wx

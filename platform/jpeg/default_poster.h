#pragma once
// The introduction window's placeholder poster, carried in the program.

#include <string_view>

#include "app/ui/image.h"

namespace vexlune {

inline constexpr int DEFAULT_POSTER_WIDTH = 128;
inline constexpr int DEFAULT_POSTER_HEIGHT = 144;

// The placeholder's JPEG bytes.
std::string_view default_poster_jpeg();

// The placeholder decoded once and shared by every window that shows it.
ui::ImagePtr default_poster();

}  // namespace vexlune

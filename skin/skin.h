#pragma once
// Skinning of the program's windows. Until our own skin library exists the library never maps,
// so `skin_module` stays empty and attaching only keeps the settings: the windows run unskinned.

#include <string_view>

namespace vexlune {

struct AppState;

// The skin data handed to attach_skin.
extern const std::string_view SKIN_FILE;

// Maps the skinning library into state.skin_module; false when it could not be mapped (the
// module then stays empty and nothing reports it).
bool load_skin_library(AppState& state);

// Keeps a private copy of the skin and its colour settings, then hands them to the mapped
// library. Returns the library's answer, 0 when no library is mapped.
int attach_skin(AppState& state, std::string_view skin, std::string_view password, int hue,
                int saturation, int brightness);

}  // namespace vexlune

#include "skin/skin.h"

#include <string>

#include "app/app_state.h"

namespace vexlune {

// Our skin format's signature; the skin itself comes with the skin library.
const std::string_view SKIN_FILE = ".SHE";

bool load_skin_library(AppState& state) {
  return state.skin_module && state.skin_module->loaded();
}

int attach_skin(AppState& state, std::string_view skin, std::string_view /*password*/, int hue,
                int saturation, int brightness) {
  state.skin_data.assign(skin);
  state.skin_hue = hue;
  state.skin_saturation = saturation;
  state.skin_brightness = brightness;
  // Nothing to call into until a library is mapped; an empty module must never be called.
  return 0;
}

}  // namespace vexlune

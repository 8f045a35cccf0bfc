#include "text/unescape.h"

namespace vexlune {

std::string unescape_text(std::string_view) {
  return {};
}

}  // namespace vexlune

#include "text/markers.h"

namespace vexlune {

std::string text_between(std::string_view, std::string_view, std::string_view, int, bool) {
  return {};
}

int all_texts_between(std::string_view, std::string_view, std::string_view,
                      std::vector<std::string>& pieces, bool, int, std::string_view,
                      std::string_view, bool, bool, int) {
  pieces.clear();
  return 0;
}

}  // namespace vexlune

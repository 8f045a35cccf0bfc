#pragma once
// A decoded picture, as picture boxes hold it: 8-bit RGB, row after row.

#include <cstdint>
#include <memory>
#include <vector>

namespace vexlune::ui {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // width * height * 3 bytes
};

using ImagePtr = std::shared_ptr<const Image>;

}  // namespace vexlune::ui

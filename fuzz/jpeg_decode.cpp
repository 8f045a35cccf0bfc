// Arbitrary bytes as a poster: no crash, no exit, and a picture only within the size limits.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/jpeg/jpeg_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  auto image = vexlune::decode_jpeg({reinterpret_cast<const char*>(data), size});
  if (!image) return 0;
  const auto pixels = static_cast<std::int64_t>(image->width) * image->height;
  if (image->width <= 0 || image->height <= 0 || image->width > vexlune::MAX_JPEG_SIDE ||
      image->height > vexlune::MAX_JPEG_SIDE || pixels > vexlune::MAX_JPEG_PIXELS ||
      image->rgb.size() != static_cast<size_t>(pixels) * 3)
    std::abort();
  return 0;
}

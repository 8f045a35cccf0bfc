#include "platform/jpeg/default_poster.h"

#include "platform/jpeg/jpeg_decode.h"

namespace vexlune {
namespace {

const unsigned char POSTER_JPEG[] = {
#include "platform/jpeg/default_poster.inc"
};

}  // namespace

std::string_view default_poster_jpeg() {
  return {reinterpret_cast<const char*>(POSTER_JPEG), sizeof POSTER_JPEG};
}

ui::ImagePtr default_poster() {
  static const ui::ImagePtr decoded = decode_jpeg(default_poster_jpeg());
  return decoded;
}

}  // namespace vexlune

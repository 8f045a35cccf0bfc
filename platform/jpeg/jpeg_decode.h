#pragma once
// JPEG decoding for picture boxes. Posters come from arbitrary image hosts, so every failure
// (not a JPEG, corrupt data, cut short, absurd size) is a null picture, never an exit.

#include <cstdint>
#include <string_view>

#include "app/ui/image.h"

namespace vexlune {

// Refused before any pixel is decoded: a declared size beyond these is no poster but a
// decompression bomb (a few bytes of header can claim gigapixels).
inline constexpr int MAX_JPEG_SIDE = 8192;
inline constexpr std::int64_t MAX_JPEG_PIXELS = 4096 * 4096;
// Progressive files can repeat scans without end; real ones have about ten.
inline constexpr int MAX_JPEG_SCANS = 100;

// Decodes baseline or progressive JPEG (grey, YCbCr, RGB, CMYK) into 8-bit RGB. Null when the
// bytes are empty, not a JPEG, corrupt past repair, too large, or end before the end-of-image
// marker: a truncated poster counts as undecodable rather than showing a grey remainder.
// Bytes after the end-of-image marker are ignored.
ui::ImagePtr decode_jpeg(std::string_view bytes);

}  // namespace vexlune

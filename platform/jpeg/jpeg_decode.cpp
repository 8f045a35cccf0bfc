#include "platform/jpeg/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <memory>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace vexlune {
namespace {

// Bounds libjpeg's own working memory (coefficient buffers of progressive files) as well.
constexpr long MAX_DECODER_MEMORY = 256L * 1024 * 1024;

// libjpeg reports fatal errors through error_exit, which by default ends the process. Ours
// jumps back into decode_into instead. Only C frames of libjpeg lie between the jump and its
// target, so no C++ destructor is skipped.
struct Decoder {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  jpeg_progress_mgr progress{};
  std::jmp_buf escape{};
  bool created = false;
  std::vector<JSAMPLE> cmyk_row;

  ~Decoder() {
    if (created) jpeg_destroy_decompress(&info);
  }
};

Decoder& decoder_of(j_common_ptr info) {
  return *static_cast<Decoder*>(info->client_data);
}

[[noreturn]] void escape(j_common_ptr info) {
  std::longjmp(decoder_of(info).escape, 1);
}

void stay_quiet(j_common_ptr) {}

// Warnings (level -1) about damaged data are tolerated, as browsers tolerate them, except
// running out of data before the end-of-image marker. libjpeg would paint the missing rows
// grey (or, for a progressive file cut between scans, show a blurred picture); the bytes alone
// cannot tell how much is missing, and a cut transfer is the usual cause, so it is refused.
void on_message(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) escape(info);
  if (level < 0) info->err->num_warnings++;
}

void on_progress(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > MAX_JPEG_SCANS) escape(info);
}

bool size_is_sane(JDIMENSION width, JDIMENSION height) {
  if (width == 0 || height == 0) return false;
  if (width > MAX_JPEG_SIDE || height > MAX_JPEG_SIDE) return false;
  return static_cast<std::int64_t>(width) * height <= MAX_JPEG_PIXELS;
}

// Adobe writes CMYK inverted, which is what nearly every CMYK JPEG in the wild is.
void cmyk_to_rgb(const JSAMPLE* cmyk, std::uint8_t* rgb, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    const unsigned k = cmyk[3];
    rgb[0] = static_cast<std::uint8_t>(cmyk[0] * k / 255);
    rgb[1] = static_cast<std::uint8_t>(cmyk[1] * k / 255);
    rgb[2] = static_cast<std::uint8_t>(cmyk[2] * k / 255);
  }
}

// Everything that libjpeg can jump out of lives here, with no C++ object of its own: the
// objects it fills belong to the caller and stay valid after a jump.
bool decode_into(Decoder& d, std::string_view bytes, ui::Image& out) {
  if (setjmp(d.escape)) return false;

  d.info.client_data = &d;
  d.info.err = jpeg_std_error(&d.errors);
  d.errors.error_exit = escape;
  d.errors.output_message = stay_quiet;
  d.errors.emit_message = on_message;
  jpeg_create_decompress(&d.info);
  d.created = true;
  d.info.mem->max_memory_to_use = MAX_DECODER_MEMORY;
  d.progress.progress_monitor = on_progress;
  d.info.progress = &d.progress;

  jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) return false;
  if (!size_is_sane(d.info.image_width, d.info.image_height)) return false;

  const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
  d.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&d.info);
  const JDIMENSION width = d.info.output_width;
  const JDIMENSION height = d.info.output_height;
  if (!size_is_sane(width, height) || d.info.output_components != (cmyk ? 4 : 3)) return false;

  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.rgb.assign(static_cast<size_t>(width) * height * 3, 0);
  if (cmyk) d.cmyk_row.resize(static_cast<size_t>(width) * 4);
  while (d.info.output_scanline < height) {
    std::uint8_t* target = out.rgb.data() + static_cast<size_t>(d.info.output_scanline) * width * 3;
    JSAMPROW row = cmyk ? d.cmyk_row.data() : target;
    if (jpeg_read_scanlines(&d.info, &row, 1) != 1) return false;
    if (cmyk) cmyk_to_rgb(d.cmyk_row.data(), target, width);
  }
  jpeg_finish_decompress(&d.info);
  return true;
}

}  // namespace

ui::ImagePtr decode_jpeg(std::string_view bytes) {
  if (bytes.empty()) return nullptr;
  auto image = std::make_shared<ui::Image>();
  Decoder decoder;
  if (!decode_into(decoder, bytes, *image)) return nullptr;
  return image;
}

}  // namespace vexlune

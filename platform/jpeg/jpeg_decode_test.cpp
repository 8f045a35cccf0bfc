#include "platform/jpeg/jpeg_decode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/jpeg/default_poster.h"

namespace vexlune {
namespace {

struct Picture {
  int width = 0;
  int height = 0;
  J_COLOR_SPACE space = JCS_RGB;
  bool progressive = false;
};

// Left half red, right half blue (or dark/light for grey, cyan/yellow-ish for CMYK).
std::string encode(const Picture& p) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = p.width;
  info.image_height = p.height;
  info.input_components = p.space == JCS_GRAYSCALE ? 1 : p.space == JCS_CMYK ? 4 : 3;
  info.in_color_space = p.space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (p.progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(p.width * info.input_components);
  for (int x = 0; x < p.width; ++x) {
    JSAMPLE* px = &row[x * info.input_components];
    bool left = x < p.width / 2;
    if (p.space == JCS_GRAYSCALE) {
      px[0] = left ? 30 : 220;
    } else if (p.space == JCS_CMYK) {  // inverted, as Adobe writes it
      px[0] = left ? 255 : 0;
      px[1] = 255;
      px[2] = left ? 0 : 255;
      px[3] = 255;
    } else {
      px[0] = left ? 230 : 10;
      px[1] = 10;
      px[2] = left ? 10 : 230;
    }
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

// The SOF marker's height and width fields, rewritten to claim another size.
std::string with_declared_size(std::string jpeg, int width, int height) {
  for (size_t i = 0; i + 9 < jpeg.size(); ++i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(jpeg[k]); };
    if (byte(i) == 0xFF && (byte(i + 1) == 0xC0 || byte(i + 1) == 0xC2)) {
      jpeg[i + 5] = static_cast<char>(height >> 8);
      jpeg[i + 6] = static_cast<char>(height & 0xFF);
      jpeg[i + 7] = static_cast<char>(width >> 8);
      jpeg[i + 8] = static_cast<char>(width & 0xFF);
      return jpeg;
    }
  }
  ADD_FAILURE() << "no SOF marker";
  return jpeg;
}

const std::uint8_t* pixel(const ui::Image& image, int x, int y) {
  return &image.rgb[(static_cast<size_t>(y) * image.width + x) * 3];
}

TEST(DecodeJpeg, DefaultPosterIsA128By144Picture) {
  ui::ImagePtr poster = default_poster();
  ASSERT_NE(poster, nullptr);
  EXPECT_EQ(poster->width, DEFAULT_POSTER_WIDTH);
  EXPECT_EQ(poster->height, DEFAULT_POSTER_HEIGHT);
  EXPECT_EQ(poster->rgb.size(), 128u * 144 * 3);
  EXPECT_EQ(default_poster(), poster);  // decoded once
}

TEST(DecodeJpeg, EveryColourLayoutComesOutAsRgb) {
  struct Case {
    const char* what;
    Picture picture;
    std::uint8_t left[3];
    std::uint8_t right[3];
  };
  const Case cases[] = {
      {"baseline colour", {32, 16, JCS_RGB, false}, {230, 10, 10}, {10, 10, 230}},
      {"progressive colour", {32, 16, JCS_RGB, true}, {230, 10, 10}, {10, 10, 230}},
      {"grey", {32, 16, JCS_GRAYSCALE, false}, {30, 30, 30}, {220, 220, 220}},
      {"inverted CMYK", {32, 16, JCS_CMYK, false}, {255, 255, 0}, {0, 255, 255}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui::ImagePtr image = decode_jpeg(encode(c.picture));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, c.picture.width);
    EXPECT_EQ(image->height, c.picture.height);
    ASSERT_EQ(image->rgb.size(), static_cast<size_t>(c.picture.width * c.picture.height * 3));
    for (int channel = 0; channel < 3; ++channel) {
      EXPECT_NEAR(pixel(*image, 2, 8)[channel], c.left[channel], 12) << channel;
      EXPECT_NEAR(pixel(*image, 29, 8)[channel], c.right[channel], 12) << channel;
    }
  }
}

TEST(DecodeJpeg, BytesThatAreNoPictureGiveNoImage) {
  const std::string good = encode({64, 64, JCS_RGB, false});
  std::string scrambled = good;
  for (size_t i = scrambled.size() / 2; i < scrambled.size() - 2; ++i)
    scrambled[i] = static_cast<char>(0xFF);
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"an HTML error page", "<html><body><h1>404 Not Found</h1></body></html>"},
      {"start marker only", "\xFF\xD8"},
      {"header without scan", good.substr(0, 200)},
      {"a run of marker bytes instead of pixel data", scrambled},
      {"declares 60000 x 60000", with_declared_size(good, 60000, 60000)},
      {"declares more pixels than a poster", with_declared_size(good, 8000, 8000)},
      {"declares a side beyond the limit", with_declared_size(good, 9000, 16)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(decode_jpeg(c.bytes), nullptr);
  }
}

// A cut transfer cannot be told from a file that merely lacks its end marker, and a
// progressive file cut between scans would still fill every row: all count as truncated.
TEST(DecodeJpeg, AnyFileEndingBeforeItsEndMarkerIsRefused) {
  for (bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const std::string jpeg = encode({48, 48, JCS_RGB, progressive});
    ASSERT_EQ(jpeg.substr(jpeg.size() - 2), "\xFF\xD9");
    ASSERT_NE(decode_jpeg(jpeg), nullptr);
    for (size_t cut : {size_t{1}, size_t{2}, size_t{40}, jpeg.size() / 3})
      EXPECT_EQ(decode_jpeg(jpeg.substr(0, jpeg.size() - cut)), nullptr) << cut;
  }
}

TEST(DecodeJpeg, TrailingBytesAfterTheEndMarkerAreIgnored) {
  ui::ImagePtr image = decode_jpeg(encode({32, 16, JCS_RGB, false}) + "<html>junk</html>");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->height, 16);
}

}  // namespace
}  // namespace vexlune

#include "wizards/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

// clang-format off
#include <cstdio>  // jpeglib.h uses FILE
#include <jpeglib.h>
// clang-format on

namespace verlo {
namespace {

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> Diagram(const std::string& name) {
  return ReadFile(std::string(VERLO_SOURCE_DIR) + "/wizards/" + name + "/" + name + ".jpg");
}

// A grey horizontal ramp, encoded as a one-component JPEG.
std::vector<unsigned char> GreyRamp(int width, int height) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = 1;
  cinfo.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(width);
  for (int x = 0; x < width; ++x) row[x] = static_cast<unsigned char>(x * 255 / (width - 1));
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&cinfo, &p, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<unsigned char> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

TEST(JpegDecoder, DecodesTheWizardDiagrams) {
  for (const char* name : {"cut_circle", "rectangle_pocket", "cut_rectangle"}) {
    SCOPED_TRACE(name);
    const std::vector<unsigned char> file = Diagram(name);
    ASSERT_FALSE(file.empty());
    DecodedImage image;
    ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), image));
    EXPECT_EQ(image.width, 200);
    EXPECT_EQ(image.height, 140);
    ASSERT_EQ(image.rgb.size(), 200u * 140u * 3u);

    // White paper, dark lines, and the blue tool path in the right channel.
    int white = 0, dark = 0, blue = 0;
    for (size_t i = 0; i < image.rgb.size(); i += 3) {
      const int r = image.rgb[i], g = image.rgb[i + 1], b = image.rgb[i + 2];
      if (r > 240 && g > 240 && b > 240) ++white;
      if (r + g + b < 200) ++dark;
      if (b > r + 80 && b > g + 40) ++blue;
    }
    const int pixels = image.width * image.height;
    EXPECT_GT(white, pixels / 2);
    EXPECT_GT(dark, 200);
    EXPECT_GT(blue, 100);
  }
}

TEST(JpegDecoder, GreyPictureComesOutAsRgb) {
  const std::vector<unsigned char> file = GreyRamp(64, 8);
  DecodedImage image;
  ASSERT_TRUE(DecodeJpeg(file.data(), file.size(), image));
  ASSERT_EQ(image.width, 64);
  ASSERT_EQ(image.height, 8);
  ASSERT_EQ(image.rgb.size(), 64u * 8u * 3u);
  const unsigned char* last_row = &image.rgb[7 * 64 * 3];
  for (int x = 0; x < 64; ++x) {
    const unsigned char* px = last_row + x * 3;
    EXPECT_EQ(px[0], px[1]);
    EXPECT_EQ(px[0], px[2]);
    EXPECT_NEAR(px[0], x * 255 / 63, 6) << "x = " << x;
  }
}

TEST(JpegDecoder, RefusesBadDataAndLeavesTheImageEmpty) {
  const std::vector<unsigned char> good = Diagram("cut_circle");
  ASSERT_GT(good.size(), 1000u);

  std::mt19937 rng(12345);
  std::vector<unsigned char> noise(4096);
  for (unsigned char& c : noise) c = static_cast<unsigned char>(rng());
  std::vector<unsigned char> jpeg_start_then_noise = noise;
  jpeg_start_then_noise[0] = 0xFF;
  jpeg_start_then_noise[1] = 0xD8;

  const std::vector<unsigned char> truncated(good.begin(), good.begin() + good.size() / 2);
  const std::vector<unsigned char> header_only(good.begin(), good.begin() + 200);

  struct Case {
    const char* what;
    const std::vector<unsigned char>& bytes;
  };
  for (const Case& c : {Case{"noise", noise}, Case{"SOI then noise", jpeg_start_then_noise},
                        Case{"truncated", truncated}, Case{"header only", header_only}}) {
    SCOPED_TRACE(c.what);
    DecodedImage image;
    ASSERT_TRUE(DecodeJpeg(good.data(), good.size(), image));
    EXPECT_FALSE(DecodeJpeg(c.bytes.data(), c.bytes.size(), image));
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_TRUE(image.rgb.empty());
  }

  DecodedImage image;
  EXPECT_FALSE(DecodeJpeg(good.data(), 0, image));
  EXPECT_FALSE(DecodeJpeg(nullptr, 0, image));
  EXPECT_TRUE(image.rgb.empty());
}

}  // namespace
}  // namespace verlo

// JPEG decoding on libjpeg, for the pictures of the wizard pages. No toolkit
// types, so it runs in the core and its tests.
#pragma once

#include <cstddef>
#include <vector>

namespace verlo {

struct DecodedImage {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;  // width * height * 3, rows top-down
};

// Decodes a JPEG held in memory; returns false (image left empty) for data
// that is not a readable JPEG. Never crashes or exits on bad data. Grey
// pictures come out as RGB. Data libjpeg would have to patch up (cut short,
// corrupt) is refused rather than shown half grey.
bool DecodeJpeg(const unsigned char* data, size_t size, DecodedImage& out);

}  // namespace verlo

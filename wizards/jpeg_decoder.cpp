#include "wizards/jpeg_decoder.h"

#include <csetjmp>
#include <cstdlib>
#include <limits>
#include <memory>

// clang-format off
#include <cstdio>  // jpeglib.h uses FILE
#include <jpeglib.h>
// clang-format on

namespace verlo {
namespace {

// Pictures above this many pixels are refused: a forged header must not make
// us allocate gigabytes.
constexpr unsigned long kMaxPixels = 1ul << 26;

struct ErrorTrap {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer converts back
  std::jmp_buf jump;
};

[[noreturn]] void Escape(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->jump, 1);
}

[[noreturn]] void Fail(j_decompress_ptr cinfo) {
  Escape(reinterpret_cast<j_common_ptr>(cinfo));
}

// Fatal errors and warnings (truncated or corrupt data) both end the decode;
// trace messages are dropped. Nothing is printed.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) Escape(cinfo);
}

// Returns a malloc'ed RGB buffer, or null. Only C-style locals live here:
// the longjmp back to setjmp must not skip any destructor.
unsigned char* DecodeToBuffer(const unsigned char* data, unsigned long size, int* width,
                              int* height) {
  jpeg_decompress_struct cinfo{};
  ErrorTrap trap;
  cinfo.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = Escape;
  trap.manager.emit_message = OnMessage;
  unsigned char* volatile pixels = nullptr;

  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&cinfo);
    std::free(pixels);
    return nullptr;
  }

  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, size);
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) Fail(&cinfo);
  const unsigned long w = cinfo.image_width;
  const unsigned long h = cinfo.image_height;
  if (w == 0 || h == 0 || w * h > kMaxPixels) Fail(&cinfo);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3 || cinfo.output_width != w || cinfo.output_height != h) {
    Fail(&cinfo);
  }
  const size_t stride = w * 3;
  pixels = static_cast<unsigned char*>(std::malloc(stride * h));
  if (!pixels) Fail(&cinfo);

  while (cinfo.output_scanline < h) {
    JSAMPROW row = pixels + cinfo.output_scanline * stride;
    if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) Fail(&cinfo);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return pixels;
}

}  // namespace

bool DecodeJpeg(const unsigned char* data, size_t size, DecodedImage& out) {
  out = DecodedImage();
  if (!data || size == 0 || size > std::numeric_limits<unsigned long>::max()) return false;

  int width = 0, height = 0;
  std::unique_ptr<unsigned char, decltype(&std::free)> pixels(
      DecodeToBuffer(data, static_cast<unsigned long>(size), &width, &height), &std::free);
  if (!pixels) return false;

  const size_t count = static_cast<size_t>(width) * height * 3;
  out.rgb.assign(pixels.get(), pixels.get() + count);
  out.width = width;
  out.height = height;
  return true;
}

}  // namespace verlo

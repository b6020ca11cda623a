#include "platform/file_name.h"

namespace verlo {

const char kFileNameRefusal[] = "A fájlnévben nem lehet sortörés vagy vezérlőkarakter.";

bool FileNameAllowed(const std::string& utf8Name) {
  const auto byte = [&](size_t i) {
    return i < utf8Name.size() ? static_cast<unsigned char>(utf8Name[i]) : 0;
  };
  for (size_t i = 0; i < utf8Name.size(); ++i) {
    const unsigned char c = byte(i);
    if (c < 0x20 || c == 0x7F) return false;
    // U+0080..U+009F: C2 80..C2 9F.
    if (c == 0xC2 && byte(i + 1) >= 0x80 && byte(i + 1) <= 0x9F) return false;
    // U+2028, U+2029: E2 80 A8, E2 80 A9.
    if (c == 0xE2 && byte(i + 1) == 0x80 && (byte(i + 2) == 0xA8 || byte(i + 2) == 0xA9))
      return false;
  }
  return true;
}

}  // namespace verlo

#include "platform/text.h"

namespace verlo {
namespace {

// The code point starting at `i` and its length in bytes; an invalid
// sequence is one byte standing for itself (never a control character).
uint32_t Decode(const std::string& s, size_t i, size_t& length) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  length = 1;
  if (c < 0x80) return c;
  const size_t n = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0xFFFD;
  uint32_t cp = c & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) {
    const unsigned char cc = static_cast<unsigned char>(s[i + k]);
    if ((cc & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (cc & 0x3F);
  }
  length = n;
  return cp;
}

}  // namespace

bool IsControlCharacter(uint32_t cp) {
  return cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029;
}

bool HasControlCharacter(const std::string& utf8) {
  size_t i = 0;
  // Printable ASCII, the bulk of every listing, needs no decoding.
  for (; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x20 || c == 0x7F) return true;
    if (c >= 0x80) break;
  }
  size_t length = 0;
  for (; i < utf8.size(); i += length)
    if (IsControlCharacter(Decode(utf8, i, length))) return true;
  return false;
}

std::string ControlCharactersAsSpaces(const std::string& utf8) {
  if (!HasControlCharacter(utf8)) return utf8;
  std::string out;
  size_t length = 0;
  for (size_t i = 0; i < utf8.size(); i += length) {
    const uint32_t cp = Decode(utf8, i, length);
    if (IsControlCharacter(cp))
      out += ' ';
    else
      out.append(utf8, i, length);
  }
  return out;
}

size_t CharacterCount(const std::string& utf8) {
  size_t count = 0, length = 0;
  for (size_t i = 0; i < utf8.size(); i += length) {
    Decode(utf8, i, length);
    ++count;
  }
  return count;
}

}  // namespace verlo

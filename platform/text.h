// Characters of UTF-8 texts as the program counts and cleans them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace verlo {

// Line breaks and other control characters: C0 controls, DEL, the C1
// controls U+0080..U+009F and the line and paragraph separators U+2028,
// U+2029.
bool IsControlCharacter(uint32_t codePoint);
bool HasControlCharacter(const std::string& utf8);
// Every control character replaced by one space.
std::string ControlCharactersAsSpaces(const std::string& utf8);
// Characters, not bytes; a byte that starts no valid sequence counts as one.
size_t CharacterCount(const std::string& utf8);

}  // namespace verlo

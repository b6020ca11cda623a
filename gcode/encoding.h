// The local 8-bit code page of the host's Hungarian Windows (Windows-1250).
// Listings and exchange files are written in it; the source texts are UTF-8.
#pragma once

#include <string>

namespace verlo {

// Characters the code page lacks become "?".
std::string Utf8ToLocal8Bit(const std::string& utf8);
std::string Local8BitToUtf8(const std::string& bytes);

// The first character of the UTF-8 text the code page lacks (U+FFFD for a
// malformed byte); empty when the whole text converts.
std::string FirstCharacterNotInLocal8Bit(const std::string& utf8);

}  // namespace verlo

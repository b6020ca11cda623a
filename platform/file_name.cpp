#include "platform/file_name.h"

#include "platform/text.h"

namespace verlo {

const char kFileNameRefusal[] = "A fájlnévben nem lehet sortörés vagy vezérlőkarakter.";

bool FileNameAllowed(const std::string& utf8Name) {
  return !HasControlCharacter(utf8Name);
}

}  // namespace verlo

// What a file name chosen by the user may hold. The name is written into the
// host's file.txt as one line and shown in dialogs, so a line break or any
// other control character in it is refused wherever a name is taken.
#pragma once

#include <string>

namespace verlo {

// The refusal, shown with the caption "Figyelmeztetés".
extern const char kFileNameRefusal[];

// False when the UTF-8 name holds a C0 or C1 control character, DEL, or the
// Unicode line or paragraph separator.
bool FileNameAllowed(const std::string& utf8Name);

}  // namespace verlo

#include "fuzz/fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace verlo {

void FuzzFailure(const std::string& what, const std::string& text) {
  std::string shown;
  for (const unsigned char c : text) {
    if (c >= 0x20 && c != 0x7F && c != '\\') {
      shown += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      shown += hex;
    }
  }
  std::fprintf(stderr, "fuzz check failed: %s\n  \"%s\"\n", what.c_str(), shown.c_str());
  std::abort();
}

}  // namespace verlo

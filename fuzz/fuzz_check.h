// What the fuzz targets share: a broken rule prints what broke and aborts,
// which libFuzzer records as a finding together with its input.
#pragma once

#include <string>

namespace verlo {

// Prints "fuzz check failed: WHAT" and the text (control bytes as \xNN),
// then aborts.
[[noreturn]] void FuzzFailure(const std::string& what, const std::string& text = {});

inline void Require(bool ok, const char* what, const std::string& text = {}) {
  if (!ok) FuzzFailure(what, text);
}

}  // namespace verlo

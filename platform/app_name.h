// The application's name: the main window's caption and the caption of the
// runtime's error box.
#pragma once

namespace verlo {

inline constexpr char kAppTitle[] = "VERLO varázslók";

}  // namespace verlo

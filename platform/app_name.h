// The application's name (the main window's caption and the caption of the
// runtime's error box) and the captions of the message boxes.
#pragma once

namespace verlo {

inline constexpr char kAppTitle[] = "VERLO varázslók";

// The captions of the message boxes: a refused field, and a warning.
inline constexpr char kErrorCaption[] = "Figyelmeztetés rossz paraméterezésről";
inline constexpr char kWarningCaption[] = "Figyelmeztetés";

}  // namespace verlo

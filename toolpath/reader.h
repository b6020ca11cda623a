// Reads a G-code listing as our pages and the editor write it, and as a user
// may edit it by hand, into the moves the machine makes.
//
// The words read: G0 G1 G2 G3 (R of either sign, or I/J; full circles and
// helices; P turns), G4 P (milliseconds, as the host reads it), G17, G21,
// G90, G91, G10 L2 P1..P6, G54..G59, G73 and G83 with Z R Q F and the bare
// hole lines that repeat them, G80, G98, G99, F, S, T, M2, M3, M4, M5, M6,
// M7, M8, M9, M30, M98 P.. L.., M99 and O-numbered subprograms, #-variables
// with bracket expressions (+ - * / %, MOD, ABS), N line numbers, comments in
// parentheses or after ';'. Words may be written without spaces, in either
// case, and a number may carry a decimal comma.
//
// The program starts at rest at X0 Y0 Z0 of G54, every offset zero, no feed
// in force, G90, millimetres. Arcs and drill cycles are refused or expanded
// exactly as LinuxCNC's interpreter does it; the main program ends at M30 or
// M2, or at the last line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "toolpath/move.h"

namespace verlo::toolpath {

// Bounds that keep a listing that repeats without end from running or
// allocating without end: each is reported as an error when reached.
struct ReadLimits {
  size_t maxMoves = 2'000'000;
  long long maxExecutedLines = 10'000'000;
  int maxCallDepth = 32;  // subprograms calling subprograms
};

struct ReadResult {
  Toolpath path;  // when refused: the moves made before the refused line
  std::optional<LineMessage> error;
  bool Ok() const { return !error; }
};

// `lines`: the listing's lines in UTF-8, without line ends.
ReadResult ReadToolpath(const std::vector<std::string>& lines, const ReadLimits& limits = {});

}  // namespace verlo::toolpath

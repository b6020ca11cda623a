// The blocks every milling and drilling program shares: the tool change with
// spindle start, the coolant line, the gap after a program of a series, and the
// program end.
#pragma once

#include <string>

#include "gcode/listing.h"

namespace verlo {

// A coordinate word's number: "0.0000" with a decimal point.
std::string N4(long double value);
// A straight feed move's words: "G1 X<x> Y<y>".
std::string G1XY(long double x, long double y);

// "T<tool> M6", "S<speed> M3|M4", "G4 P2000"; the texts are written as typed.
void WriteToolBlock(Listing& listing, const std::string& toolText, const std::string& speedText,
                    bool m4, bool dwell = true);
// "M7" or "M8" for the coolant codes 7 and 8, nothing for 0.
void WriteCoolant(Listing& listing, int coolant);
// Two lines of one space, so that the next program of a series stands apart.
void WriteSeriesGap(Listing& listing);
// "M9" when coolant was on, "M5" when a tool was set up, then "M30".
void WriteProgramEnd(Listing& listing, int coolant, bool toolBlock);

}  // namespace verlo

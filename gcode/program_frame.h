// The frame every milling and drilling program shares: the start-point and
// pass comments, the opening (units, safe height, start point), the tool
// block with spindle start, the coolant line, the retract, and the closing
// (the gap after a program of a series, the program end). Each function
// writes exactly the lines its comment names; a page calls those its program
// writes the same way and writes its own lines where it differs.
#pragma once

#include <string>

#include "gcode/listing.h"

namespace verlo {

// A coordinate word's number: "0.0000" with a decimal point.
std::string N4(long double value);
// A straight feed move's words: "G1 X<x> Y<y>".
std::string G1XY(long double x, long double y);

// An arc line ("G2 ..." or "G3 ...") whose R word prints as "R0.0000" starts
// and ends at one point, which no control accepts: it is the straight feed
// move it amounts to, "G1" with every other word kept. Other lines unchanged.
std::string ArcLine(const std::string& line);

// "(<word> X<x> Y<y> Z<z>)" from the field texts as typed ("kezdőpont").
void WritePointComment(Listing& listing, const std::string& word, const std::string& x,
                       const std::string& y, const std::string& z);
// "(mélységi ciklusok száma N)" for more than one pass; the depth of one pass
// and the typed maximum when the maximum is not the whole depth.
void WritePassComments(Listing& listing, int passes, long double passDepth, bool maxDiffers,
                       const std::string& maxText);

// "G21 G90" unless in series mode, "G0 Z<safe>", "G0 X<x> Y<y>".
void WriteOpening(Listing& listing, bool series, long double safeZ, long double x, long double y);
// "T<tool> M6", "S<speed> M3|M4", "G4 P2000"; the texts are written as typed.
void WriteToolBlock(Listing& listing, const std::string& toolText, const std::string& speedText,
                    bool m4, bool dwell = true);
// "M7" or "M8" for the coolant codes 7 and 8, nothing for 0.
void WriteCoolant(Listing& listing, int coolant);
// "G1 Z<z> F<feed>", "G0 Z<safe>", "G0 X<x> Y<y>": up to the surface, up
// to the safe height, back over the start point.
void WriteRetract(Listing& listing, long double z, int feed, long double safeZ, long double x,
                  long double y);
// Two lines of one space, so that the next program of a series stands apart.
void WriteSeriesGap(Listing& listing);
// "M9" when coolant was on, "M5" when a tool was set up, then "M30".
void WriteProgramEnd(Listing& listing, int coolant, bool toolBlock);
// The end of a program of a page with series mode: the gap in series mode
// with comments, the program end outside series mode.
void WriteClosing(Listing& listing, bool comments, bool series, int coolant, bool toolBlock);

}  // namespace verlo

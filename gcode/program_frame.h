// The frame every milling and drilling program shares: the comment head,
// the depth and pass comments, the opening (units, safe height, start
// point), the tool block with spindle start, the coolant line, the retract,
// and the closing (the gap after a program of a series, the program end).
// Each function writes exactly the lines its comment names; a page calls
// those its program writes the same way and writes its own lines where it
// differs.
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

// What the frame of one program is written from: the page's options as
// accepted and its tool block as typed.
struct Frame {
  bool comments = false;
  bool series = false;     // a program of a series: no units line, no end
  int coolant = 0;         // 0, 7 (M7) or 8 (M8)
  bool toolBlock = false;  // a tool change and spindle start are written
  std::string tool, speed;
  bool m4 = false;
  bool dwell = true;  // "G4 P2000" after the spindle start, for it to reach its speed
};

// The start of the comments: the title, a line of one space, and
// "(<pointWord> X<x> Y<y> Z<z>)" from the field texts as typed.
struct CommentHead {
  std::string title, pointWord;
  std::string x, y, z;
};
void WriteCommentHead(Listing& listing, const CommentHead& head);
// "(<word> X<x> Y<y> Z<z>)" alone.
void WritePointComment(Listing& listing, const std::string& word, const std::string& x,
                       const std::string& y, const std::string& z);
// "(marás mélysége <depth as typed>)".
void WriteDepthComment(Listing& listing, const std::string& depthText);

// The depth passes as the comments state them.
struct PassComment {
  int passes = 1;
  long double passDepth = 0;
  bool maxDiffers = false;  // the maximum per pass is not the whole depth
  std::string maxText;      // the maximum as typed
};
// "(mélységi ciklusok száma N)" for more than one pass; the depth of one pass
// and the typed maximum when the maximum is not the whole depth.
void WritePassComments(Listing& listing, const PassComment& passes);
// "(<pass>. mélységi ciklus)" before a pass, with comments and more than one
// pass.
void WritePassNumber(Listing& listing, const Frame& frame, int pass, int passes);

// The tool block when the frame has one: "T<tool> M6", "S<speed> M3|M4",
// and the dwell; then the coolant line.
void WriteSetUp(Listing& listing, const Frame& frame);
// "G21 G90" unless in series mode, "G0 Z<safe>", "G0 X<x> Y<y>", then the
// set-up.
void WriteOpening(Listing& listing, const Frame& frame, long double safeZ, long double x,
                  long double y);
// "G1 Z<z> F<feed>", "G0 Z<safe>", "G0 X<x> Y<y>": up to the surface, up
// to the safe height, back over the start point.
void WriteRetract(Listing& listing, long double z, int feed, long double safeZ, long double x,
                  long double y);
// Two lines of one space, so that the next program of a series stands apart.
void WriteSeriesGap(Listing& listing);
// "M9" when coolant was on, "M5" when a tool was set up, then "M30".
void WriteProgramEnd(Listing& listing, const Frame& frame);
// The end of a program of a page with series mode: the gap in series mode
// with comments, the program end outside series mode.
void WriteClosing(Listing& listing, const Frame& frame);

}  // namespace verlo

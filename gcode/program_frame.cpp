#include "gcode/program_frame.h"

#include "gcode/numbers.h"

namespace verlo {

std::string N4(long double value) {
  return FormatFloat4(value, '.');
}

std::string G1XY(long double x, long double y) {
  return "G1 X" + N4(x) + " Y" + N4(y);
}

std::string ArcLine(const std::string& line) {
  if (line.compare(0, 3, "G2 ") != 0 && line.compare(0, 3, "G3 ") != 0) return line;
  const std::string zero = " R0.0000";
  const size_t r = line.find(zero);
  if (r == std::string::npos) return line;
  const size_t end = r + zero.size();
  if (end != line.size() && line[end] != ' ') return line;  // R0.00001... is no zero
  return "G1" + line.substr(2, r - 2) + line.substr(end);
}

void WriteCommentHead(Listing& listing, const CommentHead& head) {
  Emit(listing, head.title);
  Emit(listing, " ");
  WritePointComment(listing, head.pointWord, head.x, head.y, head.z);
}

void WritePointComment(Listing& listing, const std::string& word, const std::string& x,
                       const std::string& y, const std::string& z) {
  Emit(listing, "(" + word + " X" + x + " Y" + y + " Z" + z + ")");
}

void WriteDepthComment(Listing& listing, const std::string& depthText) {
  Emit(listing, "(marás mélysége " + depthText + ")");
}

void WritePassComments(Listing& listing, const PassComment& p) {
  if (p.passes > 1) Emit(listing, "(mélységi ciklusok száma " + IntToStr(p.passes) + ")");
  if (p.maxDiffers) {
    Emit(listing, "(ciklusonkénti mélység " + N4(p.passDepth) + ")");
    Emit(listing, "(lépésenkénti max fogási mélység " + p.maxText + ")");
  }
}

void WritePassNumber(Listing& listing, const Frame& frame, int pass, int passes) {
  if (frame.comments && passes > 1) Emit(listing, "(" + IntToStr(pass) + ". mélységi ciklus)");
}

void WriteSetUp(Listing& listing, const Frame& frame) {
  if (frame.toolBlock) {
    Emit(listing, "T" + frame.tool + " M6");
    Emit(listing, "S" + frame.speed + (frame.m4 ? " M4" : " M3"));
    if (frame.dwell) Emit(listing, "G4 P2000");
  }
  if (frame.coolant == 7) Emit(listing, "M7");
  if (frame.coolant == 8) Emit(listing, "M8");
}

void WriteOpening(Listing& listing, const Frame& frame, long double safeZ, long double x,
                  long double y) {
  if (!frame.series) Emit(listing, "G21 G90");
  Emit(listing, "G0 Z" + N4(safeZ));
  Emit(listing, "G0 X" + N4(x) + " Y" + N4(y));
  WriteSetUp(listing, frame);
}

void WriteRetract(Listing& listing, long double z, int feed, long double safeZ, long double x,
                  long double y) {
  Emit(listing, "G1 Z" + N4(z) + " F" + IntToStr(feed));
  Emit(listing, "G0 Z" + N4(safeZ));
  Emit(listing, "G0 X" + N4(x) + " Y" + N4(y));
}

void WriteSeriesGap(Listing& listing) {
  Emit(listing, " ");
  Emit(listing, " ");
}

void WriteProgramEnd(Listing& listing, const Frame& frame) {
  if (frame.coolant != 0) Emit(listing, "M9");
  if (frame.toolBlock) Emit(listing, "M5");
  Emit(listing, "M30");
}

void WriteClosing(Listing& listing, const Frame& frame) {
  if (frame.comments && frame.series) WriteSeriesGap(listing);
  if (!frame.series) WriteProgramEnd(listing, frame);
}

}  // namespace verlo

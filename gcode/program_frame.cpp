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

void WritePointComment(Listing& listing, const std::string& word, const std::string& x,
                       const std::string& y, const std::string& z) {
  Emit(listing, "(" + word + " X" + x + " Y" + y + " Z" + z + ")");
}

void WritePassComments(Listing& listing, int passes, long double passDepth, bool maxDiffers,
                       const std::string& maxText) {
  if (passes > 1) Emit(listing, "(mélységi ciklusok száma " + IntToStr(passes) + ")");
  if (maxDiffers) {
    Emit(listing, "(ciklusonkénti mélység " + N4(passDepth) + ")");
    Emit(listing, "(lépésenkénti max fogási mélység " + maxText + ")");
  }
}

void WriteOpening(Listing& listing, bool series, long double safeZ, long double x, long double y) {
  if (!series) Emit(listing, "G21 G90");
  Emit(listing, "G0 Z" + N4(safeZ));
  Emit(listing, "G0 X" + N4(x) + " Y" + N4(y));
}

void WriteToolBlock(Listing& listing, const std::string& toolText, const std::string& speedText,
                    bool m4, bool dwell) {
  Emit(listing, "T" + toolText + " M6");
  Emit(listing, "S" + speedText + (m4 ? " M4" : " M3"));
  if (dwell) Emit(listing, "G4 P2000");
}

void WriteCoolant(Listing& listing, int coolant) {
  if (coolant == 7) Emit(listing, "M7");
  if (coolant == 8) Emit(listing, "M8");
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

void WriteProgramEnd(Listing& listing, int coolant, bool toolBlock) {
  if (coolant != 0) Emit(listing, "M9");
  if (toolBlock) Emit(listing, "M5");
  Emit(listing, "M30");
}

void WriteClosing(Listing& listing, bool comments, bool series, int coolant, bool toolBlock) {
  if (comments && series) WriteSeriesGap(listing);
  if (!series) WriteProgramEnd(listing, coolant, toolBlock);
}

}  // namespace verlo

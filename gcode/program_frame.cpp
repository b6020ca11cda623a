#include "gcode/program_frame.h"

#include "gcode/numbers.h"

namespace verlo {

std::string N4(long double value) {
  return FormatFloat4(value, '.');
}

std::string G1XY(long double x, long double y) {
  return "G1 X" + N4(x) + " Y" + N4(y);
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

void WriteSeriesGap(Listing& listing) {
  Emit(listing, " ");
  Emit(listing, " ");
}

void WriteProgramEnd(Listing& listing, int coolant, bool toolBlock) {
  if (coolant != 0) Emit(listing, "M9");
  if (toolBlock) Emit(listing, "M5");
  Emit(listing, "M30");
}

}  // namespace verlo

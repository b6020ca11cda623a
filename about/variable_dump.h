// "Összes változó kiírása": the About box's own variables and the drilling
// page's working values, as lines for the log memo.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "hostlink/host_link.h"
#include "wizards/drill_circle/hole_table.h"

namespace verlo {

// What the dump shows of the drilling page ("Fúrás kör mentén"). The main
// window fills it from the page; all zeros before any drill program.
struct DrillingDump {
  long double x = 0, y = 0, z = 0;  // u8_x_, u8_y_, u8_z_
  long double r = 0;                // u8_r_, the circle's radius
  long double zsb = 0, zs = 0;      // u8_zsb_, u8_zs_
  long double sz = 0;               // u8_sz_, the drill's diameter
  long double szc = 0;              // u8_szc_, the peck depth
  long double rd = 0;               // u8_rd_, the circle's diameter
  int anc = 0;                      // u8_anc, the hole-selection state
  int ancl = 0;                     // u8_ancl, the last hole count
  // u8_an from row 0: angle, X and Y on the circle, cosine, sine. Rows
  // past the end are zero.
  std::vector<std::array<long double, 5>> an;
  // The selection flag of hole k at [k - 1] (1 drill, 0 skip); holes past
  // the end are skipped.
  std::vector<int> selected;
};

// The rows the hole table holds at most (0 to 1000).
inline constexpr int kLastHoleRow = 1000;

// What the dump shows of the drilling page's values.
DrillingDump DumpOf(const DrillValues& values);

std::vector<std::string> VariableDump(const HostLinkRoutines& host, const DrillingDump& drilling);

}  // namespace verlo

// The values the drilling page accepts and the hole tables it computes from
// them, kept for the life of the process; the hole selector's boxes are
// placed from the tables. The u8_ names are those the About box's variable
// dump prints.
#pragma once

#include <array>
#include <vector>

#include "platform/hole_selector.h"
#include "wizards/common/milling_fields.h"

namespace verlo {

// The most holes on one circle.
inline constexpr int kMaxHoles = 1000;

struct DrillValues {
  long double u8_x_ = 0, u8_y_ = 0, u8_z_ = 0;  // circle centre X, Y; Z start
  long double u8_zsb_ = 0, u8_zs_ = 0;          // safety offset; safe Z (u8_z_ + u8_zsb_)
  long double depth = 0;                        // the cycle's Z word
  long double retract = 0;                      // the cycle's R word
  long double rotation = 0;                     // of the pattern, degrees
  long double u8_sz_ = 0;                       // drill diameter
  long double u8_rd_ = 0, u8_r_ = 0;            // circle diameter and radius
  long double u8_szc_ = 0;                      // peck depth used, sign as typed
  int holes = 0;                                // hole count n
  int feed = 0;
  int cycle = 83;  // 73 or 83
  ToolSpindle spindle;
  MillingOptions options;  // comments, coolant, m4, series

  // Entries of the hole tables in use; 0: no table pending.
  int u8_anc = 0;
  // u8_anc when the last program was written.
  int u8_ancl = 0;
  // Entries 0..kMaxHoles. Entry 0: the rotation and the absolute centre;
  // entry i: hole i; entries after the last hole all zero.
  // u8_an: angle with the rotation, X and Y relative to the centre, cos, sin.
  std::vector<std::array<long double, 5>> u8_an =
      std::vector<std::array<long double, 5>>(kMaxHoles + 1);
  // The program's hole positions: angle without the rotation, X, Y.
  std::vector<std::array<long double, 3>> positions =
      std::vector<std::array<long double, 3>>(kMaxHoles + 1);
  // Per hole 1..kMaxHoles: 1 drill it, 0 leave it out (entry 0 unused).
  std::vector<int> selected = std::vector<int>(kMaxHoles + 1);
};

// Safe Z, radius and both tables from the accepted values; every hole
// selected. Holes follow counter-clockwise from the angle 360/n + rotation;
// hole n lies at 360 + rotation.
void ComputeHoles(DrillValues& v);

// The selector's boxes for holes 1..u8_anc: on a circle of 200 pixels
// around (280, 280) of the dialog, Y up; coordinates as captions for up to
// 12 holes, numbers up to 40, none beyond.
std::vector<HoleBox> HoleBoxes(const DrillValues& v);

}  // namespace verlo

#include "wizards/drill_circle/hole_table.h"

#include <cmath>

#include "gcode/numbers.h"

namespace verlo {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// Rounded to the nearest integer, halves away from zero.
int Nearest(long double v) {
  return static_cast<int>(std::lround(v));
}

}  // namespace

void ComputeHoles(DrillValues& v) {
  v.u8_zs_ = v.u8_z_ + v.u8_zsb_;
  v.u8_r_ = v.u8_rd_ / 2;
  v.u8_anc = 0;
  v.u8_an[0] = {v.rotation, v.u8_x_, v.u8_y_, 0, 0};
  v.positions[0] = {v.rotation, v.u8_x_, v.u8_y_};
  // The reader accepts 1..kMaxHoles holes; hole n is the last, whatever
  // rounding makes of n times the step.
  for (int i = 1; i <= kMaxHoles; ++i) {
    if (i > v.holes) {
      v.u8_an[i] = {};
      v.positions[i] = {};
      v.selected[i] = 0;
      continue;
    }
    const long double a = i * (360.0L / v.holes);
    const long double t = (a + v.rotation) * 2 * kPi / 360;
    const long double c = std::cos(t), s = std::sin(t);
    const long double x = c * v.u8_r_, y = s * v.u8_r_;
    v.u8_an[i] = {a + v.rotation, x, y, c, s};
    v.positions[i] = {a, x, y};
    v.selected[i] = 1;
    v.u8_anc = i;
  }
}

std::vector<HoleBox> HoleBoxes(const DrillValues& v) {
  std::vector<HoleBox> boxes;
  const int n = v.u8_anc;
  for (int i = 1; i <= n; ++i) {
    const auto& e = v.u8_an[static_cast<size_t>(i)];
    HoleBox b;
    b.left = Nearest(e[3] * 200) + 280;
    b.top = 280 - Nearest(e[4] * 200);
    if (n <= 12) {
      b.caption = "X" + FormatFloat4(e[1]) + " Y" + FormatFloat4(e[2]);
      b.width = 120;
    } else if (n <= 40) {
      b.caption = IntToStr(i) + ".";
      b.width = 30;
    } else {
      b.width = 10;
    }
    boxes.push_back(b);
  }
  return boxes;
}

}  // namespace verlo

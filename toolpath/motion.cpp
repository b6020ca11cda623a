// Straight moves and arcs. An arc is refused exactly where LinuxCNC's
// interpreter refuses it (measured with its rs274):
// - R format: when half the chord exceeds |R| by more than 0.00127 mm; up to
//   that the arc is a half circle round the chord's midpoint;
// - I/J format: when the radii at start and end differ by more than
//   0.02·√2 mm and by more than 0.1 % of the larger, or by more than 100 times
//   0.02·√2 mm in any case; a radius below 0.00127 mm at either end is no
//   arc (an R arc has no such bound: R0.001 is read).
#include <algorithm>
#include <cmath>

#include "gcode/numbers.h"
#include "toolpath/interpreter.h"

namespace verlo::toolpath::detail {
namespace {

constexpr double kRadiusReach = 0.00127;                         // mm
constexpr double kRadiusDifference = 0.02 * 1.4142135623730951;  // mm
constexpr double kRadiusDifferenceShare = 0.001;

std::string N4(double v) {
  return FormatFloat4(v, '.');
}

}  // namespace

Vec3 Interpreter::Target(const LineWords& w) const {
  Vec3 to = at_;
  double* axes[3] = {&to.x, &to.y, &to.z};
  const char letters[3] = {'X', 'Y', 'Z'};
  for (int i = 0; i < 3; ++i)
    if (w.Has(letters[i]))
      *axes[i] = incremental_ ? *axes[i] + w.Get(letters[i]) : w.Get(letters[i]);
  return to;
}

bool Interpreter::Motion(const LineWords& w, const LineCodes& c) {
  if (c.motion >= 0) {
    motion_ = c.motion == 800 ? kNoMotion : c.motion;
    if (motion_ != 730 && motion_ != 830) cycleOn_ = haveZ_ = haveR_ = false;
  }
  if (c.nonModal == 100) return true;  // the axis words of G10 are its offsets
  if (!w.HasAxis()) {
    if ((c.motion == 20 || c.motion == 30) && (w.Has('I') || w.Has('J') || w.Has('R')))
      return Fail("az ívhez X vagy Y végpont kell");
    return true;
  }
  switch (motion_) {
    case 0:
      return Emit(MoveKind::Rapid, Target(w));
    case 10:
      return Emit(MoveKind::Feed, Target(w));
    case 20:
    case 30:
      return Arc(w, c);
    case 730:
    case 830:
      return Cycle(w, c);
    default:
      break;
  }
  return Fail(c.motion == 800 ? "a G80 mellett nem állhat tengelyszó"
                              : "tengelyszó mozgáskód nélkül: előbb G0, G1, G2, G3, G73 vagy "
                                "G83 kell");
}

bool Interpreter::Arc(const LineWords& w, const LineCodes& c) {
  const bool clockwise = motion_ == 20;
  const bool radiusForm = w.Has('R'), centreForm = w.Has('I') || w.Has('J');
  if (radiusForm && centreForm) return Fail("az ívhez R vagy I/J kell, a kettő együtt nem");
  if (!radiusForm && !centreForm) return Fail("az ívhez R vagy I/J szó kell");
  if (!w.Has('X') && !w.Has('Y')) return Fail("az ívhez X vagy Y végpont kell");
  long long turns = 1;
  if (w.Has('P') && c.call < 0 && c.nonModal < 0 && !Whole(w, 'P', 1, turns)) return false;

  const Vec3 to = Target(w);
  const double x0 = at_.x, y0 = at_.y, x1 = to.x, y1 = to.y;
  double cx = 0, cy = 0;
  if (radiusForm) {
    const double radius = w.Get('R'), reach = std::fabs(radius);
    if (x0 == x1 && y0 == y1)
      return Fail("az R-rel írt ív kezdő- és végpontja azonos: teljes kör csak I/J-vel írható");
    const double mx = (x1 + x0) / 2, my = (y1 + y0) / 2;
    double half = std::hypot(mx - x1, my - y1);
    if (half - reach > kRadiusReach)
      return Fail("az ív sugara (R" + N4(radius) + ") nem éri el a végpontot, amely " +
                  FormatFloat4(2 * half) + " mm-re van a kezdőponttól");
    if (half / reach > 1 - 1e-12) half = reach;
    const double rise = std::sqrt(std::max(0.0, reach * reach - half * half));
    const double chord = std::hypot(x1 - x0, y1 - y0);
    const double ux = (x1 - x0) / chord, uy = (y1 - y0) / chord;
    // G3 with R > 0 turns left of the chord, G2 right; a negative R the other way.
    const double side = (clockwise ? -1.0 : 1.0) * (radius > 0 ? 1.0 : -1.0);
    cx = mx - side * rise * uy;
    cy = my + side * rise * ux;
  } else {
    cx = x0 + w.Get('I');
    cy = y0 + w.Get('J');
    const double r0 = std::hypot(x0 - cx, y0 - cy), r1 = std::hypot(x1 - cx, y1 - cy);
    if (r0 < kRadiusReach || r1 < kRadiusReach)
      return Fail("nulla sugarú ív: a középpont (I" + N4(w.Get('I')) + " J" + N4(w.Get('J')) +
                  ") a kezdő- vagy a végpontra esik");
    const double difference = std::fabs(r0 - r1);
    if (difference > 100 * kRadiusDifference ||
        (difference > kRadiusDifference && difference / std::max(r0, r1) > kRadiusDifferenceShare))
      return Fail("az ív kezdő- és végpontjának sugara eltér: " + FormatFloat4(r0) + " és " +
                  FormatFloat4(r1) + " mm");
  }
  return EmitArc(to, cx, cy, clockwise, static_cast<int>(turns));
}

}  // namespace verlo::toolpath::detail

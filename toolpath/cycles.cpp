// The drill cycles G73 and G83, expanded into the moves the control makes,
// as LinuxCNC's interpreter makes them (measured with its rs274):
// - on the way in: when the cycle began below its R plane, a rapid up to R
//   over the old hole; then a rapid to the hole at the current height or R,
//   whichever is higher, and a rapid down to R;
// - pecks of Q from R down, each a feed; G73 then backs off 0.254 mm to break
//   the chip, G83 rapids out to R and back down to 0.254 mm above the last
//   peck; the last feed reaches Z;
// - the way out: a rapid to R (G99, the default) or, after G98, to the height
//   the cycle began at when that is higher.
// The cycle's Z, R and Q stay in force for the bare hole lines that follow
// (X.. Y..), until G80 or another motion code ends it.
#include <algorithm>

#include "gcode/numbers.h"
#include "toolpath/interpreter.h"

namespace verlo::toolpath::detail {
namespace {

constexpr double kPeckClearance = 0.254;  // mm

}  // namespace

bool Interpreter::Cycle(const LineWords& w, const LineCodes& c) {
  const char* name = motion_ == 730 ? "G73" : "G83";
  if (incremental_) return Fail(std::string("a ") + name + " fúróciklust csak G90 mellett olvasom");
  if (w.Has('Q')) {
    if (w.Get('Q') <= 0) return Fail(std::string("a ") + name + " Q szava csak pozitív lehet");
    cycleQ_ = w.Get('Q');
  } else if (c.motion >= 0) {
    return Fail(std::string("a ") + name + " ciklushoz Q (fogásmélység) kell");
  }
  if (w.Has('Z')) {
    cycleZ_ = w.Get('Z');
    haveZ_ = true;
  }
  if (w.Has('R')) {
    cycleR_ = w.Get('R');
    haveR_ = true;
  }
  if (!haveZ_) return Fail(std::string("a ") + name + " ciklushoz Z (a furat alja) kell");
  if (!haveR_) return Fail(std::string("a ") + name + " ciklushoz R (a visszahúzás síkja) kell");
  const double bottom = cycleZ_, r = cycleR_, q = cycleQ_;
  if (r < bottom)
    return Fail("az R sík (R" + FormatFloat4(r, '.') + ") a furat alja (Z" +
                FormatFloat4(bottom, '.') + ") alatt van");
  if (!cycleOn_) {
    cycleOn_ = true;
    cycleStart_ = at_.z;
  }
  const double x = w.Has('X') ? w.Get('X') : at_.x, y = w.Has('Y') ? w.Get('Y') : at_.y;
  cycleMove_ = true;
  const auto rapid = [&](double px, double py, double pz) {
    return Emit(MoveKind::Rapid, {px, py, pz});
  };
  const auto feed = [&](double pz) { return Emit(MoveKind::Feed, {x, y, pz}); };
  bool ok = true;
  if (cycleStart_ < r) ok = rapid(at_.x, at_.y, r);
  const double over = std::max(at_.z, r);
  ok = ok && rapid(x, y, over);
  if (over != r) ok = ok && rapid(x, y, r);
  for (double depth = r - q; ok && depth > bottom; depth -= q) {
    ok = feed(depth);
    if (motion_ == 830) ok = ok && rapid(x, y, r);
    ok = ok && rapid(x, y, depth + kPeckClearance);
  }
  ok = ok && feed(bottom) && rapid(x, y, retractToStart_ ? std::max(cycleStart_, r) : r);
  cycleMove_ = false;
  if (ok) ++path_.holes;
  return ok;
}

}  // namespace verlo::toolpath::detail

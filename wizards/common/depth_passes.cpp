#include "wizards/common/depth_passes.h"

#include <cmath>

#include "gcode/numbers.h"

namespace verlo {

const char kTooManyPassesMessage[] =
    "A lépésenkénti maximális fogási mélység túl kicsi: legfeljebb 100 mélységi ciklus lehet.";
const char kStepOverTooSmallMessage[] =
    "A fogás szélessége túl kicsi: a zseb legfeljebb 99 körben készülhet el.";

int SearchPassCount(long double step, long double depth) {
  // The sums are compared as the plain form shows them, so that a depth that
  // is an exact multiple of the step as typed counts as one.
  const long double limit = Round15(std::fabs(depth));
  long double sum = 0;
  for (int i = 1; i <= 100; ++i) {
    sum += step;
    if (Round15(std::fabs(sum)) > limit) return i;
  }
  return 0;
}

int SearchRingCount(long double stepOver, long double width) {
  const long double limit = Round15(width);
  long double sum = 0;
  for (int i = 1; i <= 100; ++i) {
    sum += 2 * stepOver;
    if (Round15(sum) > limit) return i - 1;
  }
  return -1;
}

long double RemainderOrZero(long double remainder) {
  return std::fabs(remainder) < 0.00005L ? 0 : remainder;
}

DepthPasses ComputeDepthPasses(long double startZ, long double safeOffset, long double step,
                               long double depth) {
  DepthPasses p;
  p.safeZ = startZ + safeOffset;
  if (step == depth) {
    p.count = 1;
    p.dp = depth;
    return p;
  }
  p.count = SearchPassCount(step, depth);
  p.dp = p.count > 0 ? depth / p.count : 0;
  return p;
}

}  // namespace verlo

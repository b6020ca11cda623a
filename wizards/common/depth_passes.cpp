#include "wizards/common/depth_passes.h"

#include <cmath>

namespace verlo {

const char kTooManyPassesMessage[] =
    "A lépésenkénti maximális fogási mélység túl kicsi: legfeljebb 100 mélységi ciklus lehet.";
const char kStepOverTooSmallMessage[] =
    "A fogás szélessége túl kicsi: a zseb legfeljebb 99 körben készülhet el.";

int SearchPassCount(long double step, long double depth) {
  long double sum = 0;
  for (int i = 1; i <= 100; ++i) {
    sum += step;
    if (std::fabs(sum) > std::fabs(depth)) return i;
  }
  return 0;
}

int SearchRingCount(long double stepOver, long double width) {
  long double sum = 0;
  for (int i = 1; i <= 100; ++i) {
    sum += 2 * stepOver;
    if (sum > width) return i - 1;
  }
  return -1;
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

// The counts the milling pages search for: depth passes (the depth cut in
// equal passes no deeper than the maximum per pass) and the rings of a
// pocket (full step-overs that fit its width).
#pragma once

namespace verlo {

extern const char kTooManyPassesMessage[];     // more than 100 passes
extern const char kStepOverTooSmallMessage[];  // more than 99 rings

struct DepthPasses {
  long double safeZ = 0;  // start Z + safe offset
  long double dp = 0;     // depth of one pass
  int count = 0;          // number of passes; 0 when the search found none
};

// The first count (1..100) whose summed steps exceed the depth; 0 when none
// does.
int SearchPassCount(long double step, long double depth);

// Full rings that fit: the largest n (at most 99) with 2·n·stepOver <= width,
// as the search over 1..100 finds it; -1 when the search finds none.
int SearchRingCount(long double stepOver, long double width);

// A ring remainder that prints as 0.0000 counts as none: its lap would only
// repeat the last ring.
long double RemainderOrZero(long double remainder);

// Safe height and passes: one pass of the whole depth when the step equals
// it, else the searched count of equal passes.
DepthPasses ComputeDepthPasses(long double startZ, long double safeOffset, long double step,
                               long double depth);

}  // namespace verlo

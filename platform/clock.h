// Waiting: the host link waits fixed times for the host to act. Tests wait
// on a clock of their own, so no test sleeps the real time.
#pragma once

namespace verlo {

class Clock {
 public:
  virtual ~Clock() = default;
  // Blocks the calling thread.
  virtual void Sleep(int milliseconds) = 0;
};

// The real clock of the process.
Clock& SystemClock();

}  // namespace verlo

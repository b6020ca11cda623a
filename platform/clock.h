// Waiting: the host link waits fixed times for the host to act. Unit tests
// wait on a fake clock of their own instead of the real time.
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

#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace verlo {
namespace {

class SleepingClock : public Clock {
 public:
  void Sleep(int milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
};

}  // namespace

Clock& SystemClock() {
  static SleepingClock clock;
  return clock;
}

}  // namespace verlo

// The step store and step state: the programs the Fibonacci spiral and the
// circular pocket record while accumulation is on, as steps of one longer
// program, and what the spiral asks to leave out repeated opening, tool and
// spindle lines. One object, owned by the main window (or whoever drives the
// pages) and handed to the pages that use it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/shell_state.h"

namespace verlo {

// One recorded parameter: the caption of the control it comes from and its
// value (a number, a radio group's item index, 1 or 0 for a check box).
struct param_data {
  std::string caption;
  long double value = 0;
};

// One step.
struct step_data {
  int number = 0;  // its position in the store
  int wizard = 0;  // the wizard index of the page that recorded it
  std::string title;
  long double x = 0, y = 0, z = 0, w = 0;  // start X, Y, Z and the page's fourth value
  std::array<param_data, 19> params;       // filled from the first slot on
  std::string listing;                     // the page's listing, lines joined by CR LF
};

extern const char kStoreFullMessage[];

// A step's listing is its lines joined by CR LF.
std::string JoinedListing(const std::vector<std::string>& lines);
std::vector<std::string> ListingLines(const std::string& listing);

class StepStore {
 public:
  static constexpr int kCapacity = 101;

  explicit StepStore(const ShellState& shell) : shell_(shell) {}

  // Count 0, last tool and speed -1, direction M3, first-program marker unset.
  // Records already stored are overwritten by new ones.
  void Reset();

  // Yes when accumulation is on and the value differs from the one recorded
  // last, which it then becomes; no otherwise.
  bool SpeedChanged(int speed);
  bool ToolChanged(int tool);
  bool DirectionChanged(int m4);
  // Yes the first time after a reset (whatever the accumulate flag says).
  bool FirstProgram();

  // Appends the step at the next free index (its number set there). False,
  // and nothing stored, when all kCapacity places are taken.
  bool Append(step_data step);

  int Count() const { return count_; }
  const step_data& Step(int i) const { return steps_[static_cast<size_t>(i)]; }
  step_data& Step(int i) { return steps_[static_cast<size_t>(i)]; }

 private:
  static bool Changed(int accumulate, int value, int& last);

  const ShellState& shell_;
  std::array<step_data, kCapacity> steps_;
  int count_ = 0;
  int firstProgram_ = -1;
  int lastSpeed_ = -1, lastTool_ = -1, lastDirection_ = 0;
};

}  // namespace verlo

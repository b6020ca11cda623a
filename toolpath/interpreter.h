// The machine state a listing runs through, line by line: the modal codes,
// the work offsets, the variables and the subprogram calls. The reader's
// inside; ReadToolpath is its face.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "toolpath/line_parser.h"
#include "toolpath/reader.h"

namespace verlo::toolpath::detail {

// One line's words with their values, as the line runs.
struct LineWords {
  uint32_t has = 0;  // a bit per letter
  double value[26] = {};
  int g[8] = {}, m[8] = {};  // G codes times ten (G59.1: 591), M codes
  int gCount = 0, mCount = 0;

  bool Has(char c) const { return has & (1u << (c - 'A')); }
  double Get(char c) const { return value[c - 'A']; }
  bool HasAxis() const { return Has('X') || Has('Y') || Has('Z'); }
};

// The codes of one line by the group they belong to; -1 where the line has none.
struct LineCodes {
  int motion = -1;    // 0, 10, 20, 30, 730, 830, 800
  int nonModal = -1;  // 40 (G4), 100 (G10)
  int units = -1, distance = -1, system = -1, retract = -1;
  int stop = -1;     // M2, M30
  int spindle = -1;  // M3, M4, M5
  bool toolChange = false;
  uint8_t coolantOn = 0;
  bool coolantOff = false;
  int call = -1;  // M98, M99
};

class Interpreter {
 public:
  Interpreter(const ParsedListing& listing, const ReadLimits& limits, ReadResult& result);
  void Run();

 private:
  static constexpr int kNoMotion = -1;

  bool RunLine(size_t index, size_t& next);
  bool ReadWords(const ParsedLine& line, LineWords& words);
  bool Assign(const ParsedLine& line);
  bool Classify(const LineWords& w, LineCodes& c);
  bool Settings(const LineWords& w, const LineCodes& c);
  bool SetOffsets(const LineWords& w);
  bool Motion(const LineWords& w, const LineCodes& c);
  Vec3 Target(const LineWords& w) const;
  bool Arc(const LineWords& w, const LineCodes& c);
  bool Cycle(const LineWords& w, const LineCodes& c);
  bool Flow(const LineWords& w, const LineCodes& c, size_t index, size_t& next);

  // Appends a move to the point `to` of the current frame.
  bool Emit(MoveKind kind, const Vec3& to);
  bool EmitArc(const Vec3& to, double cx, double cy, bool clockwise, int turns);
  void NoteOrigin();
  bool Fail(const std::string& text);
  bool Fail(int line, const std::string& text);
  bool Whole(const LineWords& w, char letter, long long low, long long& out);
  const double* Offset() const { return offsets_[system_]; }

  const ParsedListing& listing_;
  const ReadLimits& limits_;
  ReadResult& result_;
  Toolpath& path_;

  int line_ = 0;  // 1-based, the line running
  long long executed_ = 0;
  bool ended_ = false;
  std::vector<double> variables_;
  std::unordered_map<int, size_t> programs_;    // O number -> its line index
  std::unordered_map<int, size_t> duplicates_;  // O number -> a second definition
  struct Call {
    size_t program;  // the O line's index
    size_t back;     // where the call returns to
    long long left;  // runs still to come, this one included
  };
  std::vector<Call> calls_;

  // Modal state.
  Vec3 at_;                    // in the current frame
  double offsets_[7][3] = {};  // 1..6: G54..G59
  int system_ = 1;
  bool originNoted_ = false;
  bool incremental_ = false;
  int motion_ = kNoMotion;  // 0, 10, 20, 30, 730, 830
  double feed_ = 0, speed_ = 0;
  Spindle spindle_ = Spindle::Off;
  uint8_t coolant_ = 0;
  int selected_ = 0, tool_ = 0;
  bool retractToStart_ = false;  // G98

  // The drill cycle running: where it started, its depth, plane and peck.
  bool cycleOn_ = false, haveZ_ = false, haveR_ = false;
  double cycleStart_ = 0, cycleZ_ = 0, cycleR_ = 0, cycleQ_ = 0;
  bool cycleMove_ = false;  // moves emitted now belong to a cycle
};

}  // namespace verlo::toolpath::detail

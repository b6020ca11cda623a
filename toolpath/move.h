// The moves a listing makes the machine do, as the reader finds them: in
// machine coordinates (the work offsets added), each with the listing line
// that wrote it and the state it runs in.
//
// Positions are doubles: the listings carry four decimals, and the reader
// computes as LinuxCNC's interpreter does, so that both give the same moves to
// the last printed digit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace verlo::toolpath {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

enum class MoveKind : uint8_t {
  Rapid,       // G0, and the rapids of a drill cycle
  Feed,        // G1, and the feeds of a drill cycle
  Arc,         // G2, G3: in the XY plane, Z moving along (a helix)
  Dwell,       // G4: no motion, `seconds` long
  ToolChange,  // M6: no motion
};

enum class Spindle : uint8_t { Off, Clockwise, CounterClockwise };

// Coolant bits as M7 and M8 switch them.
enum : uint8_t { kMist = 1, kFlood = 2 };

struct Move {
  MoveKind kind = MoveKind::Rapid;
  Spindle spindle = Spindle::Off;
  uint8_t coolant = 0;     // kMist | kFlood
  bool cycle = false;      // made by a drill cycle (G73, G83)
  bool clockwise = false;  // arcs: G2
  int32_t turns = 1;       // arcs: 1 up to one full turn, each further one a full circle more
  int32_t line = 0;        // the listing line (1-based) that wrote it
  int32_t tool = 0;        // the tool in the spindle (the last M6's T), 0 none
  Vec3 end;                // where the move ends; the start is the previous move's end
  double cx = 0, cy = 0;   // arcs: the centre
  double feed = 0;         // mm/min in force (F), 0 when none has been given
  double seconds = 0;      // dwells: the time
  double speed = 0;        // spindle speed in force (S)
};

// A tool diameter the listing's comments name, in force from a move on.
struct ToolDiameter {
  size_t fromMove = 0;
  double diameter = 0;
};

// A work origin a program moves in: the coordinate system (54 for G54 ... 59
// for G59) and where its zero lies in machine coordinates.
struct WorkOrigin {
  int system = 54;
  Vec3 at;
};

struct Toolpath {
  Vec3 start;  // the machine at rest before the first move
  std::vector<Move> moves;
  std::vector<ToolDiameter> diameters;  // in the order named
  std::vector<WorkOrigin> origins;      // each origin moved in, once, in the order first used
  int holes = 0;                        // drill cycles run (one per hole)

  const Vec3& StartOf(size_t move) const { return move == 0 ? start : moves[move - 1].end; }
};

// A line and what is wrong with it (or what a warning says), in Hungarian.
struct LineMessage {
  int line = 0;  // 1-based
  std::string text;
  // "12. sor: <text>"
  std::string Text() const { return std::to_string(line) + ". sor: " + text; }
};

}  // namespace verlo::toolpath

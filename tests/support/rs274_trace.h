// Runs a listing through LinuxCNC's stand-alone interpreter (rs274) and reads
// back the moves it would make, so the pages' G-code can be checked by an
// interpreter that is not ours.
//
// Positions are in program units (mm after G21) and in the G54 frame: the
// work offsets the program sets (G10 L2, G59, G92) are added back, so moves in
// different coordinate systems can be compared. Tool length offsets are not.
#pragma once

#include <string>
#include <vector>

namespace verlo::test {

// True when rs274 is on the PATH and runs a trivial program.
bool Rs274Available();

struct Point {
  double x = 0, y = 0, z = 0;
};

struct Move {
  enum Kind { Traverse, Feed, Arc } kind = Traverse;
  enum Plane { XY, XZ, YZ } plane = XY;  // arcs: the plane selected by G17/G18/G19
  double x = 0, y = 0, z = 0;            // end point
  double cx = 0, cy = 0, cz = 0;         // arcs: centre (the plane's axis coordinate is unused)
  int rotation = 0;  // arcs: as rs274 prints it; > 0 counterclockwise in the plane, < 0
                     // clockwise, |rotation| - 1 extra full turns
  double startX = 0, startY = 0, startZ = 0;  // the first move starts at rs274's 0 0 0
  int lineNo = 0;   // 1-based index into the program lines; 0 when not known
  double feed = 0;  // the feed rate in force (SET_FEED_RATE)

  Point Start() const { return {startX, startY, startZ}; }
  Point End() const { return {x, y, z}; }
  bool Cuts() const { return kind != Traverse; }
};

// A call that makes no move: a dwell (DWELL, seconds as rs274 reads P) or a
// tool change (CHANGE_TOOL), after `movesBefore` moves.
struct Event {
  enum Kind { Dwell, ToolChange } kind = Dwell;
  size_t movesBefore = 0;
  double value = 0;  // dwell: P; tool change: the tool
  int lineNo = 0;
};

struct Trace {
  bool ok = false;
  std::string error;  // the interpreter's message and the offending line
  std::vector<Move> moves;
  std::vector<Event> events;
  std::string raw;  // rs274's canonical call listing
};

// Writes the lines to a temporary file, runs rs274 over it with a tool table
// holding tools 1..99 (and every T number the program names), and parses the
// moves. Lines are numbered with N words for rs274 so that each move knows its
// line; lines starting with '%', '/' or an N word are passed unchanged.
// rs274 refuses a program that does not end with M2 or M30.
Trace RunRs274(const std::vector<std::string>& programLines);

// The lowest and highest Z the moves reach; the start point of the first move
// (where rs274 starts, or where an earlier slice of the listing left off) is
// not counted. 0 for no moves.
double MinZ(const Trace& trace);
double MaxZ(const Trace& trace);

// Signed angle an arc sweeps in its plane (radians, > 0 counterclockwise);
// 0 for straight moves.
double Sweep(const Move& move);

// Points along a move, both ends included, at most `spacing` apart along the
// path. Arcs honour the turn sense, extra turns and the helical axis move.
std::vector<Point> Samples(const Move& move, double spacing = 0.5);

// The moves made by program lines first..last (1-based), as a trace of their
// own: one program in a listing of several.
Trace LinesOf(const Trace& trace, int first, int last);

// Distance in XY from p to the segment a..b.
double DistanceXY(const Point& p, const Point& a, const Point& b);

// A hole a canned cycle drilled: its XY and the lowest Z a feed reached.
struct Hole {
  double x = 0, y = 0, bottom = 0;
};
// The holes in the order drilled: each run of vertical feed moves at one XY
// (a cycle's pecks) is one hole.
std::vector<Hole> DrilledHoles(const Trace& trace);

// The program as one text, one line each, for failure messages.
std::string ProgramText(const std::vector<std::string>& lines);

// The sampled points of the feed and arc moves that lie below `surfaceZ`
// (by more than 1e-6): the points where the tool is in the material.
std::vector<Point> CuttingPoints(const Trace& trace, double surfaceZ, double spacing = 0.5);

}  // namespace verlo::test

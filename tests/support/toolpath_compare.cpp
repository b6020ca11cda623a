#include "tests/support/toolpath_compare.h"

#include <cmath>
#include <sstream>
#include <vector>

namespace verlo::test {
namespace {

using toolpath::MoveKind;

std::string Describe(const toolpath::Move& m) {
  static const char* const kinds[] = {"rapid", "feed", "arc", "dwell", "tool change"};
  std::ostringstream s;
  s << kinds[static_cast<int>(m.kind)] << " of line " << m.line << " to " << m.end.x << " "
    << m.end.y << " " << m.end.z << " F" << m.feed;
  if (m.kind == MoveKind::Arc)
    s << " centre " << m.cx << " " << m.cy << (m.clockwise ? " cw" : " ccw") << " x" << m.turns;
  if (m.kind == MoveKind::Dwell) s << " " << m.seconds << " s";
  return s.str();
}

std::string Describe(const Move& m) {
  static const char* const kinds[] = {"rapid", "feed", "arc"};
  std::ostringstream s;
  s << kinds[m.kind] << " of line " << m.lineNo << " to " << m.x << " " << m.y << " " << m.z << " F"
    << m.feed;
  if (m.kind == Move::Arc) s << " centre " << m.cx << " " << m.cy << " rotation " << m.rotation;
  return s.str();
}

bool Same(const toolpath::Move& a, const Move& b, double tolerance) {
  const bool kind = (a.kind == MoveKind::Rapid && b.kind == Move::Traverse) ||
                    (a.kind == MoveKind::Feed && b.kind == Move::Feed) ||
                    (a.kind == MoveKind::Arc && b.kind == Move::Arc && b.plane == Move::XY);
  if (!kind || a.line != b.lineNo) return false;
  const auto near = [&](double x, double y) { return std::fabs(x - y) <= tolerance; };
  if (!near(a.end.x, b.x) || !near(a.end.y, b.y) || !near(a.end.z, b.z)) return false;
  if (a.kind != MoveKind::Rapid && !near(a.feed, b.feed)) return false;
  if (a.kind != MoveKind::Arc) return true;
  return near(a.cx, b.cx) && near(a.cy, b.cy) && b.rotation == (a.clockwise ? -a.turns : a.turns);
}

std::string Short(double v) {
  std::ostringstream s;
  s.setf(std::ios::fixed);
  s.precision(4);
  s << (std::fabs(v) < 5e-5 ? 0.0 : v);
  std::string text = s.str();
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

std::string BriefMoves(const toolpath::Toolpath& path) {
  std::string out;
  for (const toolpath::Move& m : path.moves) {
    if (!out.empty()) out += ' ';
    const std::string at = Short(m.end.x) + "," + Short(m.end.y) + "," + Short(m.end.z);
    switch (m.kind) {
      case MoveKind::Rapid:
        out += "r" + at;
        break;
      case MoveKind::Feed:
        out += "f" + at + (m.feed > 0 ? "F" + Short(m.feed) : "");
        break;
      case MoveKind::Arc:
        out += "a" + at + "@" + Short(m.cx) + "," + Short(m.cy) + (m.clockwise ? "cw" : "ccw") +
               (m.turns > 1 ? "*" + std::to_string(m.turns) : "");
        break;
      case MoveKind::Dwell:
        out += "d" + Short(m.seconds);
        break;
      case MoveKind::ToolChange:
        out += "t" + std::to_string(m.tool);
        break;
    }
  }
  return out;
}

std::vector<std::string> ListingLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::string DifferenceFromRs274(const toolpath::Toolpath& path, const Trace& trace,
                                double tolerance) {
  std::vector<const toolpath::Move*> moves, events;
  std::vector<size_t> eventsAt;
  for (const toolpath::Move& m : path.moves) {
    if (m.kind == MoveKind::Dwell || m.kind == MoveKind::ToolChange) {
      events.push_back(&m);
      eventsAt.push_back(moves.size());
    } else {
      moves.push_back(&m);
    }
  }
  for (size_t i = 0; i < std::max(moves.size(), trace.moves.size()); ++i) {
    const std::string ours = i < moves.size() ? Describe(*moves[i]) : "<none>";
    const std::string theirs = i < trace.moves.size() ? Describe(trace.moves[i]) : "<none>";
    if (i >= moves.size() || i >= trace.moves.size() || !Same(*moves[i], trace.moves[i], tolerance))
      return "move " + std::to_string(i + 1) + "\n  reader: " + ours + "\n  rs274:  " + theirs;
  }
  for (size_t i = 0; i < std::max(events.size(), trace.events.size()); ++i) {
    if (i >= events.size() || i >= trace.events.size())
      return "the reader has " + std::to_string(events.size()) +
             " dwells and tool changes, rs274 " + std::to_string(trace.events.size());
    const toolpath::Move& m = *events[i];
    const Event& e = trace.events[i];
    const bool dwell = m.kind == MoveKind::Dwell;
    const bool same = (dwell ? e.kind == Event::Dwell : e.kind == Event::ToolChange) &&
                      eventsAt[i] == e.movesBefore && m.line == e.lineNo &&
                      std::fabs((dwell ? m.seconds * 1000 : m.tool) - e.value) <= tolerance;
    if (!same)
      return "event " + std::to_string(i + 1) + "\n  reader: " + Describe(m) + " after " +
             std::to_string(eventsAt[i]) +
             " moves\n  rs274:  " + (e.kind == Event::Dwell ? "dwell P" : "tool change T") +
             std::to_string(e.value) + " of line " + std::to_string(e.lineNo) + " after " +
             std::to_string(e.movesBefore) + " moves";
  }
  return "";
}

}  // namespace verlo::test

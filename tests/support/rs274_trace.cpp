#include "tests/support/rs274_trace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>
#include <utility>

namespace verlo::test {
namespace {

namespace fs = std::filesystem;

constexpr double kPi = 3.14159265358979323846;
constexpr int kTimeoutSeconds = 60;

std::string FindRs274() {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "/usr/bin:/bin");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    const std::string candidate = (dir.empty() ? "." : dir) + "/rs274";
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

const std::string& Rs274Path() {
  static const std::string path = FindRs274();
  return path;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool StartsWithN(const std::string& line, size_t i) {
  return i + 1 < line.size() && (line[i] == 'N' || line[i] == 'n') &&
         std::isdigit(static_cast<unsigned char>(line[i + 1]));
}

// The program with each line numbered by its index, so rs274 reports it.
std::string NumberedProgram(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const size_t first = line.find_first_not_of(" \t");
    const bool keep = first != std::string::npos &&
                      (line[first] == '%' || line[first] == '/' || StartsWithN(line, first));
    if (!keep) text += "N" + std::to_string(i + 1) + " ";
    text += line + "\n";
  }
  return text;
}

// Tools 1..99 and any other T number the program names (comments included:
// an extra tool does no harm).
std::string ToolTable(const std::vector<std::string>& lines) {
  std::set<long> tools;
  for (long t = 1; t <= 99; ++t) tools.insert(t);
  for (const std::string& line : lines)
    for (size_t i = 0; i + 1 < line.size(); ++i)
      if ((line[i] == 'T' || line[i] == 't') &&
          std::isdigit(static_cast<unsigned char>(line[i + 1])))
        tools.insert(std::strtol(line.c_str() + i + 1, nullptr, 10));
  std::string table;
  int pocket = 0;
  for (long t : tools) {
    if (++pocket > 1000) break;
    table += "T" + std::to_string(t) + " P" + std::to_string(pocket) + " D5.0 ;\n";
  }
  return table;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Runs rs274 in `dir`. Returns its exit status, or -1 with `problem` set when
// it did not run, crashed or overran the time limit.
int Run(const fs::path& dir, std::string& problem) {
  const std::string& exe = Rs274Path();
  if (exe.empty()) {
    problem = "rs274 not found";
    return -1;
  }
  std::vector<std::string> args = {"rs274", "-g", "-t", "tools.tbl", "program.ngc", "moves.txt"};
  // rs274 keeps its tool data in $HOME/.tool.mmap, truncated on every start:
  // runs side by side need their own.
  std::vector<std::string> env = {"HOME=" + dir.string()};
  for (char** e = environ; *e; ++e)
    if (std::string(*e).rfind("HOME=", 0) != 0) env.push_back(*e);
  const std::vector<char*> argv = Pointers(args), envp = Pointers(env);

  const pid_t pid = fork();
  if (pid < 0) {
    problem = "cannot start rs274";
    return -1;
  }
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(126);
    const int in = open("/dev/null", O_RDONLY);
    const int out = open("messages.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0) _exit(126);
    dup2(in, 0);
    dup2(out, 1);
    dup2(out, 2);
    execve(exe.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kTimeoutSeconds);
  int status = 0;
  for (;;) {
    const pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == pid) break;
    if (r < 0) {
      problem = "lost the rs274 process";
      return -1;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      problem = "rs274 did not finish in " + std::to_string(kTimeoutSeconds) + " s";
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  problem = "rs274 stopped by signal " + std::to_string(WTERMSIG(status));
  return -1;
}

std::vector<double> Numbers(const std::string& args) {
  std::vector<double> values;
  std::stringstream s(args);
  std::string item;
  while (std::getline(s, item, ',')) values.push_back(std::strtod(item.c_str(), nullptr));
  return values;
}

// Reads the canonical calls, following the current point and the offsets.
void ParseMoves(Trace& trace) {
  std::stringstream in(trace.raw);
  std::string line;
  Point at;  // current point, G54 frame
  double g5x[3] = {0, 0, 0}, g92[3] = {0, 0, 0};
  Move::Plane plane = Move::XY;
  double feedRate = 0;
  while (std::getline(in, line)) {
    const size_t n = line.find('N');
    const size_t open = line.find('(');
    const size_t close = line.rfind(')');
    if (n == std::string::npos || open == std::string::npos || open < n || close < open) continue;
    size_t p = n + 1;
    const int lineNo = std::isdigit(static_cast<unsigned char>(line[p])) ? std::atoi(&line[p]) : 0;
    while (p < open && (std::isdigit(static_cast<unsigned char>(line[p])) || line[p] == '.')) ++p;
    while (p < open && line[p] == ' ') ++p;
    const std::string name = line.substr(p, open - p);
    const std::string args = line.substr(open + 1, close - open - 1);

    if (name == "SELECT_PLANE") {
      plane = args.find("XZ") != std::string::npos   ? Move::XZ
              : args.find("YZ") != std::string::npos ? Move::YZ
                                                     : Move::XY;
      continue;
    }
    if (name == "SET_FEED_RATE") {
      feedRate = std::strtod(args.c_str(), nullptr);
      continue;
    }
    if (name == "DWELL" || name == "CHANGE_TOOL") {
      trace.events.push_back({name == "DWELL" ? Event::Dwell : Event::ToolChange,
                              trace.moves.size(), std::strtod(args.c_str(), nullptr), lineNo});
      continue;
    }
    if (name == "SET_G5X_OFFSET" || name == "SET_G92_OFFSET") {
      const std::vector<double> v = Numbers(args);
      const bool g5 = name == "SET_G5X_OFFSET";
      const size_t first = g5 ? 1 : 0;
      if (v.size() < first + 3) continue;
      for (int i = 0; i < 3; ++i) (g5 ? g5x : g92)[i] = v[first + i];
      continue;
    }
    const bool traverse = name == "STRAIGHT_TRAVERSE", feed = name == "STRAIGHT_FEED";
    const bool arc = name == "ARC_FEED";
    if (!traverse && !feed && !arc) continue;
    const std::vector<double> v = Numbers(args);
    if (v.size() < (arc ? 6u : 3u)) continue;

    Move m;
    m.lineNo = lineNo;
    m.feed = feedRate;
    m.startX = at.x;
    m.startY = at.y;
    m.startZ = at.z;
    double end[3], centre[3] = {0, 0, 0};
    if (!arc) {
      m.kind = traverse ? Move::Traverse : Move::Feed;
      for (int i = 0; i < 3; ++i) end[i] = v[i];
    } else {
      // ARC_FEED(first end, second end, first centre, second centre, rotation, axis end, ...)
      m.kind = Move::Arc;
      m.plane = plane;
      m.rotation = static_cast<int>(std::lround(v[4]));
      const int first = plane == Move::XY ? 0 : plane == Move::XZ ? 2 : 1;
      const int second = plane == Move::XY ? 1 : plane == Move::XZ ? 0 : 2;
      const int axis = 3 - first - second;
      end[first] = v[0];
      end[second] = v[1];
      end[axis] = v[5];
      centre[first] = v[2];
      centre[second] = v[3];
    }
    for (int i = 0; i < 3; ++i) {
      end[i] += g5x[i] + g92[i];
      centre[i] += g5x[i] + g92[i];
    }
    m.x = end[0];
    m.y = end[1];
    m.z = end[2];
    if (arc) {
      m.cx = centre[0];
      m.cy = centre[1];
      m.cz = centre[2];
    }
    at = m.End();
    trace.moves.push_back(m);
  }
}

// Coordinates of a point in an arc's plane: first, second, axis.
void ToPlane(const Move& m, const Point& p, double out[3]) {
  const double xyz[3] = {p.x, p.y, p.z};
  const int idx[3][3] = {{0, 1, 2}, {2, 0, 1}, {1, 2, 0}};
  for (int i = 0; i < 3; ++i) out[i] = xyz[idx[m.plane][i]];
}

Point FromPlane(const Move& m, const double in[3]) {
  const int idx[3][3] = {{0, 1, 2}, {2, 0, 1}, {1, 2, 0}};
  double xyz[3];
  for (int i = 0; i < 3; ++i) xyz[idx[m.plane][i]] = in[i];
  return {xyz[0], xyz[1], xyz[2]};
}

// The Z range a move reaches beyond its start point: lines and XY arcs are
// monotonic in Z, arcs in the other planes are sampled.
std::pair<double, double> ZRange(const Move& m) {
  std::pair<double, double> range = {m.z, m.z};
  if (m.kind == Move::Arc && m.plane != Move::XY)
    for (const Point& p : Samples(m, 0.01))
      range = {std::min(range.first, p.z), std::max(range.second, p.z)};
  return range;
}

}  // namespace

bool Rs274Available() {
  static const bool available = [] {
    if (Rs274Path().empty()) return false;
    return RunRs274({"G21 G90", "G1 X1 F100", "M2"}).ok;
  }();
  return available;
}

Trace RunRs274(const std::vector<std::string>& programLines) {
  Trace trace;
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / "verlo-rs274-XXXXXX").string();
  if (ec || !mkdtemp(pattern.data())) {
    trace.error = "cannot make a temporary directory";
    return trace;
  }
  const fs::path dir = pattern;
  std::ofstream(dir / "program.ngc", std::ios::binary) << NumberedProgram(programLines);
  std::ofstream(dir / "tools.tbl", std::ios::binary) << ToolTable(programLines);

  std::string problem;
  const int status = Run(dir, problem);
  trace.raw = ReadFile(dir / "moves.txt");
  std::stringstream messages(ReadFile(dir / "messages.txt"));
  fs::remove_all(dir, ec);

  std::string line;
  while (std::getline(messages, line))
    if (line != "executing") trace.error += (trace.error.empty() ? "" : "\n") + line;
  trace.ok = status == 0;
  if (!problem.empty()) trace.error += (trace.error.empty() ? "" : "\n") + problem;
  if (!trace.ok && trace.error.empty())
    trace.error = "rs274 exited with status " + std::to_string(status);
  ParseMoves(trace);
  return trace;
}

double MinZ(const Trace& trace) {
  if (trace.moves.empty()) return 0;
  double z = trace.moves.front().z;
  for (const Move& m : trace.moves) z = std::min(z, ZRange(m).first);
  return z;
}

double MaxZ(const Trace& trace) {
  if (trace.moves.empty()) return 0;
  double z = trace.moves.front().z;
  for (const Move& m : trace.moves) z = std::max(z, ZRange(m).second);
  return z;
}

double Sweep(const Move& m) {
  if (m.kind != Move::Arc || m.rotation == 0) return 0;
  double s[3], e[3], c[3];
  ToPlane(m, m.Start(), s);
  ToPlane(m, m.End(), e);
  ToPlane(m, {m.cx, m.cy, m.cz}, c);
  const double a0 = std::atan2(s[1] - c[1], s[0] - c[0]);
  const double a1 = std::atan2(e[1] - c[1], e[0] - c[0]);
  // The partial turn lies in (0, 2pi]: equal ends make a full circle.
  double d = m.rotation > 0 ? a1 - a0 : a0 - a1;
  while (d <= 1e-9) d += 2 * kPi;
  while (d > 2 * kPi + 1e-9) d -= 2 * kPi;
  d += (std::abs(m.rotation) - 1) * 2 * kPi;
  return m.rotation > 0 ? d : -d;
}

std::vector<Point> Samples(const Move& m, double spacing) {
  std::vector<Point> points;
  const Point a = m.Start(), b = m.End();
  if (m.kind != Move::Arc) {
    const double length = std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
    const int n = std::max(1, static_cast<int>(std::ceil(length / spacing)));
    for (int i = 0; i <= n; ++i) {
      const double t = static_cast<double>(i) / n;
      points.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)});
    }
    return points;
  }
  double s[3], e[3], c[3];
  ToPlane(m, a, s);
  ToPlane(m, b, e);
  ToPlane(m, {m.cx, m.cy, m.cz}, c);
  const double r0 = std::hypot(s[0] - c[0], s[1] - c[1]);
  const double r1 = std::hypot(e[0] - c[0], e[1] - c[1]);
  const double a0 = std::atan2(s[1] - c[1], s[0] - c[0]);
  const double sweep = Sweep(m);
  const double length = std::hypot(std::max(r0, r1) * sweep, e[2] - s[2]);
  const int n = std::max(1, static_cast<int>(std::ceil(length / spacing)));
  for (int i = 0; i <= n; ++i) {
    const double t = static_cast<double>(i) / n;
    const double r = r0 + t * (r1 - r0), angle = a0 + t * sweep;
    const double p[3] = {c[0] + r * std::cos(angle), c[1] + r * std::sin(angle),
                         s[2] + t * (e[2] - s[2])};
    points.push_back(i == n ? b : FromPlane(m, p));
  }
  return points;
}

Trace LinesOf(const Trace& trace, int first, int last) {
  Trace part;
  part.ok = trace.ok;
  part.error = trace.error;
  for (const Move& m : trace.moves)
    if (m.lineNo >= first && m.lineNo <= last) part.moves.push_back(m);
  return part;
}

double DistanceXY(const Point& p, const Point& a, const Point& b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

std::vector<Hole> DrilledHoles(const Trace& trace) {
  std::vector<Hole> holes;
  for (const Move& m : trace.moves) {
    if (m.kind != Move::Feed || std::hypot(m.x - m.startX, m.y - m.startY) > 1e-9) continue;
    if (holes.empty() || std::hypot(m.x - holes.back().x, m.y - holes.back().y) > 1e-9)
      holes.push_back({m.x, m.y, m.z});
    holes.back().bottom = std::min(holes.back().bottom, m.z);
  }
  return holes;
}

std::string ProgramText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::vector<Point> CuttingPoints(const Trace& trace, double surfaceZ, double spacing) {
  std::vector<Point> points;
  for (const Move& m : trace.moves) {
    if (!m.Cuts()) continue;
    for (const Point& p : Samples(m, spacing))
      if (p.z < surfaceZ - 1e-6) points.push_back(p);
  }
  return points;
}

}  // namespace verlo::test

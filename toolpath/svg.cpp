#include "toolpath/svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "gcode/numbers.h"
#include "toolpath/geometry.h"

namespace verlo::toolpath {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kDepthColours = 8;
constexpr double kMargin = 40, kTitle = 24, kGap = 30;

// Numbers in the document: two decimals, a point whatever the locale.
void Put(std::string& out, double v) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::round(v * 100) / 100 + 0.0,
                               std::chars_format::fixed, 2);
  out.append(buffer, r.ptr);
}

// A count from a double of any size (NaN as `low`).
int Clamped(double v, int low, int high) {
  if (!(v > low)) return low;
  return v < high ? static_cast<int>(v) : high;
}

std::string Num(double v) {
  std::string s;
  Put(s, v);
  return s;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Blue at the top to red at the bottom.
std::string DepthColour(int bucket) {
  const double t = kDepthColours > 1 ? static_cast<double>(bucket) / (kDepthColours - 1) : 0;
  const auto channel = [](double v) {
    const char* hex = "0123456789abcdef";
    const int c = static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    return std::string{hex[c / 16], hex[c % 16]};
  };
  return "#" + channel(t) + channel(0.25 * (1 - std::fabs(2 * t - 1))) + channel(1 - t);
}

// One view: which coordinates it shows and where they land on the page.
struct View {
  bool top;                               // XY, else XZ
  double left, upper, scale, minX, maxV;  // maxV: the highest Y (top) or Z (front)

  double Px(const Vec3& p) const { return left + (p.x - minX) * scale; }
  double Py(const Vec3& p) const { return upper + (maxV - (top ? p.y : p.z)) * scale; }
  void Put(std::string& out, char command, const Vec3& p) const {
    out += command;
    toolpath::Put(out, Px(p));
    out += ' ';
    toolpath::Put(out, Py(p));
  }
};

// A path element's "d" built move by move, starting a new subpath only where
// the pen has to jump.
struct Pen {
  std::string d;
  Vec3 last;
  bool any = false;

  void MoveTo(const View& v, const Vec3& p) {
    if (any && std::fabs(v.Px(p) - v.Px(last)) < 0.005 && std::fabs(v.Py(p) - v.Py(last)) < 0.005)
      return;
    v.Put(d, 'M', p);
    any = true;
    last = p;
  }
  void LineTo(const View& v, const Vec3& p) {
    v.Put(d, 'L', p);
    last = p;
  }
};

void Draw(Pen& pen, const View& v, const Vec3& start, const Move& m) {
  pen.MoveTo(v, start);
  if (m.kind != MoveKind::Arc) {
    pen.LineTo(v, m.end);
    return;
  }
  const double sweep = ArcSweep(start, m);
  if (!v.top) {  // the front view sees a helix from the side: sampled
    // A point every 5° or every 2 px along the arc, whichever is fewer.
    const double pixels = MoveLength(start, m) * v.scale;
    const int n = Clamped(std::min(std::fabs(sweep) / (kPi / 36), pixels / 2) + 1, 2, 20000);
    for (int i = 1; i <= n; ++i) pen.LineTo(v, PointOnMove(start, m, static_cast<double>(i) / n));
    return;
  }
  // In the top view: SVG arcs of at most a quarter turn each. Y points down
  // on the page, so a counter-clockwise arc sweeps the page's negative way.
  // Turns beyond the last hundred lie under the ones drawn.
  const double quarters = std::ceil(std::fabs(sweep) / (kPi / 2) - 1e-9);
  const int pieces = Clamped(quarters, 1, 400);
  const double from = quarters > pieces ? 1 - pieces / quarters : 0;
  if (from > 0) pen.LineTo(v, PointOnMove(start, m, from));
  for (int i = 1; i <= pieces; ++i) {
    const double t = from + (1 - from) * i / pieces;
    const Vec3 p = PointOnMove(start, m, t);
    const double r = std::hypot(p.x - m.cx, p.y - m.cy) * v.scale;
    pen.d += 'A';
    Put(pen.d, r);
    pen.d += ' ';
    Put(pen.d, r);
    pen.d += m.clockwise ? " 0 0 1" : " 0 0 0";
    v.Put(pen.d, ' ', p);
    pen.last = p;
  }
}

// The depths the colours span: those of the cuts below the height of the
// program's first rapid in Z (cuts in the air at the safe height would take
// up the scale), or of all cuts when none lies below it.
void DepthRange(const Toolpath& path, double& top, double& bottom) {
  double safe = HUGE_VAL;
  for (size_t i = 0; i < path.moves.size() && safe == HUGE_VAL; ++i)
    if (path.moves[i].kind == MoveKind::Rapid &&
        std::fabs(path.moves[i].end.z - path.StartOf(i).z) > 1e-6)
      safe = path.moves[i].end.z;
  for (const double limit : {safe - 1e-6, HUGE_VAL}) {
    Box range;
    for (size_t i = 0; i < path.moves.size(); ++i) {
      const Move& m = path.moves[i];
      if (m.kind != MoveKind::Feed && m.kind != MoveKind::Arc) continue;
      const Box b = MoveBounds(path.StartOf(i), m);
      if (b.max.z < limit) range.Add(b);
    }
    if (!range.empty) {
      top = range.max.z;
      bottom = range.min.z;
      return;
    }
  }
}

struct Layout {
  Box box;  // what is drawn: every move and the work origins
  double scale = 1, width = 0, topHeight = 0, frontHeight = 0;
};

Layout Arrange(const Toolpath& path, double width) {
  Layout l;
  l.box.Add(path.start);
  for (size_t i = 0; i < path.moves.size(); ++i)
    l.box.Add(MoveBounds(path.StartOf(i), path.moves[i]));
  for (const WorkOrigin& o : path.origins) l.box.Add(o.at);
  const double xr = l.box.max.x - l.box.min.x, yr = l.box.max.y - l.box.min.y,
               zr = l.box.max.z - l.box.min.z;
  const double largest = std::max({xr, yr, zr, 1e-3});
  l.scale = std::max(width, 50.0) / largest;
  l.width = xr * l.scale;
  l.topHeight = yr * l.scale;
  l.frontHeight = zr * l.scale;
  return l;
}

void Marker(std::string& out, const View& v, const Vec3& p, const char* shape) {
  const std::string x = Num(v.Px(p)), y = Num(v.Py(p));
  if (shape[0] == 'c')
    out += "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"5\" fill=\"#2ca02c\"/>\n";
  else
    out += "<rect x=\"" + Num(v.Px(p) - 4) + "\" y=\"" + Num(v.Py(p) - 4) +
           "\" width=\"8\" height=\"8\" fill=\"#d62728\"/>\n";
}

void Origin(std::string& out, const View& v, const WorkOrigin& o) {
  const double x = v.Px(o.at), y = v.Py(o.at);
  out += "<path d=\"M" + Num(x - 8) + " " + Num(y) + "H" + Num(x + 8) + "M" + Num(x) + " " +
         Num(y - 8) + "V" + Num(y + 8) + "\" stroke=\"#000\" stroke-width=\"1\"/>\n";
  out += "<text x=\"" + Num(x + 4) + "\" y=\"" + Num(y + 14) + "\" font-size=\"11\">G" +
         std::to_string(o.system) + "</text>\n";
}

void DrawView(std::string& out, const Toolpath& path, const View& v, const Layout& l,
              const std::string& title, double zTop, double zBottom) {
  out += "<text x=\"" + Num(v.left) + "\" y=\"" + Num(v.upper - 12) +
         "\" font-size=\"14\" font-weight=\"bold\">" + Escape(title) + "</text>\n";
  out += "<rect x=\"" + Num(v.left) + "\" y=\"" + Num(v.upper) + "\" width=\"" + Num(l.width) +
         "\" height=\"" + Num(v.top ? l.topHeight : l.frontHeight) +
         "\" fill=\"none\" stroke=\"#ddd\"/>\n";
  Pen rapids, cuts[kDepthColours];
  std::string holes;  // the top view marks where the tool goes straight down
  const Move* lastHole = nullptr;
  const double span = zTop - zBottom;
  const auto bucket = [&](double z) {
    return span > 1e-9 ? Clamped((zTop - z) / span * kDepthColours, 0, kDepthColours - 1) : 0;
  };
  for (size_t i = 0; i < path.moves.size(); ++i) {
    const Move& m = path.moves[i];
    if (m.kind == MoveKind::Dwell || m.kind == MoveKind::ToolChange) continue;
    const Vec3& start = path.StartOf(i);
    if (m.kind == MoveKind::Rapid) {
      Draw(rapids, v, start, m);
      continue;
    }
    const bool vertical =
        m.kind == MoveKind::Feed && std::hypot(m.end.x - start.x, m.end.y - start.y) < 1e-6;
    if (v.top && vertical) {
      if (m.end.z < start.z &&
          !(lastHole && lastHole->end.x == m.end.x && lastHole->end.y == m.end.y)) {
        holes += "<circle cx=\"" + Num(v.Px(m.end)) + "\" cy=\"" + Num(v.Py(m.end)) +
                 "\" r=\"3\" fill=\"none\" stroke=\"" + DepthColour(bucket(m.end.z)) + "\"/>\n";
        lastHole = &m;
      }
      continue;
    }
    Draw(cuts[bucket((start.z + m.end.z) / 2)], v, start, m);
  }
  if (rapids.any)
    out += "<path d=\"" + rapids.d +
           "\" fill=\"none\" stroke=\"#888\" stroke-width=\"0.8\" stroke-dasharray=\"4 3\"/>\n";
  for (int b = 0; b < kDepthColours; ++b)
    if (cuts[b].any)
      out += "<path d=\"" + cuts[b].d + "\" fill=\"none\" stroke=\"" + DepthColour(b) +
             "\" stroke-width=\"1.2\" stroke-linejoin=\"round\"/>\n";
  out += holes;
  for (const WorkOrigin& o : path.origins) Origin(out, v, o);
  Marker(out, v, path.start, "circle");
  Marker(out, v, path.moves.empty() ? path.start : path.moves.back().end, "square");
}

}  // namespace

std::string PreviewSvg(const Toolpath& path, const SvgOptions& options) {
  const Layout l = Arrange(path, options.width);
  const double pageWidth = l.width + 2 * kMargin + 40;
  const double topUpper = kMargin + kTitle;
  const double frontUpper = topUpper + l.topHeight + kGap + kTitle;
  const double pageHeight = frontUpper + l.frontHeight + kMargin + 24;
  std::string out;
  out.reserve(256 + path.moves.size() * 48);
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(pageWidth) + "\" height=\"" +
         Num(pageHeight) + "\" viewBox=\"0 0 " + Num(pageWidth) + " " + Num(pageHeight) +
         "\" font-family=\"sans-serif\">\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  double zTop = 0, zBottom = 0;
  DepthRange(path, zTop, zBottom);
  const View top{true, kMargin, topUpper, l.scale, l.box.min.x, l.box.max.y};
  const View front{false, kMargin, frontUpper, l.scale, l.box.min.x, l.box.max.z};
  DrawView(out, path, top, l, "Felülnézet (XY)", zTop, zBottom);
  DrawView(out, path, front, l, "Elölnézet (XZ)", zTop, zBottom);
  const std::string legend = path.moves.empty()
                                 ? "Nincs mozgás a programban."
                                 : "Vágás mélység szerint: kék Z" + FormatFloat4(zTop) +
                                       " → piros Z" + FormatFloat4(zBottom) +
                                       "; szaggatott: gyorsmenet; zöld: kezdet, piros: vég";
  out += "<text x=\"" + Num(kMargin) + "\" y=\"" + Num(pageHeight - 12) + "\" font-size=\"12\">" +
         Escape(legend) + "</text>\n";
  out += "</svg>\n";
  return out;
}

}  // namespace verlo::toolpath

#include "tests/support/floor_sweep.h"

#include <algorithm>
#include <cmath>

namespace verlo::test {
namespace {

int Cells(double length, double cell) {
  return std::max(1, static_cast<int>(std::ceil(length / cell - 1e-9)));
}

}  // namespace

FloorSweep::FloorSweep(double x0, double y0, double w, double h, double cell)
    : x0_(x0), y0_(y0), nx_(Cells(w, cell)), ny_(Cells(h, cell)) {
  dx_ = w / nx_;
  dy_ = h / ny_;
  cut_.assign(static_cast<size_t>(nx_ + 1) * (ny_ + 1), 0);
}

void FloorSweep::Cut(const Move& move, double reach) {
  if (move.kind != Move::Arc) return CutSegment(move.Start(), move.End(), reach);
  const std::vector<Point> path = Samples(move, 0.5);
  for (size_t k = 1; k < path.size(); ++k) CutSegment(path[k - 1], path[k], reach);
}

void FloorSweep::CutSegment(const Point& a, const Point& b, double reach) {
  const auto first = [](double from, double origin, double step) {
    return static_cast<int>(std::floor((from - origin) / step));
  };
  const int i0 = std::max(0, first(std::min(a.x, b.x) - reach, x0_, dx_));
  const int i1 = std::min(nx_, first(std::max(a.x, b.x) + reach, x0_, dx_) + 1);
  const int j0 = std::max(0, first(std::min(a.y, b.y) - reach, y0_, dy_));
  const int j1 = std::min(ny_, first(std::max(a.y, b.y) + reach, y0_, dy_) + 1);
  const double ux = b.x - a.x, uy = b.y - a.y, length2 = ux * ux + uy * uy, reach2 = reach * reach;
  for (int i = i0; i <= i1; ++i)
    for (int j = j0; j <= j1; ++j) {
      char& cell = cut_[Index(i, j)];
      if (cell) continue;
      const Point p = At(i, j);
      const double px = p.x - a.x, py = p.y - a.y;
      const double t = length2 > 0 ? std::clamp((px * ux + py * uy) / length2, 0.0, 1.0) : 0;
      const double ex = px - t * ux, ey = py - t * uy;
      if (ex * ex + ey * ey <= reach2) cell = 1;
    }
}

}  // namespace verlo::test

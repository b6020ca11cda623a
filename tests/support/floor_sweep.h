// The floor a flat end mill leaves: points of a rectangle on a fine grid,
// each marked cut once a move's path passes within the tool's reach of it.
#pragma once

#include <vector>

#include "tests/support/rs274_trace.h"

namespace verlo::test {

class FloorSweep {
 public:
  // The rectangle from (x0, y0), w by h, its edges included, in cells of at
  // most `cell`.
  FloorSweep(double x0, double y0, double w, double h, double cell);

  // Marks every point within `reach` (in XY) of the move's path.
  void Cut(const Move& move, double reach);

  // The points for which `mustCut` holds and that are not cut: their count,
  // the area they stand for and the first of them.
  struct Uncut {
    int points = 0;
    double area = 0;
    Point first;
  };
  template <class Predicate>
  Uncut Left(Predicate mustCut) const {
    Uncut u;
    for (int i = 0; i <= nx_; ++i)
      for (int j = 0; j <= ny_; ++j) {
        const Point p = At(i, j);
        if (cut_[Index(i, j)] || !mustCut(p)) continue;
        if (u.points++ == 0) u.first = p;
        u.area += dx_ * dy_;
      }
    return u;
  }

 private:
  Point At(int i, int j) const { return {x0_ + i * dx_, y0_ + j * dy_, 0}; }
  size_t Index(int i, int j) const { return static_cast<size_t>(i) * (ny_ + 1) + j; }
  void CutSegment(const Point& a, const Point& b, double reach);

  double x0_, y0_, dx_, dy_;
  int nx_, ny_;
  std::vector<char> cut_;
};

}  // namespace verlo::test

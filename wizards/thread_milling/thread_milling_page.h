// The thread milling page: an external ("Csavar") or internal ("Anya")
// thread milled with a single-profile tool on helices about the thread axis,
// one full turn per pitch, in radial passes of growing depth, from the top
// down or from the bottom up. Every press appends a further program.
#pragma once

#include <string>
#include <vector>

#include "wizards/common/create_page.h"
#include "wizards/common/milling_fields.h"

namespace verlo {

extern const char kTooManyTurnsMessage[];     // more than 1000 turns in a pass
extern const char kNutToolTooLargeMessage[];  // an internal thread's tool does not fit

// The most helical turns one pass cuts.
inline constexpr size_t kMaxTurns = 1000;

// What the page accepts. In `m`, start is the thread axis with the Z start,
// depth the radial thread depth D, step the depth per pass used, and the
// CCW option the left-hand thread.
struct ThreadValues {
  MillingValues m;
  long double pitch = 0, length = 0, diameter = 0;
  int nut = 0, bottomUp = 0, startRing = 0, endRing = 0;
};

// The tool centre's distances from the thread axis and the levels of a pass.
struct ThreadPath {
  long double r0 = 0;               // where the tool enters, before the first pass
  long double rF = 0;               // the last pass: the thread's root
  long double e = 0;                // radial depth of one pass
  long double retractX = 0;         // clear of the thread after each pass
  long double startZ = 0;           // where every pass starts: the Z start, or the thread's bottom
  std::vector<long double> levels;  // where the turns of a pass end, one pitch apart
};

// The levels where the turns of one pass end, each a pitch beyond the last:
// top-down from the Z start while not below the thread's end, bottom-up from
// the thread's bottom while not above one pitch over the Z start. At most
// limit + 1 levels are searched.
std::vector<long double> TurnLevels(long double startZ, long double pitch, long double length,
                                    bool bottomUp, size_t limit);

class TFrame11 : public CreatePage {
 public:
  explicit TFrame11(PageContext& context);

  void CheckParameters() override;
  void ComputePath() override;
  void WriteComments() override;
  void WriteProgram() override;
  long double ToolDiameter() const override { return v_.m.toolDiameter; }

  const ThreadValues& Values() const { return v_; }
  const ThreadPath& Path() const { return path_; }
  // The tool centre's radius on pass k (1..n); pass n lies on the root.
  long double PassRadius(int k) const;

 protected:
  // Every create appends: the listing is never cleared by a create.
  void StartListing() override {}
  // The path only from a reading that refused nothing.
  void ReadPage() override;
  // " ", then the comments and the program.
  void WriteListing() override;

 private:
  void ReadThread();
  void CheckFit();

  ThreadValues v_;
  ThreadPath path_;
};

}  // namespace verlo

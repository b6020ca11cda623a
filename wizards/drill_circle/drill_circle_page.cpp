#include "wizards/drill_circle/drill_circle_page.h"

#include <cmath>
#include <utility>

#include "gcode/numbers.h"
#include "wizards/common/milling_frame.h"
#include "wizards/drill_circle/drill_dump.h"
#include "wizards/drill_circle/drill_form.h"

namespace verlo {
namespace {

constexpr const FieldNames& kNames = kNamedFields;
// The page has no direction and no ramp option.
constexpr OptionFields kDrillOptions{
    kNames.options.comments, kNames.options.coolant, nullptr, kNames.options.m4, nullptr,
    kNames.options.series};

const char kHolesChanged[] =
    "A furatok száma vagy helye megváltozott a kiválasztás óta. Válaszd ki újra a furatokat, "
    "vagy válaszd a \"Minden furat\" lehetőséget.";

}  // namespace

TFrame8::TFrame8(PageContext& context) : CreatePage(context) {
  AddDrillCircleControls(*this);
  RegisterMillingHandlers(kNames);
  On("RadioGroup1", [this] { RadioGroup1Click(); });
}

void TFrame8::StartUp() {
  CheckParameters();
  ComputePath();
  v_.u8_anc = 0;
}

std::vector<std::string> TFrame8::Variables() const {
  return DrillVariables(v_);
}

void TFrame8::Shown() {
  Get("RadioGroup1").itemEnabled[2] = false;
}

void TFrame8::CheckParameters() {
  error_ = 0;
  tableInputs_.clear();
  StartPoint start{v_.u8_x_, v_.u8_y_, v_.u8_z_, v_.u8_zsb_};
  ReadStartPoint(read_, kNames.start, start);
  v_.u8_x_ = start.x;
  v_.u8_y_ = start.y;
  v_.u8_z_ = start.z;
  v_.u8_zsb_ = start.safe;
  CheckDepth(read_, kNames.depth, v_.depth);
  if (!CheckToolDiameter(read_, kNames.toolDiameter, v_.u8_sz_)) {
    // The field reads "0" so the circle check can use it.
    read_.SetText(kNames.toolDiameter, "0");
    v_.u8_sz_ = 0;
  }
  CheckCircleDiameter(read_, "Edit_r_", read_.Float(kNames.toolDiameter), v_.u8_rd_);
  long double peck = 0;
  if (read_.Checked(kNames.maxStep.none))
    v_.u8_szc_ = v_.depth;
  else if (read_.NonZero(kNames.maxStep.edit,
                         "Lépésenkénti fogási mélység \"0\", vagy nem adtál meg értéket.", peck))
    v_.u8_szc_ = std::fabs(peck) >= std::fabs(v_.depth) ? v_.depth : peck;
  int holes = 0;
  if (read_.NonZero("Edit_drc_", "Furatok száma \"0\", vagy nem adtál meg értéket.", holes))
    read_.AcceptIf(holes >= 1 && holes <= kMaxHoles, "A furatok száma 1 és 1000 között lehet.",
                   holes, v_.holes);
  CheckToolAndSpindle(read_, kNames.tool, v_.spindle);
  CheckFeed(read_, kNames.feeds.g1, "G1 előtolási értékét nem adtad meg.",
            kG1FeedNotPositiveMessage, v_.feed);
  // A cycle drills down from the retract position: never up to the depth.
  long double retract = 0;
  if (read_.Required("Edit_db_", "Gyors vissza (Z pozíció) értékét nem adtad meg.", retract))
    read_.AcceptIf(retract >= v_.depth,
                   "A gyors vissza (Z pozíció) nem lehet mélyebben a fúrás mélységénél.", retract,
                   v_.retract);
  v_.rotation = read_.Blank("Edit_ane_") ? 0 : read_.Float("Edit_ane_");
  ReadOptions(read_, kDrillOptions, v_.options);
  v_.cycle = read_.Item("RadioGroup_g783_") == 0 ? 73 : 83;
}

void TFrame8::ReadPage() {
  if (selection_ && Inputs() == tableInputs_) return;
  CheckParameters();
  ComputePath();
}

void TFrame8::ComputePath() {
  if (selection_)
    KeepSelection();
  else
    NewTable();
}

std::vector<std::string> TFrame8::Inputs() const {
  std::vector<std::string> values;
  for (const Control* c : Controls()) values.push_back(c->ValueText());
  return values;
}

void TFrame8::NewTable() {
  ComputeHoles(v_);
  tableInputs_ = Inputs();
}

void TFrame8::KeepSelection() {
  if (error_ != 0) return;  // the selection waits for a reading without errors
  DrillValues fresh = v_;
  ComputeHoles(fresh);
  // Entry 0 holds the centre: a moved circle moves every hole.
  if (fresh.u8_anc != v_.u8_anc || fresh.positions != v_.positions) {
    read_.Refuse(kHolesChanged);
    return;
  }
  fresh.selected = v_.selected;
  v_ = std::move(fresh);
  tableInputs_ = Inputs();
}

void TFrame8::WriteComments() {
  if (!v_.options.comments) return;
  WriteCommentHead(
      Memo1(), PointHead(read_, kNames.start, "(Fúrás kör mentén - drill circular bolt pattern)",
                         "középpont"));
  Line("(kör átmérője " + read_.Text("Edit_r_") + ")");
  Line("(fúrás mélysége " + read_.Text(kNames.depth) + ")");
  if (v_.u8_szc_ != v_.depth)
    Line("(lépésenkénti max fogási mélység " + read_.Text(kNames.maxStep.edit) + ")");
  Line("(fúró utasítás " + IntToStr(v_.cycle) + ")");
  Line("(furatok száma " + IntToStr(v_.holes) + ")");
  Line(v_.options.series ? "(több kör mentén)" : "(csak egy kör )");
}

void TFrame8::WriteProgram() {
  const MillingOptions& o = v_.options;
  const Frame frame = MillingFrame(read_, kNames.tool, o);
  const std::string centre = "G0 X" + PlainWord(v_.u8_x_) + " Y" + PlainWord(v_.u8_y_);
  if (!o.series) Line("G21 G90");
  Line("G0 Z" + PlainWord(v_.u8_zs_));
  Line(centre);
  WriteSetUp(Memo1(), frame);
  if (o.comments) Line("(főciklus)");
  bool first = true;
  for (int i = 1; i <= v_.u8_anc; ++i) {
    if (v_.selected[static_cast<size_t>(i)] == 0) continue;
    const auto& p = v_.positions[static_cast<size_t>(i)];
    const std::string xy = "X" + N4(p[1] + v_.u8_x_) + " Y" + N4(p[2] + v_.u8_y_);
    if (!first) {
      Line(xy);
      continue;
    }
    // A control takes the peck depth as a magnitude: Q is never negative.
    Line("G" + IntToStr(v_.cycle) + " " + xy + " Z" + N4(v_.depth) + " Q" +
         PlainWord(std::fabs(v_.u8_szc_)) + " R" + PlainWord(v_.retract) + " F" +
         IntToStr(v_.feed));
    first = false;
  }
  if (o.comments) Line("(főciklus vége)");
  Line("G0 Z" + PlainWord(v_.u8_zs_));
  Line(centre);
  WriteClosing(Memo1(), frame);
  v_.u8_ancl = v_.u8_anc;
  v_.u8_anc = 0;
  selection_ = false;
}

void TFrame8::OfferChoose(bool choose) {
  Control& group = Get("RadioGroup1");
  group.itemEnabled[1] = choose;
  group.itemEnabled[2] = !choose;
}

void TFrame8::RadioGroup1Click() {
  Control& group = Get("RadioGroup1");
  const int item = group.itemIndex;
  if (item == 0) {  // "Minden furat": no table pending, the selector put away
    v_.u8_anc = 0;
    selection_ = false;
    OfferChoose(true);
    Memo1().Clear();
    context_.holes.Close();
    selectorItem_ = 0;
    return;
  }
  try {
    CheckParameters();
  } catch (...) {  // a text that is no number: the choice is not taken
    group.itemIndex = selectorItem_;
    throw;
  }
  NewTable();
  selection_ = error_ == 0;
  Memo1().Clear();
  OfferChoose(item == 2);
  selectorItem_ = item;
  context_.holes.Show(HoleBoxes(v_), *this);
}

void TFrame8::HolesAccepted(const std::vector<bool>& ticked) {
  if (error_ != 0 && !selection_) {
    // The table comes from a reading that found errors: no selection from it.
    v_.u8_anc = 0;
    Get("RadioGroup1").itemIndex = 0;
    selectorItem_ = 0;
    OfferChoose(true);
  } else {
    for (int i = 1; i <= v_.u8_anc; ++i) {
      const auto k = static_cast<size_t>(i);
      v_.selected[k] = k <= ticked.size() && ticked[k - 1] ? 1 : 0;
    }
  }
  context_.holes.Close();
}

void TFrame8::HolesReread() {
  context_.holes.Rebuild(HoleBoxes(v_));
}

}  // namespace verlo

#include "wizards/common/milling_fields.h"

#include <cmath>

#include "gcode/numbers.h"
#include "wizards/common/depth_passes.h"

namespace verlo {

const char kSeriesMessage[] =
    "Sorozatmarás esetén a kezdeti beállításokat valamint a végén szokásos M kódokat nem "
    "tartalmazza.";

void ReadStartPoint(FieldReader& read, const StartFields& names, StartPoint& out) {
  read.FillIfBlank({names.x, names.y, names.z, names.safe});
  out.x = read.Float(names.x);
  out.y = read.Float(names.y);
  out.z = read.Float(names.z);
  out.safe = read.Float(names.safe);
}

void CheckDepth(FieldReader& read, const char* field, long double& depth) {
  if (read.NonZero(field, "Marás mélyége \"0\", vagy nem adtál meg értéket.", depth) && depth > 0)
    read.Warn(
        "Marási mélységnek pozitív számot adtál meg. A program tovább megy, mert az adat nem "
        "rossz, csak nem logikus.");
}

const char kG1FeedNotPositiveMessage[] = "A G1 előtolás nem lehet nulla vagy negatív.";
const char kArcFeedNotPositiveMessage[] = "A G2 és G3 előtolás nem lehet nulla vagy negatív.";

void CheckCircleDiameter(FieldReader& read, const char* field, long double toolDiameter,
                         long double& diameter) {
  long double value = 0;
  if (read.NonZero(field, "A kör átmérője \"0\", vagy nem adtál meg értéket.", value))
    read.AcceptIf(value >= toolDiameter, "A kör átmérője kisebb mint a szerszám átmérője.", value,
                  diameter);
}

bool CheckToolDiameter(FieldReader& read, const char* field, long double& diameter) {
  return read.NonZero(field, "Szerszám átmérője \"0\", vagy nem adtál meg értéket.", diameter);
}

void CheckMaxStep(FieldReader& read, const MaxStepFields& names, long double depth,
                  long double& step) {
  if (read.Checked(names.none)) {
    step = depth;
  } else {
    long double entry = 0;
    if (!read.NonZero(names.edit,
                      "Lépésenkénti maximális fogási mélység \"0\", vagy nem adtál meg értéket.",
                      entry))
      return;
    step = std::fabs(entry) >= std::fabs(depth) ? depth : entry;
  }
  // More than 100 passes are not searched for: refuse instead of guessing.
  if (step != depth && SearchPassCount(step, depth) == 0) read.Refuse(kTooManyPassesMessage);
}

void CheckToolAndSpindle(FieldReader& read, const ToolFields& names, ToolSpindle& out) {
  if (read.Checked(names.none)) {
    out.tool = 0;
    return;
  }
  // The control rejects a negative tool number or spindle speed.
  int value = 0;
  if (read.NonZero(names.tool, "Szerszám száma \"0\", vagy nem adtál meg értéket.", value))
    read.AcceptIf(value > 0, "A szerszám száma nem lehet negatív.", value, out.tool);
  if (read.NonZero(names.speed, "Főorsó fordulat \"0\", vagy nem adtál meg értéket.", value))
    read.AcceptIf(value > 0, "A főorsó fordulata nem lehet negatív.", value, out.speed);
}

void CheckFeed(FieldReader& read, const char* field, const char* emptyMessage,
               const char* notPositiveMessage, int& out) {
  // The control rejects a move at zero or negative feed.
  int value = 0;
  if (read.Required(field, emptyMessage, value))
    read.AcceptIf(value > 0, notPositiveMessage, value, out);
}

void CheckFeeds(FieldReader& read, const FeedFields& names, Feeds& out) {
  CheckFeed(read, names.g1, "G1 előtolási értékét nem adtad meg.", kG1FeedNotPositiveMessage,
            out.g1);
  CheckFeed(read, names.arc, "G2 és G3 előtolási értékét nem adtad meg.",
            kArcFeedNotPositiveMessage, out.arc);
}

int CoolantCode(int item) {
  return item == 1 ? 7 : item == 2 ? 8 : 0;
}

void ReadOptions(const FieldReader& read, const OptionFields& names, MillingOptions& out) {
  const auto nonFirst = [&](const char* group) { return group && read.Item(group) != 0 ? 1 : 0; };
  out.comments = read.Checked(names.comments) ? 1 : 0;
  out.coolant = names.coolant ? CoolantCode(read.Item(names.coolant)) : 0;
  out.ccw = nonFirst(names.ccw);
  out.m4 = nonFirst(names.m4);
  out.ramp = nonFirst(names.ramp);
  out.series = nonFirst(names.series);
}

std::function<void()> EnableWhileUnticked(WizardPage& page, const char* box,
                                          std::vector<const char*> fields) {
  return [&page, box, fields] {
    const bool on = !page.Get(box).checked;
    for (const char* n : fields) page.Get(n).enabled = on;
  };
}

std::function<void()> SeriesChanged(WizardPage& page, const char* group, MessageBox& messages) {
  return [&page, group, &messages] {
    page.Memo1().Clear();
    if (page.Get(group).itemIndex == 1) messages.Show(kSeriesMessage, kWarningCaption);
  };
}

void ShowStepOver(WizardPage& page, const FieldReader& read, const char* toolField) {
  const int pos = page.Get("ScrollBar1").position;
  page.Get("Label4").text = IntToStr(pos) + " %";
  page.Get("Label5").text = FormatFloat4(read.Float(toolField) * pos / 100) + " mm";
}

}  // namespace verlo

// The field groups the milling and drilling pages compose: start point,
// depth, tool diameter, maximum depth per pass, tool number and spindle,
// feeds and options. Each group is read by a free function over the page's
// own control names, with the messages every page shows the same way.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "wizards/common/field_reader.h"

namespace verlo {

extern const char kSeriesMessage[];

struct StartPoint {
  long double x = 0, y = 0, z = 0, safe = 0;  // safe: the offset above z
};
struct StartFields {
  const char *x, *y, *z, *safe;
};
inline constexpr StartFields kStartFields{"Edit_x_", "Edit_y_", "Edit_z_", "Edit_zsb_"};
// Empty fields become "0" on the page, then the four are parsed.
void ReadStartPoint(FieldReader& read, const StartFields& names, StartPoint& out);

// Blank or zero refused; a positive depth is accepted with a warning.
void CheckDepth(FieldReader& read, const char* field, long double& depth);
// Blank or zero refused. True when accepted.
bool CheckToolDiameter(FieldReader& read, const char* field, long double& diameter);

struct MaxStepFields {
  const char *none, *edit;
};
inline constexpr MaxStepFields kMaxStepFields{"CheckBox_szc_", "Edit_szc_"};
// The maximum depth per pass: the depth itself when "nincs" is ticked or the
// entry is at least as deep; else the entry with its sign. More than 100
// passes are refused.
void CheckMaxStep(FieldReader& read, const MaxStepFields& names, long double depth,
                  long double& step);

struct ToolSpindle {
  int tool = 0, speed = 0;  // tool 0: no tool block
};
struct ToolFields {
  const char *none, *tool, *speed;
};
inline constexpr ToolFields kToolFields{"CheckBox_szsz_", "Edit_szsz_", "Edit_ff_"};
void CheckToolAndSpindle(FieldReader& read, const ToolFields& names, ToolSpindle& out);

struct Feeds {
  int g1 = 0, arc = 0;
};
struct FeedFields {
  const char *g1, *arc;
};
inline constexpr FeedFields kFeedFields{"Edit_g1_", "Edit_g23_"};
void CheckFeeds(FieldReader& read, const FeedFields& names, Feeds& out);
// One feed field: blank refused with its message, zero or negative with the
// other.
void CheckFeed(FieldReader& read, const char* field, const char* emptyMessage,
               const char* notPositiveMessage, int& out);

struct MillingOptions {
  int comments = 0, coolant = 0, ccw = 0, m4 = 0, ramp = 0, series = 0;
};
// Names of the option controls; a null name is an option the page lacks.
struct OptionFields {
  const char *comments, *coolant, *ccw, *m4, *ramp, *series;
};
inline constexpr OptionFields kOptionFields{"CheckBox_msg_",   "RadioGroup_h_",  "RadioGroup_cw_",
                                            "RadioGroup_m34_", "RadioGroup_zi_", "RadioGroup_s_"};
void ReadOptions(const FieldReader& read, const OptionFields& names, MillingOptions& out);
// Coolant code 0, 7 or 8 of the items "nincs", "M7", "M8".
int CoolantCode(int item);

// Handlers: the fields enabled exactly while the box is unticked; the
// listing cleared and, on choosing series, the series warning.
std::function<void()> EnableWhileUnticked(WizardPage& page, const char* box,
                                          std::vector<const char*> fields);
std::function<void()> SeriesChanged(WizardPage& page, const char* group, MessageBox& messages);

// Control groups of the milling pages' forms.
// Edit_x_, Edit_y_ ("X tengely " + word, "kezdőpontja" or "középpontja"),
// Edit_z_, Edit_zsb_.
void AddPointFields(WizardPage& page, const std::string& xyWord);
void AddStartFields(WizardPage& page);  // the point fields, then Edit_m_
void AddToolDiameter(WizardPage& page);
// The step-over as a percentage of the tool (ScrollBar1 at 50) with the
// labels that show it, Label4 "%" and Label5 "mm". Returns the scroll bar.
Control& AddStepOver(WizardPage& page);
// ScrollBar1Change: Label4 shows the position, Label5 the step-over in mm
// from the tool diameter field; a diameter that is no number stops it after
// Label4 (ConvertError).
void ShowStepOver(WizardPage& page, const FieldReader& read, const char* toolField);
void AddMaxStep(WizardPage& page);     // Edit_szc_ with CheckBox_szc_
void AddToolNumber(WizardPage& page);  // Edit_szsz_, CheckBox_szsz_, Edit_ff_
void AddFeeds(WizardPage& page, const std::string& g1Caption, const std::string& arcCaption);
void AddOptions(WizardPage& page, const std::string& zEntryRamp, const std::string& singleItem);
void AddCreateAndClear(WizardPage& page);

}  // namespace verlo

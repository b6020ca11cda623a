// How the field groups the milling and drilling pages compose are read:
// start point, depth, tool diameter, maximum depth per pass, tool number and
// spindle, feeds and options, each by a free function over the names of the
// page's naming scheme, with the messages every page shows the same way.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "wizards/common/depth_passes.h"
#include "wizards/common/field_names.h"
#include "wizards/common/field_reader.h"

namespace verlo {

extern const char kSeriesMessage[];
extern const char kG1FeedNotPositiveMessage[];
extern const char kArcFeedNotPositiveMessage[];

struct StartPoint {
  long double x = 0, y = 0, z = 0, safe = 0;  // safe: the offset above z
};
// Empty fields become "0" on the page, then the four are parsed.
void ReadStartPoint(FieldReader& read, const StartFields& names, StartPoint& out);

// Blank or zero refused; a positive depth is accepted with a warning.
void CheckDepth(FieldReader& read, const char* field, long double& depth);
// Blank or zero refused. True when accepted.
bool CheckToolDiameter(FieldReader& read, const char* field, long double& diameter);
// A circle's diameter ("Edit_r_"): blank or zero refused, and one smaller
// than the tool's.
void CheckCircleDiameter(FieldReader& read, const char* field, long double toolDiameter,
                         long double& diameter);

// The maximum depth per pass: the depth itself when "nincs" is ticked or the
// entry is at least as deep; else the entry with its sign. More than 100
// passes are refused.
void CheckMaxStep(FieldReader& read, const MaxStepFields& names, long double depth,
                  long double& step);

struct ToolSpindle {
  int tool = 0, speed = 0;  // tool 0: no tool block
};
void CheckToolAndSpindle(FieldReader& read, const ToolFields& names, ToolSpindle& out);

struct Feeds {
  int g1 = 0, arc = 0;
};
void CheckFeeds(FieldReader& read, const FeedFields& names, Feeds& out);
// One feed field: blank refused with its message, zero or negative with the
// other.
void CheckFeed(FieldReader& read, const char* field, const char* emptyMessage,
               const char* notPositiveMessage, int& out);

struct MillingOptions {
  int comments = 0, coolant = 0, ccw = 0, m4 = 0, ramp = 0, series = 0;
};
void ReadOptions(const FieldReader& read, const OptionFields& names, MillingOptions& out);
// Coolant code 0, 7 or 8 of the items "nincs", "M7", "M8".
int CoolantCode(int item);

// What the milling pages accept, kept for the life of the process.
struct MillingValues {
  StartPoint start;
  long double depth = 0, toolDiameter = 0, step = 0;
  ToolSpindle spindle;
  Feeds feeds;
  MillingOptions options;
  DepthPasses passes;
};

// Handlers: the fields enabled exactly while the box is unticked; the
// listing cleared and, on choosing series, the series warning.
std::function<void()> EnableWhileUnticked(WizardPage& page, const char* box,
                                          std::vector<const char*> fields);
std::function<void()> SeriesChanged(WizardPage& page, const char* group, MessageBox& messages);

// ScrollBar1Change: Label4 shows the position, Label5 the step-over in mm
// from the tool diameter field; a diameter that is no number stops it after
// Label4 (ConvertError).
void ShowStepOver(WizardPage& page, const FieldReader& read, const char* toolField);

}  // namespace verlo

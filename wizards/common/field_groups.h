// The control groups the milling and drilling pages' forms share, each with
// its captions and defaults, added under the names of a page's naming
// scheme (field_names.h) in form order.
#pragma once

#include <string>
#include <vector>

#include "wizards/common/field_names.h"
#include "wizards/common/page_model.h"

namespace verlo {

// Controls the form places beside the X and the Y field (the rectangle
// sizes).
struct BesidePoint {
  std::vector<Control> x, y;
};
// X and Y ("X tengely " + word + ":", "kezdőpontja" or "középpontja"), Z
// and the safe offset.
void AddPointFields(WizardPage& page, const StartFields& names, const std::string& xyWord,
                    const BesidePoint& beside = {});
void AddDepth(WizardPage& page, const Field& name,
              const std::string& caption = "Marás mélysége:", const std::string& text = "-2,0000");
void AddToolDiameter(WizardPage& page, const Field& name, const std::string& text = "5");
// The maximum depth per pass with its "nincs" box; the field is open while
// the box is unticked.
void AddMaxStep(WizardPage& page, const MaxStepFields& names, const std::string& text,
                bool noneTicked);
// Whether the tool number has its own "nincs" box (no tool block).
enum class NoToolBox { Offered, Absent };
void AddToolNumber(WizardPage& page, const ToolFields& names, NoToolBox box);
void AddFeed(WizardPage& page, const Field& name, const std::string& caption,
             const std::string& text);
// The straight feed ("150") and the arc or second feed ("300").
void AddFeeds(WizardPage& page, const FeedFields& names, const std::string& g1Caption,
              const std::string& arcCaption);

// " <what> forgásiránya óramutató járásával ": CW or CCW.
void AddDirection(WizardPage& page, const char* name, const std::string& what, int item);
void AddSpindleSense(WizardPage& page, const char* name);  // M3 or M4
void AddCoolant(WizardPage& page, const char* name);       // none, M7, M8
void AddZEntry(WizardPage& page, const char* name, const std::string& rampItem);
void AddSeries(WizardPage& page, const char* name, const std::string& singleItem,
               const std::string& seriesItem = "Sorozat marás");
void AddComments(WizardPage& page, const char* name);  // "Megjegyzésekkel", ticked
// The six option controls of a milling page in form order: direction
// (" Marás ..." or " Spirál ..."), spindle sense, coolant, Z entry, series,
// comments.
void AddOptions(WizardPage& page, const OptionFields& names, const std::string& directionWhat,
                const std::string& rampItem, const std::string& singleItem);
void AddCreateAndClear(WizardPage& page);

// The step-over as a percentage of the tool (ScrollBar1 at 50) with the
// labels that show it, Label4 "%" and Label5 "mm". Returns the scroll bar.
Control& AddStepOver(WizardPage& page);

}  // namespace verlo

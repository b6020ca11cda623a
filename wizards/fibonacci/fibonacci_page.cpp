#include "wizards/fibonacci/fibonacci_page.h"

#include "wizards/common/field_reader.h"

namespace verlo {

const char kG59Warning[] =
    "A varázsló a \"G59\"-es offsetet használja. Ha van beállított értéked mentsd el magadnak és "
    "a varázsló használata után állítsd vissza.";

void TFrame2::Shown() {
  Message(kG59Warning, kWarningCaption);
}

}  // namespace verlo

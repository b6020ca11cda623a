#include "wizards/page_registry.h"

#include "wizards/circular_pocket/circular_pocket_page.h"
#include "wizards/cut_circle/cut_circle_page.h"
#include "wizards/cut_rectangle/cut_rectangle_page.h"
#include "wizards/drill_circle/drill_circle_page.h"
#include "wizards/drill_circle/drill_form.h"
#include "wizards/fibonacci/fibonacci_page.h"
#include "wizards/rectangle_pocket/rectangle_pocket_page.h"
#include "wizards/thread_milling/thread_milling_page.h"

namespace verlo {
namespace {

template <class Page>
std::unique_ptr<WizardPage> Make(PageContext& context) {
  return std::make_unique<Page>(context);
}

}  // namespace

const std::vector<PageEntry>& PageRegistry() {
  static const std::vector<PageEntry> pages = {
      {"Fibonacci spirál", "Fibonacci spirál", "fibonacci", "Frame21", "fibonacci.jpg",
       Make<TFrame2>},
      {"Körzseb (circular pocket)", "Körzseb (circular pocket)", "circular-pocket", "Frame31",
       "circular_pocket.jpg", Make<TFrame3>},
      {"Téglalapzseb (rectangle pocket)", "Téglalapzseb (rectangle pocket)", "rectangle-pocket",
       "Frame41", "rectangle_pocket.jpg", Make<TFrame4>},
      {"Kör kivágás (cut circle)", "Kör kivágás (cut circle)", "cut-circle", "Frame51",
       "cut_circle.jpg", Make<TFrame5>},
      {"Téglalap kivágás (cut rectangle)", "Téglalap kivágás (cut rectangle)", "cut-rectangle",
       "Frame71", "cut_rectangle.jpg", Make<TFrame7>},
      {"Fúrás kör mentén (drill circular bolt pattern)",
       "Fúrás kör mentén (drill circular bolt pattern)", "drill-circle", "Frame81",
       "drill_circle.jpg", Make<TFrame8>},
      {"Fúrás Téglalap mentén (drill rectangle bolt pattern)",
       "Fúrás kör mentén (drill circular bolt pattern)", "", "Frame101", "drill_circle.jpg",
       Make<TFrame10>},
      {"Menetmarás (thread milling)", "Menetmarás (thread milling)", "thread-milling", "Frame111",
       "thread_milling.jpg", Make<TFrame11>},
  };
  return pages;
}

int WizardIndexOf(const PageEntry& row) {
  return static_cast<int>(&row - PageRegistry().data()) + 1;
}

int EditorWizardIndex() {
  return static_cast<int>(PageRegistry().size()) + 1;
}

const PageEntry* FindCliPage(const std::string& name) {
  for (const PageEntry& e : PageRegistry())
    if (!name.empty() && name == e.cliName) return &e;
  return nullptr;
}

}  // namespace verlo

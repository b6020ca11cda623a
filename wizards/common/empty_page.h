// A wizard page whose behaviour comes later: it shows its title only.
#pragma once

#include "wizards/common/page_model.h"

namespace verlo {

class EmptyPage : public WizardPage {
 public:
  EmptyPage(MessageBox& messages, std::string title)
      : WizardPage(messages), title_(std::move(title)) {}
  std::string Title() const override { return title_; }

 private:
  std::string title_;
};

}  // namespace verlo

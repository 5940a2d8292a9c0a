// The desktop program's answer to the core's questions: the question
// dialogs for yes / no and yes / no / all, message boxes for the rest.
#pragma once

#include <memory>

#include "base/user_prompt.h"

class QWidget;

namespace scorvane {

class DLG_QUEST_OUI_NON;

class DialogPrompt : public UserPrompt {
 public:
  DialogPrompt();
  ~DialogPrompt() override;

  // The window the dialogs stand over (may be null); a dialog running when
  // a question is asked takes its place.
  void SetParentWindow(QWidget* parent) { parent_ = parent; }

  bool AskYesNo(const std::string& text, Style style) override;
  bool AskYesNoAll(const std::string& text, bool& all) override;
  void ShowMessage(const std::string& text, const std::string& detail) override;
  // DLG_TRADUCTION_CLASSEMENT: the ranking chosen, or none on Cancel.
  int32_t AskReplacementRanking(const std::string& old_text) override;

 private:
  QWidget* Parent() const;

  QWidget* parent_ = nullptr;
  // One yes / no dialog kept for the whole run and reused.
  std::unique_ptr<DLG_QUEST_OUI_NON> yes_no_;
};

}  // namespace scorvane

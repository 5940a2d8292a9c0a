#include "shell/dialogs/dialog_prompt.h"

#include "pages/rankings/translation_dialog.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/dialogs/question_dialogs.h"

namespace scorvane {

DialogPrompt::DialogPrompt() = default;
DialogPrompt::~DialogPrompt() = default;

bool DialogPrompt::AskYesNo(const std::string& text, Style style) {
  const QString question = QString::fromStdString(text);
  if (style == Style::kMessageBox) {
    return MessageBoxes::Ask(parent_, question, MessageBoxes::Buttons::kYesNo) !=
           MessageBoxes::Answer::kNo;
  }
  // Owned here, not by a window that may go away before the prompt does.
  if (!yes_no_) yes_no_ = std::make_unique<DLG_QUEST_OUI_NON>();
  yes_no_->setWindowModality(Qt::ApplicationModal);
  return yes_no_->Ask(question);
}

bool DialogPrompt::AskYesNoAll(const std::string& text, bool& all) {
  DLG_QUEST_OUI_NON_TOUS dialog(QString::fromStdString(text), parent_);
  const bool yes = dialog.exec() == QDialog::Accepted;
  all = yes && dialog.All();
  return yes;
}

void DialogPrompt::ShowMessage(const std::string& text, const std::string& detail) {
  QString message = QString::fromStdString(text);
  if (!detail.empty()) message += u'\n' + QString::fromStdString(detail);
  MessageBoxes::Inform(parent_, message);
}

int32_t DialogPrompt::AskReplacementRanking(const std::string& old_text) {
  return DLG_TRADUCTION_CLASSEMENT::Ask(parent_, old_text).Value();
}

}  // namespace scorvane

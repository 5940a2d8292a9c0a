#include "shell/dialogs/dialog_prompt.h"

#include <QApplication>

#include "pages/rankings/translation_dialog.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/dialogs/question_dialogs.h"

namespace scorvane {

DialogPrompt::DialogPrompt() = default;
DialogPrompt::~DialogPrompt() = default;

QWidget* DialogPrompt::Parent() const {
  // A question asked from inside a dialog stands over that dialog.
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return parent_;
}

bool DialogPrompt::AskYesNo(const std::string& text, Style style) {
  const QString question = QString::fromStdString(text);
  if (style == Style::kMessageBox) {
    return MessageBoxes::Ask(Parent(), question, MessageBoxes::Buttons::kYesNo) !=
           MessageBoxes::Answer::kNo;
  }
  if (!yes_no_) yes_no_ = std::make_unique<DLG_QUEST_OUI_NON>();
  // Shown over the window, but owned here, not by a window that may go away
  // before the prompt does.
  yes_no_->setParent(Parent(), yes_no_->windowFlags());
  yes_no_->setWindowModality(Qt::ApplicationModal);
  const bool yes = yes_no_->Ask(question);
  yes_no_->setParent(nullptr, yes_no_->windowFlags());
  return yes;
}

bool DialogPrompt::AskYesNoAll(const std::string& text, bool& all) {
  DLG_QUEST_OUI_NON_TOUS dialog(QString::fromStdString(text), Parent());
  const bool yes = dialog.exec() == QDialog::Accepted;
  all = yes && dialog.All();
  return yes;
}

void DialogPrompt::ShowMessage(const std::string& text, const std::string& detail) {
  QString message = QString::fromStdString(text);
  if (!detail.empty()) message += u'\n' + QString::fromStdString(detail);
  MessageBoxes::Inform(Parent(), message);
}

int32_t DialogPrompt::AskReplacementRanking(const std::string& old_text) {
  return DLG_TRADUCTION_CLASSEMENT::Ask(Parent(), old_text).Value();
}

}  // namespace scorvane

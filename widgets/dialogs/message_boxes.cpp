#include "widgets/dialogs/message_boxes.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace scorvane {
namespace {

struct Script {
  bool active = false;
  std::deque<MessageBoxes::Answer> answers;
  QStringList said;
};

Script& BoxScript() {
  static Script script;
  return script;
}

struct PathScript {
  bool active = false;
  std::deque<QString> paths;
  QStringList offered;
};

PathScript& ChooserScript() {
  static PathScript script;
  return script;
}

QString Title() {
  return QCoreApplication::applicationName().isEmpty() ? QStringLiteral("Scorvane")
                                                       : QCoreApplication::applicationName();
}

MessageBoxes::Answer FromButton(int button, MessageBoxes::Buttons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return MessageBoxes::Answer::kOk;
    case QMessageBox::Yes:
      return MessageBoxes::Answer::kYes;
    case QMessageBox::No:
      return MessageBoxes::Answer::kNo;
    default:
      return buttons == MessageBoxes::Buttons::kYesNo || buttons == MessageBoxes::Buttons::kNoYes
                 ? MessageBoxes::Answer::kNo
                 : MessageBoxes::Answer::kCancel;
  }
}

}  // namespace

std::optional<MessageBoxes::Answer> MessageBoxes::NextScripted(const QString& text) {
  Script& script = BoxScript();
  if (!script.active) return std::nullopt;
  script.said << text;
  if (script.answers.empty()) return Answer::kCancel;
  const Answer answer = script.answers.front();
  script.answers.pop_front();
  return answer;
}

void MessageBoxes::Inform(QWidget* parent, const QString& text) {
  if (NextScripted(text)) return;
  QMessageBox::information(parent, Title(), text);
}

void MessageBoxes::Warn(QWidget* parent, const QString& text) {
  if (NextScripted(text)) return;
  QMessageBox::warning(parent, Title(), text);
}

MessageBoxes::Answer MessageBoxes::Ask(QWidget* parent, const QString& text, Buttons buttons) {
  if (std::optional<Answer> scripted = NextScripted(text)) return *scripted;
  QMessageBox::StandardButtons standard;
  QMessageBox::StandardButton preferred = QMessageBox::Yes;
  switch (buttons) {
    case Buttons::kOk:
      standard = QMessageBox::Ok;
      preferred = QMessageBox::Ok;
      break;
    case Buttons::kOkCancel:
      standard = QMessageBox::Ok | QMessageBox::Cancel;
      preferred = QMessageBox::Ok;
      break;
    case Buttons::kYesNo:
      standard = QMessageBox::Yes | QMessageBox::No;
      break;
    case Buttons::kNoYes:
      standard = QMessageBox::Yes | QMessageBox::No;
      preferred = QMessageBox::No;
      break;
    case Buttons::kYesNoCancel:
      standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      break;
  }
  const int button = QMessageBox::question(parent, Title(), text, standard, preferred);
  return FromButton(button, buttons);
}

void MessageBoxes::ScriptAnswers(std::initializer_list<Answer> answers) {
  BoxScript().active = true;
  BoxScript().answers.assign(answers);
}

void MessageBoxes::ClearScript() {
  BoxScript() = Script();
}

bool MessageBoxes::Scripted() {
  return BoxScript().active;
}

QStringList& MessageBoxes::Said() {
  return BoxScript().said;
}

QString FileChoosers::ChooseOpen(QWidget* parent, const QString& folder) {
  PathScript& script = ChooserScript();
  if (script.active) {
    script.offered << folder;
    if (script.paths.empty()) return {};
    QString path = script.paths.front();
    script.paths.pop_front();
    return path;
  }
  return QFileDialog::getOpenFileName(
      parent, QString(), folder,
      QCoreApplication::translate("scorvane::FileChoosers", "Zezovu files (*.ten)"));
}

QString FileChoosers::ChooseSave(QWidget* parent, const QString& proposed, const QString& filter) {
  PathScript& script = ChooserScript();
  if (script.active) {
    script.offered << proposed;
    if (script.paths.empty()) return {};
    QString path = script.paths.front();
    script.paths.pop_front();
    return path;
  }
  return QFileDialog::getSaveFileName(parent, QString(), proposed, filter);
}

QString FileChoosers::ChoosePicture(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
  PathScript& script = ChooserScript();
  if (script.active) {
    script.offered << folder;
    if (script.paths.empty()) return {};
    QString path = script.paths.front();
    script.paths.pop_front();
    return path;
  }
  return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

void FileChoosers::ScriptPaths(std::initializer_list<QString> paths) {
  ChooserScript().active = true;
  ChooserScript().paths.assign(paths);
}

void FileChoosers::ClearScript() {
  ChooserScript() = PathScript();
}

QStringList& FileChoosers::Offered() {
  return ChooserScript().offered;
}

}  // namespace scorvane

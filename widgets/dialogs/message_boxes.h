// Every message box and file chooser of the program goes through here, so
// that a test can answer the next ones without a modal window (and see what
// was said), while the program shows the real thing.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

class QWidget;

namespace scorvane {

class MessageBoxes {
 public:
  enum class Answer { kOk, kYes, kNo, kCancel };
  // kNoYes: Yes and No, with No the button Enter presses (a question whose
  // safe answer is to go back and look again).
  enum class Buttons { kOk, kOkCancel, kYesNo, kNoYes, kYesNoCancel };

  // A plain message with an OK button.
  static void Inform(QWidget* parent, const QString& text);
  static void Warn(QWidget* parent, const QString& text);
  // A question; the answer is one of the buttons offered (closing the box
  // counts as Cancel, or No when there is no Cancel).
  static Answer Ask(QWidget* parent, const QString& text, Buttons buttons);

  // Tests: the next boxes are not shown; they take these answers in order
  // (an Inform or Warn takes one too). Everything said is recorded.
  static void ScriptAnswers(std::initializer_list<Answer> answers);
  static void ClearScript();
  static bool Scripted();
  static QStringList& Said();

 private:
  static std::optional<Answer> NextScripted(const QString& text);
};

// Open and save file choosers.
class FileChoosers {
 public:
  // The ".ten" file to open, or empty when cancelled; starts in `folder`.
  static QString ChooseOpen(QWidget* parent, const QString& folder);
  // Where to save, starting on `proposed` (a full path); empty when cancelled.
  static QString ChooseSave(QWidget* parent, const QString& proposed, const QString& filter);
  // A picture to open, starting in `folder`; empty when cancelled.
  static QString ChoosePicture(QWidget* parent, const QString& title, const QString& folder,
                               const QString& filter);

  // Tests: the next choosers return these paths in order ("" = cancel)
  // without showing a dialog; the starting paths they were given are kept.
  static void ScriptPaths(std::initializer_list<QString> paths);
  static void ClearScript();
  static QStringList& Offered();
};

}  // namespace scorvane

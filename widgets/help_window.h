// The bundled help: one HTML page per language, shown in a browser window;
// each help topic the program opens is a section (an anchor) of that page.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace scorvane {

enum class HelpTopic {
  kContents,
  kBeforeStarting,  // the welcome dialog's "read before starting"
  kNavigation,
  kDocuments,
  kPages,
  kPrinting,
  kSettings,
  kRankingSystems,  // the ranking-system dialogs' "Help"
  kFrenchEstimate,  // the calculation report's "Explanations", French system
  kOtherEstimates,  // the same under any other system
};

// The anchor of a topic in the help page.
QString HelpAnchor(HelpTopic topic);
// The help page of a language (kLanguageFrench / kLanguageEnglish).
QString HelpPage(int language);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows the page of the current language at the topic.
  void ShowTopic(HelpTopic topic);
  QString Source() const;

  // The one help window of the program, opened on the topic. Opened from a
  // modal dialog, it is usable at once (see FollowModalDialog).
  static HelpWindow* Open(HelpTopic topic);
  // Closes the help window when it is open (the program is ending).
  static void CloseIfOpen();

 protected:
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // While a modal dialog runs, every window outside it is blocked: the help
  // becomes a window of that dialog (whether it was opened from the dialog
  // or before it) until the dialog closes, and then stands on its own again
  // where it was.
  void FollowModalDialog(QWidget* modal);
  void StandAlone();

  QTextBrowser* browser_;
  QWidget* modal_ = nullptr;
  HelpTopic topic_ = HelpTopic::kContents;
};

}  // namespace scorvane

// The about box: the program's picture, name, version "V1.17 (<release
// date>)" and a few words on what it does.
#pragma once

#include <QDialog>

class QLabel;

namespace scorvane {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
  // "V1.17 (15/05/2000)", the date in the user's short form.
  static QString VersionLabel();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  QLabel* version_;
  QLabel* text_;
};

}  // namespace scorvane

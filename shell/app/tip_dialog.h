// The tip of the day: "Did you know..." beside a light bulb on a white
// panel, the tip below, a "show at start-up" box, next-tip and close buttons.
#pragma once

#include <QDialog>

#include "shell/app/tips.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace scorvane {

class TipDialog : public QDialog {
  Q_OBJECT

 public:
  // `french_system`: whether the open document uses the French ranking
  // system (tips marked for it are shown only then).
  TipDialog(const QString& program_folder, bool french_system, QWidget* parent = nullptr);
  ~TipDialog() override;

  QString TipText() const;
  // What went wrong with the tips file, shown above the tip; empty when nothing.
  QString NoticeText() const;
  // Whether tips are shown at start-up ("Tip"/"StartUp" is 0).
  static bool ShowAtStartUp();

 public slots:
  void NextTip();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void CloseWithButton();

  TipsFile tips_;
  bool french_system_;
  bool file_missing_ = false;
  QLabel* heading_;
  QLabel* tip_;
  QLabel* notice_;
  QCheckBox* show_at_start_;
  QPushButton* next_;
  QPushButton* close_;
};

}  // namespace scorvane

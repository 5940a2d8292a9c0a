// The welcome dialog shown when the program starts without a file: new
// file, the last file used, open a file, switch the language, read the
// introduction, or quit. Its result is the button pressed.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

namespace scorvane {

class WelcomeDialog : public QDialog {
  Q_OBJECT

 public:
  enum Choice { kNewFile = 1, kLastFile = 2, kOpenFile = 3, kLanguage = 4, kQuit = 5 };

  explicit WelcomeDialog(QWidget* parent = nullptr);

  // Reads the first recent file again and shows or hides the last-file
  // button; tells once when that file is missing.
  void Prepare();
  // The first recent file when it can be read, else empty.
  QString LastFile() const { return last_file_; }

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void reject() override;

 private:
  void Retranslate();

  QString last_file_;
  QString missing_file_;
  bool missing_told_ = false;
  QLabel* last_label_;
  QLabel* intro_;
  QPushButton* new_file_;
  QPushButton* last_use_;
  QPushButton* open_file_;
  QPushButton* read_first_;
  QPushButton* quit_;
  QToolButton* language_;
  QToolButton* other_language_;
};

}  // namespace scorvane

// DLG_DEVISE, "Currency": whether amounts are shown and entered in the
// base currency (named by the system's currency symbol) or in euros, and
// how many francs one euro is worth. A euro value that is no number, zero,
// negative or beyond reason is refused with a message and the dialog stays
// open. The choice belongs to the program, not to the document: stored
// amounts never change, only the way they are shown.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace scorvane {

class DLG_DEVISE : public QDialog {
  Q_OBJECT

 public:
  explicit DLG_DEVISE(QWidget* parent = nullptr);

  QRadioButton* BaseButton() const { return base_; }
  QRadioButton* EuroButton() const { return euros_; }
  QLineEdit* EuroValueEdit() const { return euro_value_; }
  QLabel* UnitLabel() const { return unit_; }

 public slots:
  // Checks the euro value, then makes the choice the program's.
  void accept() override;

 private:
  QString shown_value_;
  QRadioButton* base_;
  QRadioButton* euros_;
  QLineEdit* euro_value_;
  QLabel* unit_;
};

// Runs the currency dialog; true when the user confirmed it (the pages that
// show amounts should then show them again).
bool ChooseCurrency(QWidget* parent);

}  // namespace scorvane

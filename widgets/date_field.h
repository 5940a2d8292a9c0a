// The date field of the entry dialogs: a date picker over the years a
// document holds (1900..2100), written day/month/year, with a calendar to
// pick from. The date is typed digit by digit, with or without "/": the "/"
// only steps to the next part of the date, and the focus leaves the field
// by Tab, Enter or the mouse, never by a key typed into it. A record
// without a date (no year, or no real day) shows an empty field and keeps
// its date unless the user types one.
#pragma once

#include <QDateEdit>

#include "base/dates.h"

namespace scorvane {

class DateField : public QDateEdit {
  Q_OBJECT

 public:
  explicit DateField(QWidget* parent = nullptr);

  // The date shown; while the field is empty, the date it was given.
  DATE_SIMPLE Date() const;
  // A date that is not a real date of 1900..2100 shows an empty field.
  void SetDate(const DATE_SIMPLE& date);
  bool IsEmpty() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void SelectSection(int index);

  // The date of an empty field, kept as it came.
  DATE_SIMPLE empty_date_;
  // Set while Tab or Backtab is handled: the one way a key leaves the field.
  bool tabbing_ = false;
  // Digits typed into the part of the date being typed.
  int digits_in_section_ = 0;
};

}  // namespace scorvane

// The date field of the entry dialogs: a date picker over the years a
// document holds (1900..2100), written day/month/year, with a calendar to
// pick from. Tab leaves the field, as it leaves every other field, instead
// of stepping through its day, month and year (the arrows and the "/" key
// move between them).
#pragma once

#include <QDateEdit>

#include "base/dates.h"

namespace scorvane {

class DateField : public QDateEdit {
  Q_OBJECT

 public:
  explicit DateField(QWidget* parent = nullptr);

  DATE_SIMPLE Date() const;
  // A date that is not a real date of 1900..2100 shows today.
  void SetDate(const DATE_SIMPLE& date);

 protected:
  bool focusNextPrevChild(bool next) override;
};

}  // namespace scorvane

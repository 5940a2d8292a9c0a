#include "widgets/date_field.h"

namespace scorvane {

DateField::DateField(QWidget* parent) : QDateEdit(parent) {
  setDateRange(QDate(ANNEE::kMin, 1, 1), QDate(ANNEE::kMax, 12, 31));
  setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  setCalendarPopup(true);
}

DATE_SIMPLE DateField::Date() const {
  const QDate shown = date();
  return DATE_SIMPLE(shown.day(), shown.month(), ANNEE::Clamp(shown.year()));
}

void DateField::SetDate(const DATE_SIMPLE& date) {
  QDate shown(date.Year(), date.Month(), date.Day());
  if (!date.IsValidCalendarDate() || date.Year() < ANNEE::kMin || date.Year() > ANNEE::kMax) {
    const DATE_SIMPLE today = Today();
    shown = QDate(today.Year(), today.Month(), today.Day());
  }
  setDate(shown);
}

bool DateField::focusNextPrevChild(bool next) {
  return QWidget::focusNextPrevChild(next);
}

}  // namespace scorvane

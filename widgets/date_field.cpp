#include "widgets/date_field.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace scorvane {
namespace {

// The day before the first date a document holds stands for "no date":
// the field shows it as an empty text.
const QDate kNoDate(ANNEE::kMin - 1, 12, 31);

}  // namespace

DateField::DateField(QWidget* parent) : QDateEdit(parent) {
  setDateRange(kNoDate, QDate(ANNEE::kMax, 12, 31));
  setSpecialValueText(QStringLiteral(" "));
  setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  setCalendarPopup(true);
  lineEdit()->installEventFilter(this);
}

bool DateField::IsEmpty() const {
  return date() == kNoDate;
}

DATE_SIMPLE DateField::Date() const {
  if (IsEmpty()) return empty_date_;
  const QDate shown = date();
  return DATE_SIMPLE(shown.day(), shown.month(), ANNEE::Clamp(shown.year()));
}

void DateField::SetDate(const DATE_SIMPLE& date) {
  empty_date_ = date;
  if (!date.IsValidCalendarDate() || date.Year() < ANNEE::kMin || date.Year() > ANNEE::kMax) {
    setDate(kNoDate);
    return;
  }
  setDate(QDate(date.Year(), date.Month(), date.Day()));
}

void DateField::SelectSection(int index) {
  setSelectedSection(sectionAt(index));
  digits_in_section_ = 0;
}

bool DateField::event(QEvent* event) {
  // Tab reaches focusNextPrevChild through the widget's event handling as
  // well as through the date's own key handling: both leave the field.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      tabbing_ = true;
      const bool handled = QDateEdit::event(event);
      tabbing_ = false;
      return handled;
    }
  }
  return QDateEdit::event(event);
}

void DateField::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool printable = !text.isEmpty() && text.at(0).isPrint();
  if (printable && !text.at(0).isDigit()) {
    // A separator ends the part being typed; right after a part filled by
    // its digits (which already stepped on) it has nothing left to do.
    const int section = currentSectionIndex();
    if (digits_in_section_ > 0 && section + 1 < sectionCount()) SelectSection(section + 1);
    event->accept();
    return;
  }
  if (printable && IsEmpty()) {
    // The first digit typed into an empty field starts a date: day, month
    // and year are then typed over the parts of today.
    setDate(QDate::currentDate());
    SelectSection(0);
  }
  const int before = currentSectionIndex();
  QDateEdit::keyPressEvent(event);
  if (currentSectionIndex() != before)
    digits_in_section_ = 0;
  else if (printable)
    ++digits_in_section_;
}

void DateField::focusInEvent(QFocusEvent* event) {
  QDateEdit::focusInEvent(event);
  // Reached by the keyboard, typing starts with the day.
  if (event->reason() != Qt::MouseFocusReason && !IsEmpty()) SelectSection(0);
}

bool DateField::eventFilter(QObject* watched, QEvent* event) {
  // A click selects the part under it, so that the digits typed next
  // replace it.
  if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease && !IsEmpty())
    SelectSection(currentSectionIndex());
  return QDateEdit::eventFilter(watched, event);
}

bool DateField::focusNextPrevChild(bool next) {
  // Only Tab leaves the field; the date's own steps between its parts (the
  // arrows) stay inside it.
  if (tabbing_) return QWidget::focusNextPrevChild(next);
  const int section = currentSectionIndex();
  if ((next && section + 1 < sectionCount()) || (!next && section > 0))
    return QDateEdit::focusNextPrevChild(next);
  return true;
}

}  // namespace scorvane

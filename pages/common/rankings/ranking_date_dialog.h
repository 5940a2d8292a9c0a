// DLG_EDIT_UN_CLASSEMENT: one entry of a ranking history, a ranking with
// the date it holds from and a note. Under a yearly system the date is a
// year typed in a field (the entry then holds from 1 January), otherwise a
// date picked in a calendar.
#pragma once

#include <QDialog>

#include "ranking/ranking_history.h"

class QLabel;
class QLineEdit;

namespace scorvane {

class DateField;
class RankingEntry;

// The year field rule: a number 0 to 9 means 2000 to 2009, 10 to 99 means
// 1910 to 1999; a year within 1900..2100 is written with four digits, any
// other text (or a text that is not a number) empties the field.
QString CompleteYearText(const QString& typed);

// What the dialog says about the year field on OK; empty when it is fine.
QString YearFieldProblem(const QString& year_text);

class DLG_EDIT_UN_CLASSEMENT : public QDialog {
  Q_OBJECT

 public:
  // Edits `entry` (a copy held by the caller): it changes only on OK.
  DLG_EDIT_UN_CLASSEMENT(CLASSEMENT_DATE& entry, QWidget* parent = nullptr);
  ~DLG_EDIT_UN_CLASSEMENT() override;

  // Opens the dialog on `entry`; true when OK stored the values in it.
  static bool Edit(QWidget* parent, CLASSEMENT_DATE& entry);
  // The entry a new ranking starts from: today, the worst ranking of the
  // active system, no note.
  static CLASSEMENT_DATE NewEntry();
  // Opens the dialog on a new entry, which `entry` receives; true on OK.
  static bool EditNew(QWidget* parent, CLASSEMENT_DATE& entry);

  bool IsYearly() const { return yearly_; }
  RankingEntry* Ranking() const { return ranking_; }
  QLineEdit* Note() const { return note_; }
  QLineEdit* YearField() const { return year_; }
  DateField* DatePicker() const { return date_; }

 public slots:
  void accept() override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void CompleteYear();

  CLASSEMENT_DATE& entry_;
  bool yearly_;
  RankingEntry* ranking_;
  QLineEdit* note_;
  QLineEdit* year_;
  DateField* date_;
  QLabel* ranking_label_;
  QLabel* when_label_;
  QLabel* note_label_;
};

}  // namespace scorvane

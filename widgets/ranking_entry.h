// The control every dialog uses to enter one ranking of the active system: a
// drop-down list of the grades, best first, for a grade system, or a
// centred edit box for a number system.
#pragma once

#include <QWidget>

#include "ranking/ranking_value.h"

class QComboBox;
class QLineEdit;
class QStackedLayout;

namespace scorvane {

class SYSTEME_CLASSEMENT;

// What a dialog says when the value entered is not a ranking of `system`;
// empty when it is one.
QString RankingEntryProblem(const SYSTEME_CLASSEMENT& system, int32_t value);

class RankingEntry : public QWidget {
  Q_OBJECT

 public:
  explicit RankingEntry(QWidget* parent = nullptr);

  // Fills the control for the active system (grades best first, or the edit
  // box of a number system).
  void SetUp();
  // Selects the line of a grade, or writes the number.
  void SetValue(const CLASSEMENT& value);
  // The value entered: the selected grade, or the number typed; a number
  // that is not valid in the system empties the edit box and reads as no
  // ranking.
  CLASSEMENT Value();
  // Checks the value before a dialog is accepted: shows the message and
  // gives the focus back to the control when the value is not valid. A
  // hidden control is not checked.
  bool Validate();

  bool IsGradeList() const { return grades_mode_; }
  QComboBox* Grades() const { return grades_; }
  QLineEdit* Number() const { return number_; }

 signals:
  void ValueChanged();

 private:
  QStackedLayout* stack_;
  QComboBox* grades_;
  QLineEdit* number_;
  bool grades_mode_ = true;
};

}  // namespace scorvane

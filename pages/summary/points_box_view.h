// The points box of the season summary: the points the season is worth
// under the French or the Belgian system, line by line, the list of the
// matches kept for the calculation and the button to the calculation
// details. Under a system without estimate it shows nothing.
#pragma once

#include <QFrame>

#include "stats/summary/points_box.h"

class QGridLayout;
class QLabel;
class QPushButton;

namespace scorvane {

class MY_LIST_CONTROL;
class RulesComboBox;

class PointsBoxView : public QFrame {
  Q_OBJECT

 public:
  explicit PointsBoxView(QWidget* parent = nullptr);

  void Show(const PointsBox& box);
  const PointsBox& Box() const { return box_; }

  MY_LIST_CONTROL& List() const { return *list_; }
  QPushButton& DetailsButton() const { return *details_; }
  // The choice of the French rules, shown under the French system.
  RulesComboBox& RulesChoice() const { return *rules_; }
  void ShowRulesChoice(bool shown);
  // The lines shown, one text each ("label value").
  QStringList LineTexts() const;

 signals:
  void DetailsRequested();
  void rulesChosen(int rules);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  PointsBox box_;
  QLabel* title_;
  QWidget* lines_;
  QGridLayout* lines_grid_;
  MY_LIST_CONTROL* list_;
  QPushButton* details_;
  RulesComboBox* rules_;
};

}  // namespace scorvane

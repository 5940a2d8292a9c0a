// The "what if" panel of the report page: matches the user plans (the
// opponent's échelon, won or lost, the kind of event and the format),
// added, changed and removed in a list, cleared by one button. They are
// never written into the document; the page adds them to the season for
// the estimate and shows here what they change.
#pragma once

#include <QFrame>
#include <vector>

#include "estimates/modern/rule_facts.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace scorvane {

class WhatIfPanel : public QFrame {
  Q_OBJECT

 public:
  explicit WhatIfPanel(QWidget* parent = nullptr);

  // Shows the planned matches (the shared list, see rules_choice.h).
  void ShowPlan();
  // The text telling what the planned matches change.
  void SetChanges(const QString& text);
  QLabel* Changes() const { return changes_; }
  QListWidget* List() const { return list_; }

 signals:
  void planChanged();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  modern::PlannedMatch Edited() const;
  void LoadSelected();
  void Add();
  void ChangeSelected();
  void RemoveSelected();
  void Clear();
  QString Describe(const modern::PlannedMatch& match) const;

  QLabel* heading_;
  QComboBox* result_;
  QComboBox* opponent_;
  QComboBox* kind_;
  QComboBox* format_;
  QPushButton* add_;
  QPushButton* change_;
  QPushButton* remove_;
  QPushButton* clear_;
  QListWidget* list_;
  QLabel* changes_;
};

}  // namespace scorvane

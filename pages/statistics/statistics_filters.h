// The filter frame of the statistics page: the dates, the drop-down lists,
// the age and ranking conditions. It keeps the filter they show and tells
// the page each time it changes, following the page's rules: a value that
// belongs to a filter with a check box ticks that box, an age that cannot
// be read keeps the previous one, and a date picker waits for its calendar
// to close.
#pragma once

#include <QFrame>

#include "stats/matches/match_filter.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace scorvane {

class DateField;
class RankingEntry;

class StatisticsFilterPanel : public QFrame {
  Q_OBJECT

 public:
  explicit StatisticsFilterPanel(QWidget* parent = nullptr);

  // Fills the lists for the current document (surfaces and events) and the
  // active system (the ranking lists), then shows the filter again; a
  // surface or event that no longer exists goes back to "all".
  void FillLists();
  // Shows a filter without telling anyone.
  void Show(const StatisticsFilter& filter);
  const StatisticsFilter& Filter() const { return filter_; }

 signals:
  // The filter shown has changed (once per user action).
  void Changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QComboBox* AddList(const char* name);
  void Retranslate();
  void FillFixedLists();
  void FillDocumentLists();
  void ShowControls();
  // A user change: ticks the filter's box when one is given, then tells.
  void Touched(QCheckBox* box);
  void DateChanged(DateField* picker);
  void AgeEdited(QLineEdit* edit, int& kept);
  void RankingChanged(RankingEntry* entry, CLASSEMENT& kept);

  StatisticsFilter filter_;
  bool showing_ = false;       // controls being set by the program
  bool date_waiting_ = false;  // a date changed while its calendar is open
  QGridLayout* grid_;
  QCheckBox* dates_box_;
  DateField* first_date_;
  DateField* second_date_;
  QLabel* and_date_;
  QComboBox* event_type_;
  QComboBox* homologation_;
  QComboBox* age_category_;
  QComboBox* singles_doubles_;
  QComboBox* corporate_;
  QComboBox* surface_;
  QComboBox* event_;
  QComboBox* indoor_;
  QComboBox* won_lost_;
  QLabel* opponents_;
  QComboBox* opponent_sex_;
  QComboBox* handedness_;
  QLabel* doubles_rule_label_;
  QComboBox* doubles_rule_;
  QCheckBox* ages_box_;
  QLineEdit* age_min_;
  QLabel* years_and_;
  QLineEdit* age_max_;
  QLabel* years_end_;
  QCheckBox* comparison_box_;
  QComboBox* comparison_;
  QCheckBox* range_box_;
  RankingEntry* range_left_;
  QLabel* and_range_;
  RankingEntry* range_right_;
};

}  // namespace scorvane

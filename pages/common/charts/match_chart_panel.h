// The chart of matches that the statistics and the summary pages both show:
// the list that chooses one of the page's charts, the chart itself with
// "Copy as text" in its context menu, a click on a bar or a slice opening
// the matches behind it, and the page's print button. The page keeps its
// own layout and decides which matches are counted; the panel keeps what
// the chart was built from, so that its text and its click-through agree
// with what is drawn.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "stats/matches/match_groups.h"

class QAction;
class QComboBox;
class QPushButton;

namespace scorvane {

class ChartModel;
class ChartWidget;
class PageView;

class MatchChartPanel : public QObject {
  Q_OBJECT

 public:
  // The name of chart number `chart`, as the core gives it.
  using ChartNamer = std::function<std::string(int)>;

  // Makes the chart list, the chart and the print button as children of
  // `page`, which lays them out.
  MatchChartPanel(int chart_count, ChartNamer name, PageView& page);

  QComboBox& Choice() const { return *choice_; }
  ChartWidget& Chart() const { return *chart_; }
  QPushButton& PrintButton() const { return *print_; }

  int ChartNumber() const { return chart_number_; }
  void SetChartNumber(int chart);

  // The model the page builds its chart into, then hands the groups of
  // matches behind the values and the counts to Show().
  ChartModel& Model();
  void Show(MatchGroups groups, int selected, int total);
  void Clear();

  const MatchGroups& Groups() const { return groups_; }
  // The chart as the command-line tool writes it.
  QString ChartText() const;
  // A click on the chart: a value opens the matches behind it.
  void OpenZone(int code, qint64 id);

  // The texts again, in the language now in force (the chart names too).
  void Retranslate();

 signals:
  // The user chose another chart in the list.
  void ChartChosen(int chart);

 private:
  void FillChoice();

  int chart_count_;
  ChartNamer name_;
  QComboBox* choice_;
  ChartWidget* chart_;
  QPushButton* print_;
  QAction* copy_text_;
  int chart_number_ = 0;
  MatchGroups groups_;
  int selected_ = 0;
  int total_ = 0;
};

}  // namespace scorvane

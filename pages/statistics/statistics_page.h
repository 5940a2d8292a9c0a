// PAGE_GRAPHIQUES, page 8 of the page frame: the statistics on every match
// the owner played. The filters at the top choose the matches, the band
// under them counts them, and the chart below shows one of nine charts;
// a click on a bar or a slice lists the matches behind it. The chart choice
// and the filters are kept for the next run.
#pragma once

#include <QString>
#include <vector>

#include "stats/matches/match_facts.h"
#include "stats/matches/match_groups.h"
#include "stats/matches/statistics_charts.h"
#include "widgets/page_view.h"
#include "widgets/print/printable.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace scorvane {

class ChartWidget;
class StatisticsFilterPanel;

class PAGE_GRAPHIQUES : public PageView, public Printable {
  Q_OBJECT

 public:
  explicit PAGE_GRAPHIQUES(QWidget* parent = nullptr);
  ~PAGE_GRAPHIQUES() override;

  // A document was opened: its surfaces and events in the lists, the
  // choices kept from the last run, the chart.
  void InitialUpdate() override;
  // The document changed: the lists again, the matches read again, the chart.
  void Refresh() override;
  Printable* PrintContent() override { return this; }

  // The printout: the header, the selected count, one line per filter in
  // force, the chart.
  QString PrintTitle() const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  // A click on the chart: a value (code 2) opens the matches behind it.
  void OpenZone(int code, qint64 id);
  // The chart as the command-line tool writes it.
  QString ChartText() const;
  // The information band's count line.
  QString CountText() const;

  StatisticsFilterPanel& Filters() const { return *filters_; }
  ChartWidget& Chart() const { return *chart_; }
  QComboBox& ChartChoice() const { return *chart_choice_; }
  const MatchGroups& Groups() const { return groups_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void FillChartChoice();
  // Counts the matches that pass the filters and builds the chart.
  void Rebuild();
  void SaveChoices() const;
  void ResetFilters();
  void CopyChartText() const;

  StatisticsFilterPanel* filters_;
  QLabel* chart_label_;
  QComboBox* chart_choice_;
  QPushButton* reset_;
  QPushButton* print_;
  QWidget* band_;
  ChartWidget* chart_;
  int chart_number_ = kWonLostChart;
  std::vector<MatchFacts> facts_;
  int selected_ = 0;
  int total_ = 0;
  MatchGroups groups_;
};

}  // namespace scorvane

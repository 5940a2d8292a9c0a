// PAGE_GRAPHIQUES, page 8 of the page frame: the statistics on every match
// the owner played. The filters at the top choose the matches, the band
// under them counts them, and the chart below shows one of nine charts;
// a click on a bar or a slice lists the matches behind it. The chart choice
// and the filters are kept for the next run.
#pragma once

#include <QString>
#include <vector>

#include "stats/matches/match_facts.h"
#include "stats/matches/statistics_charts.h"
#include "widgets/page_view.h"
#include "widgets/print/printable.h"

class QLabel;
class QPushButton;

namespace scorvane {

class MatchChartPanel;
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

  // The information band's count line.
  QString CountText() const;

  StatisticsFilterPanel& Filters() const { return *filters_; }
  MatchChartPanel& ChartPanel() const { return *chart_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  // Counts the matches that pass the filters and builds the chart.
  void Rebuild();
  void SaveChoices() const;
  void ResetFilters();

  StatisticsFilterPanel* filters_;
  QLabel* chart_label_;
  QPushButton* reset_;
  QWidget* band_;
  MatchChartPanel* chart_;
  std::vector<MatchFacts> facts_;
  int selected_ = 0;
  int total_ = 0;
};

}  // namespace scorvane

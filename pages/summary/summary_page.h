// PAGE_SAISON, page 4 of the page frame: the summary of the active season.
// Nine boxes choose the kinds of match counted; the summary box counts
// them, the chart shows one of five charts of them (a click on a bar or a
// slice lists the matches behind it), and under the French or the Belgian
// system the points box gives the points of the season, with a button to
// the calculation details (page 5).
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "stats/matches/match_facts.h"
#include "stats/summary/season_summary.h"
#include "widgets/page_view.h"
#include "widgets/print/printable.h"

class QCheckBox;
class QLabel;

namespace scorvane {

class MatchChartPanel;
class PointsBoxView;

class PAGE_SAISON : public PageView, public Printable {
  Q_OBJECT

 public:
  explicit PAGE_SAISON(QWidget* parent = nullptr);
  ~PAGE_SAISON() override;

  void InitialUpdate() override;
  // The season again: heading, counts, chart and points box.
  void Refresh() override;
  Printable* PrintContent() override { return this; }

  // The printout: "Season %d summary", the counts, the chart, the boxes.
  QString PrintTitle() const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  QLabel& Heading() const { return *heading_; }
  QLabel& SummaryBox() const { return *summary_; }
  // The box of a kind of match, by object name ("singles", "doubles", ...).
  QCheckBox* Box(const QString& name) const;
  MatchChartPanel& ChartPanel() const { return *chart_; }
  PointsBoxView& Points() const { return *points_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  SummaryFilter ReadBoxes() const;
  // Counts the season's matches the boxes keep and builds the chart.
  void Rebuild();

  QLabel* heading_;
  MatchChartPanel* chart_;
  QLabel* summary_;
  std::array<QCheckBox*, 9> boxes_;
  PointsBoxView* points_;
  std::vector<MatchFacts> facts_;
  SummaryCounts counts_;
};

}  // namespace scorvane

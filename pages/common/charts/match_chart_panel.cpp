#include "pages/common/charts/match_chart_panel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <utility>

#include "pages/common/matches/match_viewer.h"
#include "stats/chart/chart_zones.h"
#include "stats/matches/chart_text.h"
#include "widgets/catalogue_text.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/page_view.h"

namespace scorvane {
namespace {

// Catalogue numbers of the tooltips.
constexpr int kMsgPrintPage = 24;
constexpr int kMsgChartChoice = 25;

}  // namespace

MatchChartPanel::MatchChartPanel(int chart_count, ChartNamer name, PageView& page)
    : QObject(&page),
      chart_count_(chart_count),
      name_(name),
      choice_(new QComboBox(&page)),
      chart_(new ChartWidget(&page)),
      print_(new QPushButton(&page)),
      copy_text_(new QAction(&page)) {
  choice_->setObjectName(QStringLiteral("chartChoice"));
  chart_->setObjectName(QStringLiteral("chart"));
  print_->setObjectName(QStringLiteral("print"));
  copy_text_->setObjectName(QStringLiteral("copyAsText"));
  chart_->addAction(copy_text_);
  connect(copy_text_, &QAction::triggered, this,
          [this] { QApplication::clipboard()->setText(ChartText()); });
  connect(choice_, &QComboBox::activated, this, [this](int chart) {
    chart_number_ = chart;
    emit ChartChosen(chart);
  });
  connect(chart_, &ChartWidget::zoneClicked, this, &MatchChartPanel::OpenZone);
  connect(print_, &QPushButton::clicked, &page, &PageView::PrintRequested);
  Retranslate();
}

void MatchChartPanel::SetChartNumber(int chart) {
  chart_number_ = chart;
  choice_->setCurrentIndex(chart);
}

ChartModel& MatchChartPanel::Model() {
  return chart_->Model();
}

void MatchChartPanel::Show(MatchGroups groups, int selected, int total) {
  groups_ = std::move(groups);
  selected_ = selected;
  total_ = total;
}

void MatchChartPanel::Clear() {
  chart_->Model().Clear();
  Show({}, 0, 0);
}

QString MatchChartPanel::ChartText() const {
  return QString::fromStdString(ChartAsText(name_(chart_number_), selected_, total_,
                                            std::as_const(*chart_).Model(), groups_));
}

void MatchChartPanel::OpenZone(int code, qint64 id) {
  if (code != ZONE_GRAPHIQUE::kDataValue) return;
  DLG_VISU_RENCONTRES::ShowGroup(groups_, id, chart_);
}

void MatchChartPanel::Retranslate() {
  FillChoice();
  choice_->setToolTip(CatalogueText(kMsgChartChoice));
  print_->setText(tr("&Print"));
  print_->setToolTip(CatalogueText(kMsgPrintPage));
  copy_text_->setText(tr("Copy as text"));
}

void MatchChartPanel::FillChoice() {
  choice_->clear();
  for (int chart = 0; chart < chart_count_; ++chart)
    choice_->addItem(QString::fromStdString(name_(chart)));
  choice_->setCurrentIndex(chart_number_);
}

}  // namespace scorvane

#include "pages/statistics/statistics_page.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "pages/common/charts/match_chart_panel.h"
#include "pages/statistics/statistics_filters.h"
#include "pages/statistics/statistics_settings.h"
#include "widgets/catalogue_text.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/current_document.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

namespace scorvane {
namespace {

enum : int {
  kMsgChartChoice = 25,
  kMsgStatisticsOnMatches = 407,
  kMsgStatistics = 411,
};

// The band between the filters and the chart: the word "Statistics" on the
// left, the count of the selected matches on the right, in the page's
// frame colour.
class InformationBand : public QWidget {
 public:
  InformationBand(const PAGE_GRAPHIQUES& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("informationBand"));
    setFixedHeight(26);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ScreenColours::Frame());
    painter.setPen(ScreenColours::Frame().darker(140));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect text = rect().adjusted(10, 0, -10, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, CatalogueText(kMsgStatistics));
    painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, page_.CountText());
  }

 private:
  const PAGE_GRAPHIQUES& page_;
};

}  // namespace

PAGE_GRAPHIQUES::PAGE_GRAPHIQUES(QWidget* parent)
    : PageView(kStatistics, parent),
      filters_(new StatisticsFilterPanel(this)),
      chart_label_(new QLabel(this)),
      reset_(new QPushButton(this)),
      band_(new InformationBand(*this, this)),
      chart_(new MatchChartPanel(kStatisticsChartCount, &StatisticsChartName, *this)) {
  setObjectName(QStringLiteral("statisticsPage"));
  reset_->setObjectName(QStringLiteral("resetFilters"));
  chart_->SetChartNumber(kWonLostChart);

  auto* choice = new QHBoxLayout;
  choice->addWidget(chart_label_);
  choice->addWidget(&chart_->Choice());
  choice->addStretch();
  choice->addWidget(reset_);
  choice->addWidget(&chart_->PrintButton());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(6);
  layout->addWidget(filters_);
  layout->addLayout(choice);
  layout->addWidget(band_);
  layout->addWidget(&chart_->Chart(), 1);

  connect(filters_, &StatisticsFilterPanel::Changed, this, [this] {
    Rebuild();
    SaveChoices();
  });
  connect(chart_, &MatchChartPanel::ChartChosen, this, [this] {
    Rebuild();
    SaveChoices();
  });
  connect(reset_, &QPushButton::clicked, this, &PAGE_GRAPHIQUES::ResetFilters);
  Retranslate();
}

PAGE_GRAPHIQUES::~PAGE_GRAPHIQUES() = default;

void PAGE_GRAPHIQUES::Retranslate() {
  chart_label_->setText(CatalogueText(kMsgChartChoice));
  reset_->setText(tr("Reset filters"));
}

void PAGE_GRAPHIQUES::InitialUpdate() {
  QSettings store = settings::User();
  const StatisticsChoices choices = LoadStatisticsChoices(store, CurrentOwner(), Today());
  chart_->SetChartNumber(choices.chart);
  filters_->FillLists();
  filters_->Show(choices.filter);
  const UTILISATEUR* owner = CurrentOwner();
  facts_ = owner ? GatherOwnerFacts(*owner) : std::vector<MatchFacts>();
  Rebuild();
}

void PAGE_GRAPHIQUES::Refresh() {
  filters_->FillLists();
  const UTILISATEUR* owner = CurrentOwner();
  facts_ = owner ? GatherOwnerFacts(*owner) : std::vector<MatchFacts>();
  Rebuild();
}

void PAGE_GRAPHIQUES::Rebuild() {
  const UTILISATEUR* owner = CurrentOwner();
  const StatisticsSelection selection = SelectMatches(facts_, filters_->Filter());
  selected_ = static_cast<int>(selection.selected.size());
  total_ = selection.total;
  if (owner) {
    chart_->Show(BuildStatisticsChart(chart_->ChartNumber(), facts_, selection.selected, *owner,
                                      chart_->Model()),
                 selected_, total_);
  } else {
    chart_->Clear();
  }
  band_->update();
}

void PAGE_GRAPHIQUES::SaveChoices() const {
  QSettings store = settings::User();
  SaveStatisticsChoices(store, {chart_->ChartNumber(), filters_->Filter()});
}

void PAGE_GRAPHIQUES::ResetFilters() {
  filters_->Show(StatisticsFilter::Initial(Today()));
  Rebuild();
  SaveChoices();
}

QString PAGE_GRAPHIQUES::CountText() const {
  return QString::fromStdString(SelectedCountText(selected_, total_));
}

void PAGE_GRAPHIQUES::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
}

void PAGE_GRAPHIQUES::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    chart_->Retranslate();
    Rebuild();
  }
  PageView::changeEvent(event);
}

QString PAGE_GRAPHIQUES::PrintTitle() const {
  const UTILISATEUR* owner = CurrentOwner();
  if (!owner) return CatalogueText(kMsgStatisticsOnMatches);
  return QString::fromStdString(FormatText(
      "%s %s - %s", {owner->GetFirstName(), owner->GetLastName(), Msg(kMsgStatisticsOnMatches)}));
}

int PAGE_GRAPHIQUES::Paginate(QPainter&, const QRectF&) {
  return 1;
}

void PAGE_GRAPHIQUES::PaintPage(QPainter& painter, const QRectF& area, int) {
  // The page's text in Arial 14 of a 400 x 600 page, then the chart in the
  // rest of the page.
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, static_cast<int>(area.height() * 14 / 600)));
  painter.setFont(font);
  painter.setPen(Qt::black);
  QStringList lines{QString(), CountText(), QString()};
  for (const std::string& line : FilterLines(filters_->Filter()))
    lines << QString::fromStdString(line);
  const QRectF text_area(area.left(), area.top(), area.width(), area.height());
  QRectF used;
  painter.drawText(text_area, Qt::AlignLeft | Qt::AlignTop, lines.join(u'\n'), &used);
  const double gap = area.height() / 60;
  const QRectF chart(area.left(), used.bottom() + gap, area.width(),
                     area.bottom() - used.bottom() - gap);
  if (chart.height() > 0) chart_->Chart().Print(painter, chart);
}

}  // namespace scorvane

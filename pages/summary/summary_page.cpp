#include "pages/summary/summary_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "pages/common/charts/match_chart_panel.h"
#include "pages/common/rules_choice.h"
#include "pages/summary/points_box_view.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "stats/summary/points_box.h"
#include "stats/summary/summary_charts.h"
#include "widgets/catalogue_text.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/current_document.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

enum : int {
  kMsgMatchesUsedForPoints = 37,
  kMsgSelectedMatches = 38,
  kMsgMatchSelection = 160,
  kMsgSeasonSummary = 227,
};

// The nine boxes: object name and the flag each one sets, in the order
// they are shown.
struct BoxInfo {
  const char* name;
  bool SummaryFilter::*flag;
};
constexpr std::array<BoxInfo, 9> kBoxes = {{
    {"singles", &SummaryFilter::singles},
    {"doubles", &SummaryFilter::doubles},
    {"friendly", &SummaryFilter::friendly},
    {"championship", &SummaryFilter::championship},
    {"team", &SummaryFilter::team},
    {"tournament", &SummaryFilter::tournament},
    {"corporate", &SummaryFilter::corporate},
    {"homologated", &SummaryFilter::homologated},
    {"nonHomologated", &SummaryFilter::non_homologated},
}};

const SAISON_JOUEUR* ActiveSeason() {
  const UTILISATEUR* owner = CurrentOwner();
  return owner ? owner->GetActiveSeason() : nullptr;
}

}  // namespace

PAGE_SAISON::PAGE_SAISON(QWidget* parent)
    : PageView(kSeasonSummary, parent),
      heading_(new QLabel(this)),
      chart_(new MatchChartPanel(kSummaryChartCount, &SummaryChartName, *this)),
      summary_(new QLabel(this)),
      boxes_{},
      points_(new PointsBoxView(this)) {
  setObjectName(QStringLiteral("summaryPage"));
  heading_->setObjectName(QStringLiteral("summaryHeading"));
  summary_->setObjectName(QStringLiteral("summaryBox"));
  QFont heading_font(QStringLiteral("Arial"));
  heading_font.setPixelSize(17);
  heading_font.setBold(true);
  heading_->setFont(heading_font);
  heading_->setAlignment(Qt::AlignCenter);
  QFont summary_font(QStringLiteral("Arial"));
  summary_font.setPixelSize(14);
  summary_font.setBold(true);
  summary_->setFont(summary_font);
  summary_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  summary_->setFrameShape(QFrame::Panel);
  summary_->setFrameShadow(QFrame::Sunken);
  UseFrameColour(*summary_);
  summary_->setFixedWidth(240);
  UseFrameColour(*points_);

  auto* boxes = new QVBoxLayout;
  boxes->setSpacing(2);
  for (size_t i = 0; i < kBoxes.size(); ++i) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QLatin1String(kBoxes[i].name));
    box->setChecked(SummaryFilter().*kBoxes[i].flag);
    box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    boxes->addWidget(box);
    connect(box, &QCheckBox::toggled, this, [this] { Rebuild(); });
    boxes_[i] = box;
  }
  auto* side = new QVBoxLayout;
  side->addWidget(summary_, 1);
  side->addLayout(boxes);
  auto* middle = new QHBoxLayout;
  middle->addWidget(&chart_->Chart(), 1);
  middle->addLayout(side);
  // The season's emblem under the heading, between the chart list and the
  // print button, so that it takes no height from the chart.
  auto* emblem = new QLabel(this);
  emblem->setObjectName(QStringLiteral("summaryEmblem"));
  emblem->setPixmap(QIcon(QStringLiteral(":/pictures/summary.svg")).pixmap(32, 32));
  auto* top = new QHBoxLayout;
  top->addWidget(&chart_->Choice());
  top->addStretch();
  top->addWidget(emblem);
  top->addStretch();
  top->addWidget(&chart_->PrintButton());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->setSpacing(6);
  layout->addWidget(heading_);
  layout->addLayout(top);
  layout->addLayout(middle, 3);
  layout->addWidget(points_, 2);

  connect(chart_, &MatchChartPanel::ChartChosen, this, &PAGE_SAISON::Rebuild);
  connect(points_, &PointsBoxView::DetailsRequested, this,
          [this] { emit ShowPageRequested(kCalculationReport); });
  connect(points_, &PointsBoxView::rulesChosen, this, &PAGE_SAISON::Refresh);
  Retranslate();
}

PAGE_SAISON::~PAGE_SAISON() = default;

QCheckBox* PAGE_SAISON::Box(const QString& name) const {
  for (QCheckBox* box : boxes_) {
    if (box->objectName() == name) return box;
  }
  return nullptr;
}

void PAGE_SAISON::Retranslate() {
  const QString texts[] = {tr("Singles"),
                           tr("Doubles"),
                           tr("Friendly"),
                           tr("Individual championship"),
                           tr("Team"),
                           tr("Tournament"),
                           tr("Corporate"),
                           tr("Homologated matches"),
                           tr("Non homologated competition")};
  for (size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i]->setText(texts[i]);
    boxes_[i]->setToolTip(CatalogueText(kMsgMatchSelection));
  }
  summary_->setToolTip(CatalogueText(kMsgSelectedMatches));
  points_->setToolTip(CatalogueText(kMsgMatchesUsedForPoints));
}

SummaryFilter PAGE_SAISON::ReadBoxes() const {
  SummaryFilter filter;
  for (size_t i = 0; i < kBoxes.size(); ++i)
    filter.*kBoxes[i].flag = boxes_[i]->isChecked();
  return filter;
}

void PAGE_SAISON::InitialUpdate() {
  Refresh();
}

void PAGE_SAISON::Refresh() {
  const UTILISATEUR* owner = CurrentOwner();
  const SAISON_JOUEUR* season = ActiveSeason();
  facts_ = season ? GatherSeasonFacts(*season, *owner) : std::vector<MatchFacts>();
  heading_->setText(season ? QString::fromStdString(SummaryHeading(*season, *owner)) : QString());
  const bool french = ActiveSystem().IsFrench();
  points_->ShowRulesChoice(french && owner && season);
  if (owner && season && french && ChosenFrenchRules() != modern::kRules2000) {
    points_->Show(BuildRulesPointsBox(EstimateUnderChosenRules(*owner, season, false)));
  } else {
    points_->Show(owner ? BuildPointsBox(ActiveSystem(), *owner, season) : PointsBox());
  }
  Rebuild();
}

void PAGE_SAISON::Rebuild() {
  const SAISON_JOUEUR* season = ActiveSeason();
  if (!season) {
    counts_ = SummaryCounts();
    chart_->Clear();
    summary_->clear();
    return;
  }
  const SummarySelection selection = SelectSeasonMatches(facts_, ReadBoxes().Mask());
  counts_ = selection.counts;
  chart_->Show(
      BuildSummaryChart(chart_->ChartNumber(), selection.selected, season->Year(), chart_->Model()),
      counts_.selected, counts_.total);
  summary_->setText(QString::fromStdString(SummaryText(counts_)));
}

void PAGE_SAISON::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
}

void PAGE_SAISON::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    chart_->Retranslate();
    Refresh();
  }
  PageView::changeEvent(event);
}

QString PAGE_SAISON::PrintTitle() const {
  const SAISON_JOUEUR* season = ActiveSeason();
  return CatalogueText(kMsgSeasonSummary, {season ? season->Year() : 0});
}

int PAGE_SAISON::Paginate(QPainter&, const QRectF&) {
  return 1;
}

void PAGE_SAISON::PaintPage(QPainter& painter, const QRectF& area, int) {
  const SAISON_JOUEUR* season = ActiveSeason();
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, static_cast<int>(area.height() / 45)));
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  QRectF used;
  painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(PrintedSummaryText(counts_)), &used);
  font.setBold(false);
  painter.setFont(font);
  const QString boxes =
      QString::fromStdString(SummaryFilterText(ReadBoxes(), season ? season->Year() : 0));
  QRectF boxes_used;
  painter.drawText(area, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, boxes, &boxes_used);
  const double gap = area.height() / 60;
  const QRectF chart(area.left(), used.bottom() + gap, area.width(),
                     boxes_used.top() - used.bottom() - 2 * gap);
  if (chart.height() > 0) chart_->Chart().Print(painter, chart);
}

}  // namespace scorvane

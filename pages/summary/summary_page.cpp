#include "pages/summary/summary_page.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "pages/common/matches/match_viewer.h"
#include "pages/common/rules_choice.h"
#include "pages/summary/points_box_view.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "stats/chart/chart_zones.h"
#include "stats/matches/chart_text.h"
#include "stats/summary/points_box.h"
#include "stats/summary/summary_charts.h"
#include "widgets/catalogue_text.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/current_document.h"
#include "widgets/screen_colours.h"
#include "widgets/width_reflow.h"

namespace scorvane {
namespace {

// The page is wide enough for the chart beside its selection from this
// width on (a window of 1024 pixels or more).
constexpr int kWideFrom = 760;

enum : int {
  kMsgPrintPage = 24,
  kMsgChartChoice = 25,
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
      chart_choice_(new QComboBox(this)),
      print_(new QPushButton(this)),
      chart_(new ChartWidget(this)),
      summary_(new QLabel(this)),
      boxes_{},
      points_(new PointsBoxView(this)) {
  setObjectName(QStringLiteral("summaryPage"));
  heading_->setObjectName(QStringLiteral("summaryHeading"));
  chart_choice_->setObjectName(QStringLiteral("chartChoice"));
  print_->setObjectName(QStringLiteral("print"));
  chart_->setObjectName(QStringLiteral("chart"));
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
  summary_->setAutoFillBackground(true);
  summary_->setFixedWidth(240);
  points_->setAutoFillBackground(true);

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
  auto* side = new QBoxLayout(QBoxLayout::TopToBottom);
  side->addWidget(summary_, 1);
  side->addLayout(boxes);
  auto* middle = new QBoxLayout(QBoxLayout::LeftToRight);
  middle->addWidget(chart_, 1);
  middle->addLayout(side);
  // On a small screen the selection and its filters move under the chart,
  // side by side, rather than squeeze the chart or widen the window.
  chart_->setMinimumHeight(240);
  auto* reflow = new WidthReflow(this, kWideFrom);
  reflow->Follow(middle, QBoxLayout::LeftToRight, QBoxLayout::TopToBottom);
  reflow->Follow(side, QBoxLayout::TopToBottom, QBoxLayout::LeftToRight);
  // The season's emblem under the heading, between the chart list and the
  // print button, so that it takes no height from the chart.
  auto* emblem = new QLabel(this);
  emblem->setObjectName(QStringLiteral("summaryEmblem"));
  emblem->setPixmap(QIcon(QStringLiteral(":/pictures/summary.svg")).pixmap(32, 32));
  auto* top = new QHBoxLayout;
  top->addWidget(chart_choice_);
  top->addStretch();
  top->addWidget(emblem);
  top->addStretch();
  top->addWidget(print_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->setSpacing(6);
  layout->addWidget(heading_);
  layout->addLayout(top);
  layout->addLayout(middle, 3);
  layout->addWidget(points_, 2);

  auto* copy_text = new QAction(this);
  copy_text->setObjectName(QStringLiteral("copyAsText"));
  chart_->addAction(copy_text);
  connect(copy_text, &QAction::triggered, this, &PAGE_SAISON::CopyChartText);
  connect(chart_choice_, &QComboBox::activated, this, [this](int index) {
    chart_number_ = index;
    Rebuild();
  });
  connect(chart_, &ChartWidget::zoneClicked, this, &PAGE_SAISON::OpenZone);
  connect(print_, &QPushButton::clicked, this, &PageView::PrintRequested);
  connect(points_, &PointsBoxView::DetailsRequested, this,
          [this] { emit ShowPageRequested(kCalculationReport); });
  connect(points_, &PointsBoxView::rulesChosen, this, &PAGE_SAISON::Refresh);
  FillChartChoice();
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
  chart_choice_->setToolTip(CatalogueText(kMsgChartChoice));
  print_->setText(tr("&Print"));
  print_->setToolTip(CatalogueText(kMsgPrintPage));
  summary_->setToolTip(CatalogueText(kMsgSelectedMatches));
  points_->setToolTip(CatalogueText(kMsgMatchesUsedForPoints));
  if (QAction* copy_text = findChild<QAction*>(QStringLiteral("copyAsText")))
    copy_text->setText(tr("Copy as text"));
}

void PAGE_SAISON::FillChartChoice() {
  chart_choice_->clear();
  for (int chart = 0; chart < kSummaryChartCount; ++chart)
    chart_choice_->addItem(QString::fromStdString(SummaryChartName(chart)));
  chart_choice_->setCurrentIndex(chart_number_);
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
  ChartModel& model = chart_->Model();
  if (!season) {
    counts_ = SummaryCounts();
    groups_.clear();
    model.Clear();
    summary_->clear();
    return;
  }
  const SummarySelection selection = SelectSeasonMatches(facts_, ReadBoxes().Mask());
  counts_ = selection.counts;
  groups_ = BuildSummaryChart(chart_number_, selection.selected, season->Year(), model);
  summary_->setText(QString::fromStdString(SummaryText(counts_)));
}

QString PAGE_SAISON::ChartText() const {
  return QString::fromStdString(ChartAsText(SummaryChartName(chart_number_), counts_.selected,
                                            counts_.total, std::as_const(*chart_).Model(),
                                            groups_));
}

void PAGE_SAISON::CopyChartText() const {
  QApplication::clipboard()->setText(ChartText());
}

void PAGE_SAISON::OpenZone(int code, qint64 id) {
  if (code != ZONE_GRAPHIQUE::kDataValue) return;
  DLG_VISU_RENCONTRES::ShowGroup(groups_, id, this);
}

void PAGE_SAISON::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
  for (QWidget* box : std::initializer_list<QWidget*>{summary_, points_}) {
    QPalette palette = box->palette();
    if (palette.color(QPalette::Window) != ScreenColours::Frame()) {
      palette.setColor(QPalette::Window, ScreenColours::Frame());
      box->setPalette(palette);
    }
  }
}

void PAGE_SAISON::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    FillChartChoice();
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
  if (chart.height() > 0) chart_->Print(painter, chart);
}

}  // namespace scorvane

#include "pages/report/report_page.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "estimates/modern/rule_report.h"
#include "estimates/next_grade_advice.h"
#include "estimates/season_estimate.h"
#include "pages/common/rankings/next_grade_text.h"
#include "pages/common/rules_choice.h"
#include "pages/report/scales_dialog.h"
#include "pages/report/what_if_panel.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "records/season.h"
#include "widgets/current_document.h"
#include "widgets/help_window.h"
#include "widgets/screen_colours.h"
#include "widgets/width_reflow.h"

namespace scorvane {
namespace {

// The logical sheet the report is printed on, and the height of report that
// one sheet holds.
constexpr double kSheetWidth = 800;
constexpr double kSheetHeight = 1100;
constexpr int kPageBand = 1000;
constexpr int kSheetTopMargin = 40;

class FontMeasurer : public ReportMeasurer {
 public:
  FontMeasurer(const ReportFonts& fonts, QPaintDevice* device)
      : normal_(fonts.normal, device),
        bold_(fonts.bold, device),
        large_(fonts.large_bold, device) {}
  int LineHeight(ReportFont font) const override {
    return qRound(Metrics(font).boundingRect(QStringLiteral("Test")).height());
  }
  int TextWidth(std::string_view text, ReportFont font) const override {
    return qRound(Metrics(font).horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
  }

 private:
  const QFontMetricsF& Metrics(ReportFont font) const {
    return font == ReportFont::kBold ? bold_ : font == ReportFont::kLargeBold ? large_ : normal_;
  }
  QFontMetricsF normal_;
  QFontMetricsF bold_;
  QFontMetricsF large_;
};

// Arial whose lines are `height` high (ascent plus descent), the way
// fonts are sized by their cell: 14 gives letters of about 12 pixels.
QFont ArialOf(int height, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(qRound(height / 1.15));
  font.setBold(bold);
  return font;
}

// The commands and the scale buttons each stand on one row, and the
// what-if panel beside the report, from this page width on.
constexpr int kOneRowFrom = 780;

}  // namespace

ReportFonts::ReportFonts()
    : normal(ArialOf(14, false)), bold(ArialOf(14, true)), large_bold(ArialOf(17, true)) {}

const QFont& ReportFonts::Of(ReportFont font) const {
  return font == ReportFont::kBold ? bold : font == ReportFont::kLargeBold ? large_bold : normal;
}

void PaintReportLayout(QPainter& painter, const ReportLayout& layout, const ReportFonts& fonts,
                       int from, int to, int shift) {
  painter.save();
  painter.setPen(Qt::black);
  const auto visible = [from, to](int y) { return y >= from && y < to; };
  painter.setFont(fonts.large_bold);
  const QString rule(ReportGeometry::kRuleUnderscores, u'_');
  for (const ReportRule& item : layout.rules) {
    if (!visible(item.y)) continue;
    painter.drawText(
        QPointF(ReportGeometry::kLeft, item.y - shift + painter.fontMetrics().ascent()), rule);
  }
  for (const ReportText& text : layout.texts) {
    if (!visible(text.y)) continue;
    painter.setFont(fonts.Of(text.font));
    const double baseline = text.y - shift + painter.fontMetrics().ascent();
    for (const ReportText::Segment& segment : text.segments)
      painter.drawText(QPointF(segment.x, baseline), QString::fromStdString(segment.text));
    if (text.underlined) {
      // A raised edge along the bottom of the text: light over dark.
      const double bottom = text.y - shift + text.height;
      const double right = ReportGeometry::kLeft + text.width;
      painter.setPen(QColor(255, 255, 255));
      painter.drawLine(QPointF(ReportGeometry::kLeft, bottom - 1), QPointF(right, bottom - 1));
      painter.setPen(QColor(128, 128, 128));
      painter.drawLine(QPointF(ReportGeometry::kLeft, bottom), QPointF(right, bottom));
      painter.setPen(Qt::black);
    }
  }
  painter.restore();
}

// The drawn report inside the page's scroll area: laid out anew at every
// paint, its size following the report's length.
class ReportCanvas : public QWidget {
 public:
  explicit ReportCanvas(DETAILS_FFT& page) : QWidget(nullptr), page_(page) {
    setObjectName(QStringLiteral("reportCanvas"));
    resize(ReportGeometry::kWidth, 630);
  }
  const ReportLayout& Layout() const { return layout_; }
  void LayOut() {
    const FontMeasurer measurer(fonts_, this);
    layout_ = LayOutReport(page_.ReportText(), measurer);
    // Wide enough for the longest line, should a font be wider than planned.
    int width = ReportGeometry::kWidth;
    for (const ReportText& text : layout_.texts)
      width = std::max(width, ReportGeometry::kLeft + text.width + ReportGeometry::kLeft);
    const QSize size(width, layout_.ScrollHeight());
    if (this->size() != size) resize(size);
  }
  int LineHeight() const { return layout_.line_height; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    LayOut();
    QPainter painter(this);
    painter.fillRect(event->rect(), ScreenColours::Background());
    PaintReportLayout(painter, layout_, fonts_, event->rect().top() - 40,
                      event->rect().bottom() + 1, 0);
  }

 private:
  DETAILS_FFT& page_;
  ReportFonts fonts_;
  ReportLayout layout_;
};

namespace {

// The scroll area of the report. Its steps are the report's own: a page
// step is a tenth of the report's size, a line step one line; the area
// puts them back after every change of size, which Qt's area would reset.
class ReportScroll : public QScrollArea {
 public:
  ReportScroll(const ReportCanvas& canvas, QWidget* parent)
      : QScrollArea(parent), canvas_(canvas) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool handled = QScrollArea::eventFilter(watched, event);
    if (event->type() == QEvent::Resize) FollowReport();
    return handled;
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QScrollArea::resizeEvent(event);
    FollowReport();
  }

 private:
  void FollowReport() {
    const int line = std::max(canvas_.LineHeight(), 1);
    verticalScrollBar()->setPageStep(std::max(canvas_.height() / 10, 1));
    verticalScrollBar()->setSingleStep(line);
    horizontalScrollBar()->setPageStep(std::max(canvas_.width() / 10, 1));
    horizontalScrollBar()->setSingleStep(line);
  }
  const ReportCanvas& canvas_;
};

}  // namespace

DETAILS_FFT::DETAILS_FFT(QWidget* parent) : PageView(kCalculationReport, parent) {
  setObjectName(QStringLiteral("page5"));
  setAutoFillBackground(true);
  back_ = new QPushButton(this);
  back_->setObjectName(QStringLiteral("backToSummary"));
  print_ = new QPushButton(this);
  print_->setObjectName(QStringLiteral("printReport"));
  explain_ = new QPushButton(this);
  explain_->setObjectName(QStringLiteral("explainReport"));
  scales_heading_ = new QLabel(this);
  scales_heading_->setObjectName(QStringLiteral("scalesHeading"));
  const char* const names[] = {"scaleCapital", "scaleMinimum", "scaleExtra", "scaleVictory",
                               "scaleNorms"};
  for (int table = 0; table < french::kScalesTableCount; ++table) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(names[table]));
    connect(button, &QPushButton::clicked, this, [this, table] { OpenScales(table); });
    scales_[static_cast<size_t>(table)] = button;
  }
  rules_ = new RulesComboBox(this);
  what_if_ = new QPushButton(this);
  what_if_->setObjectName(QStringLiteral("whatIf"));
  what_if_->setCheckable(true);
  panel_ = new WhatIfPanel(this);
  panel_->setFixedWidth(330);
  panel_->hide();
  connect(rules_, &RulesComboBox::rulesChosen, this, &DETAILS_FFT::Refresh);
  connect(what_if_, &QPushButton::toggled, panel_, &QWidget::setVisible);
  connect(panel_, &WhatIfPanel::planChanged, this, &DETAILS_FFT::PlanChanged);
  connect(back_, &QPushButton::clicked, this, [this] { emit ShowPageRequested(kSeasonSummary); });
  connect(print_, &QPushButton::clicked, this, &DETAILS_FFT::PrintRequested);
  connect(explain_, &QPushButton::clicked, this, &DETAILS_FFT::OpenHelp);

  canvas_ = new ReportCanvas(*this);
  scroll_ = new ReportScroll(*canvas_, this);
  scroll_->setObjectName(QStringLiteral("reportScroll"));
  scroll_->setWidget(canvas_);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setBackgroundRole(QPalette::Window);

  // Each row of commands is made of two halves that stand side by side on
  // a wide page and one under the other on a small screen, where the
  // what-if panel also goes under the report.
  auto* pages = new QHBoxLayout;
  for (QPushButton* button : {back_, print_, explain_})
    pages->addWidget(button);
  pages->addStretch();
  auto* choices = new QHBoxLayout;
  choices->addStretch();
  choices->addWidget(rules_);
  choices->addWidget(what_if_);
  auto* commands = new QBoxLayout(QBoxLayout::LeftToRight);
  commands->addLayout(pages, 1);
  commands->addLayout(choices);
  auto* first_scales = new QHBoxLayout;
  auto* last_scales = new QHBoxLayout;
  first_scales->addWidget(scales_heading_);
  for (size_t table = 0; table < scales_.size(); ++table)
    (table < 3 ? first_scales : last_scales)->addWidget(scales_[table]);
  last_scales->addStretch();
  auto* scales = new QBoxLayout(QBoxLayout::LeftToRight);
  scales->addLayout(first_scales);
  scales->addLayout(last_scales, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 0);
  layout->addLayout(commands);
  layout->addLayout(scales);
  auto* body = new QBoxLayout(QBoxLayout::LeftToRight);
  body->addWidget(scroll_, 1);
  body->addWidget(panel_);
  layout->addLayout(body, 1);
  auto* reflow = new WidthReflow(this, kOneRowFrom);
  for (QBoxLayout* row : {commands, scales, body})
    reflow->Follow(row, QBoxLayout::LeftToRight, QBoxLayout::TopToBottom);

  QPalette colours = palette();
  colours.setColor(QPalette::Window, ScreenColours::Background());
  setPalette(colours);
  Retranslate();
  ShowScaleButtons();
}

void DETAILS_FFT::Retranslate() {
  back_->setText(tr("&Back to the summary"));
  print_->setText(tr("&Print"));
  explain_->setText(tr("&Explanations"));
  what_if_->setText(tr("&What if..."));
  scales_heading_->setText(QString::fromUtf8(Msg(457)));
  const QString texts[] = {tr("&Starting points"), tr("&Min. victories kept"),
                           tr("Extra &victories"), tr("Victory &scale"),
                           tr("&Upgrades, downgrades")};
  for (int table = 0; table < french::kScalesTableCount; ++table)
    scales_[static_cast<size_t>(table)]->setText(texts[table]);
}

void DETAILS_FFT::ShowScaleButtons() {
  const bool french = ActiveSystem().IsFrench();
  // The tables of the scales are the 2000 ones.
  const bool tables = french && ChosenFrenchRules() == modern::kRules2000;
  for (QPushButton* button : scales_)
    button->setVisible(tables);
  scales_heading_->setVisible(tables);
  rules_->setVisible(french);
  what_if_->setVisible(french);
  if (!french) what_if_->setChecked(false);
}

void DETAILS_FFT::OpenWhatIf() {
  what_if_->setChecked(true);
  PlanChanged();
}

void DETAILS_FFT::PlanChanged() {
  panel_->ShowPlan();
  advice_stale_ = true;
  ShowChanges();
  canvas_->update();
}

void DETAILS_FFT::ShowChanges() {
  const PROJECT_DOC* document = CurrentDocument();
  if (!document || !ActiveSystem().IsFrench() || PlannedMatches().empty()) {
    panel_->SetChanges(QString());
    return;
  }
  const UTILISATEUR& owner = document->Owner();
  const SAISON_JOUEUR* season = owner.GetActiveSeason();
  const modern::EstimateFigures before =
      modern::FiguresOf(EstimateUnderChosenRules(owner, season, false));
  const modern::EstimateFigures after =
      modern::FiguresOf(EstimateUnderChosenRules(owner, season, true));
  const bool french = CurrentLanguage() == kLanguageFrench;
  const auto points = [french](double value) {
    return QString::fromStdString(modern::Figure(value, french));
  };
  const auto text = [](const std::string& value) { return QString::fromStdString(value); };
  QString changes = tr("Result: %1 (%2 without the planned matches)")
                        .arg(text(after.result), text(before.result)) +
                    u'\n' +
                    tr("Bilan at %1: %2 points (%3 at %4)")
                        .arg(text(after.result), points(after.points), points(before.points),
                             text(before.result)) +
                    u'\n' + tr("Victories kept: %1 (%2)").arg(after.kept).arg(before.kept);
  if (!after.next.empty()) {
    changes += u'\n' + tr("Missing for %1: %2 points (%3 for %4)")
                           .arg(text(after.next), points(after.to_next), points(before.to_next),
                                text(before.next));
  }
  panel_->SetChanges(changes);
}

void DETAILS_FFT::InitialUpdate() {
  Refresh();
  scroll_->verticalScrollBar()->setValue(0);
}

void DETAILS_FFT::Refresh() {
  advice_stale_ = true;
  rules_->Reload();
  ShowScaleButtons();
  // Planned matches (from the own page's suggestion, or kept from before) open the panel.
  if (!PlannedMatches().empty() && ActiveSystem().IsFrench()) what_if_->setChecked(true);
  panel_->ShowPlan();
  ShowChanges();
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ScreenColours::Background());
  setPalette(colours);
  canvas_->update();
}

std::string DETAILS_FFT::ReportText() {
  const PROJECT_DOC* document = CurrentDocument();
  if (!document) return {};
  const UTILISATEUR& owner = document->Owner();
  const SAISON_JOUEUR* season = owner.GetActiveSeason();
  SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (system.IsFrench()) {
    // Under the chosen French rules, with the planned matches.
    const modern::RulesEstimate estimate = EstimateUnderChosenRules(owner, season, true);
    if (!estimate.available) return {};
    if (advice_stale_) {
      advice_section_ = NextGradeSection(AdviseUnderRules(estimate));
      advice_stale_ = false;
    }
    return estimate.report + advice_section_;
  }
  SeasonEstimate estimate = EstimateSeason(system, owner, season);
  if (!estimate.available) return {};
  if (advice_stale_) {
    advice_section_ = NextGradeSection(AdviseNextGrade(system, owner, season));
    advice_stale_ = false;
  }
  return estimate.report + advice_section_;
}

const ReportLayout& DETAILS_FFT::ScreenLayout() const {
  canvas_->LayOut();
  return canvas_->Layout();
}

void DETAILS_FFT::OpenScales(int table) {
  DLG_BAREMES dialog(static_cast<french::ScalesTableKind>(table), this);
  dialog.exec();
}

void DETAILS_FFT::OpenHelp() {
  HelpWindow::Open(ActiveSystem().IsFrench() ? HelpTopic::kFrenchEstimate
                                             : HelpTopic::kOtherEstimates);
}

QString DETAILS_FFT::PrintTitle() const {
  const PROJECT_DOC* document = CurrentDocument();
  if (!document) return {};
  const UTILISATEUR& owner = document->Owner();
  const SAISON_JOUEUR* season = owner.GetActiveSeason();
  const int year = season ? season->Year() : 0;
  return QString::fromStdString(
      FormatText("%s %s, saison %d - Calcul du classement %d",
                 {owner.GetFirstName(), owner.GetLastName(), year, year + 1}));
}

int DETAILS_FFT::Paginate(QPainter& painter, const QRectF&) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const FontMeasurer measurer(print_fonts_, painter.device());
  print_layout_ = LayOutReport(ReportText(), measurer);
  page_starts_ = ReportPageStarts(print_layout_.breaks, print_layout_.end, kPageBand);
  QApplication::restoreOverrideCursor();
  return static_cast<int>(page_starts_.size());
}

void DETAILS_FFT::PaintPage(QPainter& painter, const QRectF& area, int index) {
  if (index < 0 || static_cast<size_t>(index) >= page_starts_.size()) return;
  const int from = page_starts_[static_cast<size_t>(index)];
  const int to = static_cast<size_t>(index) + 1 < page_starts_.size()
                     ? page_starts_[static_cast<size_t>(index) + 1]
                     : print_layout_.end;
  painter.save();
  painter.translate(area.topLeft());
  const double scale = std::min(area.width() / kSheetWidth, area.height() / kSheetHeight);
  painter.scale(scale, scale);
  PaintReportLayout(painter, print_layout_, print_fonts_, from, to, from - kSheetTopMargin);
  painter.restore();
}

void DETAILS_FFT::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    advice_stale_ = true;
  }
  PageView::changeEvent(event);
}

}  // namespace scorvane

#include "pages/own/own_page.h"

#include "pages/common/rules_choice.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "estimates/next_grade_advice.h"
#include "pages/common/rankings/next_grade_text.h"
#include "pages/common/rankings/ranking_history_dialog.h"
#include "pages/common/seasons/season_commands.h"
#include "pages/own/own_chart_clicks.h"
#include "pages/own/own_page_views.h"
#include "pages/own/owner_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "stats/evolution_charts.h"
#include "widgets/catalogue_text.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/current_document.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/screen_colours.h"
#include "widgets/width_reflow.h"

namespace scorvane {
namespace {

// The chart list's texts, and the hint under each chart (none for the
// ranking chart).
constexpr int kChartNames[kSeasonChartCount] = {237, 239, 241, 243};
constexpr int kChartHints[kSeasonChartCount] = {0, 240, 242, 244};

QImage RacketPicture() {
  QSvgRenderer renderer(QStringLiteral(":/pictures/racket.svg"));
  QImage image(renderer.defaultSize() * 2, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

// Every picture format this Qt reads, for the photo chooser.
QString PictureFilter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    patterns << QStringLiteral("*.") + QString::fromLatin1(format);
  return CatalogueText(246) + u'(' + patterns.join(u' ') + u')';
}

PROJECT_DOC* Document() {
  return CurrentDocument();
}

// The card and the chart stand side by side from this page width on.
constexpr int kChartBesideFrom = 700;

}  // namespace

PAGE_PERSO::PAGE_PERSO(QWidget* parent) : PageView(kOwnPage, parent) {
  setObjectName(QStringLiteral("page3"));
  photo_view_ = new PhotoView(this);
  card_view_ = new OwnCardView(this);
  choice_ = new QComboBox(this);
  choice_->setObjectName(QStringLiteral("chartChoice"));
  chart_view_ = new ChartWidget(this);
  chart_view_->setObjectName(QStringLiteral("ownChart"));
  // The chart grows with the window.
  chart_view_->setMinimumSize(260, 220);
  hint_ = new QLabel(this);
  hint_->setObjectName(QStringLiteral("chartHint"));
  hint_->setAlignment(Qt::AlignCenter);

  describe_ = new QPushButton(this);
  describe_->setObjectName(QStringLiteral("describeButton"));
  photo_button_ = new QPushButton(this);
  photo_button_->setObjectName(QStringLiteral("photoButton"));
  edit_season_ = new QPushButton(this);
  edit_season_->setObjectName(QStringLiteral("editSeasonButton"));
  add_season_ = new QPushButton(this);
  add_season_->setObjectName(QStringLiteral("addSeasonButton"));
  print_ = new QPushButton(this);
  print_->setObjectName(QStringLiteral("printButton"));
  rankings_ = new QPushButton(this);
  rankings_->setObjectName(QStringLiteral("rankingsButton"));

  connect(photo_view_, &PhotoView::Clicked, this, &PAGE_PERSO::ChoosePhoto);
  connect(card_view_, &OwnCardView::Clicked, this, &PAGE_PERSO::EditDescription);
  connect(card_view_, &OwnCardView::AdviceClicked, this, &PAGE_PERSO::TrySuggestedWins);
  connect(describe_, &QPushButton::clicked, this, &PAGE_PERSO::EditDescription);
  connect(photo_button_, &QPushButton::clicked, this, &PAGE_PERSO::ChoosePhoto);
  connect(edit_season_, &QPushButton::clicked, this, &PAGE_PERSO::EditActiveSeason);
  connect(add_season_, &QPushButton::clicked, this, &PAGE_PERSO::AddSeason);
  connect(print_, &QPushButton::clicked, this, &PAGE_PERSO::PrintRequested);
  connect(rankings_, &QPushButton::clicked, this, &PAGE_PERSO::EditRankings);
  connect(choice_, &QComboBox::activated, this, &PAGE_PERSO::ChooseChart);
  connect(chart_view_, &ChartWidget::zoneClicked, this, &PAGE_PERSO::ChartClicked);

  auto* left = new QBoxLayout(QBoxLayout::TopToBottom);
  left->addWidget(photo_view_, 0, Qt::AlignHCenter);
  left->addWidget(card_view_);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(choice_);
  right->addWidget(chart_view_, 1);
  right->addWidget(hint_);
  auto* top = new QBoxLayout(QBoxLayout::LeftToRight);
  top->addLayout(left);
  top->addLayout(right, 1);
  // On a small screen the chart goes under the photo and the card, which
  // then stand side by side.
  auto* reflow = new WidthReflow(this, kChartBesideFrom);
  reflow->Follow(top, QBoxLayout::LeftToRight, QBoxLayout::TopToBottom);
  reflow->Follow(left, QBoxLayout::TopToBottom, QBoxLayout::LeftToRight);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button :
       {describe_, photo_button_, edit_season_, add_season_, rankings_, print_})
    buttons->addWidget(button);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
  Retranslate();
}

PAGE_PERSO::~PAGE_PERSO() = default;

const ChartModel& PAGE_PERSO::ChartData() const {
  return chart_view_->Model();
}

QString PAGE_PERSO::PhotosFolder() {
  // Beside the program in a build tree; an installed program (in .../bin)
  // finds it with its other data in .../share/scorvane.
  const QString program = QCoreApplication::applicationDirPath();
  const QString beside = program + QStringLiteral("/Photos");
  const QString installed = program + QStringLiteral("/../share/scorvane/Photos");
  if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
    return QFileInfo(installed).canonicalFilePath();
  return beside;
}

void PAGE_PERSO::Retranslate() {
  describe_->setText(tr("Edit &description"));
  photo_button_->setText(tr("Change &photo"));
  edit_season_->setText(tr("Edit a &season"));
  add_season_->setText(tr("&Add a season"));
  print_->setText(tr("&Print"));
  rankings_->setText(tr("&Rankings"));
  describe_->setToolTip(CatalogueText(262));
  photo_button_->setToolTip(CatalogueText(259));
  edit_season_->setToolTip(CatalogueText(261));
  add_season_->setToolTip(CatalogueText(260));
  print_->setToolTip(CatalogueText(24));
  rankings_->setToolTip(CatalogueText(263));
  choice_->setToolTip(CatalogueText(25));
  const QSignalBlocker blocker(choice_);
  choice_->clear();
  for (const int name : kChartNames)
    choice_->addItem(CatalogueText(name));
  choice_->setCurrentIndex(static_cast<int>(chart_));
  const int hint = kChartHints[static_cast<int>(chart_)];
  hint_->setText(hint ? CatalogueText(hint) : QString());
}

void PAGE_PERSO::InitialUpdate() {
  refused_path_.clear();
  Refresh();
}

void PAGE_PERSO::Refresh() {
  LoadPhoto();
  BuildCard();
  BuildChart();
  update();
}

void PAGE_PERSO::LoadPhoto() {
  const PROJECT_DOC* document = Document();
  const QString path = document ? QString::fromStdString(document->Owner().PhotoPath()) : QString();
  default_photo_ = path.isEmpty();
  if (default_photo_) {
    photo_ = RacketPicture();
  } else {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    photo_ = reader.read();
    // The frame stays empty; the user hears of it once per picture.
    if (photo_.isNull() && path != refused_path_) {
      refused_path_ = path;
      MessageBoxes::Warn(this, CatalogueText(247, {QFileInfo(path).fileName().toStdString()}));
    }
  }
  photo_view_->SetImage(photo_);
}

void PAGE_PERSO::BuildCard() {
  const PROJECT_DOC* document = Document();
  if (!document) return;
  const UTILISATEUR& owner = document->Owner();
  card_ = BuildOwnCard(owner, Today());
  const SAISON_JOUEUR* season = owner.GetActiveSeason();
  next_grade_ = ActiveSystem().IsFrench()
                    ? AdviseUnderRules(EstimateUnderChosenRules(owner, season, false))
                    : AdviseNextGrade(ActiveSystem(), owner, season);
  advice_ = NextGradeSentence(next_grade_);
  card_view_->SetCard(card_, advice_);
}

void PAGE_PERSO::BuildChart() {
  const PROJECT_DOC* document = Document();
  if (!document) return;
  BuildSeasonChart(chart_view_->Model(), chart_, document->Owner());
}

void PAGE_PERSO::ChooseChart(int index) {
  if (index < 0 || index >= kSeasonChartCount) return;
  chart_ = static_cast<SeasonChart>(index);
  const int hint = kChartHints[index];
  hint_->setText(hint ? CatalogueText(hint) : QString());
  BuildChart();
}

void PAGE_PERSO::TrySuggestedWins() {
  if (next_grade_.wins.empty() || !ActiveSystem().IsFrench()) return;
  const WinsNeeded& option = next_grade_.wins.front();
  const int opponent = next_grade_.echelons ? option.opponent.Value()
                                            : modern::EchelonOfGrade(option.opponent.Value());
  PlannedMatches().assign(static_cast<size_t>(option.wins), modern::PlannedMatch{opponent, true});
  emit ShowPageRequested(kCalculationReport);
}

void PAGE_PERSO::EditDescription() {
  if (PROJECT_DOC* document = Document()) EditOwner(this, *document);
}

void PAGE_PERSO::ChoosePhoto() {
  PROJECT_DOC* document = Document();
  if (!document) return;
  UTILISATEUR& owner = document->Owner();
  const QString current = QString::fromStdString(owner.PhotoPath());
  const QString folder = current.isEmpty() ? PhotosFolder() : QFileInfo(current).absolutePath();
  const QString path =
      FileChoosers::ChoosePicture(this, CatalogueText(245), folder, PictureFilter());
  if (path.isEmpty()) return;
  QImageReader reader(path);
  reader.setAutoTransform(true);
  const QImage image = reader.read();
  if (image.isNull()) {
    MessageBoxes::Warn(this, CatalogueText(247, {QFileInfo(path).fileName().toStdString()}));
    return;
  }
  photo_ = image;
  default_photo_ = false;
  refused_path_.clear();
  photo_view_->SetImage(photo_);
  owner.SetPhotoPath(path.toStdString());
  document->MarkModified();
}

void PAGE_PERSO::EditActiveSeason() {
  if (PROJECT_DOC* document = Document()) OpenChangeSeasonDialog(this, *document);
}

void PAGE_PERSO::AddSeason() {
  if (PROJECT_DOC* document = Document()) OpenNewSeasonDialog(this, *document);
}

void PAGE_PERSO::EditRankings() {
  PROJECT_DOC* document = Document();
  if (!document) return;
  DLG_EDIT_CLASSEMENTS dialog(*document, document->Owner(), nullptr, this);
  dialog.exec();
  Refresh();
}

void PAGE_PERSO::ChartClicked(int code, qint64 id) {
  PROJECT_DOC* document = Document();
  if (!document) return;
  UTILISATEUR& owner = document->Owner();
  const OwnChartAction action = OwnChartClick(chart_, code, id, owner);
  using Kind = OwnChartAction::Kind;
  switch (action.kind) {
    case Kind::kNothing:
      return;
    case Kind::kEditRankingEntry: {
      const CLASSEMENT_DATE* entry = nullptr;
      int64_t index = 0;
      for (const CLASSEMENT_DATE* candidate : owner.History().Entries()) {
        if (index++ == action.entry) entry = candidate;
      }
      DLG_EDIT_CLASSEMENTS dialog(*document, owner, entry, this);
      dialog.exec();
      Refresh();
      return;
    }
    case Kind::kShowMatches:
    case Kind::kShowFinances:
      if (SAISON_JOUEUR* season = owner.FindSeason(action.year);
          season && season != owner.GetActiveSeason()) {
        owner.SetActiveSeason(season);
      }
      emit ShowPageRequested(action.kind == Kind::kShowMatches ? kMatches : kFinances);
      return;
    case Kind::kEditSeason:
      OpenChangeSeasonDialog(this, *document, action.year);
      return;
    case Kind::kCreateSeason:
      OpenNewSeasonDialog(this, *document, action.year);
      return;
  }
}

QString PAGE_PERSO::PrintTitle() const {
  const PROJECT_DOC* document = Document();
  if (!document) return CatalogueText(264);
  const UTILISATEUR& owner = document->Owner();
  return QString::fromStdString(
      FormatText("%s %s - %s", {owner.GetFirstName(), owner.GetLastName(), Msg(264)}));
}

int PAGE_PERSO::Paginate(QPainter&, const QRectF&) {
  return 1;
}

void PAGE_PERSO::PaintPage(QPainter& painter, const QRectF& area, int) {
  // The page's own units: 700 wide, photo and card side by side on top.
  const double scale = area.width() / 700.0;
  painter.save();
  painter.translate(area.topLeft());
  painter.scale(scale, scale);
  PaintPhoto(painter, QRectF(0, 0, 180, 220), photo_);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);  // lines 14 high
  PaintOwnCard(painter, QRectF(200, 0, 500, 260), card_, advice_, font);
  // The chart under them, as wide as the page and two thirds as high.
  chart_view_->Print(painter, QRectF(0, 280, 700, 460));
  painter.restore();
}

void PAGE_PERSO::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    BuildCard();
    BuildChart();
  }
  PageView::changeEvent(event);
}

void PAGE_PERSO::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
}

}  // namespace scorvane

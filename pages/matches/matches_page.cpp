// The matches page: its layout, filling the list from the active season,
// its settings and its printing. The commands are in
// matches_page_commands.cpp.
#include "pages/matches/matches_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_set>

#include "base/text_format.h"
#include "pages/matches/match_columns.h"
#include "ranking/ranking_registry.h"
#include "records/event.h"
#include "records/palmares.h"
#include "records/player.h"
#include "records/season.h"
#include "widgets/app_images.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/listview/column_settings_store.h"
#include "widgets/listview/list_cell_painter.h"
#include "widgets/listview/list_control.h"
#include "widgets/page_title.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

namespace scorvane {
namespace {

using namespace match_column;

const SAISON_JOUEUR* ActiveSeason() {
  const UTILISATEUR* owner = CurrentOwner();
  return owner ? owner->GetActiveSeason() : nullptr;
}

// The pictures of a match line: won or lost, the singles opponent's sex and
// French grade, and indoors.
void SetPictures(const RENCONTRE& match, ListRow& row) {
  row.images.assign(kTotal, -1);
  row.images[kResult] =
      AppImages::IconIndex(match.Result().IsWon() ? AppIcon::kWon : AppIcon::kLost);
  if (match.IsIndoor()) row.images[kIndoors] = AppImages::IconIndex(AppIcon::kIndoor);
  if (!match.IsSingles()) return;
  if (const JOUEUR* opponent = static_cast<const RENCONTRE_SIMPLE&>(match).Opponent()) {
    row.images[kSex] = AppImages::IconIndex(opponent->IsWoman() ? AppIcon::kWoman : AppIcon::kMan);
    row.images[kRank] = AppImages::GradeIndex(match.RankingAtMatch(*opponent));
  }
}

}  // namespace

PAGE_PALMARES::PAGE_PALMARES(QWidget* parent)
    : PageView(kMatches, parent),
      columns_(MakeMatchColumns()),
      title_(new QLabel(this)),
      list_(new MY_LIST_CONTROL(/*multiple_selection=*/true, /*row_height_from_font=*/true, this)),
      buttons_frame_(new QFrame(this)),
      new_match_(new QPushButton(buttons_frame_)),
      new_event_(new QPushButton(buttons_frame_)),
      columns_button_(new QPushButton(buttons_frame_)),
      print_(new QPushButton(buttons_frame_)),
      by_events_(new QCheckBox(buttons_frame_)),
      printout_(*list_, [this] { return PrintTitle(); }) {
  setObjectName(QStringLiteral("matchesPage"));
  title_->setObjectName(QStringLiteral("pageTitle"));
  list_->setObjectName(QStringLiteral("matchList"));
  new_match_->setObjectName(QStringLiteral("newMatchButton"));
  new_event_->setObjectName(QStringLiteral("newEventButton"));
  columns_button_->setObjectName(QStringLiteral("columnsButton"));
  print_->setObjectName(QStringLiteral("printButton"));
  by_events_->setObjectName(QStringLiteral("byEventsBox"));

  QFont title_font(QStringLiteral("Arial"));
  title_font.setPixelSize(17);
  title_font.setBold(true);
  title_->setFont(title_font);
  title_->setAlignment(Qt::AlignCenter);
  title_->setFixedHeight(32);

  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  list_->SetImageList(AppImages::List());
  list_->SetGroupHeadingsSpanRow(true);
  // Dates, names and scores are shown whole while the page has room.
  list_->SetColumnsFollowContents(true);
  printout_.SetColumnsByContent(true);
  list_->SetShowSelectionAlways(true);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  list_->installEventFilter(this);

  buttons_frame_->setFrameShape(QFrame::Panel);
  buttons_frame_->setFrameShadow(QFrame::Sunken);
  buttons_frame_->setAutoFillBackground(true);
  auto* buttons = new QHBoxLayout(buttons_frame_);
  buttons->setContentsMargins(8, 6, 8, 6);
  for (QPushButton* button : {new_match_, new_event_, columns_button_, print_})
    buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(by_events_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->setSpacing(6);
  layout->addWidget(title_);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons_frame_);

  connect(new_match_, &QPushButton::clicked, this, &PAGE_PALMARES::NewMatch);
  connect(new_event_, &QPushButton::clicked, this, &PAGE_PALMARES::NewEvent);
  connect(columns_button_, &QPushButton::clicked, this, &PAGE_PALMARES::ChooseColumns);
  connect(print_, &QPushButton::clicked, this, &PageView::PrintRequested);
  connect(by_events_, &QCheckBox::toggled, this, &PAGE_PALMARES::SetGroupsByEvents);
  connect(list_, &MY_LIST_CONTROL::HeaderClicked, this, &PAGE_PALMARES::SortOn);
  connect(list_, &MY_LIST_CONTROL::RowActivated, this, &PAGE_PALMARES::EditLine);
  connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (std::unique_ptr<QMenu> menu = MakeContextMenu())
      menu->exec(list_->viewport()->mapToGlobal(at));
  });

  WidenForListFont(columns_);
  ReadSettings();
  Retranslate();
  list_->ApplyColumns(columns_);
  Fill();
}

PAGE_PALMARES::~PAGE_PALMARES() {
  WriteSettings();
}

void PAGE_PALMARES::ReadSettings() {
  QSettings store = settings::User();
  ReadColumnSettings(store, QString::fromUtf8(settings::kMatchColumnsSection), columns_);
  group_by_events_ = store.value(QString::fromUtf8(settings::kMatchesByEvents)).toString() ==
                     QStringLiteral("oui");
  QSignalBlocker quiet(by_events_);
  by_events_->setChecked(group_by_events_);
}

void PAGE_PALMARES::WriteSettings() {
  list_->ReadColumnLayout(columns_);
  QSettings store = settings::User();
  WriteColumnSettings(store, QString::fromUtf8(settings::kMatchColumnsSection), columns_);
  store.setValue(QString::fromUtf8(settings::kMatchesByEvents),
                 group_by_events_ ? QStringLiteral("oui") : QStringLiteral("non"));
}

void PAGE_PALMARES::Retranslate() {
  new_match_->setText(tr("New &match"));
  new_match_->setToolTip(CatalogueText(306));
  new_event_->setText(tr("&New event"));
  new_event_->setToolTip(CatalogueText(308));
  columns_button_->setText(tr("&Columns shown"));
  print_->setText(tr("&Print"));
  by_events_->setText(tr("Events"));
  by_events_->setToolTip(CatalogueText(307));
}

void PAGE_PALMARES::RebuildColumns() {
  list_->ReadColumnLayout(columns_);
  const ListColumnModel fresh = MakeMatchColumns();
  for (int column = 0; column < columns_.Count(); ++column)
    columns_.Column(column).title = fresh.Column(column).title;
  list_->ApplyColumns(columns_);
  Fill();
}

void PAGE_PALMARES::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    RebuildColumns();
  }
  PageView::changeEvent(event);
}

void PAGE_PALMARES::showEvent(QShowEvent* event) {
  PageView::showEvent(event);
  if (stale_) Refresh();
}

void PAGE_PALMARES::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
  QPalette frame_palette = buttons_frame_->palette();
  if (frame_palette.color(QPalette::Window) != ScreenColours::Frame()) {
    frame_palette.setColor(QPalette::Window, ScreenColours::Frame());
    buttons_frame_->setPalette(frame_palette);
  }
}

QString PAGE_PALMARES::TitleText() const {
  return title_->text();
}

void PAGE_PALMARES::SetGroupsByEvents(bool group) {
  if (group == group_by_events_) return;
  group_by_events_ = group;
  QSignalBlocker quiet(by_events_);
  by_events_->setChecked(group);
  Fill();
}

void PAGE_PALMARES::InitialUpdate() {
  stale_ = false;
  list_->ClearSelection();
  Fill();
  list_->scrollToTop();
}

void PAGE_PALMARES::Refresh() {
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  stale_ = false;
  // The lines come back selected and where they were, when they still exist.
  std::unordered_set<quintptr> selected;
  for (const int row : list_->SelectedRows())
    selected.insert(list_->ItemData(row));
  const int scrolled = list_->verticalScrollBar()->value();
  Fill();
  for (int row = 0; row < list_->RowCount() && !selected.empty(); ++row) {
    if (selected.count(list_->ItemData(row))) list_->SelectItem(row);
  }
  list_->verticalScrollBar()->setValue(scrolled);
}

void PAGE_PALMARES::Fill() {
  const SAISON_JOUEUR* season = ActiveSeason();
  title_->setText(season ? QString::fromStdString(MatchesTitleText(*season)) : QString());
  std::vector<ListRow> rows;
  event_rows_.clear();
  list_->ClearGroupStarts();
  const PALMARES* palmares = season ? season->Palmares() : nullptr;
  if (!palmares) {
    list_->SetRows(std::move(rows));
    return;
  }
  std::vector<int> shown;
  for (int column = 0; column < columns_.Count(); ++column) {
    if (columns_.Column(column).shown) shown.push_back(column);
  }
  MatchLineContext context{season->Year(), ActiveSystem().IsFrench(), 0};
  const auto append_matches = [&](std::vector<RENCONTRE*> matches) {
    std::vector<std::uintptr_t> items;
    items.reserve(matches.size());
    for (const RENCONTRE* match : matches)
      items.push_back(reinterpret_cast<std::uintptr_t>(match));
    for (const size_t index : columns_.SortedOrder(items, context.season_year)) {
      const RENCONTRE& match = *matches[index];
      ++context.line;
      ListRow row;
      // Only the shown columns are written: showing another one fills again.
      row.texts.resize(kTotal);
      for (const int column : shown)
        row.texts[static_cast<size_t>(column)] =
            QString::fromStdString(MatchCellText(match, column, context));
      SetPictures(match, row);
      row.data = reinterpret_cast<quintptr>(&match);
      rows.push_back(std::move(row));
      event_rows_.push_back(false);
    }
  };
  if (group_by_events_) {
    std::vector<MatchGroup> groups = GroupMatchesByEvent(*palmares);
    std::vector<int> starts;
    for (MatchGroup& group : groups) {
      starts.push_back(static_cast<int>(rows.size()));
      ListRow heading;
      heading.texts = {QString::fromStdString(group.played ? EventLineText(*group.played) : "")};
      heading.images = {AppImages::IconIndex(AppIcon::kEvent)};
      heading.data = reinterpret_cast<quintptr>(group.played);
      rows.push_back(std::move(heading));
      event_rows_.push_back(true);
      append_matches(std::move(group.matches));
    }
    for (const int start : starts)
      list_->AddGroupStart(start);
  } else {
    append_matches(std::vector<RENCONTRE*>(palmares->Matches().begin(), palmares->Matches().end()));
  }
  list_->SetRows(std::move(rows));
}

RENCONTRE* PAGE_PALMARES::MatchAt(int row) const {
  if (row < 0 || row >= static_cast<int>(event_rows_.size()) ||
      event_rows_[static_cast<size_t>(row)])
    return nullptr;
  return reinterpret_cast<RENCONTRE*>(list_->ItemData(row));
}

EPREUVE_JOUEE* PAGE_PALMARES::EventAt(int row) const {
  if (row < 0 || row >= static_cast<int>(event_rows_.size()) ||
      !event_rows_[static_cast<size_t>(row)])
    return nullptr;
  return reinterpret_cast<EPREUVE_JOUEE*>(list_->ItemData(row));
}

int PAGE_PALMARES::RowOf(const void* item) const {
  if (!item) return -1;
  for (int row = 0; row < list_->RowCount(); ++row) {
    if (list_->ItemData(row) == reinterpret_cast<quintptr>(item)) return row;
  }
  return -1;
}

QString PAGE_PALMARES::PrintTitle() const {
  const UTILISATEUR* owner = CurrentOwner();
  const SAISON_JOUEUR* season = ActiveSeason();
  const QString page = PageTitle(kMatches, season ? season->Year() : 0);
  if (!owner) return page;
  return QString::fromStdString(
      FormatText("%s %s - %s", {owner->GetFirstName(), owner->GetLastName(), page.toStdString()}));
}

int PAGE_PALMARES::Paginate(QPainter& painter, const QRectF& area) {
  return printout_.Paginate(painter, area);
}

bool PAGE_PALMARES::WantsLandscape(double portrait_width) const {
  return printout_.WantsLandscape(portrait_width);
}

void PAGE_PALMARES::PaintPage(QPainter& painter, const QRectF& area, int index) {
  printout_.PaintPage(painter, area, index);
}

}  // namespace scorvane

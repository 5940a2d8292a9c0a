// The players page: its layout, filling the list from the document through
// the filters, the quick search, its settings and its printing. The commands
// are in players_page_commands.cpp.
#include "pages/players/players_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "base/text_compare.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
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
#include "widgets/width_reflow.h"

namespace scorvane {
namespace {

using namespace player_column;

// The filters and the search share one line from this page width on.
constexpr int kFiltersOnOneLineFrom = 860;

// The year rankings and sorts are taken for: the active season's, else the
// current one.
int SeasonYear(const UTILISATEUR* owner) {
  const SAISON_JOUEUR* season = owner ? owner->GetActiveSeason() : nullptr;
  return season ? season->Year() : ANNEE::Clamp(Today().Year());
}

QLabel* BoldTitle(QWidget* parent) {
  auto* title = new QLabel(parent);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(17);
  font.setBold(true);
  title->setFont(font);
  title->setAlignment(Qt::AlignCenter);
  title->setFixedHeight(32);
  return title;
}

// The pictures of a player's line: the sex, and the French grades that
// have one in place of their text.
void SetPictures(const PlayerLine& line, ListRow& row) {
  row.images.assign(kTotal, -1);
  row.images[kSex] = AppImages::IconIndex(line.player->IsWoman() ? AppIcon::kWoman : AppIcon::kMan);
  row.images[kRank] = AppImages::GradeIndex(line.rank);
  row.images[kFutureRank] = AppImages::GradeIndex(line.future_rank);
}

QFrame* SunkenFrame(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::Panel);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setAutoFillBackground(true);
  return frame;
}

}  // namespace

PAGE_JOUEURS::PAGE_JOUEURS(QWidget* parent)
    : PageView(kPlayers, parent),
      columns_(MakePlayerColumns(tr("Won").toStdString(), tr("Lost").toStdString())),
      title_(BoldTitle(this)),
      filters_frame_(SunkenFrame(this)),
      contacts_(new QCheckBox(filters_frame_)),
      active_season_(new QCheckBox(filters_frame_)),
      club_box_(new QCheckBox(filters_frame_)),
      club_list_(new QComboBox(filters_frame_)),
      search_label_(new QLabel(filters_frame_)),
      search_(new QLineEdit(filters_frame_)),
      search_in_(new QLabel(filters_frame_)),
      search_column_(new QComboBox(filters_frame_)),
      search_not_found_(new QLabel(filters_frame_)),
      list_(new MY_LIST_CONTROL(/*multiple_selection=*/true, /*row_height_from_font=*/true, this)),
      buttons_frame_(SunkenFrame(this)),
      new_player_(new QPushButton(buttons_frame_)),
      columns_button_(new QPushButton(buttons_frame_)),
      print_(new QPushButton(buttons_frame_)),
      printout_(*list_, [this] { return PrintTitle(); }) {
  setObjectName(QStringLiteral("playersPage"));
  title_->setObjectName(QStringLiteral("pageTitle"));
  contacts_->setObjectName(QStringLiteral("contactsBox"));
  active_season_->setObjectName(QStringLiteral("activeSeasonBox"));
  club_box_->setObjectName(QStringLiteral("clubBox"));
  club_list_->setObjectName(QStringLiteral("clubList"));
  search_->setObjectName(QStringLiteral("searchEdit"));
  search_column_->setObjectName(QStringLiteral("searchColumnBox"));
  search_not_found_->setObjectName(QStringLiteral("searchNotFound"));
  search_not_found_->hide();
  list_->setObjectName(QStringLiteral("playerList"));
  new_player_->setObjectName(QStringLiteral("newPlayerButton"));
  columns_button_->setObjectName(QStringLiteral("columnsButton"));
  print_->setObjectName(QStringLiteral("printButton"));

  club_list_->setEnabled(false);
  club_list_->setMinimumContentsLength(16);
  club_list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  search_label_->setBuddy(search_);
  search_column_->addItem(QString());
  search_column_->addItem(QString());
  search_column_->setCurrentIndex(static_cast<int>(PlayerNameColumn::kSurname));
  search_->setClearButtonEnabled(true);

  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  list_->SetImageList(AppImages::List());
  list_->SetShowSelectionAlways(true);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  list_->installEventFilter(this);

  auto* choice = new QHBoxLayout;
  choice->addWidget(contacts_);
  choice->addSpacing(12);
  choice->addWidget(active_season_);
  choice->addSpacing(12);
  choice->addWidget(club_box_);
  choice->addWidget(club_list_);
  choice->addStretch();
  auto* finding = new QHBoxLayout;
  finding->addWidget(search_label_);
  finding->addWidget(search_, 1);
  finding->addWidget(search_in_);
  finding->addWidget(search_column_);
  finding->addWidget(search_not_found_);
  auto* filters = new QBoxLayout(QBoxLayout::LeftToRight, filters_frame_);
  filters->setContentsMargins(8, 4, 8, 4);
  filters->addLayout(choice);
  filters->addLayout(finding, 1);
  // On a small screen the search goes under the filters rather than make
  // the page scroll sideways.
  (new WidthReflow(this, kFiltersOnOneLineFrom))
      ->Follow(filters, QBoxLayout::LeftToRight, QBoxLayout::TopToBottom);

  auto* buttons = new QHBoxLayout(buttons_frame_);
  buttons->setContentsMargins(8, 6, 8, 6);
  for (QPushButton* button : {new_player_, columns_button_, print_})
    buttons->addWidget(button);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->setSpacing(6);
  layout->addWidget(title_);
  layout->addWidget(filters_frame_);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons_frame_);

  connect(contacts_, &QCheckBox::toggled, this, &PAGE_JOUEURS::FillKeepingSelection);
  connect(active_season_, &QCheckBox::toggled, this, &PAGE_JOUEURS::FillKeepingSelection);
  connect(club_box_, &QCheckBox::toggled, this, [this](bool on) {
    club_list_->setEnabled(on);
    FillKeepingSelection();
  });
  connect(club_list_, &QComboBox::currentIndexChanged, this, &PAGE_JOUEURS::FillKeepingSelection);
  connect(search_, &QLineEdit::textChanged, this, &PAGE_JOUEURS::Search);
  connect(search_column_, &QComboBox::currentIndexChanged, this, &PAGE_JOUEURS::Search);
  connect(new_player_, &QPushButton::clicked, this, &PAGE_JOUEURS::NewPlayer);
  connect(columns_button_, &QPushButton::clicked, this, &PAGE_JOUEURS::ChooseColumns);
  connect(print_, &QPushButton::clicked, this, &PageView::PrintRequested);
  connect(list_, &MY_LIST_CONTROL::HeaderClicked, this, &PAGE_JOUEURS::SortOn);
  connect(list_, &MY_LIST_CONTROL::RowActivated, this, &PAGE_JOUEURS::EditPlayer);
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

PAGE_JOUEURS::~PAGE_JOUEURS() {
  WriteSettings();
}

void PAGE_JOUEURS::ReadSettings() {
  QSettings store = settings::User();
  ReadColumnSettings(store, QString::fromUtf8(settings::kPlayerColumnsSection), columns_);
}

void PAGE_JOUEURS::WriteSettings() {
  list_->ReadColumnLayout(columns_);
  QSettings store = settings::User();
  WriteColumnSettings(store, QString::fromUtf8(settings::kPlayerColumnsSection), columns_);
}

void PAGE_JOUEURS::Retranslate() {
  contacts_->setText(tr("Contacts"));
  contacts_->setToolTip(CatalogueText(288));
  active_season_->setText(tr("Involved in the active season"));
  active_season_->setToolTip(CatalogueText(289));
  club_box_->setText(tr("See club"));
  club_box_->setToolTip(CatalogueText(290));
  club_list_->setToolTip(CatalogueText(291));
  search_label_->setText(tr("&Go to"));
  search_in_->setText(tr("in"));
  search_not_found_->setText(tr("not found"));
  search_column_->setItemText(static_cast<int>(PlayerNameColumn::kFirstName), CatalogueText(271));
  search_column_->setItemText(static_cast<int>(PlayerNameColumn::kSurname), CatalogueText(272));
  new_player_->setText(tr("&New player"));
  new_player_->setToolTip(CatalogueText(287));
  columns_button_->setText(tr("&Columns shown"));
  print_->setText(tr("&Print"));
}

void PAGE_JOUEURS::RebuildColumns() {
  list_->ReadColumnLayout(columns_);
  const ListColumnModel fresh =
      MakePlayerColumns(tr("Won").toStdString(), tr("Lost").toStdString());
  for (int column = 0; column < columns_.Count(); ++column)
    columns_.Column(column).title = fresh.Column(column).title;
  list_->ApplyColumns(columns_);
  FillKeepingSelection();
}

void PAGE_JOUEURS::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    RebuildColumns();
  }
  PageView::changeEvent(event);
}

void PAGE_JOUEURS::showEvent(QShowEvent* event) {
  PageView::showEvent(event);
  if (stale_) Refresh();
}

void PAGE_JOUEURS::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
  for (QFrame* frame : {filters_frame_, buttons_frame_}) {
    QPalette palette = frame->palette();
    if (palette.color(QPalette::Window) == ScreenColours::Frame()) continue;
    palette.setColor(QPalette::Window, ScreenColours::Frame());
    frame->setPalette(palette);
  }
}

QString PAGE_JOUEURS::TitleText() const {
  return title_->text();
}

void PAGE_JOUEURS::InitialUpdate() {
  stale_ = false;
  {
    // The clubs of the document before belong to no document now.
    const QSignalBlocker quiet(club_list_);
    club_list_->clear();
  }
  {
    const QSignalBlocker quiet(search_);
    search_->clear();
  }
  list_->ClearSelection();
  Fill();
  list_->scrollToTop();
}

void PAGE_JOUEURS::Refresh() {
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  stale_ = false;
  FillKeepingSelection();
}

void PAGE_JOUEURS::FillClubList() {
  const QSignalBlocker quiet(club_list_);
  // The club chosen is kept only while it is still one of the document's
  // clubs; its address is compared, never followed.
  const quintptr chosen = club_list_->currentData().value<quintptr>();
  club_list_->clear();
  club_list_->addItem(QString(), QVariant::fromValue(quintptr{0}));
  const UTILISATEUR* owner = CurrentOwner();
  if (!owner) return;
  std::vector<const CLUB*> clubs(owner->Clubs().begin(), owner->Clubs().end());
  std::stable_sort(clubs.begin(), clubs.end(), [](const CLUB* a, const CLUB* b) {
    return CompareListTexts(a->Name(), b->Name()) < 0;
  });
  for (const CLUB* club : clubs) {
    const auto address = reinterpret_cast<quintptr>(club);
    club_list_->addItem(QString::fromStdString(club->Name()), QVariant::fromValue(address));
    if (address == chosen) club_list_->setCurrentIndex(club_list_->count() - 1);
  }
}

PlayerListFilter PAGE_JOUEURS::Filter() const {
  PlayerListFilter filter;
  filter.contacts_only = contacts_->isChecked();
  filter.active_season_only = active_season_->isChecked();
  filter.club_only = club_box_->isChecked();
  filter.club = reinterpret_cast<const CLUB*>(club_list_->currentData().value<quintptr>());
  return filter;
}

void PAGE_JOUEURS::Fill() {
  ++fills_;
  FillClubList();
  const UTILISATEUR* owner = CurrentOwner();
  const DATE_SIMPLE today = Today();
  context_.season_year = SeasonYear(owner);
  context_.current_year = ANNEE::Clamp(today.Year());
  context_.today = today;
  context_.yearly = ActiveSystem().IsYearly();
  context_.grade_pictures = true;
  context_.head_to_head = &head_to_head_;
  // The future ranking is shown under every system: any history may hold
  // next year's ranking.
  list_->setColumnHidden(kFutureRank, !columns_.Column(kFutureRank).shown);

  lines_.clear();
  line_texts_.clear();
  head_to_head_.clear();
  if (owner) {
    head_to_head_ = CountHeadToHead(*owner);
    const std::vector<JOUEUR*> players = ListedPlayers(*owner, Filter());
    lines_.reserve(players.size());
    for (JOUEUR* player : players)
      lines_.push_back(MakePlayerLine(*player, context_));
  }
  // Only the shown columns are written: showing another one fills again.
  std::vector<int> shown;
  for (int column = kCount + 1; column < kTotal; ++column) {
    if (columns_.Column(column).shown) shown.push_back(column);
  }
  line_texts_.resize(lines_.size());
  for (size_t i = 0; i < lines_.size(); ++i) {
    std::vector<QString>& texts = line_texts_[i];
    texts.resize(kTotal);
    for (const int column : shown)
      texts[static_cast<size_t>(column)] =
          QString::fromStdString(PlayerCellText(lines_[i], column, context_));
  }
  named_count_ = owner ? NamedPlayerCount(*owner) : 0;
  title_->setText(
      owner ? QString::fromStdString(PlayersTitle(static_cast<int>(lines_.size()), named_count_))
            : QString());
  ShowSorted();
}

void PAGE_JOUEURS::ShowSorted() {
  std::vector<std::uintptr_t> items;
  items.reserve(lines_.size());
  for (const PlayerLine& line : lines_)
    items.push_back(reinterpret_cast<std::uintptr_t>(&line));
  const std::vector<size_t> order = columns_.SortedOrder(items, context_.season_year);
  shown_lines_.clear();
  shown_lines_.reserve(order.size());
  std::vector<ListRow> rows;
  rows.reserve(order.size());
  for (const size_t index : order) {
    const PlayerLine& line = lines_[index];
    shown_lines_.push_back(&line);
    ListRow row;
    row.texts = line_texts_[index];
    row.texts[kCount] = QString::number(rows.size() + 1);
    row.data = reinterpret_cast<quintptr>(line.player);
    SetPictures(line, row);
    rows.push_back(std::move(row));
  }
  list_->SetRows(std::move(rows));
}

void PAGE_JOUEURS::FillKeepingSelection() {
  const std::vector<JOUEUR*> selected = SelectedPlayers();
  const int scrolled = list_->verticalScrollBar()->value();
  Fill();
  SelectPlayers(selected);
  list_->verticalScrollBar()->setValue(scrolled);
}

JOUEUR* PAGE_JOUEURS::PlayerAt(int row) const {
  if (row < 0 || row >= static_cast<int>(shown_lines_.size())) return nullptr;
  return shown_lines_[static_cast<size_t>(row)]->player;
}

int PAGE_JOUEURS::RowOf(const JOUEUR* player) const {
  if (!player) return -1;
  for (size_t row = 0; row < shown_lines_.size(); ++row) {
    if (shown_lines_[row]->player == player) return static_cast<int>(row);
  }
  return -1;
}

std::vector<JOUEUR*> PAGE_JOUEURS::SelectedPlayers() const {
  std::vector<JOUEUR*> players;
  for (const int row : list_->SelectedRows()) {
    if (JOUEUR* player = PlayerAt(row)) players.push_back(player);
  }
  return players;
}

void PAGE_JOUEURS::SelectPlayers(const std::vector<JOUEUR*>& players) {
  list_->ClearSelection();
  if (players.empty()) return;
  const std::unordered_set<const JOUEUR*> wanted(players.begin(), players.end());
  // One selection of whole runs of rows: selecting tens of thousands of rows
  // one by one would cost far more.
  QItemSelection selection;
  const int columns = list_->ColumnCount();
  int run_start = -1;
  const auto close_run = [&](int end) {
    if (run_start < 0) return;
    selection.select(list_->Model().index(run_start, 0), list_->Model().index(end, columns - 1));
    run_start = -1;
  };
  int first = -1;
  for (int row = 0; row < static_cast<int>(shown_lines_.size()); ++row) {
    if (wanted.count(shown_lines_[static_cast<size_t>(row)]->player)) {
      if (run_start < 0) run_start = row;
      if (first < 0) first = row;
    } else {
      close_run(row - 1);
    }
  }
  close_run(static_cast<int>(shown_lines_.size()) - 1);
  if (first < 0 || columns == 0) return;
  list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  list_->selectionModel()->setCurrentIndex(list_->Model().index(first, 0),
                                           QItemSelectionModel::NoUpdate);
}

void PAGE_JOUEURS::SelectOnly(int row) {
  list_->ClearSelection();
  if (row < 0) return;
  list_->SelectItem(row);
  list_->scrollTo(list_->Model().index(row, 0));
}

void PAGE_JOUEURS::Search() {
  // The list is sorted whenever it is filled or a sort key changes, so the
  // lines are already in the order the search walks.
  const auto column = static_cast<PlayerNameColumn>(search_column_->currentIndex());
  const int row = FindLineByPrefix(shown_lines_, column, search_->text().toStdString());
  // Nothing found: the field says so and the selection stays where it was.
  const bool not_found = row < 0 && !search_->text().isEmpty();
  search_->setStyleSheet(not_found ? QStringLiteral("QLineEdit { background: #ffd6d6; }")
                                   : QString());
  search_not_found_->setVisible(not_found);
  if (row < 0) return;
  SelectOnly(row);
}

QString PAGE_JOUEURS::PrintTitle() const {
  const QString page = PageTitle(kPlayers, 0);
  const UTILISATEUR* owner = CurrentOwner();
  if (!owner) return page;
  return QString::fromStdString(
      FormatText("%s %s - %s", {owner->GetFirstName(), owner->GetLastName(), page.toStdString()}));
}

int PAGE_JOUEURS::Paginate(QPainter& painter, const QRectF& area) {
  return printout_.Paginate(painter, area);
}

void PAGE_JOUEURS::PaintPage(QPainter& painter, const QRectF& area, int index) {
  printout_.PaintPage(painter, area, index);
}

}  // namespace scorvane

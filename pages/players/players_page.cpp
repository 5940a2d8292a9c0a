// The players page: its layout, filling the list from the document through
// the filters, and the quick search. The commands are in
// players_page_commands.cpp; what it shares with the matches page is in
// ListPage.
#include "pages/players/players_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "base/text_compare.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/season.h"
#include "widgets/app_images.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/listview/list_control.h"
#include "widgets/settings.h"

namespace scorvane {
namespace {

using namespace player_column;

// The year rankings and sorts are taken for: the active season's, else the
// current one.
int SeasonYear(const UTILISATEUR* owner) {
  const SAISON_JOUEUR* season = owner ? owner->GetActiveSeason() : nullptr;
  return season ? season->Year() : ANNEE::Clamp(Today().Year());
}

// The pictures of a player's line: the sex, and the French grades that
// have one in place of their text.
void SetPictures(const PlayerLine& line, ListRow& row) {
  row.images.assign(kTotal, -1);
  row.images[kSex] = AppImages::IconIndex(line.player->IsWoman() ? AppIcon::kWoman : AppIcon::kMan);
  row.images[kRank] = AppImages::GradeIndex(line.rank);
  row.images[kFutureRank] = AppImages::GradeIndex(line.future_rank);
}

ListColumnModel PlayerColumns() {
  return MakePlayerColumns(PAGE_JOUEURS::tr("Won").toStdString(),
                           PAGE_JOUEURS::tr("Lost").toStdString());
}

}  // namespace

PAGE_JOUEURS::PAGE_JOUEURS(QWidget* parent)
    : ListPage(kPlayers, PlayerColumns(), settings::kPlayerColumnsSection, parent) {
  QFrame* filters_frame = NewSunkenFrame();
  contacts_ = new QCheckBox(filters_frame);
  active_season_ = new QCheckBox(filters_frame);
  club_box_ = new QCheckBox(filters_frame);
  club_list_ = new QComboBox(filters_frame);
  search_label_ = new QLabel(filters_frame);
  search_ = new QLineEdit(filters_frame);
  search_in_ = new QLabel(filters_frame);
  search_column_ = new QComboBox(filters_frame);
  search_not_found_ = new QLabel(filters_frame);
  new_player_ = new QPushButton(ButtonFrame());

  setObjectName(QStringLiteral("playersPage"));
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

  club_list_->setEnabled(false);
  club_list_->setMinimumContentsLength(16);
  club_list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  search_label_->setBuddy(search_);
  search_column_->addItem(QString());
  search_column_->addItem(QString());
  search_column_->setCurrentIndex(static_cast<int>(PlayerNameColumn::kSurname));
  search_->setClearButtonEnabled(true);

  auto* filters = new QHBoxLayout(filters_frame);
  filters->setContentsMargins(8, 4, 8, 4);
  filters->addWidget(contacts_);
  filters->addSpacing(12);
  filters->addWidget(active_season_);
  filters->addSpacing(12);
  filters->addWidget(club_box_);
  filters->addWidget(club_list_);
  filters->addStretch();
  filters->addWidget(search_label_);
  filters->addWidget(search_, 1);
  filters->addWidget(search_in_);
  filters->addWidget(search_column_);
  filters->addWidget(search_not_found_);
  AddAboveList(filters_frame);
  AddButton(new_player_);

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
  connect(list_, &MY_LIST_CONTROL::RowActivated, this, &PAGE_JOUEURS::EditPlayer);
  ShowFirstTime();
}

ListColumnModel PAGE_JOUEURS::MakeColumns() const {
  return PlayerColumns();
}

void PAGE_JOUEURS::Retranslate() {
  ListPage::Retranslate();
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
}

void PAGE_JOUEURS::InitialUpdate() {
  {
    // The clubs of the document before belong to no document now.
    const QSignalBlocker quiet(club_list_);
    club_list_->clear();
  }
  {
    const QSignalBlocker quiet(search_);
    search_->clear();
  }
  ListPage::InitialUpdate();
}

void PAGE_JOUEURS::FillClubList() {
  const QSignalBlocker quiet(club_list_);
  // The club chosen is kept only while it is still one of the document's
  // clubs; its address is compared, never followed.
  const auto* chosen = club_list_->currentData().value<const CLUB*>();
  club_list_->clear();
  club_list_->addItem(QString(), QVariant::fromValue<const CLUB*>(nullptr));
  const UTILISATEUR* owner = CurrentOwner();
  if (!owner) return;
  std::vector<const CLUB*> clubs(owner->Clubs().begin(), owner->Clubs().end());
  std::stable_sort(clubs.begin(), clubs.end(), [](const CLUB* a, const CLUB* b) {
    return CompareListTexts(a->Name(), b->Name()) < 0;
  });
  for (const CLUB* club : clubs) {
    club_list_->addItem(QString::fromStdString(club->Name()), QVariant::fromValue(club));
    if (club == chosen) club_list_->setCurrentIndex(club_list_->count() - 1);
  }
}

PlayerListFilter PAGE_JOUEURS::Filter() const {
  PlayerListFilter filter;
  filter.contacts_only = contacts_->isChecked();
  filter.active_season_only = active_season_->isChecked();
  filter.club_only = club_box_->isChecked();
  filter.club = club_list_->currentData().value<const CLUB*>();
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
  SetTitle(owner
               ? QString::fromStdString(PlayersTitle(static_cast<int>(lines_.size()), named_count_))
               : QString());
  ShowSorted();
}

void PAGE_JOUEURS::ShowSorted() {
  std::vector<RowItem> items;
  items.reserve(lines_.size());
  for (const PlayerLine& line : lines_)
    items.emplace_back(&line);
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
    row.item = line.player;
    SetPictures(line, row);
    rows.push_back(std::move(row));
  }
  list_->SetRows(std::move(rows));
}

JOUEUR* PAGE_JOUEURS::PlayerAt(int row) const {
  return list_->Item(row).As<JOUEUR>();
}

std::vector<JOUEUR*> PAGE_JOUEURS::SelectedPlayers() const {
  std::vector<JOUEUR*> players;
  for (const RowItem& item : SelectedItems()) {
    if (JOUEUR* player = item.As<JOUEUR>()) players.push_back(player);
  }
  return players;
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

}  // namespace scorvane

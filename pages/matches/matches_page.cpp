// The matches page: its buttons, and the list filled from the active
// season, by event or not. The commands are in matches_page_commands.cpp;
// what it shares with the players page is in ListPage.
#include "pages/matches/matches_page.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSettings>

#include "pages/matches/match_columns.h"
#include "ranking/ranking_registry.h"
#include "records/event.h"
#include "records/palmares.h"
#include "records/player.h"
#include "records/season.h"
#include "widgets/app_images.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/listview/list_control.h"
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
    : ListPage(kMatches, MakeMatchColumns(), settings::kMatchColumnsSection, parent),
      new_match_(new QPushButton(ButtonFrame())),
      new_event_(new QPushButton(ButtonFrame())),
      by_events_(new QCheckBox(ButtonFrame())) {
  setObjectName(QStringLiteral("matchesPage"));
  list_->setObjectName(QStringLiteral("matchList"));
  new_match_->setObjectName(QStringLiteral("newMatchButton"));
  new_event_->setObjectName(QStringLiteral("newEventButton"));
  by_events_->setObjectName(QStringLiteral("byEventsBox"));

  list_->SetGroupHeadingsSpanRow(true);
  // Dates, names and scores are shown whole while the page has room.
  list_->SetColumnsFollowContents(true);
  printout_.SetColumnsByContent(true);
  AddButton(new_match_);
  AddButton(new_event_);
  AddAfterButtons(by_events_);
  group_by_events_ =
      settings::User().value(QString::fromUtf8(settings::kMatchesByEvents)).toString() ==
      QStringLiteral("oui");
  by_events_->setChecked(group_by_events_);

  connect(new_match_, &QPushButton::clicked, this, &PAGE_PALMARES::NewMatch);
  connect(new_event_, &QPushButton::clicked, this, &PAGE_PALMARES::NewEvent);
  connect(by_events_, &QCheckBox::toggled, this, &PAGE_PALMARES::SetGroupsByEvents);
  connect(list_, &MY_LIST_CONTROL::RowActivated, this, &PAGE_PALMARES::EditLine);
  ShowFirstTime();
}

PAGE_PALMARES::~PAGE_PALMARES() {
  settings::User().setValue(QString::fromUtf8(settings::kMatchesByEvents),
                            group_by_events_ ? QStringLiteral("oui") : QStringLiteral("non"));
}

ListColumnModel PAGE_PALMARES::MakeColumns() const {
  return MakeMatchColumns();
}

int PAGE_PALMARES::TitleYear() const {
  const SAISON_JOUEUR* season = ActiveSeason();
  return season ? season->Year() : 0;
}

void PAGE_PALMARES::Retranslate() {
  ListPage::Retranslate();
  new_match_->setText(tr("New &match"));
  new_match_->setToolTip(CatalogueText(306));
  new_event_->setText(tr("&New event"));
  new_event_->setToolTip(CatalogueText(308));
  by_events_->setText(tr("Events"));
  by_events_->setToolTip(CatalogueText(307));
}

void PAGE_PALMARES::SetGroupsByEvents(bool group) {
  if (group == group_by_events_) return;
  group_by_events_ = group;
  QSignalBlocker quiet(by_events_);
  by_events_->setChecked(group);
  Fill();
}

void PAGE_PALMARES::Fill() {
  const SAISON_JOUEUR* season = ActiveSeason();
  SetTitle(season ? QString::fromStdString(MatchesTitleText(*season)) : QString());
  std::vector<ListRow> rows;
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
    const std::vector<RowItem> items(matches.begin(), matches.end());
    for (const size_t index : columns_.SortedOrder(items, context.season_year)) {
      RENCONTRE& match = *matches[index];
      ++context.line;
      ListRow row;
      // Only the shown columns are written: showing another one fills again.
      row.texts.resize(kTotal);
      for (const int column : shown)
        row.texts[static_cast<size_t>(column)] =
            QString::fromStdString(MatchCellText(match, column, context));
      SetPictures(match, row);
      row.item = &match;
      rows.push_back(std::move(row));
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
      heading.item = group.played;
      rows.push_back(std::move(heading));
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
  return list_->Item(row).As<RENCONTRE>();
}

EPREUVE_JOUEE* PAGE_PALMARES::EventAt(int row) const {
  return list_->Item(row).As<EPREUVE_JOUEE>();
}

}  // namespace scorvane

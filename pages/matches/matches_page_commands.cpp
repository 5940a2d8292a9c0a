// The commands of the matches page: new, edit and delete for matches and
// events, the columns and sort commands, and the context menu that offers
// them according to what is selected.
#include <QMenu>

#include "pages/common/matches/match_commands.h"
#include "pages/common/matches/match_entry_flow.h"
#include "pages/matches/match_columns.h"
#include "pages/matches/match_columns_dialog.h"
#include "pages/matches/match_deletion.h"
#include "pages/matches/matches_page.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"

namespace scorvane {
namespace {

SAISON_JOUEUR* ActiveSeason() {
  const UTILISATEUR* owner = CurrentOwner();
  return owner ? owner->GetActiveSeason() : nullptr;
}

}  // namespace

void PAGE_PALMARES::NewMatch() {
  if (!ActiveSeason()) return;
  // With an event line selected the match goes straight into that event.
  RENCONTRE* added = nullptr;
  if (EPREUVE_JOUEE* played = EventAt(list_->FirstSelectedRow())) {
    added = NewMatchInEvent(this, *played);
  } else if (!NewMatchCommand(this, &added)) {
    return;
  }
  if (!added) return;
  // Inside the window the document has refreshed every page already.
  if (list_->RowOf(added) < 0) Refresh();
  SelectOnly(list_->RowOf(added));
}

void PAGE_PALMARES::AddMatchToEvent(int row) {
  SelectOnly(row);
  NewMatch();
}

void PAGE_PALMARES::NewEvent() {
  if (!ActiveSeason() || !NewEventCommand(this)) return;
  SetGroupsByEvents(true);
  if (!event_tip_shown_) {
    event_tip_shown_ = true;
    MessageBoxes::Inform(this, CatalogueText(293));
  }
  Refresh();
}

void PAGE_PALMARES::EditLine(int row) {
  if (RENCONTRE* match = MatchAt(row)) {
    // Between singles and doubles the match becomes a new record: the line
    // follows it.
    if (RENCONTRE* stored = EditMatch(this, *match)) {
      Refresh();
      SelectOnly(list_->RowOf(stored));
    }
  } else if (EPREUVE_JOUEE* played = EventAt(row)) {
    if (EditPlayedEventCommand(this, *played)) Refresh();
  }
}

void PAGE_PALMARES::DeleteSelection() {
  SAISON_JOUEUR* season = ActiveSeason();
  if (!season) return;
  const std::vector<int> rows = list_->SelectedRows();
  std::vector<SelectedLine> lines;
  for (const int row : rows)
    lines.push_back({MatchAt(row), EventAt(row)});
  const DeletionPlan plan = PlanDeletion(lines);
  if (plan.IsEmpty()) return;
  // The lines that are not deleted are unselected before the question.
  list_->ClearSelection();
  for (const size_t kept : plan.kept)
    list_->SelectItem(rows[kept]);
  if (CarryOut(plan, *CurrentDocument(), *season)) Refresh();
}

bool PAGE_PALMARES::ChooseShownColumns(ListColumnModel& columns) {
  return DLG_COLONNES_PALMARES::Choose(this, columns, ActiveSystem().IsFrench());
}

std::unique_ptr<QMenu> PAGE_PALMARES::MakeContextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  int matches = 0;
  int events = 0;
  int first_event = -1;
  int first_match = -1;
  for (const int row : list_->SelectedRows()) {
    if (MatchAt(row)) {
      ++matches;
      if (first_match < 0) first_match = row;
    } else if (EventAt(row)) {
      ++events;
      if (first_event < 0) first_event = row;
    }
  }
  if (matches == 1 && events == 0) {
    connect(menu->addAction(tr("Edit the match")), &QAction::triggered, this,
            [this, first_match] { EditLine(first_match); });
    connect(menu->addAction(tr("Delete the match")), &QAction::triggered, this,
            &PAGE_PALMARES::DeleteSelection);
  } else if (matches > 0) {
    connect(menu->addAction(tr("Delete the selected matches")), &QAction::triggered, this,
            &PAGE_PALMARES::DeleteSelection);
  } else if (events > 0) {
    connect(menu->addAction(tr("Add a match to the event")), &QAction::triggered, this,
            [this, first_event] { AddMatchToEvent(first_event); });
    connect(menu->addAction(tr("Edit the event")), &QAction::triggered, this,
            [this, first_event] { EditLine(first_event); });
    connect(menu->addAction(tr("Delete the event")), &QAction::triggered, this,
            &PAGE_PALMARES::DeleteSelection);
  } else {
    AddColumnEntries(*menu, tr("Sort the matches"),
                     {
                         {tr("By win or loss"), match_column::kResult},
                         {tr("By date"), match_column::kDate},
                         {tr("By ranking"), match_column::kRank},
                         {tr("By future ranking"), match_column::kFutureRank},
                         {tr("By event"), match_column::kEvent},
                         {tr("By first name"), match_column::kFirstName},
                         {tr("By surname"), match_column::kSurname},
                     });
    connect(menu->addAction(tr("New match")), &QAction::triggered, this, &PAGE_PALMARES::NewMatch);
    connect(menu->addAction(tr("New event")), &QAction::triggered, this, &PAGE_PALMARES::NewEvent);
  }
  return menu;
}

}  // namespace scorvane

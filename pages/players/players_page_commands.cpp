// The commands of the players page: new, edit and delete, the ranking
// evolution of a player, the columns and sort commands, and the context menu
// that offers them according to what is selected.
#include <QMenu>

#include "pages/common/players/player_commands.h"
#include "pages/common/rankings/ranking_evolution_dialog.h"
#include "pages/players/player_columns_dialog.h"
#include "pages/players/players_page.h"
#include "ranking/ranking_registry.h"
#include "widgets/current_document.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"

namespace scorvane {

static_assert(DLG_COLONNES_JOUEURS::kColumnCount == player_column::kTotal);

void PAGE_JOUEURS::NewPlayer() {
  if (!CurrentOwner()) return;
  const int fills = fills_;
  JOUEUR* added = NewPlayerDialog(this);
  if (!added) return;
  // Inside the window the document has refreshed every page already.
  if (fills_ == fills) FillKeepingSelection();
  SelectOnly(list_->RowOf(added));
}

void PAGE_JOUEURS::EditPlayer(int row) {
  JOUEUR* player = PlayerAt(row);
  if (!player) return;
  const int fills = fills_;
  if (!EditPlayerDialog(this, *player)) return;
  if (fills_ == fills) FillKeepingSelection();
  // The player may have moved with the sort: it stays in sight.
  SelectOnly(list_->RowOf(player));
}

void PAGE_JOUEURS::DeleteSelection() {
  UTILISATEUR* owner = CurrentOwner();
  PROJECT_DOC* document = CurrentDocument();
  if (!owner || !document) return;
  const PlayerDeletion plan = PlanPlayerDeletion(*owner, SelectedPlayers());
  if (plan.refused.empty() && plan.deleted.empty()) return;
  const int fills = fills_;
  owner->ResetDeletionAskFlags();
  document->BeginUpdate();
  for (const JOUEUR* player : plan.refused)
    MessageBoxes::Warn(this, QString::fromStdString(RefusedDeletionText(*player)));
  if (plan.ask) {
    for (JOUEUR* player : plan.deleted)
      owner->DestroyPlayer(player, /*ask_mode=*/1);
  } else {
    owner->DestroyPlayers(plan.deleted);
  }
  document->EndUpdate();
  if (fills_ == fills) FillKeepingSelection();
}

void PAGE_JOUEURS::ShowEvolution() {
  const std::vector<JOUEUR*> selected = SelectedPlayers();
  if (!selected.empty()) ShowRankingEvolution(this, *selected.front());
}

bool PAGE_JOUEURS::ChooseShownColumns(ListColumnModel& columns) {
  std::vector<bool> shown;
  for (int column = 0; column < columns.Count(); ++column)
    shown.push_back(columns.Column(column).shown);
  const auto chosen = DLG_COLONNES_JOUEURS::Choose(this, shown, ActiveSystem().IsFrench());
  if (!chosen) return false;
  for (int column = 0; column < columns.Count(); ++column)
    columns.Column(column).shown = (*chosen)[static_cast<size_t>(column)];
  return true;
}

std::unique_ptr<QMenu> PAGE_JOUEURS::MakeContextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  const std::vector<int> rows = list_->SelectedRows();
  if (rows.size() == 1) {
    const int row = rows.front();
    connect(menu->addAction(tr("Edit")), &QAction::triggered, this,
            [this, row] { EditPlayer(row); });
    connect(menu->addAction(tr("Delete the player")), &QAction::triggered, this,
            &PAGE_JOUEURS::DeleteSelection);
    connect(menu->addAction(tr("Player's evolution")), &QAction::triggered, this,
            &PAGE_JOUEURS::ShowEvolution);
    menu->addSeparator();
  } else if (rows.size() > 1) {
    connect(menu->addAction(tr("Delete the selected players")), &QAction::triggered, this,
            &PAGE_JOUEURS::DeleteSelection);
    menu->addSeparator();
  }
  connect(menu->addAction(tr("New player")), &QAction::triggered, this, &PAGE_JOUEURS::NewPlayer);
  AddColumnEntries(*menu, tr("Sort the players"),
                   {
                       {tr("By ranking"), player_column::kRank},
                       {tr("By future ranking"), player_column::kFutureRank},
                       {tr("By first name"), player_column::kFirstName},
                       {tr("By surname"), player_column::kSurname},
                       {tr("By club"), player_column::kClub},
                   });
  return menu;
}

}  // namespace scorvane

#include "pages/common/seasons/season_commands.h"

#include <optional>

#include "base/catalogue/messages.h"
#include "pages/common/seasons/season_dialog.h"
#include "pages/common/seasons/season_rules.h"
#include "records/document.h"
#include "records/season.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {
namespace {

// The new mode: the year of the season created, or nothing.
std::optional<int> CreateSeason(QWidget* parent, PROJECT_DOC& document, int proposed_year) {
  const std::optional<NewSeasonProposal> proposal =
      ProposeNewSeason(document.Owner(), proposed_year, Today().Year());
  if (!proposal) return std::nullopt;
  DLG_NOUVELLE_SAISON dialog(document.Owner(), SeasonDialogMode::kNew, proposal->year,
                             proposal->ranking, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  StoreSeason(document, dialog.Year(), dialog.Ranking(), dialog.Comment());
  return dialog.Year();
}

}  // namespace

bool OpenNewSeasonDialog(QWidget* parent, PROJECT_DOC& document, int proposed_year) {
  return CreateSeason(parent, document, proposed_year).has_value();
}

bool OpenChangeSeasonDialog(QWidget* parent, PROJECT_DOC& document, int year) {
  const std::optional<int> shown = SeasonYearToChange(document.Owner(), year);
  if (!shown) return false;
  DLG_NOUVELLE_SAISON dialog(document.Owner(), SeasonDialogMode::kChange, *shown,
                             OwnerRankingForYear(document.Owner(), *shown), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  StoreSeason(document, dialog.Year(), dialog.Ranking(), dialog.Comment());
  return true;
}

bool RunNewSeasonCommand(QWidget* parent, PROJECT_DOC& document) {
  const std::optional<int> year = CreateSeason(parent, document, 0);
  if (!year) return false;
  document.Owner().SetActiveSeason(document.Owner().FindSeason(*year));
  return true;
}

void RunDeleteSeasonCommand(QWidget* parent, PROJECT_DOC& document) {
  if (DeleteActiveSeason(document) == SeasonDeletion::kKeepOneSeason)
    MessageBoxes::Inform(parent, QString::fromUtf8(Msg(105)));
}

}  // namespace scorvane

#include "pages/finances/operation_commands.h"

#include "base/catalogue/messages.h"
#include "finances/finance_commands.h"
#include "pages/common/matches/match_commands.h"
#include "pages/finances/operation_dialog.h"
#include "records/document.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {
namespace {

constexpr int kNewExpenseHeading = 525;
constexpr int kChangeOperationHeading = 526;

SAISON_JOUEUR* ActiveSeason() {
  UTILISATEUR* owner = CurrentOwner();
  return owner ? owner->GetActiveSeason() : nullptr;
}

}  // namespace

bool NewExpenseCommand(QWidget* parent) {
  SAISON_JOUEUR* season = ActiveSeason();
  if (!season) return false;
  UTILISATEUR& owner = *CurrentOwner();
  DLG_SAISIE_OPERATION dialog(owner, CatalogueText(kNewExpenseHeading, {season->Year()}),
                              NewExpenseEntry(season->Year(), Today()), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  try {
    StoreOperationEntry(owner, *season, dialog.Entry(), nullptr);
  } catch (const ListFullError& full) {
    MessageBoxes::Warn(parent, QString::fromUtf8(full.what()));
    return false;
  }
  return true;
}

bool EditOperationCommand(QWidget* parent, OPERATION_FINANCIERE& operation) {
  SAISON_JOUEUR* season = ActiveSeason();
  if (!season) return false;
  UTILISATEUR& owner = *CurrentOwner();
  DLG_SAISIE_OPERATION dialog(owner, CatalogueText(kChangeOperationHeading, {season->Year()}),
                              EntryOfOperation(operation), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  try {
    StoreOperationEntry(owner, *season, dialog.Entry(), &operation);
  } catch (const ListFullError& full) {
    MessageBoxes::Warn(parent, QString::fromUtf8(full.what()));
    return false;
  }
  return true;
}

bool EditFinanceRowCommand(QWidget* parent, const ELEM_LISTE_FINANCES& element) {
  if (element.operation) return EditOperationCommand(parent, *element.operation);
  if (element.played) return EditPlayedEventCommand(parent, *element.played);
  return false;
}

bool DeleteFinanceRowCommand(const ELEM_LISTE_FINANCES& element) {
  SAISON_JOUEUR* season = ActiveSeason();
  return season && DeleteFinanceRow(*CurrentOwner(), *season, element);
}

}  // namespace scorvane

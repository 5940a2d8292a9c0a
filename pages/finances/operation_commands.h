// The commands that change a season's money from the finances page and
// the operations viewer: a new expense, editing the record behind a row
// (the entry dialog for an operation, the event dialog for an event's
// money) and deleting it. Each returns true when the document changed; the
// caller then shows its lists again.
#pragma once

#include "finances/finance_lists.h"

class QWidget;

namespace scorvane {

// The entry dialog for a new expense of the active season; nothing happens
// without an active season.
bool NewExpenseCommand(QWidget* parent);
// The entry dialog on an operation of the active season.
bool EditOperationCommand(QWidget* parent, OPERATION_FINANCIERE& operation);
// The entry dialog (operation rows) or the event dialog (event rows).
bool EditFinanceRowCommand(QWidget* parent, const ELEM_LISTE_FINANCES& element);
// Asks the row's question and deletes what the row shows (finance_commands.h).
bool DeleteFinanceRowCommand(const ELEM_LISTE_FINANCES& element);

}  // namespace scorvane

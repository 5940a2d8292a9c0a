// The matches page's column model: the columns of a season's match table
// with their titles in the interface language, default widths, shown flags
// and how each one sorts.
#pragma once

#include "records/match_table.h"
#include "widgets/listview/list_columns.h"

namespace scorvane {

// The columns with no sort key yet, and comparisons on the matches lines
// carry (items are RENCONTRE pointers). Every column but the line number and
// the score can be sorted on.
ListColumnModel MakeMatchColumns();

}  // namespace scorvane

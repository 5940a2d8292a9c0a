// Opening the season dialog and the two season commands of the main window.
// The new-document questions and the own page open the season dialog
// through these functions too.
#pragma once

class QWidget;

namespace scorvane {

class PROJECT_DOC;

// The season dialog in new mode, proposing `proposed_year` when it has no
// season yet (0: the year after the latest season, or this year). True when
// the user pressed OK and the season was created; false on Cancel or when
// no year of 1950..2050 is free.
bool OpenNewSeasonDialog(QWidget* parent, PROJECT_DOC& document, int proposed_year = 0);

// The season dialog in change mode on the season of `year` (0: the active
// season). True on OK; false on Cancel, or at once when there is no such
// season.
bool OpenChangeSeasonDialog(QWidget* parent, PROJECT_DOC& document, int year = 0);

// "Add a new season": the new mode without a proposed year; on OK the new
// season is the active one.
bool RunNewSeasonCommand(QWidget* parent, PROJECT_DOC& document);

// "Delete the active season": refused with "You must keep one season !!"
// while one season is left, otherwise asked and done (season_rules.h).
void RunDeleteSeasonCommand(QWidget* parent, PROJECT_DOC& document);

}  // namespace scorvane

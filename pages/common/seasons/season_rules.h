// The rules behind the season dialog and the two season commands: which
// year the dialog proposes, how the year steps, what OK stores, and how the
// active season is deleted with its matches. Kept free of widgets so that
// every rule is tested on its own; the dialog and the main window only ask
// and show.
#pragma once

#include <optional>
#include <string>

#include "ranking/ranking_value.h"

namespace scorvane {

class PROJECT_DOC;
class SAISON_JOUEUR;
class UTILISATEUR;

// The season dialog creates a season (new) or changes an existing one.
enum class SeasonDialogMode { kNew, kChange };

// The years the dialog's stepping may reach.
inline constexpr int kFirstSteppedYear = 1950;
inline constexpr int kLastSteppedYear = 2050;

// A year fits the new mode when the owner has no season of it, the change
// mode when the owner has one.
bool YearFitsMode(const UTILISATEUR& owner, int year, SeasonDialogMode mode);

// One step of the year (`step` > 0 up, < 0 down): the nearest year in that
// direction that fits the mode, never beyond 1950 going down or 2050 going
// up; `year` itself when no such year exists.
int NextFittingYear(const UTILISATEUR& owner, int year, int step, SeasonDialogMode mode);

// The owner's ranking on 1 January of a year; the active system's worst
// value while the owner has no ranking at all.
CLASSEMENT OwnerRankingForYear(const UTILISATEUR& owner, int year);

// What the dialog shows when it opens in new mode.
struct NewSeasonProposal {
  int year = 0;
  CLASSEMENT ranking;
};

// The year after the latest season (with the owner's ranking of that
// latest season), or this year with the worst ranking when there is no
// season yet. A year passed by the opener (non-zero) replaces the proposal
// when it has no season. From a latest season of 2050 or later the proposal
// is the nearest year without season going down from 2050. Nothing when no
// year of 1950..2050 is free.
std::optional<NewSeasonProposal> ProposeNewSeason(const UTILISATEUR& owner, int passed_year,
                                                  int current_year);

// The year the change mode opens on: the passed year, or the active
// season's for 0; nothing when the owner has no season of that year.
std::optional<int> SeasonYearToChange(const UTILISATEUR& owner, int passed_year);

// What OK in either mode stores, as one change of the document: the season
// of `year` is created when missing (and becomes active), under a yearly
// ranking system the owner's ranking history gets `ranking` at 1 January
// of the year, and the season takes the comment.
void StoreSeason(PROJECT_DOC& document, int year, const CLASSEMENT& ranking,
                 const std::string& comment);

// A season comment as an edit box shows it (line breaks as "\n"), and the
// text to store back after editing: the stored text itself when nothing was
// changed, otherwise the edited text with Windows line breaks, as the
// document has always kept multi-line texts.
std::string CommentForEditing(const std::string& stored);
std::string CommentAfterEditing(const std::string& stored, const std::string& edited);

// The number of matches retained in a season (0 without palmares).
int RetainedMatchCount(const SAISON_JOUEUR& season);

// "Destroy season 2001 permanently (12 matches) ?", or "... (no match
// recorded) ?" for a season without matches.
std::string DeleteSeasonQuestion(const SAISON_JOUEUR& season);

enum class SeasonDeletion {
  kKeepOneSeason,  // one season or none: the caller says "You must keep one season !!"
  kDeclined,       // the user answered No; nothing changed
  kDeleted,
};

// Deletes the active season after asking (through the user prompt) the
// question above and, when it has matches, the warning that they go too.
// The matches are then deleted without a question each, while the offer to
// delete the players left without a match is still made; every ask flag is
// set again afterwards.
SeasonDeletion DeleteActiveSeason(PROJECT_DOC& document);

}  // namespace scorvane

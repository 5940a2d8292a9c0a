// Entering one match: the values the match dialog shows and collects, what
// a new match starts with, the checks of its OK button and the storing of
// the values into the records once the user confirms.
//
// The dialog only holds values; a new match, its new players and the event
// it goes into reach the document in StoreMatch and nowhere else, so a
// cancelled entry leaves the document as it was.
#pragma once

#include <cstdint>
#include <string>

#include "base/dates.h"
#include "records/player_entry.h"

namespace scorvane {

class EPREUVE_JOUEE;
class JOUEUR;
class MatchEventChoice;
class RENCONTRE;
class SAISON_JOUEUR;
class SURFACE;
class UTILISATEUR;

struct MatchValues {
  DATE_SIMPLE date;
  std::string place;
  // The surface's name as chosen or typed ("" for none).
  std::string surface;
  bool indoor = false;
  bool doubles = false;
  bool won = false;
  std::string score;
  bool retirement = false;
  // The two walk-over boxes shown under the Belgian system, and the hidden
  // one that keeps a recorded walk-over under the other systems.
  bool walkover_excused = false;
  bool walkover_not_excused = false;
  bool walkover = false;
  // The short formats.
  bool four_games = false;
  bool no_advantage = false;
  bool tie_break_third_set = false;
  bool no_let = false;
  std::string comment;
  std::string strong_points;
  std::string weak_points;
};

MatchValues ValuesOfMatch(const RENCONTRE& match);

// A new match in the event chosen: dated at the event's start (without an
// event, today, or 1 January of the season year when today lies in another
// year), with the court of the event's matches.
MatchValues NewMatchValues(const MatchEventChoice& choice, int season_year,
                           const DATE_SIMPLE& today);
// The surface and indoor flag of the event's first match that has a
// surface, and the place of its first match with a place.
void TakeCourtOfEvent(const EPREUVE_JOUEE& played, MatchValues& values);
// The match date, or the start of the period when it lies outside it.
DATE_SIMPLE DateWithinPeriod(const DATE_SIMPLE& date, const DATE_SIMPLE& start,
                             const DATE_SIMPLE& end);

// A player made for a page of the match dialog: a new player whose history
// holds, at the page's ranking date, the owner's ranking in force on
// 1 January of the season year.
PlayerSlot TemporaryPlayer(const UTILISATEUR& owner, int season_year, const DATE_SIMPLE& date);

// True when the score text reads, "-" taken for "/" (see ReadTypedScore).
bool IsScoreWellWritten(const std::string& score);
// A score text that is only a walk-over mark ("wo", "w.o.", "W/O", comments
// aside) gives walk-over kind 1; any other text 0.
int32_t WalkoverOfScore(const std::string& score);
// The walk-over kind stored: under the Belgian system 2 for "Excused W.O.",
// else 1 for "Not excused W.O."; under the others 1 for the hidden box;
// otherwise the kind the score text gives.
int32_t WalkoverKind(const MatchValues& values, bool belgian_system);

// What the OK button says when players are missing (catalogue numbers of
// the message and of its second line; 0 when nothing is missing).
struct MissingPlayers {
  int message = 0;
  int detail = 0;
  bool Any() const { return message != 0; }
  std::string Text() const;
};
// Singles: the opponent. Doubles, in this order: everybody, both opponents,
// opponent 2 and the partner, the partner, opponent 1, opponent 2.
MissingPlayers CheckMatchPlayers(bool doubles, bool opponent1_empty, bool opponent2_empty,
                                 bool partner_empty);

struct MatchPlayers {
  JOUEUR* opponent1 = nullptr;
  JOUEUR* opponent2 = nullptr;
  JOUEUR* partner = nullptr;
};

// Stores the values into `match` (null for a new match, which is retained
// in the season), in `played`: a change between singles and doubles puts a
// record of the other kind in the match's place (in its event and its
// season), keeping every value; a surface name that is not a surface of the
// document becomes one. Returns the match as it now stands.
RENCONTRE* StoreMatch(UTILISATEUR& owner, SAISON_JOUEUR& season, RENCONTRE* match,
                      EPREUVE_JOUEE& played, const MatchValues& values,
                      const MatchPlayers& players);

// The surface named by a typed text: the surface of that name (exactly,
// else without regard to case), a new one otherwise, null for an empty text.
SURFACE* SurfaceNamed(UTILISATEUR& owner, const std::string& typed);

}  // namespace scorvane

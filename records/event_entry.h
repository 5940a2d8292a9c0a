// Entering an event as played in a season: the values the event dialog
// shows and collects, the rules its fields follow, and the driver that turns
// a confirmed entry into records (a new event when the name is new, the
// season's played event created or updated).
//
// The dialog only ever holds values; nothing reaches the document until
// StoreEventEntry, so an entry that is abandoned leaves no trace.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/amount_text.h"
#include "base/dates.h"
#include "ranking/ranking_value.h"
#include "records/event.h"

namespace scorvane {

class SAISON_JOUEUR;
class UTILISATEUR;

// An amount as the dialog shows it (in the display currency), with the
// stored value it was made from: an amount whose text was not changed keeps
// its stored value exactly, instead of taking back the rounded text.
struct AmountEntry {
  std::string text;
  std::string loaded_text;
  float loaded_francs = 0.0f;

  // The text of a stored amount, in the display currency.
  static AmountEntry FromFrancs(float francs);
  // The amount to store, in francs.
  float Francs() const;
};

struct EventValues {
  std::string name;
  int32_t type = EPREUVE::kNoType;
  int32_t age_category = EPREUVE::kSeniors;
  int32_t homologation = EPREUVE::kFriendly;
  bool corporate = false;
  bool won = false;
  CLASSEMENT best_ranking = CLASSEMENT::Worst();
  DATE_SIMPLE start;
  DATE_SIMPLE end;
  AmountEntry prize_money;
  AmountEntry entry_fee;
  AmountEntry travel;
  std::string prizes;
  std::string comments;
};

// What the event dialog hands back: the event record chosen (null for a
// new name), the season's played event of it (null when it has none yet)
// and the values.
struct EventEntry {
  EPREUVE* event = nullptr;
  EPREUVE_JOUEE* played = nullptr;
  EventValues values;
};

// A new event for the season: no name, seniors, and the period of today
// when today lies in the season, else 1 January of the season year.
EventValues NewEventValues(int season_year, const DATE_SIMPLE& today);
// An event chosen by name: its properties, and the values of its played
// event of the season when there is one (`*played` is set to it); otherwise
// the period of its latest participation, brought into the season.
EventValues ValuesOfEvent(const EPREUVE& event, int season_year, EPREUVE_JOUEE** played);
// The values of a played event.
EventValues ValuesOfPlayed(const EPREUVE_JOUEE& played);

// The first event (in the document's order) whose name is the text without
// regard to case; null when none or when the text is empty.
EPREUVE* FindEventByName(const UTILISATEUR& owner, std::string_view typed);

// The start date's year must be the season year or the year before; any
// other year becomes the season year (day and month kept).
DATE_SIMPLE StartDateInSeason(const DATE_SIMPLE& typed, int season_year);

// The amounts of an event take 0 up to 9,999.99 of the display currency.
inline constexpr std::int64_t kLargestEventAmountCents = 999999;
// Reads an amount field of the event dialog (ReadAmountCents, in range; an
// empty field is 0).
AmountReading ReadEventAmount(std::string_view typed);
// An amount field once left: an amount in range is written with two
// decimals, or none when it is whole ("12,5" shows 12.50, "1 500" 1500);
// anything else stays as typed, for the check on OK to refuse with a word.
std::string RewriteAmountText(std::string_view typed);

// The first amount of the values that the event dialog cannot take, with
// what is wrong with it; field is -1 when all three are fine (0 the prize
// money, 1 the entry fee, 2 the travel costs).
struct EventAmountCheck {
  int field = -1;
  AmountProblem problem = AmountProblem::kNone;
};
EventAmountCheck CheckEventAmounts(const EventValues& values);

// Whether a period strays far from its season, as a slip of the year
// would make it: it ends more than a season's length after the season's
// end (31 October of the season year) or starts more than that before the
// season's start (1 November of the year before).
bool PeriodStraysFromSeason(const DATE_SIMPLE& start, const DATE_SIMPLE& end, int season_year);

// Whether the event dialog's boxes are usable: "won" only for tournaments
// and championships under the French system (always elsewhere), the best
// ranking lost to only when "won" is ticked.
bool WonBoxEnabled(bool french_system, int32_t type);

// The driver of a confirmed entry: the event record is made when new (and
// takes the properties of the values), the played event is made when the
// season has none (from its start to its end date, an end before the start
// raised to it) and takes the values; the amounts are stored in francs.
//
// A played event entered under another event's name is renamed, never
// copied, so that no amount counts twice: when it is the only participation
// of its event and the name is new, the event itself takes the name;
// otherwise the played event moves (with its matches and money) to the
// event of the new name, made when new, and the old event goes when nothing
// uses it any more.
//
// With `season`, the played event is retained in the season's palmares. A
// full list (ListFullError) leaves the document as it was. Returns the
// played event.
EPREUVE_JOUEE* StoreEventEntry(UTILISATEUR& owner, const EventEntry& entry,
                               SAISON_JOUEUR* season = nullptr);

}  // namespace scorvane

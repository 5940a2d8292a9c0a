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

#include "base/dates.h"
#include "ranking/ranking_value.h"
#include "records/event.h"

namespace scorvane {

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

// An amount field once left: commas become points, the text is read as a
// decimal number (0 when it is none), a value below 0 or not below 10000
// becomes 0, and it is written "%.2f", or "%.0f" when it is whole.
std::string RewriteAmountText(std::string_view typed);
// The value of a rewritten amount text.
double AmountOfText(std::string_view text);

// Whether the event dialog's boxes are usable: "won" only for tournaments
// and championships under the French system (always elsewhere), the best
// ranking lost to only when "won" is ticked.
bool WonBoxEnabled(bool french_system, int32_t type);

// The driver of a confirmed entry: the event record is made when new (and
// takes the properties of the values), the played event is made when the
// season has none (from its start to its end date, an end before the start
// raised to it) and takes the values; the amounts are stored in francs.
// Returns the played event.
EPREUVE_JOUEE* StoreEventEntry(UTILISATEUR& owner, const EventEntry& entry);

}  // namespace scorvane

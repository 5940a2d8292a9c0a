// Importing a CSV list of matches into a document, in two steps: a plan
// that says, before anything changes, which matches, players, events and
// seasons the file brings, what looks doubtful and which lines are refused
// and why; then, when the user agrees, the plan applied to the records.
//
// Without a person to ask, a player of the file is a player already
// recorded when the first name and surname agree (letter case and accents
// aside) and, where both give one, the licence; otherwise a new player,
// with a warning when the name is similar to a recorded one. An event is
// found by name (the empty name is the friendly matches) and takes part in
// the match's season, made when it has not yet. Rankings are read in the
// document's ranking system.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/import/match_line.h"

namespace scorvane {

class EPREUVE;
class JOUEUR;
class UTILISATEUR;

struct ImportOptions {
  // Every match goes into this season; by default the season of its date
  // (November to October).
  std::optional<int> season;
};

struct PlannedPlayer {
  // A player already recorded, or else one of ImportPlan::new_players, or
  // else (both unset) a new anonymous player.
  JOUEUR* existing = nullptr;
  int created = -1;
};

struct PlannedEvent {
  std::string name;
  int season = 0;
  // The event record, when it exists; the friendly matches when `friendly`.
  EPREUVE* existing = nullptr;
  bool friendly = false;
  // Whether the event already took part in the season.
  bool played_in_season = false;
  DATE_SIMPLE start;
  DATE_SIMPLE end;
};

struct PlannedMatch {
  ImportedMatch values;
  int season = 0;
  size_t event = 0;  // in ImportPlan::events
  PlannedPlayer opponent;
  PlannedPlayer second_opponent;
  PlannedPlayer partner;
};

struct PlannedRanking {
  PlannedPlayer player;
  CLASSEMENT ranking;
  DATE_SIMPLE date;
};

struct ImportPlan {
  // Why the whole file is refused (empty when it was read).
  std::string error;
  std::vector<std::string> ignored_columns;
  std::vector<PlannedMatch> matches;
  std::vector<ImportedPlayer> new_players;
  std::vector<PlannedEvent> events;
  std::vector<int> new_seasons;
  std::vector<std::string> new_surfaces;
  std::vector<PlannedRanking> rankings;
  int anonymous_players = 0;
  // New players whose name looks like a recorded player's (the question the
  // entry dialog asks): new player `created`, first met on `line`.
  struct Resemblance {
    int created = -1;
    JOUEUR* recorded = nullptr;
    size_t line = 0;
  };
  std::vector<Resemblance> resemblances;
  // Other doubts, "line N: ..." texts.
  std::vector<std::string> warnings;
  std::vector<std::string> refused;

  bool Readable() const { return error.empty(); }
};

// Reads the file's bytes and plans the import into the owner's records;
// nothing is changed.
ImportPlan PlanMatchImport(const UTILISATEUR& owner, std::string_view csv_bytes,
                           const ImportOptions& options);

// The answer "same player" to a resemblance: the new player is the recorded
// one, its lines point to that player, and it is no longer created (a
// ranking the file gives for a date the recorded history already has is
// left out).
void TakeRecordedPlayer(ImportPlan& plan, size_t resemblance);

// "line N: the new player A B looks like the recorded player C D (licence L)."
std::string ResemblanceText(const ImportPlan& plan, const ImportPlan::Resemblance& resemblance);

// Applies the matches of a readable plan (the refused lines are left out)
// to the records it was made for, which must not have changed since; the
// active season stays the active one. Returns the number of matches made.
int ApplyMatchImport(UTILISATEUR& owner, const ImportPlan& plan);

}  // namespace scorvane

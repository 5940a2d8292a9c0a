// What the Belgian estimate needs to know of a season, read once from the
// records: the homologated singles matches with the grade each opponent will
// hold next year, in the order the report lists them, and the number of
// matches that earn each participation bonus. Also the points of one match.
//
// Grades are Belgian grade indexes: 0 "NC", 1 "30.4" ... 16 "A".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scorvane {
class RENCONTRE_SIMPLE;
class SAISON_JOUEUR;
class UTILISATEUR;
}  // namespace scorvane

namespace scorvane::belgian {

inline constexpr int32_t kNC = 0;
inline constexpr int32_t k30_4 = 1;
inline constexpr int32_t kTop = 16;  // "A"

inline bool IsGrade(int32_t grade) {
  return grade >= kNC && grade <= kTop;
}
inline int32_t OneBetter(int32_t grade) {
  return grade < kTop ? grade + 1 : grade;
}
inline int32_t OneWorse(int32_t grade) {
  return grade > kNC ? grade - 1 : grade;
}
// The grade's name; a value outside the grades in decimal.
std::string GradeText(int32_t grade);

// The norms, the same for every grade and both sexes.
inline constexpr int kUpNorm = 350;
inline constexpr int kDownNorm = -20;
// An upgrade is confirmed with at least this many points at the new grade.
inline constexpr double kUpgradeConfirmation = 60;
// A downgrade is confirmed while the points at the new grade plus the
// confirmation bonus stay below the threshold ("30.4" has its own values).
inline constexpr int kDowngradeBonus = 100;
inline constexpr int kDowngradeBonus30_4 = 50;
inline constexpr int kDowngradeThreshold = 350;
inline constexpr int kDowngradeThreshold30_4 = 200;
// Participation bonus per homologated singles match played on court.
inline constexpr int kChampionshipBonus = 4;
inline constexpr int kTeamBonus = 2;
inline constexpr int kTournamentBonus = 1;

struct MatchEntry {
  int32_t ranking = -1;  // the opponent's grade at 1 January of the next year
  bool won = false;
  int32_t walkover = 0;  // 0 none, 1 not excused, 2 excused
  bool seniors = false;  // the event's age category is "Seniors": full points
  // The match, for the texts of its report line; null for a supposed victory.
  const RENCONTRE_SIMPLE* match = nullptr;
};

// The texts of a match's report line: date, event name, the opponent's
// first and last names; empty for a supposed victory.
struct MatchTexts {
  std::string date;
  std::string event_name;
  std::string first_name;
  std::string last_name;
};
MatchTexts TextsOf(const MatchEntry& entry);

// The points of a match at trial grade `trial` (halves outside seniors events).
double MatchPoints(const MatchEntry& match, int32_t trial);

struct SeasonFacts {
  int year = 0;                 // Y
  int32_t owner_ranking = kNC;  // G, at 1 January of Y
  // Homologated singles, walkovers included: highest points at G first,
  // the later match first among equals.
  std::vector<MatchEntry> entries;
  int championship_matches = 0;
  int team_matches = 0;
  int tournament_matches = 0;
};

// Reads the season (null reads as an empty season of year 0; a season
// without palmares as an empty one). An owner without a valid grade at
// 1 January of Y is taken as "NC".
SeasonFacts CollectSeasonFacts(const UTILISATEUR& owner, const SAISON_JOUEUR* season);

// Adds `count` victories on court over players of `grade` in a homologated
// seniors tournament, as if they had been played last.
void AddHypotheticalWins(SeasonFacts& facts, int32_t grade, int count);
// Adds `count` defeats on court against players of `grade` in a homologated
// seniors tournament.
void AddHypotheticalDefeats(SeasonFacts& facts, int32_t grade, int count);

}  // namespace scorvane::belgian

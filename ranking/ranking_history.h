// A player's dated rankings: every question about a ranking at a given time
// (an opponent in a match, the owner at the start of a season, the best
// ranking reached) is answered from it.
#pragma once

#include <string>

#include "base/dates.h"
#include "base/list.h"
#include "ranking/ranking_value.h"

namespace scorvane {

// One ranking, valid from its date (1 January for a yearly system), with a note.
class CLASSEMENT_DATE : public CObject {
  SCORVANE_DECLARE_RECORD(CLASSEMENT_DATE)
 public:
  CLASSEMENT_DATE() = default;
  CLASSEMENT_DATE(const CLASSEMENT& ranking, const DATE_SIMPLE& date, std::string note)
      : date_(date), ranking_(ranking), note_(std::move(note)) {}

  const DATE_SIMPLE& Date() const { return date_; }
  void SetDate(const DATE_SIMPLE& date) { date_ = date; }
  const CLASSEMENT& Ranking() const { return ranking_; }
  void SetRanking(const CLASSEMENT& ranking) { ranking_ = ranking; }
  const std::string& Note() const { return note_; }
  void SetNote(std::string note) { note_ = std::move(note); }

  void Serialize(Archive& ar) override;

 private:
  DATE_SIMPLE date_;
  CLASSEMENT ranking_;
  std::string note_;
};

// The entries, kept in increasing date order with at most one per date.
class HISTORIQUE_CLASSEMENTS : public CObject {
  SCORVANE_DECLARE_RECORD(HISTORIQUE_CLASSEMENTS)
 public:
  HISTORIQUE_CLASSEMENTS() = default;

  const List<CLASSEMENT_DATE*>& Entries() const { return entries_.Items(); }
  int Count() const { return entries_.Count(); }
  bool IsEmpty() const { return entries_.IsEmpty(); }

  // The value of the last entry dated on or before the date; the first
  // entry's value when all are later; no ranking (-1) for an empty history.
  CLASSEMENT RankingAt(const DATE_SIMPLE& date) const;
  // The ranking at 1 January of the year. The entry found is kept until the
  // entries or their dates change: the match tables and the estimates ask
  // a player's ranking for the same season once per match.
  CLASSEMENT RankingForYear(int year) const;
  // The entry RankingAt takes its value from, or null when empty.
  const CLASSEMENT_DATE* EntryAt(const DATE_SIMPLE& date) const;

  // Under a yearly active system the date becomes 1 January of its year. An
  // entry of the same date takes the new ranking and note; otherwise a new
  // entry is inserted before the first later one. Returns the entry.
  CLASSEMENT_DATE* Add(const CLASSEMENT& ranking, const DATE_SIMPLE& date, const std::string& note);
  // Gives an entry of the history a new ranking, date and note and keeps the
  // history in date order: an entry whose date does not change is changed
  // in place; otherwise it moves with the add rule (taking over the entry of
  // its new date, if any). Returns the entry that now holds the values, or
  // null when `entry` is not in this history.
  CLASSEMENT_DATE* Change(CLASSEMENT_DATE* entry, const CLASSEMENT& ranking,
                          const DATE_SIMPLE& date, const std::string& note);
  // Refused (false) while fewer than two entries remain; otherwise the entry
  // is removed and deleted.
  bool Remove(CLASSEMENT_DATE* entry);
  // Removes every entry (used when a player record is replaced).
  void Clear() {
    entries_.DeleteAll();
    ForgetYearAsked();
  }

  // The best / worst ranking, the first among equals; null when empty.
  CLASSEMENT_DATE* BestEntry() const;
  CLASSEMENT_DATE* WorstEntry() const;

  // Every entry's ranking, for the walks that rewrite values.
  template <class F>
  void ForEachRanking(F&& visit) {
    for (CLASSEMENT_DATE* entry : entries_) {
      CLASSEMENT value = entry->Ranking();
      visit(value);
      entry->SetRanking(value);
    }
  }

  void Serialize(Archive& ar) override;

 private:
  void ForgetYearAsked() { year_entry_ = nullptr; }

  OwningList<CLASSEMENT_DATE> entries_;
  // The last year RankingForYear was asked and the entry that answered it
  // (null: none kept). An entry's value may change in place, its date only
  // through this class.
  mutable int year_asked_ = 0;
  mutable const CLASSEMENT_DATE* year_entry_ = nullptr;
};

}  // namespace scorvane

#include "ranking/ranking_history.h"

#include "base/record_lists.h"
#include "ranking/ranking_registry.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(CLASSEMENT_DATE, CObject);
SCORVANE_IMPLEMENT_RECORD(HISTORIQUE_CLASSEMENTS, CObject);

void CLASSEMENT_DATE::Serialize(Archive& ar) {
  const uint16_t version = ar.Version(1);
  if (version >= 1) {
    ar.Text(note_);
  } else {
    note_.clear();
  }
  ranking_.Serialize(ar);
  date_.Serialize(ar);
}

const CLASSEMENT_DATE* HISTORIQUE_CLASSEMENTS::EntryAt(const DATE_SIMPLE& date) const {
  const CLASSEMENT_DATE* found = nullptr;
  for (const CLASSEMENT_DATE* entry : entries_) {
    if (!entry->Date().IsAfter(date)) found = entry;
  }
  if (!found && !entries_.IsEmpty()) found = entries_.Items().Front();
  return found;
}

CLASSEMENT HISTORIQUE_CLASSEMENTS::RankingAt(const DATE_SIMPLE& date) const {
  const CLASSEMENT_DATE* entry = EntryAt(date);
  return entry ? entry->Ranking() : CLASSEMENT();
}

CLASSEMENT HISTORIQUE_CLASSEMENTS::RankingForYear(int year) const {
  if (!year_entry_ || year_asked_ != year) {
    year_entry_ = EntryAt(DATE_SIMPLE(1, 1, year));
    year_asked_ = year;
  }
  return year_entry_ ? year_entry_->Ranking() : CLASSEMENT();
}

CLASSEMENT_DATE* HISTORIQUE_CLASSEMENTS::Add(const CLASSEMENT& ranking, const DATE_SIMPLE& date,
                                             const std::string& note) {
  const DATE_SIMPLE when = ActiveSystem().IsYearly() ? DATE_SIMPLE(1, 1, date.Year()) : date;
  ForgetYearAsked();
  int position = 0;
  for (CLASSEMENT_DATE* entry : entries_) {
    if (entry->Date().IsEqual(when)) {
      entry->SetRanking(ranking);
      entry->SetNote(note);
      return entry;
    }
    if (entry->Date().IsAfter(when)) break;
    ++position;
  }
  return entries_.Insert(position, std::make_unique<CLASSEMENT_DATE>(ranking, when, note));
}

CLASSEMENT_DATE* HISTORIQUE_CLASSEMENTS::Change(CLASSEMENT_DATE* entry, const CLASSEMENT& ranking,
                                                const DATE_SIMPLE& date, const std::string& note) {
  if (!entries_.Contains(entry)) return nullptr;
  ForgetYearAsked();
  const DATE_SIMPLE when = ActiveSystem().IsYearly() ? DATE_SIMPLE(1, 1, date.Year()) : date;
  if (entry->Date().IsEqual(when)) {
    entry->SetRanking(ranking);
    entry->SetNote(note);
    return entry;
  }
  // Out of the list first, so that the add rule places it among the others;
  // the list stays within its limit since it holds one entry fewer.
  entries_.Delete(entry);
  return Add(ranking, when, note);
}

bool HISTORIQUE_CLASSEMENTS::Remove(CLASSEMENT_DATE* entry) {
  if (entries_.Count() < 2) return false;
  ForgetYearAsked();
  return entries_.Delete(entry);
}

CLASSEMENT_DATE* HISTORIQUE_CLASSEMENTS::BestEntry() const {
  CLASSEMENT_DATE* best = nullptr;
  for (CLASSEMENT_DATE* entry : entries_) {
    if (!best || entry->Ranking().IsBetterThan(best->Ranking())) best = entry;
  }
  return best;
}

CLASSEMENT_DATE* HISTORIQUE_CLASSEMENTS::WorstEntry() const {
  CLASSEMENT_DATE* worst = nullptr;
  for (CLASSEMENT_DATE* entry : entries_) {
    if (!worst || entry->Ranking().IsWorseThan(worst->Ranking())) worst = entry;
  }
  return worst;
}

void HISTORIQUE_CLASSEMENTS::Serialize(Archive& ar) {
  ar.Version(0);
  ForgetYearAsked();
  SerializeRecordList(ar, entries_);
}

}  // namespace scorvane

#include "records/ranking_translation.h"

#include <unordered_set>

#include "base/user_prompt.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {

int32_t TABLE_TRADUCTION_CLASSEMENTS::Lookup(int32_t old_value) const {
  const auto found = index_.find(old_value);
  return found == index_.end() ? -1 : entries_[found->second].new_value;
}

void TABLE_TRADUCTION_CLASSEMENTS::Add(int32_t old_value, int32_t new_value) {
  if (Holds(old_value)) return;
  index_.emplace(old_value, entries_.size());
  entries_.push_back({old_value, new_value});
}

void TABLE_TRADUCTION_CLASSEMENTS::Clear() {
  entries_.clear();
  index_.clear();
}

namespace {

// Visits every ranking value the document stores, in the order of the
// questions. A played event can be retained by two seasons (its dates may
// straddle 1 November) and every played event stores a best ranking, won or
// not: each value is visited exactly once, so none is translated twice and
// none is left in the old system.
template <class Visit>
void WalkStoredRankings(UTILISATEUR& owner, Visit&& visit) {
  owner.History().ForEachRanking(visit);
  for (JOUEUR* player : owner.Players())
    player->History().ForEachRanking(visit);
  std::unordered_set<const EPREUVE_JOUEE*> visited;
  for (SAISON_JOUEUR* season : owner.Seasons()) {
    const PALMARES* palmares = season->Palmares();
    if (!palmares) continue;
    for (EPREUVE_JOUEE* played : palmares->PlayedEvents()) {
      if (played->IsWon() && visited.insert(played).second) visit(played->MutableBestRanking());
    }
  }
  for (EPREUVE* event : owner.Events()) {
    for (EPREUVE_JOUEE* played : event->Played()) {
      if (visited.insert(played).second) visit(played->MutableBestRanking());
    }
  }
}

// Fills the table with the new value of every old value, asking for the
// grades the new system lacks. False when a question is cancelled.
bool PrepareTranslation(UTILISATEUR& owner, const SYSTEME_CLASSEMENT& old_system,
                        const SYSTEME_CLASSEMENT& new_system, TABLE_TRADUCTION_CLASSEMENTS& table) {
  if (!new_system.HasGrades()) return true;
  bool cancelled = false;
  WalkStoredRankings(owner, [&](CLASSEMENT& value) {
    if (cancelled || table.Holds(value.Value())) return;
    const std::string text = old_system.TextOfValue(value.Value());
    int32_t index = new_system.IndexOfGrade(text);
    if (index < 0) {
      // An answer outside the new system could not be stored: it cancels too.
      const CLASSEMENT answer(Prompt().AskReplacementRanking(text));
      if (!new_system.IsValid(answer.Value())) {
        cancelled = true;
        return;
      }
      index = answer.Value();
    }
    table.Add(value.Value(), index);
  });
  return !cancelled;
}

void ApplyTranslation(UTILISATEUR& owner, const SYSTEME_CLASSEMENT& new_system,
                      const TABLE_TRADUCTION_CLASSEMENTS& table) {
  if (new_system.HasGrades()) {
    WalkStoredRankings(owner, [&table](CLASSEMENT& value) {
      const int32_t translated = table.Lookup(value.Value());
      value.SetValue(translated < 0 ? 0 : translated);
    });
    return;
  }
  const int32_t worst = new_system.WorstValue();
  const int32_t best = new_system.BestValue();
  const bool higher_is_better = new_system.HigherIsBetter();
  const auto is_worse = [higher_is_better](int32_t a, int32_t b) {
    return higher_is_better ? a < b : a > b;
  };
  WalkStoredRankings(owner, [&](CLASSEMENT& value) {
    if (is_worse(value.Value(), worst)) {
      value.SetValue(worst);
    } else if (is_worse(best, value.Value())) {
      value.SetValue(best);
    }
  });
}

}  // namespace

bool SwitchToPendingSystem(PROJECT_DOC& document) {
  RankingRegistry& registry = Registry();
  // The values of this switch only.
  TABLE_TRADUCTION_CLASSEMENTS table;
  SYSTEME_CLASSEMENT* new_system = registry.Pending();
  if (!new_system) return false;
  SYSTEME_CLASSEMENT* old_system = &registry.Active();
  // While the values are walked the new system is active (the question lists
  // its rankings) and the old one waits in its place.
  registry.SetActive(new_system);
  registry.SetPending(old_system);

  UTILISATEUR& owner = document.Owner();
  if (!PrepareTranslation(owner, *old_system, *new_system, table)) {
    registry.SetActive(old_system);
    registry.SetPending(nullptr);
    return false;
  }
  ApplyTranslation(owner, *new_system, table);
  registry.SetPending(nullptr);
  document.MarkModified();
  return true;
}

}  // namespace scorvane

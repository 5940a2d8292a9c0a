#include "ranking/ranking_value.h"

#include "ranking/ranking_registry.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(CLASSEMENT, CObject);

bool CLASSEMENT::IsBetterThan(const CLASSEMENT& other) const {
  return ActiveSystem().HigherIsBetter() ? value_ > other.value_ : value_ < other.value_;
}

bool CLASSEMENT::IsWorseThan(const CLASSEMENT& other) const {
  return ActiveSystem().HigherIsBetter() ? value_ < other.value_ : value_ > other.value_;
}

CLASSEMENT CLASSEMENT::OneStepBetter() const {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (value_ == system.BestValue()) return *this;
  return CLASSEMENT(system.HigherIsBetter() ? value_ + 1 : value_ - 1);
}

CLASSEMENT CLASSEMENT::OneStepWorse() const {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (value_ == system.WorstValue()) return *this;
  return CLASSEMENT(system.HigherIsBetter() ? value_ - 1 : value_ + 1);
}

std::string CLASSEMENT::Text() const {
  return ActiveSystem().TextOfValue(value_);
}

CLASSEMENT CLASSEMENT::FromGradeName(const std::string& name) {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (name.empty() || !(system.IsFrench() || system.IsBelgian())) return CLASSEMENT();
  return CLASSEMENT(system.IndexOfGrade(name));
}

CLASSEMENT CLASSEMENT::Worst() {
  return CLASSEMENT(ActiveSystem().WorstValue());
}

CLASSEMENT CLASSEMENT::Best() {
  return CLASSEMENT(ActiveSystem().BestValue());
}

void CLASSEMENT::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Value(value_);
  if (ar.IsLoading() && !ActiveSystem().IsValid(value_)) {
    throw ArchiveError::BadFormat("Ranking value outside the ranking system");
  }
}

}  // namespace scorvane

#include "records/event_entry.h"

#include <memory>

#include "base/currency.h"
#include "base/text_compare.h"
#include "records/entry_text.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {
namespace {

// The period of an earlier participation, moved by whole years so that it
// starts in the season (November and December count for the next season).
void BringIntoSeason(const EPREUVE_JOUEE& latest, int season_year, EventValues& values) {
  const DATE_SIMPLE& start = latest.StartDate();
  const int start_year = start.Month() >= 11 ? season_year - 1 : season_year;
  const int shift = start_year - start.Year();
  values.start = start.WithYear(start_year);
  const DATE_SIMPLE& end = latest.EndDate();
  values.end = end.Year() == 0 ? values.start : end.WithYear(end.Year() + shift);
  if (values.end.IsBefore(values.start)) values.end = values.start;
}

// Hundredths with two decimals, or none for a whole amount.
std::string AmountText(std::int64_t cents) {
  std::string text = CentsText(cents);
  if (cents % 100 == 0) text.resize(text.size() - 3);
  return text;
}

}  // namespace

AmountEntry AmountEntry::FromFrancs(float francs) {
  AmountEntry amount;
  amount.text = AmountText(Currency::DisplayCents(SOMME(francs)));
  amount.loaded_text = amount.text;
  amount.loaded_francs = francs;
  return amount;
}

float AmountEntry::Francs() const {
  if (text == loaded_text) return loaded_francs;
  return Currency::FrancsOfCents(ReadEventAmount(text).cents);
}

EventValues NewEventValues(int season_year, const DATE_SIMPLE& today) {
  EventValues values;
  values.start = today.IsInSeason(season_year) ? today : DATE_SIMPLE(1, 1, season_year);
  values.end = values.start;
  values.prize_money = AmountEntry::FromFrancs(0);
  values.entry_fee = AmountEntry::FromFrancs(0);
  values.travel = AmountEntry::FromFrancs(0);
  return values;
}

EventValues ValuesOfPlayed(const EPREUVE_JOUEE& played) {
  EventValues values;
  if (const EPREUVE* event = played.Event()) {
    values.name = event->Name();
    values.type = event->Type();
    values.age_category = event->AgeCategory();
    values.homologation = event->Homologation();
    values.corporate = event->IsCorporate();
  }
  values.won = played.IsWon();
  values.best_ranking = played.BestRanking();
  values.start = played.StartDate();
  values.end = played.EndDate();
  values.prize_money = AmountEntry::FromFrancs(played.PrizeMoney().Get());
  values.entry_fee = AmountEntry::FromFrancs(played.EntryFee().Get());
  values.travel = AmountEntry::FromFrancs(played.TravelExpenses().Get());
  values.prizes = played.Prizes();
  values.comments = played.Comments();
  return values;
}

EventValues ValuesOfEvent(const EPREUVE& event, int season_year, EPREUVE_JOUEE** played) {
  EPREUVE_JOUEE* in_season = event.FindPlayedInSeason(season_year);
  if (played) *played = in_season;
  if (in_season) return ValuesOfPlayed(*in_season);
  EventValues values = NewEventValues(season_year, DATE_SIMPLE(1, 1, season_year));
  values.name = event.Name();
  values.type = event.Type();
  values.age_category = event.AgeCategory();
  values.homologation = event.Homologation();
  values.corporate = event.IsCorporate();
  if (const EPREUVE_JOUEE* latest = event.GetLatestPlayed()) {
    BringIntoSeason(*latest, season_year, values);
  }
  return values;
}

EPREUVE* FindEventByName(const UTILISATEUR& owner, std::string_view typed) {
  const std::string name = OneLineText(typed);
  if (name.empty()) return nullptr;
  for (EPREUVE* event : owner.Events()) {
    if (EqualsIgnoringCase(event->Name(), name)) return event;
  }
  return nullptr;
}

DATE_SIMPLE StartDateInSeason(const DATE_SIMPLE& typed, int season_year) {
  if (typed.Year() == season_year || typed.Year() == season_year - 1) return typed;
  return typed.WithYear(season_year);
}

AmountReading ReadEventAmount(std::string_view typed) {
  // A field left empty holds no money.
  if (typed.find_first_not_of(' ') == std::string_view::npos) return {};
  return ReadAmountInRange(typed, kLargestEventAmountCents);
}

std::string RewriteAmountText(std::string_view typed) {
  const AmountReading reading = ReadEventAmount(typed);
  if (reading.problem != AmountProblem::kNone) return std::string(typed);
  return AmountText(reading.cents);
}

EventAmountCheck CheckEventAmounts(const EventValues& values) {
  const AmountEntry* const amounts[] = {&values.prize_money, &values.entry_fee, &values.travel};
  for (int field = 0; field < 3; ++field) {
    const AmountEntry& amount = *amounts[field];
    if (amount.text == amount.loaded_text) continue;
    const AmountProblem problem = ReadEventAmount(amount.text).problem;
    if (problem != AmountProblem::kNone) return {field, problem};
  }
  return {};
}

bool PeriodStraysFromSeason(const DATE_SIMPLE& start, const DATE_SIMPLE& end, int season_year) {
  const DATE_SIMPLE latest_end(31, 10, season_year + 1);
  const DATE_SIMPLE earliest_start(1, 11, season_year - 2);
  return end.IsAfter(latest_end) || start.IsBefore(earliest_start);
}

bool WonBoxEnabled(bool french_system, int32_t type) {
  if (!french_system) return true;
  return type == EPREUVE::kTournament || type == EPREUVE::kChampionship;
}

namespace {

// The event record the entry's name stands for, and whether it was made
// for it.
std::pair<EPREUVE*, bool> EventOfEntry(UTILISATEUR& owner, const EventEntry& entry) {
  const std::string name = OneLineText(entry.values.name);
  if (entry.event) return {entry.event, false};
  EPREUVE* former = entry.played ? entry.played->Event() : nullptr;
  if (former && former->Played().Count() == 1) {
    former->SetName(name);
    return {former, false};
  }
  return {owner.AddEvent(std::make_unique<EPREUVE>(name)), true};
}

}  // namespace

EPREUVE_JOUEE* StoreEventEntry(UTILISATEUR& owner, const EventEntry& entry, SAISON_JOUEUR* season) {
  const EventValues& values = entry.values;
  const DATE_SIMPLE end = values.end.IsBefore(values.start) ? values.start : values.end;
  EPREUVE* former = entry.played ? entry.played->Event() : nullptr;
  const std::string former_name = former ? former->Name() : std::string();
  const auto [event, made] = EventOfEntry(owner, entry);
  EPREUVE_JOUEE* played = entry.played;
  const bool new_played = !played;
  try {
    if (new_played) {
      played = event->AddPlayed(values.start, end);
    } else if (former && former != event) {
      event->TakePlayed(*former, played);
    }
    if (season) season->EnsurePalmares().AddPlayedEvent(played);
  } catch (const ListFullError&) {
    // Nothing of the entry stays: not the played event, the event, the name.
    if (new_played && played) event->DeletePlayed(played);
    if (made) owner.RemoveEvent(event);
    if (former == event) former->SetName(former_name);
    throw;
  }
  if (former && former != event && former->Played().IsEmpty() && !owner.IsEventUsed(former))
    owner.RemoveEvent(former);

  event->SetType(values.type);
  event->SetAgeCategory(values.age_category);
  event->SetHomologation(values.homologation);
  event->SetCorporate(values.corporate);
  played->SetStartDate(values.start);
  played->SetEndDate(end);
  played->SetWon(values.won);
  played->SetBestRanking(values.best_ranking);
  played->SetPrizeMoney(SOMME(values.prize_money.Francs()));
  played->SetEntryFee(SOMME(values.entry_fee.Francs()));
  played->SetTravelExpenses(SOMME(values.travel.Francs()));
  played->SetPrizes(MultiLineText(values.prizes));
  played->SetComments(MultiLineText(values.comments));
  owner.MarkModified();
  return played;
}

}  // namespace scorvane

#include "records/event_entry.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>

#include "base/currency.h"
#include "base/text_compare.h"
#include "records/document.h"
#include "records/entry_text.h"
#include "records/owner.h"

namespace scorvane {
namespace {

constexpr double kAmountLimit = 10000.0;

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

// "%.0f" for a whole value, else "%.2f".
std::string AmountText(double value) {
  if (value == 0.0) value = 0.0;  // no "-0"
  char text[512];
  if (value == std::floor(value)) {
    std::snprintf(text, sizeof text, "%.0f", value);
  } else {
    std::snprintf(text, sizeof text, "%.2f", value);
  }
  return text;
}

}  // namespace

AmountEntry AmountEntry::FromFrancs(float francs) {
  AmountEntry amount;
  const double shown = Currency::ToDisplay(francs);
  amount.text = AmountText(std::isfinite(shown) ? std::round(shown * 100.0) / 100.0 : 0.0);
  amount.loaded_text = amount.text;
  amount.loaded_francs = francs;
  return amount;
}

float AmountEntry::Francs() const {
  if (text == loaded_text) return loaded_francs;
  return Currency::FromDisplay(static_cast<float>(AmountOfText(text)));
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

double AmountOfText(std::string_view text) {
  std::string number(text);
  for (char& c : number) {
    if (c == ',') c = '.';
  }
  size_t at = number.find_first_not_of(" \t");
  if (at == std::string::npos) return 0.0;
  bool negative = false;
  if (number[at] == '+' || number[at] == '-') {
    negative = number[at] == '-';
    ++at;
  }
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(number.data() + at, number.data() + number.size(), value);
  if (error != std::errc() || end == number.data() + at || !std::isfinite(value)) return 0.0;
  if (negative) value = -value;
  return value < 0.0 || value >= kAmountLimit ? 0.0 : value;
}

std::string RewriteAmountText(std::string_view typed) {
  return AmountText(AmountOfText(typed));
}

bool WonBoxEnabled(bool french_system, int32_t type) {
  if (!french_system) return true;
  return type == EPREUVE::kTournament || type == EPREUVE::kChampionship;
}

EPREUVE_JOUEE* StoreEventEntry(UTILISATEUR& owner, const EventEntry& entry) {
  const EventValues& values = entry.values;
  EPREUVE* event = entry.event;
  if (!event) event = owner.AddEvent(std::make_unique<EPREUVE>(OneLineText(values.name)));
  event->SetType(values.type);
  event->SetAgeCategory(values.age_category);
  event->SetHomologation(values.homologation);
  event->SetCorporate(values.corporate);

  const DATE_SIMPLE end = values.end.IsBefore(values.start) ? values.start : values.end;
  EPREUVE_JOUEE* played = entry.played;
  if (!played || played->Event() != event) played = event->AddPlayed(values.start, end);
  played->SetStartDate(values.start);
  played->SetEndDate(end);
  played->SetWon(values.won);
  played->SetBestRanking(values.best_ranking);
  played->SetPrizeMoney(SOMME(values.prize_money.Francs()));
  played->SetEntryFee(SOMME(values.entry_fee.Francs()));
  played->SetTravelExpenses(SOMME(values.travel.Francs()));
  played->SetPrizes(MultiLineText(values.prizes));
  played->SetComments(MultiLineText(values.comments));
  MarkDocumentModified();
  return played;
}

}  // namespace scorvane

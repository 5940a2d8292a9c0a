#include "records/match_entry.h"

#include <memory>

#include "base/catalogue/messages.h"
#include "base/text_compare.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/entry_text.h"
#include "records/match_event_choice.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/score_text.h"
#include "records/season.h"

namespace scorvane {
namespace {

// Copies the values into a match record, players aside.
void CopyValues(UTILISATEUR& owner, RENCONTRE& match, const MatchValues& values) {
  match.SetDate(values.date);
  match.SetPlace(OneLineText(values.place));
  match.SetSurface(SurfaceNamed(owner, values.surface));
  match.SetIndoorCode(values.indoor ? RENCONTRE::kIndoor : RENCONTRE::kOutdoor);
  match.SetComment(MultiLineText(values.comment));
  match.SetStrongPoints(MultiLineText(values.strong_points));
  match.SetWeakPoints(MultiLineText(values.weak_points));
  RESULTAT_RENCONTRE& result = match.Result();
  result.SetOutcome(values.won ? RESULTAT_RENCONTRE::kWon : RESULTAT_RENCONTRE::kLost);
  // The usual "6-4" is kept as "6/4", the notation every reader of the file knows.
  result.SetScore(ScoreWithSlashes(OneLineText(values.score)));
  result.SetRetirement(values.retirement);
  result.SetNoAdvantage(values.no_advantage);
  result.SetFourGames(values.four_games);
  result.SetTieBreakThirdSet(values.tie_break_third_set);
  result.SetNoLet(values.no_let);
  result.SetWalkover(WalkoverKind(values, ActiveSystem().IsBelgian()));
}

void SetPlayers(RENCONTRE& match, const MatchPlayers& players) {
  if (match.IsSingles()) {
    static_cast<RENCONTRE_SIMPLE&>(match).SetOpponent(players.opponent1);
    return;
  }
  auto& doubles = static_cast<RENCONTRE_DOUBLE&>(match);
  doubles.SetPartner(players.partner);
  doubles.SetFirstOpponent(players.opponent1);
  doubles.SetSecondOpponent(players.opponent2);
}

std::unique_ptr<RENCONTRE> NewRecord(bool doubles) {
  if (doubles) return std::make_unique<RENCONTRE_DOUBLE>();
  return std::make_unique<RENCONTRE_SIMPLE>();
}

}  // namespace

MatchValues ValuesOfMatch(const RENCONTRE& match) {
  MatchValues values;
  values.date = match.GetDate();
  values.place = match.Place();
  values.surface = match.GetSurface() ? match.GetSurface()->Name() : std::string();
  values.indoor = match.IsIndoor();
  values.doubles = !match.IsSingles();
  const RESULTAT_RENCONTRE& result = match.Result();
  values.won = result.IsWon();
  values.score = result.ScoreText();
  values.retirement = result.IsRetirement();
  values.walkover_excused = result.Walkover() == RESULTAT_RENCONTRE::kWalkoverExcused;
  values.walkover_not_excused = result.Walkover() == RESULTAT_RENCONTRE::kWalkover;
  values.walkover = result.IsWalkover();
  values.four_games = result.IsFourGames();
  values.no_advantage = result.IsNoAdvantage();
  values.tie_break_third_set = result.IsTieBreakThirdSet();
  values.no_let = result.IsNoLet();
  values.comment = match.Comment();
  values.strong_points = match.StrongPoints();
  values.weak_points = match.WeakPoints();
  return values;
}

MatchValues NewMatchValues(const MatchEventChoice& choice, int season_year,
                           const DATE_SIMPLE& today) {
  MatchValues values;
  if (choice.IsSet()) {
    values.date = choice.Start();
  } else {
    values.date = today.Year() == season_year ? today : DATE_SIMPLE(1, 1, season_year);
  }
  if (const EPREUVE_JOUEE* played = choice.ExistingPlayed()) TakeCourtOfEvent(*played, values);
  return values;
}

void TakeCourtOfEvent(const EPREUVE_JOUEE& played, MatchValues& values) {
  bool surface_found = false;
  bool place_found = false;
  for (const RENCONTRE* match : played.Matches()) {
    if (!surface_found && match->GetSurface()) {
      values.surface = match->GetSurface()->Name();
      values.indoor = match->IsIndoor();
      surface_found = true;
    }
    if (!place_found && !match->Place().empty()) {
      values.place = match->Place();
      place_found = true;
    }
  }
}

DATE_SIMPLE DateWithinPeriod(const DATE_SIMPLE& date, const DATE_SIMPLE& start,
                             const DATE_SIMPLE& end) {
  const DATE_SIMPLE& last = end.IsBefore(start) ? start : end;
  if (date.IsBefore(start) || date.IsAfter(last)) return start;
  return date;
}

PlayerSlot TemporaryPlayer(const UTILISATEUR& owner, int season_year, const DATE_SIMPLE& date) {
  PlayerSlot slot = PlayerSlot::New(owner);
  const CLASSEMENT ranking = owner.History().RankingForYear(season_year);
  if (!ranking.IsNone()) {
    slot.fresh->History().Add(ranking, RankingDatesFor(season_year, date).current, "");
  }
  return slot;
}

bool IsScoreWellWritten(const std::string& score) {
  return !ReadTypedScore(OneLineText(score)).badly_written;
}

int32_t WalkoverOfScore(const std::string& score) {
  std::string letters;
  int depth = 0;
  for (const char c : score) {
    if (c == '(') ++depth;
    if (depth == 0 && c != ' ' && c != '.' && c != '/' && c != '-') letters.push_back(c);
    if (c == ')' && depth > 0) --depth;
  }
  return EqualsIgnoringCase(letters, "wo") ? RESULTAT_RENCONTRE::kWalkover
                                           : RESULTAT_RENCONTRE::kNoWalkover;
}

int32_t WalkoverKind(const MatchValues& values, bool belgian_system) {
  if (belgian_system) {
    if (values.walkover_excused) return RESULTAT_RENCONTRE::kWalkoverExcused;
    if (values.walkover_not_excused) return RESULTAT_RENCONTRE::kWalkover;
  } else if (values.walkover) {
    return RESULTAT_RENCONTRE::kWalkover;
  }
  return WalkoverOfScore(values.score);
}

std::string MissingPlayers::Text() const {
  if (!Any()) return {};
  std::string text = Msg(message);
  if (detail != 0) text += std::string("\n") + Msg(detail);
  return text;
}

MissingPlayers CheckMatchPlayers(bool doubles, bool opponent1_empty, bool opponent2_empty,
                                 bool partner_empty) {
  if (!doubles) return opponent1_empty ? MissingPlayers{540, 541} : MissingPlayers{};
  int message = 0;
  if (opponent1_empty && opponent2_empty && partner_empty) {
    message = 534;
  } else if (opponent1_empty && opponent2_empty) {
    message = 535;
  } else if (!opponent1_empty && opponent2_empty && partner_empty) {
    message = 536;
  } else if (partner_empty) {
    message = 537;
  } else if (opponent1_empty) {
    message = 538;
  } else if (opponent2_empty) {
    message = 539;
  }
  return message ? MissingPlayers{message, 533} : MissingPlayers{};
}

RENCONTRE* StoreMatch(UTILISATEUR& owner, SAISON_JOUEUR& season, RENCONTRE* match,
                      EPREUVE_JOUEE& played, const MatchValues& values,
                      const MatchPlayers& players) {
  std::unique_ptr<RENCONTRE> made;
  if (!match || match->IsSingles() == values.doubles) made = NewRecord(values.doubles);
  RENCONTRE& target = made ? *made : *match;
  CopyValues(owner, target, values);
  SetPlayers(target, players);

  RENCONTRE* stored = match;
  if (made && match) {
    // The other kind of record takes the match's place in its event and in
    // its season, so lists keep their order.
    stored = made.get();
    PALMARES* palmares = match->GetPalmares();
    EPREUVE_JOUEE* old_played = match->GetPlayedEvent();
    if (palmares) palmares->ReplaceMatch(match, stored);
    if (old_played && old_played->Matches().Contains(match)) {
      old_played->ReplaceMatch(match, std::move(made)).reset();
    } else {
      played.AdoptMatch(std::move(made));
    }
  } else if (made) {
    stored = played.AdoptMatch(std::move(made));
    season.RetainMatch(stored);
  }
  if (stored->GetPlayedEvent() != &played) stored->SetPlayedEvent(&played);
  if (PALMARES* palmares = stored->GetPalmares()) palmares->AddPlayedEvent(&played);
  owner.MarkModified();
  return stored;
}

SURFACE* SurfaceNamed(UTILISATEUR& owner, const std::string& typed) {
  const std::string name = OneLineText(typed);
  if (name.empty()) return nullptr;
  for (SURFACE* surface : owner.Surfaces()) {
    if (surface->Name() == name) return surface;
  }
  for (SURFACE* surface : owner.Surfaces()) {
    if (EqualsIgnoringCase(surface->Name(), name)) return surface;
  }
  if (owner.Surfaces().Count() >= List<SURFACE*>::kMaxCount) return nullptr;
  return owner.AddSurface(std::make_unique<SURFACE>(name));
}

}  // namespace scorvane

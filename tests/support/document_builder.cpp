#include "tests/support/document_builder.h"

#include <stdexcept>

#include "ranking/ranking_registry.h"
#include "records/palmares.h"

namespace scorvane::testing {

CLASSEMENT DocumentBuilder::Rank(const std::string& text) {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (system.HasGrades()) {
    const int32_t index = system.IndexOfGrade(text);
    if (index < 0) throw std::invalid_argument("unknown grade " + text);
    return CLASSEMENT(index);
  }
  return CLASSEMENT(std::stoi(text));
}

SAISON_JOUEUR* DocumentBuilder::Season(int year, const std::string& ranking) {
  SAISON_JOUEUR* season = owner_.AddSeason(year);
  owner_.SetActiveSeason(season);
  if (!ranking.empty()) owner_.History().Add(Rank(ranking), DATE_SIMPLE(1, 1, year), "");
  return season;
}

JOUEUR* DocumentBuilder::Player(const std::string& first, const std::string& last,
                                const std::vector<std::pair<int, std::string>>& rankings) {
  auto player = owner_.NewPlayer();
  player->SetFirstName(first);
  player->SetLastName(last);
  for (const auto& [year, grade] : rankings) {
    player->History().Add(Rank(grade), DATE_SIMPLE(1, 1, year), "");
  }
  return owner_.AddPlayer(std::move(player));
}

EPREUVE_JOUEE* DocumentBuilder::Event(const std::string& name, int32_t homologation, int32_t type,
                                      const DATE_SIMPLE& start, const DATE_SIMPLE& end) {
  auto event = std::make_unique<EPREUVE>(name);
  event->SetHomologation(homologation);
  event->SetType(type);
  EPREUVE* added = owner_.AddEvent(std::move(event));
  EPREUVE_JOUEE* played = added->AddPlayed(start, end.Year() == 0 ? start : end);
  if (SAISON_JOUEUR* season = owner_.GetActiveSeason()) {
    season->EnsurePalmares().AddPlayedEvent(played);
  }
  return played;
}

RENCONTRE_SIMPLE* DocumentBuilder::Singles(EPREUVE_JOUEE* played, JOUEUR* opponent, bool won,
                                           const std::string& score, int32_t walkover) {
  auto match = std::make_unique<RENCONTRE_SIMPLE>(played->StartDate(), won ? 1 : 0, score);
  match->SetOpponent(opponent);
  match->Result().SetWalkover(walkover);
  auto* added = static_cast<RENCONTRE_SIMPLE*>(played->AdoptMatch(std::move(match)));
  if (SAISON_JOUEUR* season = owner_.GetActiveSeason()) season->RetainMatch(added);
  return added;
}

RENCONTRE_DOUBLE* DocumentBuilder::Doubles(EPREUVE_JOUEE* played, JOUEUR* partner, JOUEUR* first,
                                           JOUEUR* second, bool won, const std::string& score) {
  auto match = std::make_unique<RENCONTRE_DOUBLE>(played->StartDate(), won ? 1 : 0, score);
  match->SetPartner(partner);
  match->SetFirstOpponent(first);
  match->SetSecondOpponent(second);
  auto* added = static_cast<RENCONTRE_DOUBLE*>(played->AdoptMatch(std::move(match)));
  if (SAISON_JOUEUR* season = owner_.GetActiveSeason()) season->RetainMatch(added);
  return added;
}

}  // namespace scorvane::testing

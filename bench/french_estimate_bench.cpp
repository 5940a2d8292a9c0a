// The French estimate on a season of 300 matches. The report view recomputes
// the estimate on every paint, so it has to stay far below a millisecond.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "estimates/french_estimate.h"
#include "estimates/next_grade_advice.h"
#include "estimates/season_estimate.h"
#include "ranking/builtin_systems.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {
namespace {

// A man ranked 15/4 in 2001 who played 300 homologated singles in 30 events
// (tournaments and championships, three of them won) against 60 opponents
// of grades around his own, with a few walkovers.
class BigSeason {
 public:
  BigSeason() {
    Registry().Reset();
    UTILISATEUR& owner = document_.Owner();
    SAISON_JOUEUR* season = owner.AddSeason(2001);
    owner.History().Add(CLASSEMENT(8), DATE_SIMPLE(1, 1, 2001), "");
    for (int i = 0; i < 60; ++i) {
      auto player = std::make_unique<JOUEUR>();
      player->SetFirstName("Player");
      player->SetLastName(std::to_string(i));
      player->History().Add(CLASSEMENT(3 + i % 12), DATE_SIMPLE(1, 1, 2001), "");
      player->History().Add(CLASSEMENT(3 + (i + 1) % 12), DATE_SIMPLE(1, 1, 2002), "");
      players_[i] = owner.AddPlayer(std::move(player));
    }
    for (int e = 0; e < 30; ++e) {
      auto event = std::make_unique<EPREUVE>("Event " + std::to_string(e));
      event->SetHomologation(EPREUVE::kHomologated);
      event->SetType(e % 3 == 0 ? EPREUVE::kChampionship : EPREUVE::kTournament);
      EPREUVE* added = owner.AddEvent(std::move(event));
      EPREUVE_JOUEE* played =
          added->AddPlayed(DATE_SIMPLE(1 + e % 28, 1 + e % 10, 2001), DATE_SIMPLE(1, 11, 2001));
      played->SetWon(e % 10 == 0);
      played->SetBestRanking(CLASSEMENT(6 + e % 8));
      for (int m = 0; m < 10; ++m) {
        const int n = e * 10 + m;
        auto match =
            std::make_unique<RENCONTRE_SIMPLE>(played->StartDate(), n % 3 != 0 ? 1 : 0, "6/4 6/4");
        match->SetOpponent(players_[n % 60]);
        if (n % 37 == 0) match->Result().SetWalkover(1);
        season->RetainMatch(played->AdoptMatch(std::move(match)));
      }
    }
  }
  BigSeason(const BigSeason&) = delete;
  BigSeason& operator=(const BigSeason&) = delete;

  UTILISATEUR& Owner() { return document_.Owner(); }

 private:
  PROJECT_DOC document_;
  JOUEUR* players_[60] = {};
};

// What the report view does on each paint: the estimate with its report.
void BM_FrenchEstimateWithReport(benchmark::State& state) {
  BigSeason season;
  const SYSTEME_CLASSEMENT& french = Registry().French();
  const SAISON_JOUEUR* active = season.Owner().GetActiveSeason();
  SeasonEstimate estimate;
  for (auto _ : state) {
    estimate = EstimateSeason(french, season.Owner(), active);
    benchmark::DoNotOptimize(estimate);
  }
  state.counters["report_bytes"] = static_cast<double>(estimate.report.size());
  state.counters["matches"] = season.Owner().GetActiveSeason()->Palmares()->Matches().Count();
}
BENCHMARK(BM_FrenchEstimateWithReport)->Unit(benchmark::kMicrosecond);

// Reading the season alone (one walk over the matches and the mask counts).
void BM_FrenchSeasonFacts(benchmark::State& state) {
  BigSeason season;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        french::CollectSeasonFacts(season.Owner(), season.Owner().GetActiveSeason()));
  }
}
BENCHMARK(BM_FrenchSeasonFacts)->Unit(benchmark::kMicrosecond);

// The advice runs the calculation for every grade and number of wins.
void BM_NextGradeAdvice(benchmark::State& state) {
  BigSeason season;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        AdviseNextGrade(Registry().French(), season.Owner(), season.Owner().GetActiveSeason()));
  }
}
BENCHMARK(BM_NextGradeAdvice)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scorvane

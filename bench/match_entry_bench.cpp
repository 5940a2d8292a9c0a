// The part of the OK of the match dialog that depends on the size of the
// document: saving a new opponent (the similar-player search over every
// player) and storing the match (a new surface looked up, the match retained
// in the season), in documents of 1,000 and 32,000 matches. The match and
// its player are taken out again between runs, outside the timing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/document_generator.h"
#include "records/match_entry.h"
#include "records/match_event_choice.h"
#include "records/palmares.h"
#include "records/season.h"

namespace {

using namespace scorvane;

// A new player is never the same as an existing one.
class Different : public PlayerQuestions {
 public:
  bool AskNewPlayer(const JOUEUR&) override { return true; }
  bool AskSamePlayer(JOUEUR&) override { return false; }
};

void BM_StoreNewMatch(benchmark::State& state) {
  Registry().SetFolder(std::filesystem::temp_directory_path() / "scorvane-bench-RankSys");
  PROJECT_DOC document;
  GeneratorOptions options;
  options.matches = static_cast<int>(state.range(0));
  GenerateDocument(document, options);
  UTILISATEUR& owner = document.Owner();
  SAISON_JOUEUR& season = *owner.GetActiveSeason();
  EPREUVE_JOUEE* played = ChoosableEvents(season).front();
  Different questions;
  int n = 0;
  for (auto _ : state) {
    const MatchEventChoice choice = MatchEventChoice::Played(played);
    MatchValues values = NewMatchValues(choice, season.Year(), Today());
    values.score = "6/4 3/6 7/5";
    values.surface = "Clay";
    PlayerSlot slot = TemporaryPlayer(owner, season.Year(), values.date);
    PlayerValues player = ValuesOfPlayer(*slot.player, RankingDatesFor(season.Year(), values.date));
    player.first_name = "Bench";
    player.last_name = "Opponent " + std::to_string(++n);
    document.BeginUpdate();
    JOUEUR* opponent =
        SavePlayer(owner, slot, player,
                   {true, nullptr, RankingDatesFor(season.Year(), values.date)}, questions);
    RENCONTRE* match = StoreMatch(owner, season, nullptr, *played, values, {opponent});
    document.EndUpdate();
    benchmark::DoNotOptimize(match);
    state.PauseTiming();
    owner.ResetDeletionAskFlags();
    owner.DeletionAskFlags().matches = false;
    owner.DeletionAskFlags().players = false;
    owner.DeleteMatch(match, 0);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StoreNewMatch)->Arg(1000)->Arg(32000)->Unit(benchmark::kMicrosecond);

}  // namespace

// The match viewer on large sets of matches: the statistics page may open it
// on every match of many seasons. Opening builds every row, fits the columns
// to their texts and sorts by date; a heading click sorts again (the ranking
// column looks each opponent's ranking up in his history).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/common/matches/match_viewer.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "widgets/current_document.h"

namespace scorvane {
namespace {

// `count` singles over ten years (one season each), against 200 opponents
// with a ranking per year, spread over 50 events.
class ManyMatches {
 public:
  explicit ManyMatches(int count) {
    Registry().Reset();
    SetCurrentDocument(&document_);
    UTILISATEUR& owner = document_.Owner();
    std::vector<JOUEUR*> players;
    for (int i = 0; i < 200; ++i) {
      auto player = std::make_unique<JOUEUR>();
      player->SetFirstName("Player");
      player->SetLastName("Name " + std::to_string((i * 7919) % 200));
      for (int year = 1995; year <= 2004; ++year)
        player->History().Add(CLASSEMENT(1 + (i + year) % 20), DATE_SIMPLE(1, 1, year), "");
      players.push_back(owner.AddPlayer(std::move(player)));
    }
    std::vector<EPREUVE_JOUEE*> played;
    for (int e = 0; e < 50; ++e) {
      EPREUVE* event = owner.AddEvent(std::make_unique<EPREUVE>("Event " + std::to_string(e)));
      played.push_back(
          event->AddPlayed(DATE_SIMPLE(1 + e % 28, 1 + e % 12, 1995 + e % 10), DATE_SIMPLE()));
    }
    for (int n = 0; n < count; ++n) {
      const int year = 1995 + n % 10;
      SAISON_JOUEUR* season = owner.AddSeason(year);
      auto match = std::make_unique<RENCONTRE_SIMPLE>(DATE_SIMPLE(1 + n % 28, 1 + n % 12, year),
                                                      n % 3 != 0 ? 1 : 0, "6/4 3/6 7/5");
      match->SetOpponent(players[static_cast<size_t>(n % 200)]);
      RENCONTRE* added = played[static_cast<size_t>(n % 50)]->AdoptMatch(std::move(match));
      season->RetainMatch(added);
      matches_.Append(added);
    }
  }
  ~ManyMatches() { SetCurrentDocument(nullptr); }
  ManyMatches(const ManyMatches&) = delete;
  ManyMatches& operator=(const ManyMatches&) = delete;

  const List<RENCONTRE*>& Matches() const { return matches_; }

 private:
  PROJECT_DOC document_;
  List<RENCONTRE*> matches_;
};

void BM_OpenViewer(benchmark::State& state) {
  ManyMatches data(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    DLG_VISU_RENCONTRES viewer(QStringLiteral("All matches"), data.Matches());
    benchmark::DoNotOptimize(viewer.TotalText());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenViewer)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SortByHeading(benchmark::State& state) {
  ManyMatches data(static_cast<int>(state.range(0)));
  DLG_VISU_RENCONTRES viewer(QStringLiteral("All matches"), data.Matches());
  int column = 0;
  for (auto _ : state) {
    // Result, opponents, ranking, date, event, surface in turn.
    viewer.HeadingClicked(column);
    column = column == 3 ? 5 : (column + 1) % 7;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortByHeading)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scorvane

// The finances page on a season with many operations: building the rows of
// the three lists from the records, sorting the expenses by a text column,
// and the whole page refresh (rows, list control, totals). A season holds
// at most 32,767 operations per list.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "finances/finance_lists.h"
#include "pages/finances/finances_page.h"
#include "ranking/ranking_registry.h"
#include "records/palmares.h"
#include "widgets/current_document.h"

namespace scorvane {
namespace {

// One season with `count` expenses over 40 categories, a tenth as many
// gains, and 60 events with their money.
class BusySeason {
 public:
  explicit BusySeason(int count) {
    Registry().Reset();
    SetCurrentDocument(&document_);
    UTILISATEUR& owner = document_.Owner();
    season_ = owner.AddSeason(2001);
    owner.SetActiveSeason(season_);
    std::vector<CATEGORIE_FINANCIERE*> categories;
    for (int c = 0; c < 40; ++c) {
      categories.push_back(owner.AddCategory(
          std::make_unique<CATEGORIE_FINANCIERE>("Category " + std::to_string((c * 17) % 40))));
    }
    for (int e = 0; e < 60; ++e) {
      EPREUVE* event = owner.AddEvent(std::make_unique<EPREUVE>("Event " + std::to_string(e)));
      EPREUVE_JOUEE* played =
          event->AddPlayed(DATE_SIMPLE(1 + e % 28, 1 + e % 12, 2001), DATE_SIMPLE());
      played->SetEntryFee(SOMME(60.0f + static_cast<float>(e)));
      played->SetTravelExpenses(SOMME(static_cast<float>(e % 3) * 25.0f));
      played->SetPrizeMoney(SOMME(static_cast<float>(e % 5) * 100.0f));
      season_->EnsurePalmares().AddPlayedEvent(played);
    }
    for (int i = 0; i < count + count / 10; ++i) {
      auto operation = std::make_unique<OPERATION_FINANCIERE>();
      operation->SetAmount(SOMME(static_cast<float>((i * 7919) % 5000) / 10.0f));
      operation->SetCategory(categories[static_cast<size_t>(i % 40)]);
      operation->SetDate(DATE_SIMPLE(1 + i % 28, 1 + i % 12, 2001));
      operation->SetPurpose("Purchase " + std::to_string((i * 104729) % 1000));
      operation->SetPayee("Shop " + std::to_string(i % 300));
      if (i < count) {
        season_->Finances().AddExpense(std::move(operation));
      } else {
        season_->Finances().AddGain(std::move(operation));
      }
    }
  }
  ~BusySeason() { SetCurrentDocument(nullptr); }

  const SAISON_JOUEUR& Season() const { return *season_; }

 private:
  PROJECT_DOC document_;
  SAISON_JOUEUR* season_ = nullptr;
};

void BM_BuildRows(benchmark::State& state) {
  BusySeason busy(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(BuildSeasonFinances(busy.Season()));
}
BENCHMARK(BM_BuildRows)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_SortExpensesByPurchase(benchmark::State& state) {
  BusySeason busy(static_cast<int>(state.range(0)));
  const std::vector<FinanceRow> rows = ExpenseRows(busy.Season());
  for (auto _ : state) {
    std::vector<FinanceRow> sorted = rows;
    SortExpenseRows(sorted, ExpenseColumn::kPurchase, true);
    benchmark::DoNotOptimize(sorted.data());
  }
}
BENCHMARK(BM_SortExpensesByPurchase)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_PageRefresh(benchmark::State& state) {
  BusySeason busy(static_cast<int>(state.range(0)));
  PAGE_FINANCES page;
  page.resize(1000, 700);
  for (auto _ : state)
    page.Refresh();
}
BENCHMARK(BM_PageRefresh)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scorvane

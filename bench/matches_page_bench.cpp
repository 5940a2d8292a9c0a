// The matches page on large seasons: filling it (every line's texts and
// pictures, as a list or grouped under the events) and painting what shows,
// and filling it again after one match is added, which is what the user
// waits for after each OK of the match dialog.
#include <benchmark/benchmark.h>

#include <QSettings>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <vector>

#include "pages/matches/matches_page.h"
#include "ranking/ranking_registry.h"
#include "records/document_generator.h"
#include "records/event.h"
#include "records/palmares.h"
#include "records/season.h"
#include "widgets/current_document.h"
#include "widgets/listview/list_control.h"

namespace scorvane {
namespace {

// The file of a document whose one season holds `matches` matches, made
// once per size (making a season match by match is slow at this size).
const std::vector<uint8_t>& SeasonFile(int matches) {
  static std::map<int, std::vector<uint8_t>> made;
  if (const auto found = made.find(matches); found != made.end()) return found->second;
  PROJECT_DOC document;
  SetCurrentDocument(&document);
  GeneratorOptions options;
  options.seasons = 1;
  options.first_season = 2001;
  options.matches = matches;
  GenerateDocument(document, options);
  std::vector<uint8_t> bytes = document.Encode().bytes;
  SetCurrentDocument(nullptr);
  return made.emplace(matches, std::move(bytes)).first->second;
}

// That season read and shown on a matches page whose settings live in a
// temporary folder.
class SeasonOnPage {
 public:
  SeasonOnPage(int matches, bool grouped) {
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, settings_folder_.path());
    Registry().Reset();
    const std::vector<uint8_t>& file = SeasonFile(matches);
    SetCurrentDocument(&document_);
    document_.ReadBytes(file);
    document_.AdoptSameSystem();
    page_ = std::make_unique<PAGE_PALMARES>();
    page_->SetGroupsByEvents(grouped);
    page_->resize(1000, 700);
    page_->show();
  }
  ~SeasonOnPage() {
    page_.reset();
    SetCurrentDocument(nullptr);
  }
  SeasonOnPage(const SeasonOnPage&) = delete;
  SeasonOnPage& operator=(const SeasonOnPage&) = delete;

  PAGE_PALMARES& Page() { return *page_; }
  SAISON_JOUEUR& Season() { return *document_.Owner().GetActiveSeason(); }

  // The lines again, and the visible ones painted.
  void Fill() {
    page_->Refresh();
    page_->List().viewport()->repaint();
  }

 private:
  QTemporaryDir settings_folder_;
  PROJECT_DOC document_;
  std::unique_ptr<PAGE_PALMARES> page_;
};

void BM_FillMatchesPage(benchmark::State& state) {
  SeasonOnPage season(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state)
    season.Fill();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillMatchesPage)
    ->ArgNames({"matches", "grouped"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({32767, 0})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);

// A match is added to the season's first event, then the page fills again;
// the match goes again (untimed) so the season keeps its size.
void BM_RefillAfterOneMatch(benchmark::State& state) {
  SeasonOnPage season(static_cast<int>(state.range(0)) - 1, state.range(1) != 0);
  EPREUVE_JOUEE* played = season.Season().Palmares()->PlayedEvents().Front();
  for (auto _ : state) {
    state.PauseTiming();
    RENCONTRE* added =
        played->AdoptMatch(std::make_unique<RENCONTRE_SIMPLE>(played->StartDate(), 1, "6/4 6/4"));
    season.Season().RetainMatch(added);
    state.ResumeTiming();
    season.Fill();
    state.PauseTiming();
    season.Season().Palmares()->RemoveMatch(added);
    played->ReleaseMatch(added).reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RefillAfterOneMatch)
    ->ArgNames({"matches", "grouped"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({32767, 0})
    ->Args({32767, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scorvane

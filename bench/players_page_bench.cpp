// The players page on large directories (5,000 and 32,767 players, the most
// a document holds): filling it (every line worked out, its texts, the sort
// and the visible rows painted), sorting it again on another column (a
// header click), and the quick search's cost per keystroke, both for a name
// found near the top and for a text that matches nobody (every line read).
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <vector>

#include "pages/players/players_page.h"
#include "ranking/ranking_registry.h"
#include "records/document_generator.h"
#include "widgets/current_document.h"
#include "widgets/listview/list_control.h"

namespace scorvane {
namespace {

// The file of a document with `players` players and a match for about one
// in two of them, made once per size.
const std::vector<uint8_t>& DirectoryFile(int players) {
  static std::map<int, std::vector<uint8_t>> made;
  if (const auto found = made.find(players); found != made.end()) return found->second;
  PROJECT_DOC document;
  SetCurrentDocument(&document);
  GeneratorOptions options;
  options.players = players;
  options.matches = std::min(players / 2, 30000);
  GenerateDocument(document, options);
  std::vector<uint8_t> bytes = document.Encode().bytes;
  SetCurrentDocument(nullptr);
  return made.emplace(players, std::move(bytes)).first->second;
}

// That document read and shown on a players page whose settings live in a
// temporary folder.
class DirectoryOnPage {
 public:
  explicit DirectoryOnPage(int players) {
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, settings_folder_.path());
    Registry().Reset();
    SetCurrentDocument(&document_);
    document_.ReadBytes(DirectoryFile(players));
    document_.AdoptSameSystem();
    page_ = std::make_unique<PAGE_JOUEURS>();
    page_->resize(1000, 700);
    page_->show();
  }
  ~DirectoryOnPage() {
    page_.reset();
    SetCurrentDocument(nullptr);
  }
  DirectoryOnPage(const DirectoryOnPage&) = delete;
  DirectoryOnPage& operator=(const DirectoryOnPage&) = delete;

  PAGE_JOUEURS& Page() { return *page_; }
  void Paint() { page_->List().viewport()->repaint(); }

 private:
  QTemporaryDir settings_folder_;
  PROJECT_DOC document_;
  std::unique_ptr<PAGE_JOUEURS> page_;
};

void BM_FillPlayersPage(benchmark::State& state) {
  DirectoryOnPage directory(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    directory.Page().Refresh();
    directory.Paint();
  }
  state.counters["rows"] = directory.Page().List().RowCount();
}
BENCHMARK(BM_FillPlayersPage)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);

// A header click on the club column: clubs, then surnames, then first names
// (each click reverses the order).
void BM_SortPlayersPage(benchmark::State& state) {
  DirectoryOnPage directory(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    directory.Page().SortOn(player_column::kClub);
    directory.Paint();
  }
}
BENCHMARK(BM_SortPlayersPage)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);

// One keystroke in the search field: the texts typed in turn make one
// keystroke each (a letter added or taken away).
void QuickSearch(benchmark::State& state, const std::vector<QString>& keystrokes) {
  DirectoryOnPage directory(static_cast<int>(state.range(0)));
  QLineEdit* field = directory.Page().SearchText();
  size_t next = 0;
  for (auto _ : state) {
    field->setText(keystrokes[next]);
    directory.Paint();
    next = (next + 1) % keystrokes.size();
  }
}

void BM_QuickSearchFound(benchmark::State& state) {
  QuickSearch(state, {"m", "mo", "mor", "mo"});
}
BENCHMARK(BM_QuickSearchFound)->Arg(32767)->Unit(benchmark::kMicrosecond);

void BM_QuickSearchNotFound(benchmark::State& state) {
  QuickSearch(state, {"q", "qx", "qxz", "qx"});
}
BENCHMARK(BM_QuickSearchNotFound)->Arg(32767)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scorvane

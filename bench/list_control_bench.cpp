// How the grouped list copes with long lists: filling and sorting 30,000
// rows, and redrawing the visible rows of such a list (which should cost
// the same as for a short list).
#include <benchmark/benchmark.h>

#include <QHeaderView>
#include <QScrollBar>
#include <random>
#include <string>
#include <vector>

#include "widgets/listview/list_control.h"

namespace scorvane {
namespace {

struct Player {
  std::string first_name;
  std::string surname;
  std::string club;
  int age;
};

const Player& Of(const RowItem& item) {
  static const Player kNobody{};
  const Player* player = item.As<const Player>();
  return player ? *player : kNobody;
}

std::vector<Player> MakePlayers(int count) {
  static const char* const kFirst[] = {"Jean", "Marie", "Éric", "Zoé",
                                       "Paul", "Anne",  "Luc",  "Inès"};
  static const char* const kClubs[] = {"TC Lyon", "Racing", "ASPTT", "Stade Français",
                                       "CA Montrouge"};
  std::mt19937 random(12345);
  std::vector<Player> players;
  players.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    std::string surname;
    for (int letter = 0; letter < 7; ++letter)
      surname += static_cast<char>('a' + random() % 26);
    players.push_back(Player{kFirst[random() % 8], surname, kClubs[random() % 5],
                             static_cast<int>(18 + random() % 50)});
  }
  return players;
}

// The players page's kind of columns: count, first name, surname, age, club;
// sorted by club, then surname, then age descending.
ListColumnModel PlayerColumns() {
  ListColumnModel columns;
  auto text_column = [&columns](const char* title, std::string Player::*field, int priority) {
    ListColumn column;
    column.title = title;
    column.width = 100;
    column.priority = priority;
    auto text = [field](const RowItem& item) { return Of(item).*field; };
    column.ascending = RowComparison::ByText(text);
    column.descending = RowComparison::ByText(text, true);
    columns.Add(column);
  };
  ListColumn count;
  count.title = "Count";
  columns.Add(count);
  text_column("First name", &Player::first_name, -1);
  text_column("Surname", &Player::surname, 1);
  ListColumn age;
  age.title = "Age";
  age.priority = 2;
  age.reverse = true;
  age.ascending = RowComparison::ByItems(
      [](const RowItem& a, const RowItem& b, int) { return Of(a).age - Of(b).age; });
  age.descending = RowComparison::ByItems(
      [](const RowItem& a, const RowItem& b, int) { return Of(b).age - Of(a).age; });
  columns.Add(age);
  text_column("Club", &Player::club, 0);
  return columns;
}

std::vector<ListRow> RowsOf(std::vector<Player>& players) {
  std::vector<ListRow> rows;
  rows.reserve(players.size());
  for (Player& player : players) {
    rows.push_back(ListRow{{QString(), QString::fromStdString(player.first_name),
                            QString::fromStdString(player.surname), QString::number(player.age),
                            QString::fromStdString(player.club)},
                           {},
                           RowItem(&player)});
  }
  return rows;
}

// What a list page does on every refresh: build the rows, hand them over,
// sort them and number them.
void BM_FillAndSort(benchmark::State& state) {
  std::vector<Player> players = MakePlayers(static_cast<int>(state.range(0)));
  const ListColumnModel columns = PlayerColumns();
  MY_LIST_CONTROL list(true, true);
  list.ApplyColumns(columns);
  for (auto _ : state) {
    list.SetRows(RowsOf(players));
    list.SortRows(columns, 2001);
    for (int row = 0; row < list.RowCount(); ++row)
      list.SetItemText(row, 0, QString::number(row + 1));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillAndSort)->Arg(300)->Arg(30000)->Unit(benchmark::kMillisecond);

// The sort alone, with text keys made once per row (what the list uses)...
void BM_SortWithTextKeys(benchmark::State& state) {
  std::vector<Player> players = MakePlayers(static_cast<int>(state.range(0)));
  const ListColumnModel columns = PlayerColumns();
  std::vector<RowItem> items;
  for (const Player& player : players)
    items.emplace_back(&player);
  for (auto _ : state)
    benchmark::DoNotOptimize(columns.SortedOrder(items, 2001));
}
BENCHMARK(BM_SortWithTextKeys)->Arg(30000)->Unit(benchmark::kMillisecond);

// ... against comparing the texts afresh in every comparison.
void BM_SortComparingTextsEachTime(benchmark::State& state) {
  std::vector<Player> players = MakePlayers(static_cast<int>(state.range(0)));
  const ListColumnModel columns = PlayerColumns();
  for (auto _ : state) {
    std::vector<RowItem> items;
    for (const Player& player : players)
      items.emplace_back(&player);
    std::stable_sort(items.begin(), items.end(), [&columns](const RowItem& a, const RowItem& b) {
      return columns.CompareItems(a, b, 2001) < 0;
    });
    benchmark::DoNotOptimize(items.data());
  }
}
BENCHMARK(BM_SortComparingTextsEachTime)->Arg(30000)->Unit(benchmark::kMillisecond);

// Redrawing the visible part of a list scrolled to its middle, with groups.
void BM_PaintVisibleRows(benchmark::State& state) {
  std::vector<Player> players = MakePlayers(static_cast<int>(state.range(0)));
  MY_LIST_CONTROL list(true, true);
  list.ApplyColumns(PlayerColumns());
  list.SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  list.SetRows(RowsOf(players));
  for (int row = 0; row < list.RowCount(); row += 40)
    list.AddGroupStart(row);
  list.resize(800, 600);
  list.show();
  list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum() / 2);
  for (auto _ : state)
    benchmark::DoNotOptimize(list.viewport()->grab());
}
BENCHMARK(BM_PaintVisibleRows)->Arg(300)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scorvane

// The charts read from the scores: tiebreak sets won, matches won by number
// of sets, and how hard the victories and defeats were by the share of
// games won. Walkovers and retirements carry no meaningful score: they stay
// out of these charts, but for the "Others" column of the sets chart.
#include <array>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "stats/matches/chart_palette.h"
#include "stats/matches/chart_setup.h"
#include "stats/matches/statistics_chart_parts.h"

namespace scorvane::statistics_charts {
namespace {

struct Category {
  int group_message;
  int axis_message;
  Rgb colour;
  int won = 0;
  int played = 0;
};

void AddCategoryBars(ChartModel& model, std::array<Category, 4>& categories, size_t count,
                     MatchGroups& groups) {
  GROUPE_DONNEES& series = AddSeries(model);
  for (size_t i = 0; i < count; ++i) {
    Category& c = categories[i];
    const auto id = static_cast<std::int64_t>(i + 1);
    const int percent = Percentage(c.won, c.played);
    AddValue(series, percent, id, PercentLabel(percent), c.colour);
    model.CategoryAxis().AddLabel(
        static_cast<std::int64_t>(i),
        FormatText("%s : %d / %d", {Msg(c.axis_message), c.won, c.played}), false, id);
    groups[i].label = Msg(c.group_message);
    groups[i].id = id;
  }
}

// The difficulty classes: texts and colours of the four, best first.
struct DifficultyClass {
  int short_name;
  int group_label;
  const char* legend;
};
constexpr std::array<DifficultyClass, 4> kVictoryClasses = {{
    {412, 416, "(p>=75%) "},
    {413, 417, "(60%<p<75%)"},
    {414, 418, "(55%<=p<=60%)"},
    {415, 419, "(p<55%)"},
}};
constexpr std::array<DifficultyClass, 4> kDefeatClasses = {{
    {420, 424, "(p<25%) "},
    {421, 425, "(25%<=p<40%)"},
    {422, 426, "(40%<=p<45%)"},
    {423, 427, "(p>=45%)"},
}};
constexpr std::array<Rgb, 4> kClassColours = {
    {{165, 171, 250}, {128, 207, 144}, {245, 200, 116}, {192, 192, 192}}};

// The class of a share of `part` games out of `whole`, judged on the side
// that won more of them: 75 % or more, above 60 %, from 55 % on, below.
// Compared in whole numbers, so 60 % is exactly 60 %.
size_t ShareClass(int part, int whole) {
  if (whole <= 0) return 3;
  const int64_t hundred_part = int64_t{100} * part;
  if (hundred_part >= int64_t{75} * whole) return 0;
  if (hundred_part > int64_t{60} * whole) return 1;
  if (hundred_part >= int64_t{55} * whole) return 2;
  return 3;
}

}  // namespace

MatchGroups Tiebreaks(const Rows& selected, ChartModel& model) {
  model.SetFractions(0.4, 0.15);
  ShowPercentAxis(model);
  // General, non-decisive and decisive tiebreak sets, in that order.
  std::array<Category, 4> categories = {{{365, 378, {236, 143, 104}},
                                         {366, 379, {149, 191, 200}},
                                         {367, 380, {73, 167, 194}},
                                         {0, 0, {}}}};
  MatchGroups groups(3);
  for (const MatchFacts* match : selected) {
    int sets = match->one_game_sets;
    if (sets == 0 || !PlayedOut(*match)) continue;
    int won = match->own_one_game_sets;
    groups[0].matches.push_back(match->match);
    categories[0].played += sets;
    categories[0].won += won;
    if (match->sets % 2 == 1 && match->last_set_one_game) {
      groups[2].matches.push_back(match->match);
      ++categories[2].played;
      --sets;
      if (match->won) {
        ++categories[2].won;
        --won;
      }
    }
    if (sets > 0) {
      groups[1].matches.push_back(match->match);
      categories[1].played += sets;
      categories[1].won += won;
    }
  }
  AddCategoryBars(model, categories, 3, groups);
  return groups;
}

MatchGroups Sets(const Rows& selected, ChartModel& model) {
  model.SetFractions(0.4, 0.15);
  ShowPercentAxis(model);
  // All matches, two sets, three sets, the others.
  std::array<Category, 4> categories = {{{371, 371, {165, 171, 250}},
                                         {372, 375, {128, 207, 144}},
                                         {373, 376, {245, 200, 116}},
                                         {374, 377, {192, 192, 192}}}};
  MatchGroups groups(4);
  for (const MatchFacts* match : selected) {
    const int sets = match->sets;
    const size_t column = !PlayedOut(*match) ? 3 : sets == 2 ? 1 : sets == 3 ? 2 : 3;
    for (const size_t i : {size_t{0}, column}) {
      groups[i].matches.push_back(match->match);
      ++categories[i].played;
      if (match->won) ++categories[i].won;
    }
  }
  AddCategoryBars(model, categories, 4, groups);
  return groups;
}

MatchGroups Difficulty(const Rows& selected, bool victories, ChartModel& model) {
  MakePie(model);
  const std::array<DifficultyClass, 4>& classes = victories ? kVictoryClasses : kDefeatClasses;
  MatchGroups groups(classes.size());
  for (size_t i = 0; i < classes.size(); ++i) {
    groups[i].label = Msg(classes[i].group_label);
    groups[i].id = static_cast<std::int64_t>(i + 1);
  }
  for (const MatchFacts* match : selected) {
    if (match->won != victories || !PlayedOut(*match) || match->sets < 1) continue;
    // Victories are judged on the owner's share, defeats on the opponent's:
    // both are the share of the side that won.
    groups[ShareClass(match->winner_games, match->games)].matches.push_back(match->match);
  }

  GROUPE_DONNEES& series = AddSeries(model);
  model.AddLegendEntry(INFO_LEGENDE::kTextOnly, Rgb(), " ", Rgb());
  model.AddLegendEntry(INFO_LEGENDE::kTextOnly, Rgb(), " ", Rgb());
  bool any = false;
  for (size_t i = 0; i < classes.size(); ++i) {
    const int count = static_cast<int>(groups[i].matches.size());
    if (count > 0) {
      AddValue(series, count, groups[i].id, FormatText(" %d  ", {count}), kClassColours[i]);
      any = true;
    }
    model.AddLegendEntry(INFO_LEGENDE::kColouredBox, kClassColours[i], Msg(classes[i].short_name),
                         Rgb());
    model.AddLegendEntry(INFO_LEGENDE::kTextOnly, Rgb(), classes[i].legend, Rgb());
    model.AddLegendEntry(INFO_LEGENDE::kTextOnly, Rgb(), " ", Rgb());
  }
  if (!any) AddNoMatchSlice(series, kNoMatchColour);
  return groups;
}

}  // namespace scorvane::statistics_charts

// The charts of the years: a player's ranking evolution, and the owner's
// season-by-season official matches, tournaments and money. Each builder
// clears a chart model and fills it with the values, labels and click ids
// the pages need: a season chart's values and year labels carry the year,
// the ranking chart's points and labels carry the history entry's index.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stats/chart/chart_model.h"

namespace scorvane {

class JOUEUR;
class UTILISATEUR;

// The own page's charts, in the order of its list.
enum class SeasonChart {
  kRankingEvolution = 0,
  kMatchesPlayed = 1,
  kTournamentsPlayed = 2,
  kFinancialEvolution = 3,
};
inline constexpr int kSeasonChartCount = 4;

inline constexpr Rgb kEvolutionColour{128, 0, 128};
inline constexpr Rgb kVictoryColour{133, 207, 152};
inline constexpr Rgb kDefeatColour{242, 183, 72};
inline constexpr Rgb kGainsColour{60, 154, 210};
inline constexpr Rgb kExpensesColour{250, 160, 27};

// Every year from the owner's first season to the last (seasons outside
// 1900..2100 left out), also the years without a season.
std::vector<int> SeasonChartYears(const UTILISATEUR& owner);

// The label and tick interval of the ranking chart's value axis for a span
// of `steps` ranking steps: 1 below 20, 10 below 200, ... 100000.
int RankingAxisInterval(int64_t steps);

// The player's ranking history as a line: one point per entry, its height
// the steps above the worst ranking of the history. `title` at the bottom.
void BuildRankingEvolution(ChartModel& chart, const JOUEUR& player, const std::string& title);

// Won (victory colour) and lost (defeat colour) homologated singles per year,
// stacked.
void BuildMatchesPlayed(ChartModel& chart, const UTILISATEUR& owner);
// Tournaments played per year, as a line.
void BuildTournamentsPlayed(ChartModel& chart, const UTILISATEUR& owner);
// Gains and expenses per year in the display currency, side by side.
void BuildFinancialEvolution(ChartModel& chart, const UTILISATEUR& owner);

// Builds chart `which` of the own page for the owner.
void BuildSeasonChart(ChartModel& chart, SeasonChart which, const UTILISATEUR& owner);

}  // namespace scorvane

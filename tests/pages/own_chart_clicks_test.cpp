// Guards what a click on the own page's charts does: points of the ranking
// chart open their history entry, values of a season show its matches or
// finances, labels and years without season open the season dialog.
#include "pages/own/own_chart_clicks.h"

#include <gtest/gtest.h>

#include "stats/chart/chart_zones.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using Kind = OwnChartAction::Kind;
constexpr int kValue = ZONE_GRAPHIQUE::kDataValue;
constexpr int kLabel = ZONE_GRAPHIQUE::kCategoryLabel;
constexpr int kValueLabel = ZONE_GRAPHIQUE::kValueLabel;

class OwnChartClicksTest : public testing::CoreTest {};

TEST_F(OwnChartClicksTest, ActionsByChartCodeAndYear) {
  testing::DocumentBuilder b(Owner());
  b.Season(1998, "30/2");
  b.Season(2000, "30/1");
  const struct {
    const char* name;
    SeasonChart chart;
    int code;
    int64_t id;
    Kind kind;
    int year;
    int64_t entry;
  } cases[] = {
      {"ranking point", SeasonChart::kRankingEvolution, kValue, 1, Kind::kEditRankingEntry, 0, 1},
      {"ranking label", SeasonChart::kRankingEvolution, kValueLabel, 0, Kind::kEditRankingEntry, 0,
       0},
      {"ranking label of no entry", SeasonChart::kRankingEvolution, kValueLabel, -1, Kind::kNothing,
       0, -1},
      {"ranking entry gone", SeasonChart::kRankingEvolution, kValue, 2, Kind::kNothing, 0, -1},
      {"matches of a season", SeasonChart::kMatchesPlayed, kValue, 1998, Kind::kShowMatches, 1998,
       -1},
      {"tournaments of a season", SeasonChart::kTournamentsPlayed, kValue, 2000, Kind::kShowMatches,
       2000, -1},
      {"money of a season", SeasonChart::kFinancialEvolution, kValue, 2000, Kind::kShowFinances,
       2000, -1},
      {"a year without season offers to create it", SeasonChart::kMatchesPlayed, kValue, 1999,
       Kind::kCreateSeason, 1999, -1},
      {"label of a season edits it", SeasonChart::kFinancialEvolution, kLabel, 1998,
       Kind::kEditSeason, 1998, -1},
      {"label of a missing year creates it", SeasonChart::kTournamentsPlayed, kLabel, 1999,
       Kind::kCreateSeason, 1999, -1},
      {"value-axis label of a season chart", SeasonChart::kMatchesPlayed, kValueLabel, 1998,
       Kind::kNothing, 0, -1},
  };
  for (const auto& c : cases) {
    const OwnChartAction action = OwnChartClick(c.chart, c.code, c.id, Owner());
    EXPECT_EQ(action.kind, c.kind) << c.name;
    if (c.kind != Kind::kNothing) {
      EXPECT_EQ(action.year, c.year) << c.name;
      EXPECT_EQ(action.entry, c.entry) << c.name;
    }
  }
}

}  // namespace
}  // namespace scorvane

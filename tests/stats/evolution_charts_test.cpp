// Guards the charts of the years: every year of the range gets a category
// (a year without season at zero), values and labels carry the year, the
// ranking chart's heights, labels and axis intervals follow the history.
#include "stats/evolution_charts.h"

#include <gtest/gtest.h>

#include "ranking/ranking_registry.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::DocumentBuilder;

std::vector<int32_t> Values(const ChartModel& chart, int series) {
  std::vector<int32_t> values;
  for (int i = 0; i < chart.Series(series)->Count(); ++i)
    values.push_back(chart.Series(series)->ValueAt(i));
  return values;
}

std::vector<std::pair<int64_t, std::string>> Labels(const ChartAxis& axis) {
  std::vector<std::pair<int64_t, std::string>> labels;
  for (const ETIQUETTE_AXE& label : axis.labels)
    labels.emplace_back(label.position, label.text);
  return labels;
}

class EvolutionChartsTest : public testing::CoreTest {
 protected:
  // Seasons 1998 (two wins, a defeat, a walkover win, in two tournaments)
  // and 2000 (one win); none in 1999.
  void TwoSeasonsAroundAGap() {
    DocumentBuilder b(Owner());
    b.Season(1998, "30/2");
    EPREUVE_JOUEE* first = b.Tournament("Open A", DATE_SIMPLE(5, 5, 1998));
    EPREUVE_JOUEE* second = b.Tournament("Open B", DATE_SIMPLE(5, 6, 1998));
    b.Singles(first, b.Player("A", "A", {{1998, "30/2"}}), true, "6/1 6/1");
    b.Singles(first, b.Player("B", "B", {{1998, "30/2"}}), false, "1/6 1/6");
    b.Singles(second, b.Player("C", "C", {{1998, "30/2"}}), true, "6/1 6/1");
    b.Singles(second, b.Player("D", "D", {{1998, "30/2"}}), true, "", 1);
    b.Season(2000, "30/1");
    EPREUVE_JOUEE* third = b.Tournament("Open C", DATE_SIMPLE(5, 5, 2000));
    b.Singles(third, b.Player("E", "E", {{2000, "30/2"}}), true, "6/1 6/1");
  }
};

TEST_F(EvolutionChartsTest, SeasonChartsCoverEveryYearOfTheRange) {
  TwoSeasonsAroundAGap();
  EXPECT_EQ(SeasonChartYears(Owner()), (std::vector<int>{1998, 1999, 2000}));

  ChartModel matches;
  BuildMatchesPlayed(matches, Owner());
  EXPECT_EQ(Values(matches, 0), (std::vector<int32_t>{3, 0, 1}));  // won, walkover included
  EXPECT_EQ(Values(matches, 1), (std::vector<int32_t>{1, 0, 0}));  // lost
  EXPECT_EQ(matches.Series(0)->LabelAt(0)->text, " 3 ");
  EXPECT_EQ(matches.Series(0)->LabelAt(1)->text, "");
  ASSERT_EQ(matches.LegendEntries().size(), 2u);
  EXPECT_EQ(matches.LegendEntries()[0].text, "Matches lost");
  EXPECT_EQ(matches.LegendEntries()[1].text, "Matches won");
  EXPECT_EQ(Labels(matches.CategoryAxis()),
            (std::vector<std::pair<int64_t, std::string>>{{0, "1998"}, {1, "1999"}, {2, "2000"}}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(matches.Series(0)->IdAt(i), 1998 + i);
    EXPECT_EQ(matches.CategoryAxis().labels[static_cast<size_t>(i)].id, 1998 + i);
  }

  ChartModel tournaments;
  BuildTournamentsPlayed(tournaments, Owner());
  EXPECT_EQ(Values(tournaments, 0), (std::vector<int32_t>{2, 0, 1}));
  EXPECT_EQ(tournaments.Series(0)->LabelAt(1)->text, "");

  ChartModel money;
  auto balls = std::make_unique<OPERATION_FINANCIERE>();
  balls->SetAmount(SOMME(120.4f));
  Owner().FindSeason(2000)->Finances().AddExpense(std::move(balls));
  BuildFinancialEvolution(money, Owner());
  EXPECT_EQ(Values(money, 0), (std::vector<int32_t>{0, 0, 0}));
  EXPECT_EQ(Values(money, 1), (std::vector<int32_t>{0, 0, 120}));
  EXPECT_EQ(money.Series(1)->LabelAt(1)->text, "");
  EXPECT_NE(money.Series(1)->LabelAt(2)->text, "");
  // At most ten graduations, every 1, 2 or 5 times a power of ten.
  EXPECT_EQ(money.ValueAxis().label_interval, 20);
  EXPECT_EQ(matches.ValueAxis().tick_interval, 1);
}

TEST_F(EvolutionChartsTest, RankingAxisIntervals) {
  const struct {
    int64_t span;
    int interval;
  } cases[] = {{0, 1},      {19, 1},      {20, 10},       {199, 10},        {200, 100},
               {1999, 100}, {2000, 1000}, {25000, 10000}, {200000, 100000}, {5000000, 100000}};
  for (const auto& c : cases)
    EXPECT_EQ(RankingAxisInterval(c.span), c.interval) << c.span;
}

TEST_F(EvolutionChartsTest, ShortSpanNamesEveryRanking) {
  // French grades: 30/4 (2) up to 15/5 (7) and back to 30/1 (5): a span of 5.
  DocumentBuilder b(Owner());
  b.Season(1997, "30/4");
  b.Season(1998, "30/1");
  b.Season(1999, "15/5");
  b.Season(2000, "30/1");
  ChartModel chart;
  BuildRankingEvolution(chart, Owner(), "Ranking Evolution");
  EXPECT_EQ(Values(chart, 0), (std::vector<int32_t>{0, 3, 5, 3}));
  EXPECT_EQ(chart.Series(0)->IdAt(2), 2);
  EXPECT_EQ(chart.ValueAxis().label_interval, 1);
  EXPECT_EQ(Labels(chart.ValueAxis()),
            (std::vector<std::pair<int64_t, std::string>>{
                {0, "30/4"}, {1, "30/3"}, {2, "30/2"}, {3, "30/1"}, {4, "30"}, {5, "15/5"}}));
  // A ranking held by an entry carries its first entry; the others none.
  EXPECT_EQ(chart.ValueAxis().labels[3].id, 1);
  EXPECT_EQ(chart.ValueAxis().labels[1].id, -1);
  EXPECT_EQ(Labels(chart.CategoryAxis())[1], (std::pair<int64_t, std::string>{1, "1998"}));
  EXPECT_TRUE(chart.CategoryAxis().labels[1].opaque);
}

TEST_F(EvolutionChartsTest, LongSpanLabelsTheEntriesEveryTenSteps) {
  // ATP places, a dated system: 150, then 125 (25 steps better), then 140.
  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  Owner().History().Add(CLASSEMENT(150), DATE_SIMPLE(1, 2, 1999), "");
  Owner().History().Add(CLASSEMENT(125), DATE_SIMPLE(1, 8, 1999), "");
  Owner().History().Add(CLASSEMENT(140), DATE_SIMPLE(3, 3, 2000), "");
  ChartModel chart;
  BuildRankingEvolution(chart, Owner(), "x");
  EXPECT_EQ(Values(chart, 0), (std::vector<int32_t>{0, 25, 10}));
  EXPECT_EQ(chart.ValueAxis().label_interval, 10);
  EXPECT_EQ(chart.ValueAxis().tick_interval, 10);
  EXPECT_EQ(Labels(chart.ValueAxis()),
            (std::vector<std::pair<int64_t, std::string>>{{0, "150"}, {25, "125"}, {10, "140"}}));
  EXPECT_EQ(chart.CategoryAxis().labels[0].text, "01/02/1999");
}

}  // namespace
}  // namespace scorvane

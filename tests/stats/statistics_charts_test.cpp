// Guards the nine statistics charts: the classes of the game share at their
// boundaries, walkovers and retirements kept out of the game-based charts,
// tiebreak sets decisive or not, surfaces and their colours, the "Played
// Ranks" range, the empty selection, and for every chart that its groups
// hold exactly the matches its values count.
#include "stats/matches/statistics_charts.h"

#include <gtest/gtest.h>

#include "records/club.h"
#include "records/document_generator.h"
#include "records/season.h"
#include "stats/matches/chart_palette.h"
#include "stats/matches/match_source.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::DocumentBuilder;

class StatisticsChartsTest : public testing::CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    StartSeason();
  }
  // A new season 2001 with an empty tournament; earlier matches are no
  // longer retained by any season.
  void StartSeason() {
    Owner().DeleteAllSeasons();
    b().Season(2001, "15/2");
    open_ = b().Tournament("Open", DATE_SIMPLE(3, 5, 2001));
  }
  DocumentBuilder b() { return DocumentBuilder(Owner()); }
  RENCONTRE* Play(bool won, const char* score, int32_t walkover = 0, const char* grade = "30") {
    return b().Singles(open_, b().Player("P", grade, {{2001, grade}}), won, score, walkover);
  }
  MatchGroups Build(int chart) {
    facts_ = GatherOwnerFacts(Owner());
    const StatisticsSelection selection =
        SelectMatches(facts_, StatisticsFilter::Initial(DATE_SIMPLE(15, 6, 2001)));
    return BuildStatisticsChart(chart, facts_, selection.selected, Owner(), model_);
  }
  // The size of each group, by id order of the groups.
  static std::vector<size_t> Sizes(const MatchGroups& groups) {
    std::vector<size_t> sizes;
    for (const GROUPE_RENCONTRES& group : groups)
      sizes.push_back(group.matches.size());
    return sizes;
  }
  std::vector<std::string> AxisLabels() const {
    std::vector<std::string> texts;
    for (const ETIQUETTE_AXE& label : model_.CategoryAxis().labels)
      texts.push_back(label.text);
    return texts;
  }

  EPREUVE_JOUEE* open_ = nullptr;
  std::vector<MatchFacts> facts_;
  ChartModel model_;
};

TEST_F(StatisticsChartsTest, GameShareClassesAtTheirBoundaries) {
  const struct {
    bool won;
    const char* score;  // as the owner typed it
    const char* share;  // the owner's share of games
    size_t group;       // 0 quickest .. 3 closest
  } cases[] = {
      {true, "6/2 6/2", "75.0", 0},  {true, "6/3 6/3", "66.7", 1},  {true, "6/4 6/4", "60.0", 2},
      {true, "7/5 4/4", "55.0", 2},  {true, "28/23", "54.9", 3},    {true, "0/0", "no games", 3},
      {false, "2/6 2/6", "25.0", 0}, {false, "3/6 3/6", "33.3", 1}, {false, "4/6 4/6", "40.0", 2},
      {false, "4/6 5/5", "45.0", 2}, {false, "23/28", "45.1", 3},
  };
  for (const auto& c : cases) {
    StartSeason();
    Play(c.won, c.score);
    const MatchGroups groups = Build(c.won ? kWinDifficultyChart : kLoseDifficultyChart);
    std::vector<size_t> expected(4, 0);
    expected[c.group] = 1;
    EXPECT_EQ(Sizes(groups), expected) << c.score << " " << c.share;
  }
}

TEST_F(StatisticsChartsTest, WalkoversAndRetirementsCountInResultsAndOthersOnly) {
  Play(true, "", RESULTAT_RENCONTRE::kWalkover);
  Play(false, "", RESULTAT_RENCONTRE::kWalkoverExcused);
  Play(true, "6/4 7/6 1/0")->Result().SetRetirement(true);
  Play(false, "6/7 6/4 6/7")->Result().SetRetirement(true);
  EXPECT_EQ(Sizes(Build(kWonLostChart)), (std::vector<size_t>{2, 2}));
  EXPECT_EQ(Sizes(Build(kSetsChart)), (std::vector<size_t>{4, 0, 0, 4}));
  EXPECT_EQ(AxisLabels(), (std::vector<std::string>{"All matches : 2 / 4", "2 sets : 0 / 0",
                                                    "3 sets : 0 / 0", "Others : 2 / 4"}));
  EXPECT_EQ(Sizes(Build(kWinDifficultyChart)), (std::vector<size_t>{0, 0, 0, 0}));
  EXPECT_EQ(Sizes(Build(kLoseDifficultyChart)), (std::vector<size_t>{0, 0, 0, 0}));
  EXPECT_EQ(Sizes(Build(kTiebreaksChart)), (std::vector<size_t>{0, 0, 0}));
}

TEST_F(StatisticsChartsTest, TiebreakSetsAreGeneralNonDecisiveOrDecisive) {
  const struct {
    bool won;
    const char* score;
    std::vector<int32_t> percents;
    const char *general, *non_decisive, *decisive;  // the three labels' counts
  } cases[] = {
      {true, "6/7 7/6 7/6", {66, 50, 100}, "2 / 3", "1 / 2", "1 / 1"},
      {true, "7/6", {100, 0, 100}, "1 / 1", "0 / 0", "1 / 1"},
      {false, "7/6 6/7 6/4", {50, 50, 0}, "1 / 2", "1 / 2", "0 / 0"},
      {true, "6/4 6/4", {0, 0, 0}, "0 / 0", "0 / 0", "0 / 0"},
  };
  for (const auto& c : cases) {
    StartSeason();
    Play(c.won, c.score);
    Build(kTiebreaksChart);
    EXPECT_EQ(AxisLabels(),
              (std::vector<std::string>{"General : " + std::string(c.general),
                                        "In non-decisive sets : " + std::string(c.non_decisive),
                                        "In decisive sets : " + std::string(c.decisive)}))
        << c.score;
    const GROUPE_DONNEES& bars = *model_.Series(0);
    EXPECT_EQ((std::vector<int32_t>{bars.ValueAt(0), bars.ValueAt(1), bars.ValueAt(2)}), c.percents)
        << c.score;
  }
}

TEST_F(StatisticsChartsTest, SurfacesInTheOrderMetUnknownLastColoursRepeatAfterTwentyFive) {
  RENCONTRE* unknown = Play(true, "6/1 6/1");
  for (int i = 0; i < 27; ++i) {
    Play(i % 2 == 0, "6/1 6/1")
        ->SetSurface(Owner().AddSurface(std::make_unique<SURFACE>("S" + std::to_string(i))));
  }
  const MatchGroups groups = Build(kPlayedSurfacesChart);
  ASSERT_EQ(groups.size(), 28u);
  // Matches are met newest first: S26 ... S0, then the first match.
  EXPECT_EQ(groups[0].label, "Results on S26");
  EXPECT_EQ(groups[27].label, "Results on <Unknown>");
  EXPECT_EQ(groups[27].matches, std::vector<RENCONTRE*>{unknown});
  const GROUPE_DONNEES& slices = *model_.Series(0);
  EXPECT_EQ(slices.ColourAt(0), (Rgb{165, 171, 250}));
  EXPECT_EQ(slices.ColourAt(25), (Rgb{165, 171, 250}));
  EXPECT_EQ(slices.ColourAt(26), (Rgb{128, 207, 144}));
  EXPECT_EQ(slices.ColourAt(27), kNoMatchColour);

  Build(kSurfaceSuccessChart);
  EXPECT_EQ(model_.Series(0)->ValueAt(0), 100);  // S26, won
  EXPECT_EQ(model_.Series(0)->ValueAt(1), 0);    // S25, lost
}

TEST_F(StatisticsChartsTest, PlayedRanksSpanTheActiveSeasonOneStepFurtherOnTheBetterSide) {
  // The active season met 30/1 and 15/4; an older season met 5/6.
  Play(true, "6/1 6/1", 0, "30/1");
  Play(false, "1/6 1/6", 0, "15/4");
  b().Season(2000, "15/2");
  b().Singles(b().Tournament("Old", DATE_SIMPLE(3, 5, 2000)),
              b().Player("Old", "Player", {{2000, "5/6"}}), true, "6/1 6/1");
  Owner().SetActiveSeason(Owner().FindSeason(2001));
  const MatchGroups groups = Build(kPlayedRanksChart);
  EXPECT_EQ(AxisLabels(), (std::vector<std::string>{"15/3", "15/4", "15/5", "30", "30/1"}));
  EXPECT_EQ(groups[0].label, "Matches won with 15/3");
  EXPECT_EQ(groups[3].label, "Matches lost with 15/4");
  size_t counted = 0;
  for (const GROUPE_RENCONTRES& group : groups)
    counted += group.matches.size();
  EXPECT_EQ(counted, 2u) << "the 5/6 of 2000 lies outside the range";
  EXPECT_EQ(model_.Title(), "Played Ranks");
}

TEST_F(StatisticsChartsTest, AnEmptySelectionDrawsAGreyNoMatchSliceThatOpensNothing) {
  for (const int chart :
       {kWonLostChart, kPlayedSurfacesChart, kWinDifficultyChart, kLoseDifficultyChart}) {
    const MatchGroups groups = Build(chart);
    const GROUPE_DONNEES& slices = *model_.Series(0);
    ASSERT_EQ(slices.Count(), 1) << chart;
    EXPECT_EQ(slices.LabelAt(0)->text, "no match");
    EXPECT_EQ(slices.ColourAt(0), kNoMatchColour);
    EXPECT_EQ(FindGroup(groups, slices.IdAt(0)), nullptr) << chart;
  }
  for (const int chart : {kSurfaceSuccessChart, kTiebreaksChart, kSetsChart}) {
    Build(chart);
    for (int i = 0; i < model_.Series(0)->Count(); ++i)
      EXPECT_EQ(model_.Series(0)->ValueAt(i), 0) << chart << " " << i;
  }
}

TEST_F(StatisticsChartsTest, WonAndLostShareIsTruncatedAndComplements) {
  for (int i = 0; i < 3; ++i)
    Play(i == 0, "6/1 6/1");
  Build(kWonLostChart);
  ASSERT_EQ(model_.LegendEntries().size(), 2u);
  EXPECT_EQ(model_.LegendEntries()[0].text, "Matches won (33%) ");
  EXPECT_EQ(model_.LegendEntries()[1].text, "Matches lost (67%) ");
}

// On a generated record of several hundred matches, under a filter, each
// chart's groups hold what its values count.
TEST_F(StatisticsChartsTest, EveryChartsGroupsHoldExactlyWhatItsValuesCount) {
  Owner().DeleteAllSeasons();
  GeneratorOptions options;
  options.matches = 400;
  options.seasons = 3;
  GenerateDocument(Doc(), options);
  StatisticsFilter filter = StatisticsFilter::Initial(DATE_SIMPLE(15, 6, 2001));
  filter.corporate = 2;
  facts_ = GatherOwnerFacts(Owner());
  const StatisticsSelection selection = SelectMatches(facts_, filter);
  const size_t selected = selection.selected.size();
  ASSERT_GT(selected, 100u);
  ASSERT_LT(selected, static_cast<size_t>(selection.total));
  // The table's rankings are those the records give.
  for (const MatchFacts& facts : facts_) {
    ASSERT_EQ(facts.opponent_side_ranking, facts.match->GetOpponentRanking().Value());
    ASSERT_EQ(facts.own_ranking, facts.match->RankingAtMatch(Owner()).Value());
  }

  for (int chart = 0; chart < kStatisticsChartCount; ++chart) {
    const MatchGroups groups =
        BuildStatisticsChart(chart, facts_, selection.selected, Owner(), model_);
    size_t in_groups = 0;
    int64_t counted = 0;
    for (int s = 0; s < model_.SeriesCount(); ++s) {
      const GROUPE_DONNEES& series = *model_.Series(s);
      for (int i = 0; i < series.Count(); ++i) {
        const GROUPE_RENCONTRES* group = FindGroup(groups, series.IdAt(i));
        ASSERT_NE(group, nullptr) << chart;
        const bool percent = chart == kSurfaceSuccessChart || chart == kSetsChart;
        if (chart == kTiebreaksChart) continue;  // shares of sets, checked below
        int won = 0;
        for (const RENCONTRE* match : group->matches)
          won += match->Result().IsWon() ? 1 : 0;
        const int64_t size = static_cast<int64_t>(group->matches.size());
        EXPECT_EQ(series.ValueAt(i), percent ? (size ? 100 * won / size : 0) : size)
            << chart << " " << group->label;
        counted += percent ? size : series.ValueAt(i);
      }
    }
    for (const GROUPE_RENCONTRES& group : groups)
      in_groups += group.matches.size();
    switch (chart) {
      case kWonLostChart:
      case kPlayedSurfacesChart:
      case kSurfaceSuccessChart:
      case kSurfaceResultsChart:
        EXPECT_EQ(in_groups, selected) << chart;
        EXPECT_EQ(counted, static_cast<int64_t>(selected)) << chart;
        break;
      case kSetsChart:  // "All matches", then each match once more
        EXPECT_EQ(in_groups, 2 * selected);
        break;
      case kTiebreaksChart: {
        // The decisive bar counts one set per match of its group.
        EXPECT_NE(AxisLabels()[2].find(" / " + std::to_string(groups[2].matches.size())),
                  std::string::npos);
        EXPECT_GE(groups[0].matches.size(), groups[1].matches.size());
        EXPECT_GE(groups[0].matches.size(), groups[2].matches.size());
        break;
      }
      default:
        EXPECT_EQ(static_cast<int64_t>(in_groups), counted) << chart;
        EXPECT_GT(in_groups, 0u) << chart;
    }
  }
}

TEST_F(StatisticsChartsTest, MatchesComeSeasonBySeasonEventByEventEachOnce) {
  RENCONTRE* first = Play(true, "6/1 6/1");
  RENCONTRE* second = Play(true, "6/1 6/1");  // a new match comes first in its event
  EPREUVE_JOUEE* cup = b().Tournament("Cup", DATE_SIMPLE(1, 6, 2001));
  RENCONTRE* third = b().Singles(cup, b().Player("Q", "Q"), false, "1/6 1/6");
  b().Season(2000);
  RENCONTRE* old = b().Singles(b().Tournament("Old", DATE_SIMPLE(1, 5, 2000)), b().Player("R", "R"),
                               false, "1/6 1/6");
  // Season 2000 is now first (active); in 2001 "Cup" was played last, so first.
  EXPECT_EQ(OwnerMatches(Owner()), (std::vector<RENCONTRE*>{old, third, second, first}));
}

}  // namespace
}  // namespace scorvane

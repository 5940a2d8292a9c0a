// Guards the season summary: what each of the nine boxes leaves out, the
// summary texts in the singular and the plural, the empty season, the
// heading, and the summary charts (months, significant results, wide
// ranking ranges).
#include "stats/summary/season_summary.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "stats/summary/summary_charts.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::DocumentBuilder;

class SeasonSummaryTest : public testing::CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    season_ = b().Season(2001, "15/2");
  }
  DocumentBuilder b() { return DocumentBuilder(Owner()); }
  RENCONTRE* Singles(EPREUVE_JOUEE* played, bool won, const char* grade = "30",
                     const DATE_SIMPLE& date = DATE_SIMPLE(3, 5, 2001)) {
    RENCONTRE* match = b().Singles(played, b().Player("P", grade, {{2001, grade}}), won, "6/1 6/1");
    match->SetDate(date);
    return match;
  }
  SummarySelection Select(const SummaryFilter& filter) {
    facts_ = GatherSeasonFacts(*season_, Owner());
    return SelectSeasonMatches(facts_, filter.Mask());
  }
  MatchGroups Chart(int chart, const SummaryFilter& filter = {}) {
    const SummarySelection selection = Select(filter);
    return BuildSummaryChart(chart, selection.selected, 2001, model_);
  }
  std::vector<std::string> AxisLabels() const {
    std::vector<std::string> texts;
    for (const ETIQUETTE_AXE& label : model_.CategoryAxis().labels)
      texts.push_back(label.text);
    return texts;
  }

  SAISON_JOUEUR* season_ = nullptr;
  std::vector<MatchFacts> facts_;
  ChartModel model_;
};

TEST_F(SeasonSummaryTest, EachClearedBoxLeavesItsKindOfMatchOut) {
  // One match of each kind: the event's homologation and type, corporate,
  // singles or doubles.
  const auto event = [this](const char* name, int32_t homologation, int32_t type) {
    return b().Event(name, homologation, type, DATE_SIMPLE(1, 5, 2001));
  };
  std::map<const RENCONTRE*, std::string> names;
  names[Singles(event("friendly", 0, 0), true)] = "friendly";
  names[Singles(event("champ", 1, 2), true)] = "champ";
  EPREUVE_JOUEE* corpo = event("corpo", 1, 0);
  corpo->Event()->SetCorporate(true);
  names[Singles(corpo, true)] = "corpo";
  names[b().Doubles(event("doubles", 1, 0), b().Player("Pa", "R"), b().Player("O", "1"),
                    b().Player("O", "2"), true, "6/1 6/1")] = "doubles";
  names[Singles(event("team", 1, 3), true)] = "team";
  names[Singles(event("tourney", 1, 1), true)] = "tourney";
  names[Singles(event("non-homologated", 2, 0), true)] = "non-homologated";
  const struct {
    bool SummaryFilter::*box;
    const char* kept;
  } cases[] = {
      {&SummaryFilter::championship, "corpo doubles team tourney"},
      {&SummaryFilter::corporate, "champ doubles team tourney"},
      {&SummaryFilter::doubles, "champ corpo team tourney"},
      {&SummaryFilter::team, "champ corpo doubles tourney"},
      {&SummaryFilter::homologated, ""},
      {&SummaryFilter::singles, "doubles"},
      {&SummaryFilter::tournament, "champ corpo doubles team"},
  };
  const auto kept = [&](const SummaryFilter& filter) {
    std::set<std::string> sorted;
    for (const MatchFacts* match : Select(filter).selected)
      sorted.insert(names[match->match]);
    std::string text;
    for (const std::string& name : sorted)
      text += (text.empty() ? "" : " ") + name;
    return text;
  };
  // By default friendly and non-homologated matches are left out.
  EXPECT_EQ(kept(SummaryFilter()), "champ corpo doubles team tourney");
  SummaryFilter all;
  all.friendly = all.non_homologated = true;
  EXPECT_EQ(kept(all), "champ corpo doubles friendly non-homologated team tourney");
  for (const auto& c : cases) {
    SummaryFilter filter;
    filter.*c.box = false;
    EXPECT_EQ(kept(filter), c.kept);
  }
  // Only "Simples" cleared: the doubles only, in the counts and the chart.
  SummaryFilter doubles_only;
  doubles_only.singles = false;
  EXPECT_EQ(Select(doubles_only).counts.selected, 1);
  const MatchGroups groups = Chart(kSummarySurfacesChart, doubles_only);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(names[groups[0].matches.at(0)], "doubles");
  SummaryFilter none = doubles_only;
  none.doubles = false;
  EXPECT_EQ(Select(none).counts.selected, 0);
}

TEST_F(SeasonSummaryTest, TextsUseTheSingularForOneAndThePluralOtherwise) {
  const struct {
    SummaryCounts counts;
    const char* screen;
    const char* printed;
  } cases[] = {
      {{2, 1, 1, 0},
       "\n\nSELECTED MATCHES\n\n1 match / 2\n1 match won - 0 matches lost",
       "\nSELECTED\nMATCHES\n\n1 match / 2\n1 match won\n0 matches lost"},
      {{3, 3, 2, 1},
       "\n\nSELECTED MATCHES\n\n3 matches / 3\n2 matches won - 1 match lost",
       "\nSELECTED\nMATCHES\n\n3 matches / 3\n2 matches won\n1 match lost"},
      {{0, 0, 0, 0},
       "\n\nSELECTED MATCHES\n\n0 matches / 0\n0 matches won - 0 matches lost",
       "\nSELECTED\nMATCHES\n\n0 matches / 0\n0 matches won\n0 matches lost"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SummaryText(c.counts), c.screen);
    EXPECT_EQ(PrintedSummaryText(c.counts), c.printed);
  }
  EXPECT_EQ(SummaryLines(cases[0].counts),
            (std::vector<std::string>{"SELECTED MATCHES", "1 match / 2",
                                      "1 match won - 0 matches lost"}));
}

TEST_F(SeasonSummaryTest, AnEmptySeasonSaysNoMatchUnderItsHeadingAndBoxes) {
  EXPECT_EQ(Select(SummaryFilter()).counts.total, 0);
  EXPECT_TRUE(Chart(kSummarySurfacesChart).empty());
  ASSERT_EQ(model_.Series(0)->Count(), 1);
  EXPECT_EQ(model_.Series(0)->LabelAt(0)->text, "<NO   \nMATCH>");
  EXPECT_EQ(SummaryHeading(*season_, Owner()), "2001 summary (15/2)");
  EXPECT_EQ(SummaryFilterText(SummaryFilter(), 2001),
            "2001 season : singles, doubles, championships, corpo., team matches, Homologated "
            "matches, tournaments");
  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  EXPECT_EQ(SummaryHeading(*season_, Owner()), "2001 summary");
}

TEST_F(SeasonSummaryTest, MonthlyResultsShowTheMonthsPlayedOrNovemberToNovember) {
  EPREUVE_JOUEE* open = b().Tournament("Open", DATE_SIMPLE(1, 1, 2001));
  Chart(kMonthlyResultsChart);
  EXPECT_EQ(AxisLabels(),
            (std::vector<std::string>{"nov.", "dec.", "jan.", "feb.", "mar.", "apr.", "may", "june",
                                      "july", "aug.", "sept.", "oct.", "nov."}));
  RENCONTRE* january = Singles(open, false, "30", DATE_SIMPLE(20, 1, 2001));
  MatchGroups groups = Chart(kMonthlyResultsChart);
  EXPECT_EQ(AxisLabels(), (std::vector<std::string>{"dec.", "jan.", "feb."}));
  EXPECT_EQ(groups[3].label, "Matches lost in jan. 2001  (season: 2001)");
  EXPECT_EQ(groups[3].matches, std::vector<RENCONTRE*>{january});
  Singles(open, true, "30", DATE_SIMPLE(2, 11, 2000));
  Singles(open, true, "30", DATE_SIMPLE(9, 3, 2001));
  groups = Chart(kMonthlyResultsChart);
  EXPECT_EQ(AxisLabels(), (std::vector<std::string>{"nov.", "dec.", "jan.", "feb.", "mar."}));
  EXPECT_EQ(groups[0].label, "Matches won in nov. 2000  (season: 2001)");
  EXPECT_EQ(model_.Series(0)->ValueAt(0), 1);
}

TEST_F(SeasonSummaryTest, SignificantResultsCompareWithTheOwnersRanking) {
  EPREUVE_JOUEE* open = b().Tournament("Open", DATE_SIMPLE(1, 5, 2001));
  Singles(open, true, "15/1");   // better than 15/2
  Singles(open, false, "15/2");  // same
  Singles(open, true, "30");     // worse
  Singles(open, true, "30/1");   // worse
  const MatchGroups groups = Chart(kSignificantResultsChart);
  std::vector<int32_t> values;
  for (int i = 0; i < model_.Series(0)->Count(); ++i)
    values.push_back(model_.Series(0)->ValueAt(i));
  EXPECT_EQ(values, (std::vector<int32_t>{1, 0, 0, 1, 2, 0}));
  EXPECT_EQ(AxisLabels(),
            (std::vector<std::string>{
                "Victories over\nbetter ranks", "Matches lost against\nbetter ranks: 0",
                "Victories over\nsame ranks: 0", "Matches lost\nagainst same ranks",
                "Victories over\nworse ranks", "Matches lost against\nworse ranks: 0"}));
  EXPECT_EQ(groups[4].label, "Victories over worse ranks in 2001");
  EXPECT_EQ(groups[4].matches.size(), 2u);
}

TEST_F(SeasonSummaryTest, PlayedRanksGroupWideNumberRangesInSteps) {
  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  EPREUVE_JOUEE* open = b().Tournament("Open", DATE_SIMPLE(1, 5, 2001));
  Singles(open, true, "120");
  Singles(open, false, "900");
  Singles(open, true, "455");
  const MatchGroups groups = Chart(kSummaryRanksChart);
  ASSERT_EQ(groups.size(), 16u);  // 8 steps of 100, won and lost
  EXPECT_EQ(groups[0].label, "Matches Won - ranking [ 120 -> 219 ] - season 2001");
  EXPECT_EQ(groups[15].label, "Matches lost - ranking [ 820 -> 919 ] - season 2001");
  EXPECT_EQ(groups[6].matches.size(), 1u);  // 455 in [ 420 -> 519 ]
  EXPECT_EQ(groups[15].matches.size(), 1u);
}

}  // namespace
}  // namespace scorvane

// Guards the French scales: the lookups the passes use at their boundaries, and the
// tables of the scales dialog as the dialog will show them.
#include "estimates/french_scales.h"

#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using namespace french;
using testing::CoreTest;

int32_t G(const char* name) {
  return Registry().French().IndexOfGrade(name);
}

class FrenchScalesTest : public CoreTest {};

TEST_F(FrenchScalesTest, VictoryPointsAreLimitedToMinusFourPlusTwo) {
  const std::pair<int, int> cases[] = {{9, 150}, {2, 150}, {1, 100}, {0, 50}, {-1, 30},
                                       {-2, 20}, {-3, 15}, {-4, 0},  {-24, 0}};
  for (const auto& [difference, points] : cases)
    EXPECT_EQ(VictoryPoints(difference), points) << difference;
}

TEST_F(FrenchScalesTest, ExtraVictoriesByBalanceAndColumn) {
  struct Case {
    int balance;
    int series4, series3, upTo0, from_2_6;
  };
  // The edges of each row where some column changes.
  const Case cases[] = {
      {-1, 0, 0, 0, 0}, {0, 1, 1, 1, 1},  {4, 1, 1, 1, 1},   {5, 2, 1, 1, 1},  {7, 2, 1, 1, 1},
      {8, 2, 1, 2, 1},  {10, 3, 2, 2, 2}, {22, 5, 3, 3, 3},  {23, 5, 3, 4, 3}, {25, 6, 3, 4, 4},
      {44, 6, 5, 6, 6}, {45, 6, 5, 6, 7}, {300, 6, 5, 6, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtraVictories(G("30/1"), c.balance), c.series4) << c.balance;
    EXPECT_EQ(ExtraVictories(G("30"), c.balance), c.series3) << c.balance;
    EXPECT_EQ(ExtraVictories(G("0"), c.balance), c.upTo0) << c.balance;
    EXPECT_EQ(ExtraVictories(G("-2/6"), c.balance), c.from_2_6) << c.balance;
    EXPECT_EQ(ExtraVictories(G("PROM"), c.balance), c.from_2_6) << c.balance;
  }
}

// Values outside the grades read as the nearest grade instead of leaving the table.
TEST_F(FrenchScalesTest, LookupsStayInsideTheTables) {
  EXPECT_EQ(StartingCapital(-1), 0);
  EXPECT_EQ(StartingCapital(400), 840);
  EXPECT_EQ(UpNorm(-7, true), 100);
}

TEST_F(FrenchScalesTest, DialogTablesByGrade) {
  const ScalesTable capital = BuildScalesTable(ScalesTableKind::kCapital);
  EXPECT_EQ(capital.caption, "Starting points");
  EXPECT_EQ(capital.columns, (std::vector<std::string>{"Rank", "Starting points"}));
  ASSERT_EQ(capital.rows.size(), 25u);
  EXPECT_EQ(capital.rows[0], (std::vector<std::string>{"NC", "0 points"}));
  EXPECT_EQ(capital.rows[24], (std::vector<std::string>{"1S", "840 points"}));

  const ScalesTable minimum = BuildScalesTable(ScalesTableKind::kMinimumVictories);
  EXPECT_EQ(minimum.columns[1], "Min. number of victories to keep");
  EXPECT_EQ(minimum.rows[9], (std::vector<std::string>{"15/3", "7 won matches"}));
  EXPECT_EQ(minimum.rows[24], (std::vector<std::string>{"1S", ""}));

  const ScalesTable norms = BuildScalesTable(ScalesTableKind::kNorms);
  EXPECT_EQ(norms.columns, (std::vector<std::string>{"Rank", "Upgrade F", "Downgrade F",
                                                     "Upgrade M", "Downgrade M"}));
  // Women first; 0 and 9999 are left blank.
  EXPECT_EQ(norms.caption, "Upgrade and downgrade norms (norms used for the 2000 season)");
  EXPECT_EQ(norms.rows[0], (std::vector<std::string>{"NC", "100 or more", "", "100 or more", ""}));
  EXPECT_EQ(norms.rows[18], (std::vector<std::string>{"0", "1430 or more", "1010 or less",
                                                      "1550 or more", "1010 or less"}));
  EXPECT_EQ(norms.rows[23],
            (std::vector<std::string>{"PROM", "", "1580 or less", "", "1630 or less"}));
  EXPECT_EQ(norms.rows[24], (std::vector<std::string>{"1S", "", "", "", ""}));
}

TEST_F(FrenchScalesTest, DialogTablesOfExtraVictoriesAndVictoryPoints) {
  const ScalesTable extra = BuildScalesTable(ScalesTableKind::kExtraVictories);
  EXPECT_EQ(extra.caption, "Other victories to keep");
  EXPECT_EQ(extra.columns, (std::vector<std::string>{"V-E-2I", "4th series", "3rd series",
                                                     "15 to 0", "-2/6 to PROM"}));
  // "0 to 4", one row for each balance from 5 to 45, "over 45".
  ASSERT_EQ(extra.rows.size(), 43u);
  EXPECT_EQ(extra.rows[0], (std::vector<std::string>{"0 to 4", "1", "1", "1", "1"}));
  EXPECT_EQ(extra.rows[4], (std::vector<std::string>{"8", "2", "1", "2", "1"}));
  EXPECT_EQ(extra.rows[41], (std::vector<std::string>{"45", "6", "5", "6", "7"}));
  EXPECT_EQ(extra.rows[42], (std::vector<std::string>{"over 45", "6", "5", "6", "7"}));

  // The victory scale's rows are VictoryPoints' values, in words.
  const ScalesTable scale = BuildScalesTable(ScalesTableKind::kVictoryScale);
  EXPECT_EQ(scale.caption, "Points for a victory kept");
  ASSERT_EQ(scale.rows.size(), 7u);
  EXPECT_EQ(scale.rows[0], (std::vector<std::string>{"2 grades over or more", "+ 150 points"}));
  EXPECT_EQ(scale.rows[1], (std::vector<std::string>{"1 grade over", "+ 100 points"}));
  EXPECT_EQ(scale.rows[6], (std::vector<std::string>{"4 grades under or more", "0 points"}));
}

TEST_F(FrenchScalesTest, DialogTextsFollowTheLanguageAndTheActiveSystem) {
  SetLanguage(kLanguageFrench);
  const ScalesTable capital = BuildScalesTable(ScalesTableKind::kCapital);
  EXPECT_EQ(capital.caption, "Capitaux de départ");
  EXPECT_EQ(capital.columns, (std::vector<std::string>{"Classement", "Capital de départ"}));
  EXPECT_EQ(BuildScalesTable(ScalesTableKind::kMinimumVictories).rows[0][1], "5 victoires");
  EXPECT_EQ(BuildScalesTable(ScalesTableKind::kVictoryScale).rows[0][0],
            "2 échelons et plus au dessus");
  EXPECT_EQ(BuildScalesTable(ScalesTableKind::kNorms).columns[1], "Montée F");
  EXPECT_EQ(BuildScalesTable(ScalesTableKind::kNorms).rows[0][1], "100 et +");
  EXPECT_EQ(BuildScalesTable(ScalesTableKind::kVictoryScale).caption,
            "Points rapportés par une victoire retenue");
  EXPECT_EQ(BuildScalesTable(ScalesTableKind::kVictoryScale).rows[6][0],
            "4 échelons et plus en dessous");
  EXPECT_EQ(BuildScalesTable(ScalesTableKind::kExtraVictories).rows[42][0], "+ de 45");

  EXPECT_TRUE(ScalesTablesShown());
  Registry().SetActive(&Registry().Belgian());
  EXPECT_FALSE(ScalesTablesShown());
}

}  // namespace
}  // namespace scorvane

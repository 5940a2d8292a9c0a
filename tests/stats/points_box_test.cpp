// Guards the season summary's points box: under the French and the Belgian
// systems its lines and list give the figures of the estimate (checked
// against its report by hand), in the interface language; a season without
// victory and a system without estimate.
#include "stats/summary/points_box.h"

#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::DocumentBuilder;
using Rows = std::vector<std::vector<std::string>>;

class PointsBoxTest : public testing::CoreTest {
 protected:
  // Three victories (one in a championship), then three walkover defeats
  // against players two grades above (no points under the Belgian rules),
  // under the active system's grade names.
  void PlaySeason(const char* own, const char* g1, const char* g2, const char* g3) {
    DocumentBuilder b(Owner());
    b.Season(2001, own);
    EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    EPREUVE_JOUEE* champ =
        b.Event("Champ", EPREUVE::kHomologated, EPREUVE::kChampionship, DATE_SIMPLE(3, 3, 2001));
    b.Singles(open, b.Player("Ann", "One", {{2001, g1}, {2002, g1}}), true, "6/4 6/4");
    b.Singles(open, b.Player("Bea", "Two", {{2001, g2}, {2002, g2}}), true, "7/5 6/4");
    b.Singles(champ, b.Player("Cleo", "Three", {{2001, g3}, {2002, g3}}), true, "6/4 6/7 7/5");
    for (int i = 0; i < 3; ++i) {
      b.Singles(open, b.Player("Wo", std::to_string(i), {{2001, g3}, {2002, g3}}), false, "",
                RESULTAT_RENCONTRE::kWalkover);
    }
  }
  PointsBox Box() { return BuildPointsBox(ActiveSystem(), Owner(), Owner().GetActiveSeason()); }
  static Rows Cells(const PointsBox& box) {
    Rows rows;
    for (const PointsRow& row : box.rows)
      rows.push_back(row.heading ? std::vector<std::string>{"== " + row.cells[0]} : row.cells);
    return rows;
  }
};

TEST_F(PointsBoxTest, FrenchBoxGivesTheLastPassPieceByPiece) {
  PlaySeason("30/1", "30", "30/1", "15/4");
  const PointsBox box = Box();
  ASSERT_TRUE(box.shown);
  EXPECT_EQ(box.title, "FFT points");
  EXPECT_EQ(box.TextLines(), (std::vector<std::string>{
                                 "3 victories kept",
                                 "Starting points (30/1) : 50",
                                 "Points for matches won : 300",
                                 "Bonus :",
                                 "   Individual championship victories : 15",
                                 "Total bonus : 15",
                                 "Penalties :",
                                 "   3 w.o. (1 penalized) : -75",
                                 "Total penalties : -75",
                                 "TOTAL: 290 POINTS",
                                 "2000 scale",
                                 "Downgrade: less than 245 points",
                                 "Upgrade:   more than 480 points",
                                 "Probable result: 30/1",
                             }));
  EXPECT_EQ(box.columns, (std::vector<std::string>{"Opponent", "Calcul. rank", "Date", "Score",
                                                   "Event", "Points"}));
  EXPECT_EQ(Cells(box), (Rows{
                            {"Cleo Three", "15/4", "03/03/2001", "6/4 6/7 7/5", "Champ", "150"},
                            {"Ann One", "30", "03/05/2001", "6/4 6/4", "Open", "100"},
                            {"Bea Two", "30/1", "03/05/2001", "7/5 6/4", "Open", "50"},
                            {"Individual championship victories", "", "", "", "", "15"},
                            {"3 w.o. (1 penalized)", "", "", "", "", "-75"},
                        }));
}

TEST_F(PointsBoxTest, BelgianBoxGroupsTheMatchesByKindOfEventInFrench) {
  Registry().SetActive(&Registry().Belgian());
  SetLanguage(kLanguageFrench);
  PlaySeason("30.2", "30", "30.2", "15.4");
  const PointsBox box = Box();
  ASSERT_TRUE(box.shown);
  EXPECT_EQ(box.title, "Calcul des points");
  EXPECT_EQ(box.TextLines(), (std::vector<std::string>{
                                 "6 rencontres comptabilisées",
                                 "Points pour les rencontres : 300",
                                 "Bonifications :",
                                 "   Championnat individuel (4 pts/rencontre) : 4",
                                 "   Tournois (1 pt/rencontre) : 2",
                                 "Total bonifications : 6",
                                 "BILAN FINAL: 306 POINTS",
                                 "Barème 2000",
                                 "Descente: moins de -20 points",
                                 "Montée:     plus de 350 points",
                                 "Résultat probable : 30.2",
                             }));
  EXPECT_EQ(box.columns.front(), "R");
  EXPECT_EQ(Cells(box),
            (Rows{
                {"== Championnat individuel (4 pts/rencontre)"},
                {"V", "Cleo Three", "15.4", "03/03/2001", "6/4 6/7 7/5", "Champ", "150"},
                {"== Tournois (1 pt/rencontre)"},
                {"V", "Ann One", "30", "03/05/2001", "6/4 6/4", "Open", "100"},
                {"V", "Bea Two", "30.2", "03/05/2001", "7/5 6/4", "Open", "50"},
                {"D", "Wo 2", "15.4", "03/05/2001", "wo", "Open", "0"},
                {"D", "Wo 1", "15.4", "03/05/2001", "wo", "Open", "0"},
                {"D", "Wo 0", "15.4", "03/05/2001", "wo", "Open", "0"},
            }));
}

TEST_F(PointsBoxTest, WithoutVictoryTheCalculationIsImpossibleButTheResultIsKnown) {
  DocumentBuilder b(Owner());
  b.Season(2001, "30/1");
  b.Singles(b.Tournament("Open", DATE_SIMPLE(3, 5, 2001)), b.Player("A", "B", {{2001, "30"}}),
            false, "1/6 1/6");
  EXPECT_EQ(Box().TextLines(),
            (std::vector<std::string>{"No victory kept", "Calculation is impossible",
                                      "Probable result: 30/2"}));
  EXPECT_TRUE(Box().rows.empty());
}

TEST_F(PointsBoxTest, ASystemWithoutEstimateOrAMissingSeasonHidesTheBox) {
  PlaySeason("30/1", "30", "30/1", "15/4");
  Registry().SetActive(Registry().FindBuiltIn("NTRP"));
  EXPECT_FALSE(Box().shown);
  EXPECT_TRUE(Box().TextLines().empty());
  Registry().SetActive(&Registry().French());
  EXPECT_FALSE(BuildPointsBox(ActiveSystem(), Owner(), nullptr).shown);
}

}  // namespace
}  // namespace scorvane

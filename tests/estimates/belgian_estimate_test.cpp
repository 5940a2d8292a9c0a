// Guards the Belgian estimate: match points, confirmation of a change, the limits on
// the passes, and a whole report worked out by hand.
#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "estimates/belgian_estimate.h"
#include "estimates/season_estimate.h"
#include "ranking/builtin_systems.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class BelgianEstimateTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    Registry().SetActive(&Registry().Belgian());
  }
  DocumentBuilder b() { return DocumentBuilder(Owner()); }
  std::string Estimate() {
    SeasonEstimate estimate =
        EstimateSeason(Registry().Belgian(), Owner(), Owner().GetActiveSeason());
    result_ = estimate.estimate;
    return estimate.report;
  }
  std::string Result() const { return result_.Text(); }
  // A seniors tournament holding `count` singles against new players of one grade.
  void Play(const char* event, const char* grade, bool won, int count,
            int age = EPREUVE::kSeniors) {
    EPREUVE_JOUEE* played = b().Tournament(event, DATE_SIMPLE(5, 5, 2001));
    played->Event()->SetAgeCategory(age);
    for (int i = 0; i < count; ++i) {
      b().Singles(played, b().Player("P", grade + std::to_string(i), {{2001, grade}}), won,
                  won ? "6/4 6/4" : "4/6 4/6");
    }
  }

  CLASSEMENT result_;
};

TEST_F(BelgianEstimateTest, MatchPointsByOutcomeDifferenceAndAgeCategory) {
  struct Case {
    bool won;
    int32_t walkover;
    int difference;  // opponent minus trial grade
    bool seniors;
    double points;
  };
  const Case cases[] = {
      {true, 0, 2, true, 150},    {true, 0, 2, false, 75},    {true, 0, 5, true, 150},
      {true, 0, 1, true, 100},    {true, 0, 0, true, 50},     {true, 0, -1, true, 25},
      {true, 0, -1, false, 12.5}, {true, 0, -2, true, 10},    {true, 0, -3, true, 5},
      {true, 0, -3, false, 2.5},  {true, 0, -4, true, 0},     {true, 1, 2, true, 0},
      {true, 2, 2, true, 0},      {false, 0, 1, true, 0},     {false, 0, 3, true, 0},
      {false, 0, 0, true, -15},   {false, 0, 0, false, -7.5}, {false, 0, -1, true, -30},
      {false, 0, -2, true, -60},  {false, 0, -9, true, -60},  {false, 1, -2, true, -60},
      {false, 2, -2, true, 0},
  };
  for (const Case& c : cases) {
    belgian::MatchEntry match;
    match.won = c.won;
    match.walkover = c.walkover;
    match.seniors = c.seniors;
    match.ranking = 8 + c.difference;
    EXPECT_EQ(belgian::MatchPoints(match, 8), c.points)
        << c.won << " w.o. " << c.walkover << " d " << c.difference << " seniors " << c.seniors;
  }
}

TEST_F(BelgianEstimateTest, PointsTextsTakeTheSingularForOneOnly) {
  EXPECT_EQ(belgian::PointsText(1), "1 point");
  EXPECT_EQ(belgian::PointsText(-1) + ", " + belgian::PointsText(0.5), "-1 points, 0.5 points");
}

// Owner 30.2 in 2001; two defeats on court in homologated tournaments:
//   Open de Namur (seniors, 05/05/2001): Tom Claes 30.4
//   Coupe des Vétérans (over 35, 12/06/2001): Jan Peeters 30.2
// Order (points at 30.2): Peeters -15 / 2 = -7.5 first, then Claes -30.
// Bonus: two tournament matches on court, 1 point each = 2.
// Pass 0 at 30.2: S = -37.5, total -35.5 <= -20: downgrade to 30.4.
//   Confirmation at 30.4: Peeters d = +1 -> 0; Claes d = 0 -> -15; S' = -15.
//   Bonus for 30.4 is 50 and the threshold 200: 50 + 2 - 15 = 37 < 200: confirmed.
// Pass 1 at 30.4: S = -15, total -13: kept. Result 30.4 (one grade down, L).
TEST_F(BelgianEstimateTest, DowngradeToThirtyFourReportInEnglish) {
  b().Season(2001, "30.2");
  EPREUVE_JOUEE* namur = b().Tournament("Open de Namur", DATE_SIMPLE(5, 5, 2001));
  EPREUVE_JOUEE* veterans = b().Tournament("Coupe des Vétérans", DATE_SIMPLE(12, 6, 2001));
  veterans->Event()->SetAgeCategory(6);
  b().Singles(namur, b().Player("Tom", "Claes", {{2001, "30.4"}}), false, "2/6 2/6");
  b().Singles(veterans, b().Player("Jan", "Peeters", {{2001, "30.2"}}), false, "4/6 4/6");

  const std::string report = Estimate();
  EXPECT_EQ(Result(), "30.4");
  const std::string matches_at_30_4 =
      "\t12/06/2001\tCoupe des Vétérans\tJan Peeters\t30.2\t0 points\tL\n"
      "\t05/05/2001\tOpen de Namur\tTom Claes\t30.4\t-15 points\tL\n";
  const std::string bonus =
      "\tTournaments bonification (1 point/match): 2 points\n"
      "\nBonifications total: 2 points\n";
  EXPECT_EQ(report,
            "\n##GRAS_17##RANK CALCULATION FROM SEASON 2001\n##SEPARATION_HORIZONTALE##"
            "##GRAS##PASS 0 : Rank for calculation= 30.2\n\n"
            "Matches kept:\n"
            "\t12/06/2001\tCoupe des Vétérans\tJan Peeters\t30.2\t-7.5 points\tL\n"
            "\t05/05/2001\tOpen de Namur\tTom Claes\t30.4\t-30 points\tL\n"
            "\nTotal points for matches: -37.5 points\n\n" +
                bonus +
                "\nTOTAL: -35.5 points  (down: -20, up: 350)\n\n"
                "##SOULIGNE##PASSE RESULT..................Downgrade to 30.4\n"
                "\n##SOULIGNE##Confirmation process:\n" +
                matches_at_30_4 +
                "\nNew total of points for matches: -15 points\n"
                "Bonus: 2 points + 50 points (Confirmation bonus)\n"
                "Points total for downgrade confirmation: 37 points\n"
                "\n##SOULIGNE##Confirmation success for 30.4 downgrade (200 points needed)\n"
                "##SEPARATION_HORIZONTALE##"
                "##GRAS##PASS 1 : Rank for calculation= 30.4\n\n"
                "Matches kept:\n" +
                matches_at_30_4 + "\nTotal points for matches: -15 points\n\n" + bonus +
                "\nTOTAL: -13 points  (down: -20, up: 350)\n\n"
                "##SOULIGNE##PASSE RESULT..................Rank kept (30.4)\n"
                "##SEPARATION_HORIZONTALE##"
                "\n##GRAS_17##FINAL RESULT (estimation)..... Rank for 2002: 30.4\n");

  // The same calculation in French comes from the French catalogue, and the
  // match results read "V" / "D".
  SetLanguage(kLanguageFrench);
  const std::string french = Estimate();
  EXPECT_EQ(
      french.rfind("\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\n"
                   "##SEPARATION_HORIZONTALE####GRAS##PASSE 0 : Classement de calcul= 30.2\n\n"
                   "Rencontres retenues :\n"
                   "\t12/06/2001\tCoupe des Vétérans\tJan Peeters\t30.2\t-7.5 points\tD\n",
                   0),
      0u)
      << french;
  EXPECT_TRUE(Contains(french, "\tBonification tournois (1 point/rencontre) : 2 points\n"));
  EXPECT_TRUE(Contains(french, "Bonus : 2 points + 50 points (bonus de confirmation)\n"));
  EXPECT_TRUE(Contains(french, "Descente confirmée à 30.4 (moins de 200 points)"));
  EXPECT_TRUE(Contains(french, "Classement calculé pour 2002 : 30.4\n"));
}

// Each season: the owner's grade, victories then defeats against new seniors
// of one grade, the result and the report lines that give the rule.
TEST_F(BelgianEstimateTest, EachPassRuleGivesItsResult) {
  const struct {
    const char* owner;
    const char* won_against;
    int won;
    const char* lost_against;
    int lost;
    const char* result;
    const char* line;
    const char* other_line = "";
  } cases[] = {
      // An upgrade needs sixty points at the new grade. At 15.4: 8 x 100 -
      // 6 x 30 + 14 bonus = 634 >= 350: upgrade to 15.2. At 15.2: 8 x 50 -
      // 6 x 60 + 14 = 54 < 60: not confirmed, 15.4 kept.
      {"15.4", "15.2", 8, "30", 6, "15.4", "\nTOTAL: 634 points  (down: -20, up: 350)\n\n",
       "\nNew total of points for matches: 40 points\nTotal of bonifications: 14 points\n"
       "Bilan résultant pour la confirmation : 54 points\n"
       "\n##SOULIGNE##Confirmation for 15.2 upgrade failed (60 points needed)\n"},
      // A downgrade is refused when the lower grade would rise again. At 15:
      // 6 x 100 - 11 x 60 + 17 = -43: downgrade to 15.2. At 15.2: 6 x 150 -
      // 11 x 30 + 17 + 100 = 687, not below 350: refused.
      {"15", "+4/6", 6, "15.4", 11, "15",
       "Bonus: 17 points + 100 points (Confirmation bonus)\n"
       "Points total for downgrade confirmation: 687 points\n"
       "\n##SOULIGNE##Confirmation for 15.2 downgrade failed (350 points needed)\n"},
      // Three defeats against 30.4 (-60 each, +3 bonus): every pass proposes
      // and confirms a descent, but the estimate stops one grade down.
      {"15", "A", 0, "30.4", 3, "15.2",
       "Calculation stops here because you cannot lose more than one grade (15.2) and it will "
       "probably happen!\n"},
      // Three victories over "A" bring 453 points at every trial grade up to
      // -15/1, so every pass rises; the fourth pass is the last.
      {"NC", "A", 3, "A", 0, "15.4", "PASS 3 : Rank for calculation= 30\n",
       "Confirmation success for 15.4 upgrade (60 points needed)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.owner);
    Owner().DeleteAllSeasons();
    Owner().History().Clear();
    b().Season(2001, c.owner);
    Play("Open", c.won_against, true, c.won);
    Play("Masters", c.lost_against, false, c.lost);
    const std::string report = Estimate();
    EXPECT_EQ(Result(), c.result);
    EXPECT_TRUE(Contains(report, c.line)) << report;
    EXPECT_TRUE(Contains(report, c.other_line)) << report;
  }
  EXPECT_FALSE(Contains(Estimate(), "PASS 4"));
}

// Bonuses count homologated singles played on court, won or lost, by type.
TEST_F(BelgianEstimateTest, ParticipationBonusesByEventType) {
  b().Season(2001, "30");
  JOUEUR* rival = b().Player("Rival", "Un", {{2001, "30"}});
  const auto event = [&](const char* name, int32_t type) {
    return b().Event(name, EPREUVE::kHomologated, type, DATE_SIMPLE(5, 5, 2001));
  };
  EPREUVE_JOUEE* championship = event("Championnat", EPREUVE::kChampionship);
  EPREUVE_JOUEE* team = event("Interclubs", EPREUVE::kTeamEvent);
  b().Singles(championship, rival, true, "6/4 6/4");
  b().Singles(championship, rival, false, "4/6 4/6");
  b().Singles(championship, rival, true, "", 1);  // walkovers bring no bonus
  b().Singles(team, rival, true, "6/4 6/4");
  b().Doubles(team, rival, rival, rival, true, "6/4 6/4");  // nor doubles
  const std::string report = Estimate();
  EXPECT_TRUE(
      Contains(report, "\tIndividual championship bonification (4 points/match) : 8 points\n"))
      << report;
  EXPECT_TRUE(Contains(report, "\tTeam matches bonification (2 points/match): 2 points\n"));
  EXPECT_FALSE(Contains(report, "Tournaments bonification"));
  EXPECT_TRUE(Contains(report, "\nBonifications total: 10 points\n"));
}

}  // namespace
}  // namespace scorvane

// Guards the French estimate rule by rule: what counts as a victory, the limits on
// rising and falling, the bonuses and penalties and the choice of the
// events won. Seasons are built through the records; the expected figures
// come from the federation's scales.
#include <gtest/gtest.h>

#include "estimates/french_estimate.h"
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

int32_t G(const char* name) {
  return DocumentBuilder::Rank(name).Value();
}

class FrenchRulesTest : public CoreTest {
 protected:
  std::string Estimate() {
    SeasonEstimate estimate =
        EstimateSeason(Registry().French(), Owner(), Owner().GetActiveSeason());
    result_ = estimate.estimate;
    return estimate.report;
  }
  std::string Result() const { return result_.Text(); }
  french::SeasonFacts Facts() {
    return french::CollectSeasonFacts(Owner(), Owner().GetActiveSeason());
  }

  // The builder holds no state of its own; the document exists once the
  // fixture is set up.
  DocumentBuilder b() { return DocumentBuilder(Owner()); }

  CLASSEMENT result_;
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A defeat, a doubles victory, a victory by walkover and a friendly victory
// are not victories that can be kept.
TEST_F(FrenchRulesTest, NoVictoryOnRankedOwnerLosesOneGrade) {
  b().Season(2001, "30/1");
  EPREUVE_JOUEE* open = b().Tournament("Open", DATE_SIMPLE(5, 5, 2001));
  JOUEUR* rival = b().Player("Rémi", "Voisin", {{2001, "30/1"}});
  b().Singles(open, rival, false, "2/6 2/6");
  b().Singles(open, rival, true, "", 1);
  b().Doubles(open, rival, rival, rival, true, "6/2 6/2");
  EPREUVE_JOUEE* friendly = b().Event("Amical", EPREUVE::kFriendly, 0, DATE_SIMPLE(6, 5, 2001));
  b().Singles(friendly, rival, true, "6/0 6/0");

  EXPECT_EQ(Estimate(),
            "\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\n"
            "##SEPARATION_HORIZONTALE##"
            "\n\nVotre palmarès ne compte pas la moindre victoire à comptabiliser pour le prochain "
            "classement.\nPour l'instant, la descente étant limitée à un échelon, on peut dire "
            "que vous serez 30/2 l'an prochain!\n(A moins, bien sûr que toutes les rencontres "
            "n'aient pas été saisies...)\n");
  EXPECT_EQ(Result(), "30/2");
}

// Victories over new players: the owner's grade, the opponents' grades in
// 2001 and 2002, the result and what the report says (or must not say).
TEST_F(FrenchRulesTest, RiseLimitsFollowTheSeriesAndTheBestPlayerBeaten) {
  const std::string only_lower =
      "Comme vous avez seulement des victoires à échelon inférieur (au jour de la rencontre) et "
      "que vous \n";
  struct Wins {
    int count;
    const char *then, *next;
  };
  const struct {
    const char* owner;
    std::vector<Wins> wins;
    const char* result;
    std::string said;
    std::string unsaid = "";
  } cases[] = {
      // Victories over players ranked lower on the day of the match (who rose
      // to a much better grade by the next year) bring 150 points each, but
      // the rise stays within two grades in the 4th series...
      {"30/5",
       {{6, "NC", "15/1"}},
       "30/3",
       only_lower + "êtes en 4ème série, votre montée est limitée à 2 échelons.\n"},
      // ... and one grade above the owner in the other series.
      {"30",
       {{6, "30/1", "15"}},
       "15/5",
       only_lower + "vous n'êtes pas en 4ème série, votre montée est limitée à un échelon.\n"},
      // With one victory over a better player the limit is one grade above
      // that player, and no limit text is written: B = 30/3, U = 30/2 plus
      // one step in the 4th series = 30/1.
      {"30/5", {{1, "30/3", "15/1"}, {5, "NC", "15/1"}}, "30/1", "", only_lower},
      // An owner without any ranking history is estimated as "NC" instead of
      // reading the scales outside their rows: 150 points at NC, a rise to
      // 30/5, kept there (100 points, under 155).
      {"", {{1, "30/4", "30/4"}}, "30/5", "Capital de départ (NC) :  0 points\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.result);
    Owner().DeleteAllSeasons();
    Owner().History().Clear();
    b().Season(2001, c.owner);
    EPREUVE_JOUEE* open = b().Tournament("Open", DATE_SIMPLE(5, 5, 2001));
    for (const Wins& wins : c.wins) {
      for (int i = 0; i < wins.count; ++i) {
        JOUEUR* beaten = b().Player("P", std::to_string(i), {{2001, wins.then}, {2002, wins.next}});
        b().Singles(open, beaten, true, "6/1 6/1");
      }
    }
    const std::string report = Estimate();
    EXPECT_EQ(Result(), c.result);
    EXPECT_TRUE(Contains(report, c.said)) << report;
    EXPECT_TRUE(c.unsaid.empty() || !Contains(report, c.unsaid)) << report;
  }
}

// Walkover defeats: the first two are excused, each further one costs 75.
TEST_F(FrenchRulesTest, WalkoverDefeatsBeyondTwoArePenalised) {
  french::SeasonFacts facts;
  facts.owner_ranking = G("30/2");
  facts.has_match_victory = true;
  const std::pair<int, const char*> cases[] = {
      {2, nullptr},
      {3, "Forfait (1 w.o. pénalisé) : -75 points\n"},
      {4, "Forfait (2 w.o. pénalisés) : -150 points\n"},
  };
  for (const auto& [walkovers, line] : cases) {
    facts.walkover_defeats = walkovers;
    std::string report;
    const french::PassOutcome pass = french::RunPass(facts, G("30/2"), &report);
    // Capital of 30/2 is 30; nothing else counts.
    if (line) {
      EXPECT_TRUE(Contains(report, line)) << report;
      EXPECT_EQ(pass.total, 30 - 75 * (walkovers - 2));
    } else {
      EXPECT_FALSE(Contains(report, "Forfait")) << report;
      EXPECT_EQ(pass.total, 30);
    }
  }
}

// The absence-of-significant-defeats bonus wants at least ten matches that
// are not walkover defeats, a trial grade of 30/3 or better, and no defeat
// at or below the trial grade.
TEST_F(FrenchRulesTest, AbsenceOfSignificantDefeatsBonus) {
  b().Season(2001, "30/2");
  EPREUVE_JOUEE* open = b().Tournament("Open", DATE_SIMPLE(5, 5, 2001));
  JOUEUR* stronger = b().Player("Fort", "Joueur", {{2001, "15"}});
  JOUEUR* equal = b().Player("Egal", "Joueur", {{2001, "30/2"}});
  for (int i = 0; i < 8; ++i)
    b().Singles(open, stronger, true, "6/4 6/4");
  b().Singles(open, stronger, false, "4/6 4/6");
  for (int i = 0; i < 3; ++i)
    b().Singles(open, stronger, false, "", 1);
  // Twelve homologated singles, three of them walkover defeats: 9 counted.
  const french::SeasonFacts nine = Facts();
  EXPECT_EQ(nine.homologated_singles - nine.walkover_defeats, 9);
  const std::string bonus = "Bonification en absence de défaites significatives : 50 points\n";
  std::string report;
  french::RunPass(nine, G("30/2"), &report);
  EXPECT_FALSE(Contains(report, bonus));

  // A thirteenth match makes ten: the bonus applies from 30/3 up.
  b().Singles(open, stronger, true, "6/4 6/4");
  const french::SeasonFacts ten = Facts();
  report.clear();
  const int with = french::RunPass(ten, G("30/2"), &report).total;
  EXPECT_TRUE(Contains(report, bonus)) << report;
  std::string below;
  french::RunPass(ten, G("30/4"), &below);
  EXPECT_FALSE(Contains(below, bonus)) << below;

  // A defeat at the trial grade is significant.
  b().Singles(open, equal, false, "4/6 4/6");
  const french::SeasonFacts significant = Facts();
  EXPECT_EQ(significant.worst_defeat, G("30/2"));
  report.clear();
  const int without = french::RunPass(significant, G("30/2"), &report).total;
  EXPECT_FALSE(Contains(report, bonus)) << report;
  // The same victories are kept; only the bonus differs (the defeat at an
  // equal grade lowers n from 9 to 8, which keeps X at 2 in the 4th series).
  EXPECT_EQ(with - without, 50);
}

// Championship victories (walkovers included) bring 15 points each, at most 75.
TEST_F(FrenchRulesTest, ChampionshipBonusIsCapped) {
  b().Season(2001, "30/2");
  EPREUVE_JOUEE* championship = b().Event("Championnat", EPREUVE::kHomologated,
                                          EPREUVE::kChampionship, DATE_SIMPLE(5, 5, 2001));
  JOUEUR* rival = b().Player("Rival", "Un", {{2001, "30/2"}});
  for (int i = 0; i < 5; ++i)
    b().Singles(championship, rival, true, "6/4 6/4");
  b().Singles(championship, rival, true, "", 1);
  const french::SeasonFacts facts = Facts();
  EXPECT_EQ(facts.championship_wins, 6);
  std::string report;
  french::RunPass(facts, G("30/2"), &report);
  EXPECT_TRUE(Contains(report,
                       "Bonif. championnat individuel (15 points par victoire, max : 75 points) "
                       ": 75 points\n"))
      << report;
}

// Of three events won, the two whose best loser was ranked highest become
// bonus entries, whatever order their matches come in.
TEST_F(FrenchRulesTest, AtMostTwoEventsWonAreKept) {
  b().Season(2001, "15/4");
  JOUEUR* rival = b().Player("Rival", "Un", {{2001, "15/4"}, {2002, "15/4"}});
  const auto won = [&](const char* name, int32_t type, const char* best) {
    EPREUVE_JOUEE* played = b().Event(name, EPREUVE::kHomologated, type, DATE_SIMPLE(5, 5, 2001));
    played->SetWon(true);
    played->SetBestRanking(DocumentBuilder::Rank(best));
    b().Singles(played, rival, true, "6/4 6/4");
    return played;
  };
  won("Middle", EPREUVE::kTournament, "15/2");
  won("Best", EPREUVE::kChampionship, "15/1");
  won("Worst", EPREUVE::kTournament, "15/3");
  // Team events and events of no type never count as events won.
  won("Team", EPREUVE::kTeamEvent, "1/6");
  won("Other", EPREUVE::kNoType, "1/6");

  const french::SeasonFacts facts = Facts();
  std::vector<std::pair<std::string, int32_t>> bonuses;
  for (const french::KeptVictory& entry : facts.entries) {
    if (entry.event_won) bonuses.emplace_back(french::TextsOf(entry).event_name, entry.ranking);
  }
  EXPECT_EQ(bonuses, (std::vector<std::pair<std::string, int32_t>>{{"Best", G("15/1")},
                                                                   {"Middle", G("15/2")}}));
  EXPECT_EQ(facts.entries.size(), 5u + 2u);
}

// The opponents' grades of the next year decide the points, equal grades put
// the later entry first, and an opponent without a grade ends the count.
TEST_F(FrenchRulesTest, KeptVictoriesOrderAndUnrankedOpponent) {
  b().Season(2001, "30/2");
  EPREUVE_JOUEE* open = b().Tournament("Open", DATE_SIMPLE(5, 5, 2001));
  b().Singles(open, b().Player("A", "First", {{2001, "30/3"}, {2002, "30/1"}}), true, "");
  b().Singles(open, b().Player("B", "Second", {{2001, "30/3"}, {2002, "30/1"}}), true, "");
  b().Singles(open, b().Player("C", "Unranked"), true, "");
  b().Singles(open, b().Player("D", "Lower", {{2001, "30/4"}}), true, "");
  const french::SeasonFacts facts = Facts();
  ASSERT_EQ(facts.entries.size(), 4u);
  // The palmares holds the matches in the order they were added, so
  // "Second" is met last and comes first among the equal grades.
  EXPECT_EQ(french::TextsOf(facts.entries[0]).last_name, "Second");
  EXPECT_EQ(french::TextsOf(facts.entries[1]).last_name, "First");
  EXPECT_EQ(french::TextsOf(facts.entries[2]).last_name, "Lower");
  EXPECT_EQ(facts.entries[3].ranking, -1);

  std::string report;
  // K = 6 + 1 > 4: all four are tried; the unranked one stops the count.
  // Points at 30/2: 100 + 100 + 20 (30/4 is two grades below), plus the
  // capital 30.
  EXPECT_EQ(french::RunPass(facts, G("30/2"), &report).total, 250);
  EXPECT_FALSE(Contains(report, "Unranked")) << report;
}

// The estimate is a pure reading: it neither marks the document modified
// nor creates a palmares.
TEST_F(FrenchRulesTest, EstimatingChangesNothing) {
  SAISON_JOUEUR* season = b().Season(2001, "30/2");
  Doc().SetModifiedFlag(false);
  Estimate();
  EXPECT_EQ(season->Palmares(), nullptr);
  EXPECT_FALSE(Doc().IsModified());
}

}  // namespace
}  // namespace scorvane

// Whole French reports, byte for byte, on seasons built by hand. Every
// expected report was worked out from the federation's rules (the hand
// calculation is written next to it), not produced by the program.
#include <gtest/gtest.h>

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

class FrenchReportTest : public CoreTest {
 protected:
  static SYSTEME_FRANCAIS& French() { return dynamic_cast<SYSTEME_FRANCAIS&>(Registry().French()); }
  CLASSEMENT Estimate(std::string& report) {
    SeasonEstimate estimate = EstimateSeason(French(), Owner(), Owner().GetActiveSeason());
    report = std::move(estimate.report);
    return estimate.estimate;
  }
  std::string Grade(const CLASSEMENT& ranking) { return ranking.Text(); }
};

// Owner NC, one victory over a player ranked 30/5 in 2001 and 2002.
//
// Limits: L = NC (the descent stops at NC). B0 = 30/5, B = 30/5, U = 30/4,
// plus one step in the 4th series: U = 30/3.
// Pass 0 at NC: capital(NC) = 0; M(NC) = 5; V = 1, E = 0, I = 0, n = 1,
//   4th series 0-4 -> X = 1; K = 6 > R = 1, so one victory is counted:
//   d = 30/5 - NC = +1 -> 100 points. No bonus (NC is below 30/3).
//   Total 100 >= up norm 100 -> rise to 30/5.
// Pass 1 at 30/5: M = 5, X = 1, K = 6 > 1; d = 0 -> 50 points.
//   Total 50 <= down norm 54 -> descent to NC.
// Up then down: the expected ranking is NC, with 30/5 reached but not kept.
TEST_F(FrenchReportTest, RiseThenFallBackNamesBothGrades) {
  DocumentBuilder b(Owner());
  b.Season(2001, "NC");
  EPREUVE_JOUEE* caen = b.Tournament("Tournoi de Caen", DATE_SIMPLE(12, 5, 2001));
  b.Singles(caen, b.Player("Paul", "Martin", {{2001, "30/5"}, {2002, "30/5"}}), true, "6/4 6/4");

  std::string report;
  EXPECT_EQ(Grade(Estimate(report)), "NC");
  const std::string pass_lines =
      "Nombre minimal de victoires prises en compte : 5\n"
      "Nombre de victoires supplémentaires : 1    (V-E-2*I=1)\n"
      "(1 victoire, 0 défaites à échelon égal, 0 défaites à échelon inférieur)\n"
      "\n\t1 victoire retenue :  (6 victoires à retenir mais seulement 1 victoire à votre "
      "palmarès)\n";
  EXPECT_EQ(report,
            "\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\n"
            "##SEPARATION_HORIZONTALE##"
            "##GRAS##PASSE 0 : Classement de calcul= NC\n\n"
            "Capital de départ (NC) :  0 points\n" +
                pass_lines +
                "\t12/05/2001\tTournoi de Caen\tPaul Martin\t30/5\t100 points\n"
                "\n\tBILAN : 100 points  (descente : 0, montée : 100)\n\n"
                "##SOULIGNE##RÉSULTAT DE LA PASSE..................Proposition de montée à 30/5\n"
                "##SEPARATION_HORIZONTALE##"
                "##GRAS##PASSE 1 : Classement de calcul= 30/5\n\n"
                "Capital de départ (NC) :  0 points\n" +
                pass_lines +
                "\t12/05/2001\tTournoi de Caen\tPaul Martin\t30/5\t50 points\n"
                "\n\tBILAN : 50 points  (descente : 54, montée : 155)\n\n"
                "##SOULIGNE##RÉSULTAT DE LA PASSE..................Proposition de descente à NC\n"
                "##SEPARATION_HORIZONTALE##"
                "\n##GRAS_17##RÉSULTAT FINAL (estimation)..... Classement attendu pour 2002 : NC\n"
                "(bilan suffisant pour monter à 30/5 mais insuffisant pour s'y maintenir!)\n");
}

// Owner "1S", one victory over a player ranked -30.
//
// L = PROM; B0 = -30, B = 1S, U = 1S.
// Pass 0 at 1S: the two 1st-series lines, proposal PROM (a descent, within L).
// Pass 1 at PROM: capital(1S) = 840; M(PROM) = 18; V = 1, n = 1 -> X = 1
//   ("-2/6 and better" column); K = 19 > R = 1; d = -30 - PROM = -1 -> 30.
//   No absence bonus: 1 counted match, fewer than 10.
//   Total 870 <= PROM's down norm 1630 -> descent to -30, below L: stopped at
//   PROM, which ends the passes (the grade is kept).
TEST_F(FrenchReportTest, FirstSeriesIsCountedAsPromotionWithinTheDescentLimit) {
  DocumentBuilder b(Owner());
  b.Season(2001, "1S");
  EPREUVE_JOUEE* open = b.Tournament("Open de Paris", DATE_SIMPLE(1, 7, 2001));
  b.Singles(open, b.Player("Yves", "Lenoir", {{2001, "-30"}}), true, "7/6 7/6");

  std::string report;
  EXPECT_EQ(Grade(Estimate(report)), "PROM");
  EXPECT_EQ(report,
            "\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\n"
            "##SEPARATION_HORIZONTALE##"
            "##GRAS##PASSE 0 : Classement de calcul= 1S\n\n"
            "Scorvane ne sait pas calculer les classements pour la 1ère série.\n"
            "On va supposer que vous ne vous maintenez pas dans cette série et faire un bilan par "
            "rapport à la Promotion.\n"
            "##SEPARATION_HORIZONTALE##"
            "##GRAS##PASSE 1 : Classement de calcul= PROM\n\n"
            "Capital de départ (1S) :  840 points\n"
            "Nombre minimal de victoires prises en compte : 18\n"
            "Nombre de victoires supplémentaires : 1    (V-E-2*I=1)\n"
            "(1 victoire, 0 défaites à échelon égal, 0 défaites à échelon inférieur)\n"
            "\n\t1 victoire retenue :  (19 victoires à retenir mais seulement 1 victoire à votre "
            "palmarès)\n"
            "\t01/07/2001\tOpen de Paris\tYves Lenoir\t-30\t30 points\n"
            "\n\tBILAN : 870 points  (descente : 1630)\n\n"
            "##SOULIGNE##RÉSULTAT DE LA PASSE..................Proposition de descente à -30\n"
            "##SEPARATION_HORIZONTALE##"
            "Le calcul s'arrête là car la descente est limitée à PROM (un échelon) et c'est le "
            "cas!\n"
            "\n##GRAS_17##RÉSULTAT FINAL (estimation)..... Classement calculé pour 2002 : PROM\n");
}

// A woman ranked 15/4 in 2001 whose season mixes every kind of entry.
// Opponents (ranking 2001 -> 2002):
//   Open de Nîmes (tournament, 10/03, won, best loser 15/2):
//     1 won  Anne Morel 15/3 -> 15/2     2 won  Julie Caron 15/4 -> 15/4
//     3 lost Sophie Leroy 15/1 -> 15/1
//   Tournoi de Sète (tournament, 14/04, won, best loser 15/3):
//     4 won  Claire Fabre 15/5 -> 15/5   5 won by w.o. Marie Roche 15/2
//     6 lost by w.o. Lucie Gay 15/4
//   Championnat du Gard (championship, 02/06, won, best loser 15/1):
//     7 won  Emma Brun 15/3 -> 15/3      8 won  Léa Faure 5/6 -> 5/6
//     9 lost Nina Perrin 15/4 -> 15/5
//   Interclubs (team event, 20/01):
//     10 won Zoé Vidal 15/4 -> 15/3      11, 12 lost by w.o. Inès Marty, Chloé Rey 15
//
// Counts: V = 7 (six on court and one w.o.); defeats on court at 2002: 15/1
// and 15/5; walkover defeats w = 3 -> penalised 1 -> -75; championship wins
// 2 -> 30; worst defeat in 2001: 15/4. Events won: the two best, Gard (15/1)
// and Nîmes (15/2); Sète (15/3) is left out.
// Entries, best first (ties: the one met later in the list first; the
// palmares holds the matches in the order they were added and the events
// come after them):
//   Léa Faure 5/6, BONUS Gard 15/1, BONUS Nîmes 15/2, Anne Morel 15/2,
//   Zoé Vidal 15/3, Emma Brun 15/3, Julie Caron 15/4, Claire Fabre 15/5.
// Limits: L = 15/5; B0 = 5/6 (2001), U = 4/6.
// Pass 0 at 15/4: M = 6; E = 0, I = 1 (15/5), n = 7 - 0 - 2 = 5 -> X = 1
//   (3rd series, 5-7); K = 7 <= 8. Points 150 150 150 150 100 100 50 = 850.
//   No absence bonus (the worst defeat 15/4 is not better than 15/4).
//   Total 850 + 30 - 75 + capital(15/4) 160 = 965 >= women's 640: rise.
// Pass 1 at 15/3: M = 7, n = 5 -> X = 1, K = 8 = R.
//   Points 150 150 100 100 50 50 30 20 = 650; total 650 + 30 - 75 + 160 = 765
//   >= women's 740: rise.
// Pass 2 at 15/2: M = 7, X = 1, K = 8. Points 150 100 50 50 30 30 20 15 = 445;
//   total 445 + 30 - 75 + 160 = 560, between 530 and 780: kept at 15/2.
TEST_F(FrenchReportTest, WomanWithEventsWonChampionshipAndWalkovers) {
  Owner().SetSex(JOUEUR::kWoman);
  DocumentBuilder b(Owner());
  b.Season(2001, "15/4");
  const auto player = [&b](const char* first, const char* last, const char* in_2001,
                           const char* in_2002) {
    return b.Player(first, last, {{2001, in_2001}, {2002, in_2002}});
  };
  const auto won_event = [&b](const char* name, int32_t type, const DATE_SIMPLE& start,
                              const char* best) {
    EPREUVE_JOUEE* played = b.Event(name, EPREUVE::kHomologated, type, start);
    played->SetWon(true);
    played->SetBestRanking(DocumentBuilder::Rank(best));
    return played;
  };
  EPREUVE_JOUEE* nimes =
      won_event("Open de Nîmes", EPREUVE::kTournament, DATE_SIMPLE(10, 3, 2001), "15/2");
  EPREUVE_JOUEE* sete =
      won_event("Tournoi de Sète", EPREUVE::kTournament, DATE_SIMPLE(14, 4, 2001), "15/3");
  EPREUVE_JOUEE* gard =
      won_event("Championnat du Gard", EPREUVE::kChampionship, DATE_SIMPLE(2, 6, 2001), "15/1");
  EPREUVE_JOUEE* team =
      b.Event("Interclubs", EPREUVE::kHomologated, EPREUVE::kTeamEvent, DATE_SIMPLE(20, 1, 2001));

  b.Singles(nimes, player("Anne", "Morel", "15/3", "15/2"), true, "6/3 6/3");
  b.Singles(nimes, player("Julie", "Caron", "15/4", "15/4"), true, "6/3 6/3");
  b.Singles(nimes, player("Sophie", "Leroy", "15/1", "15/1"), false, "3/6 3/6");
  b.Singles(sete, player("Claire", "Fabre", "15/5", "15/5"), true, "6/3 6/3");
  b.Singles(sete, player("Marie", "Roche", "15/2", "15/2"), true, "", 1);
  b.Singles(sete, player("Lucie", "Gay", "15/4", "15/4"), false, "", 1);
  b.Singles(gard, player("Emma", "Brun", "15/3", "15/3"), true, "6/3 6/3");
  b.Singles(gard, player("Léa", "Faure", "5/6", "5/6"), true, "7/5 6/4");
  b.Singles(gard, player("Nina", "Perrin", "15/4", "15/5"), false, "4/6 4/6");
  b.Singles(team, player("Zoé", "Vidal", "15/4", "15/3"), true, "6/3 6/3");
  b.Singles(team, player("Inès", "Marty", "15", "15"), false, "", 1);
  b.Singles(team, player("Chloé", "Rey", "15", "15"), false, "", 1);

  std::string report;
  EXPECT_EQ(Grade(Estimate(report)), "15/2");
  const std::string counts =
      "Capital de départ (15/4) :  160 points\n"
      "Nombre minimal de victoires prises en compte : %M\n"
      "Nombre de victoires supplémentaires : 1    (V-E-2*I=5)\n"
      "(7 victoires, 0 défaites à échelon égal, 1 défaite à échelon inférieur)\n";
  const auto pass_head = [&counts](const char* minimum) {
    std::string text = counts;
    text.replace(text.find("%M"), 2, minimum);
    return text;
  };
  const std::string bonuses =
      "Bonif. championnat individuel (15 points par victoire, max : 75 points) : 30 points\n"
      "Forfait (1 w.o. pénalisé) : -75 points\n";
  EXPECT_EQ(report,
            "\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\n"
            "##SEPARATION_HORIZONTALE##"
            "##GRAS##PASSE 0 : Classement de calcul= 15/4\n\n" +
                pass_head("6") +
                "\n\t7 victoires retenues :\n"
                "\t02/06/2001\tChampionnat du Gard\tLéa Faure\t5/6\t150 points\n"
                "\t02/06/2001\tChampionnat du Gard\tBONUS épreuve remportée\t15/1\t150 points\n"
                "\t10/03/2001\tOpen de Nîmes\tBONUS épreuve remportée\t15/2\t150 points\n"
                "\t10/03/2001\tOpen de Nîmes\tAnne Morel\t15/2\t150 points\n"
                "\t20/01/2001\tInterclubs\tZoé Vidal\t15/3\t100 points\n"
                "\t02/06/2001\tChampionnat du Gard\tEmma Brun\t15/3\t100 points\n"
                "\t10/03/2001\tOpen de Nîmes\tJulie Caron\t15/4\t50 points\n" +
                bonuses +
                "\n\tBILAN : 965 points  (descente : 380, montée : 640)\n\n"
                "##SOULIGNE##RÉSULTAT DE LA PASSE..................Proposition de montée à 15/3\n"
                "##SEPARATION_HORIZONTALE##"
                "##GRAS##PASSE 1 : Classement de calcul= 15/3\n\n" +
                pass_head("7") +
                "\n\t8 victoires retenues :\n"
                "\t02/06/2001\tChampionnat du Gard\tLéa Faure\t5/6\t150 points\n"
                "\t02/06/2001\tChampionnat du Gard\tBONUS épreuve remportée\t15/1\t150 points\n"
                "\t10/03/2001\tOpen de Nîmes\tBONUS épreuve remportée\t15/2\t100 points\n"
                "\t10/03/2001\tOpen de Nîmes\tAnne Morel\t15/2\t100 points\n"
                "\t20/01/2001\tInterclubs\tZoé Vidal\t15/3\t50 points\n"
                "\t02/06/2001\tChampionnat du Gard\tEmma Brun\t15/3\t50 points\n"
                "\t10/03/2001\tOpen de Nîmes\tJulie Caron\t15/4\t30 points\n"
                "\t14/04/2001\tTournoi de Sète\tClaire Fabre\t15/5\t20 points\n" +
                bonuses +
                "\n\tBILAN : 765 points  (descente : 430, montée : 740)\n\n"
                "##SOULIGNE##RÉSULTAT DE LA PASSE..................Proposition de montée à 15/2\n"
                "##SEPARATION_HORIZONTALE##"
                "##GRAS##PASSE 2 : Classement de calcul= 15/2\n\n" +
                pass_head("7") +
                "\n\t8 victoires retenues :\n"
                "\t02/06/2001\tChampionnat du Gard\tLéa Faure\t5/6\t150 points\n"
                "\t02/06/2001\tChampionnat du Gard\tBONUS épreuve remportée\t15/1\t100 points\n"
                "\t10/03/2001\tOpen de Nîmes\tBONUS épreuve remportée\t15/2\t50 points\n"
                "\t10/03/2001\tOpen de Nîmes\tAnne Morel\t15/2\t50 points\n"
                "\t20/01/2001\tInterclubs\tZoé Vidal\t15/3\t30 points\n"
                "\t02/06/2001\tChampionnat du Gard\tEmma Brun\t15/3\t30 points\n"
                "\t10/03/2001\tOpen de Nîmes\tJulie Caron\t15/4\t20 points\n"
                "\t14/04/2001\tTournoi de Sète\tClaire Fabre\t15/5\t15 points\n" +
                bonuses +
                "\n\tBILAN : 560 points  (descente : 530, montée : 780)\n\n"
                "##SOULIGNE##RÉSULTAT DE LA PASSE..................Maintient à 15/2\n"
                "##SEPARATION_HORIZONTALE##"
                "\n##GRAS_17##RÉSULTAT FINAL (estimation)..... Classement calculé pour 2002 : "
                "15/2\n");
}

}  // namespace
}  // namespace scorvane

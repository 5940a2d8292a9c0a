// The French federation's next-season estimate. The report texts are the
// program's own French texts, byte for byte: the report view draws them and
// users compare them with the federation's documents.
#include "estimates/french_estimate.h"

#include <algorithm>

#include "estimates/report_text.h"
#include "estimates/season_estimate.h"

namespace scorvane {
namespace french {
namespace {

constexpr int kMaxPasses = 20;
constexpr int kNoDefeatBonus = 50;
constexpr int kNoDefeatMinimumMatches = 10;
constexpr int kChampionshipPointsPerWin = 15;
constexpr int kChampionshipCap = 75;
constexpr int kWalkoversExcused = 2;
constexpr int kWalkoverPenalty = 75;

// Pass steps 3 and 4: how many victories the balance V - E - 2I lets count.
int CountVictoriesToKeep(const SeasonFacts& facts, int32_t trial, ReportSink& out) {
  const int minimum = MinimumVictories(trial);
  out.Format("Nombre minimal de victoires prises en compte : %d\n", {minimum});

  int equal = 0;
  int lower = 0;
  for (const int32_t opponent : facts.court_defeats) {
    if (opponent == trial) {
      ++equal;
    } else if (opponent < trial) {
      ++lower;
    }
  }
  const int balance = facts.wins - equal - 2 * lower;
  const int extra = ExtraVictories(trial, balance);
  out.Format("Nombre de victoires supplémentaires : %d    (V-E-2*I=%d)\n", {extra, balance});
  out.Format(
      "(%d victoire%s, %d défaite%s à échelon égal, %d défaite%s à échelon inférieur)\n",
      {facts.wins, PluralMark(facts.wins), equal, PluralMark(equal), lower, PluralMark(lower)});
  return minimum + extra;
}

// Pass step 5: the points of the best victories, down to the first one
// without a valid grade.
void KeptVictoryPoints(const SeasonFacts& facts, int32_t trial, PassFigures& figures,
                       ReportSink& out) {
  const int available = static_cast<int>(facts.entries.size());
  int kept = figures.victories_to_keep;
  if (kept > available) {
    out.Format(
        "\n\t%d victoire%s retenue%s :  (%d victoires à retenir mais seulement %d victoire%s à "
        "votre palmarès)\n",
        {available, PluralMark(available), PluralMark(available), kept, available,
         PluralMark(available)});
    kept = available;
  } else {
    out.Format("\n\t%d victoires retenues :\n", {kept});
  }

  for (int i = 0; i < kept; ++i) {
    const KeptVictory& entry = facts.entries[static_cast<size_t>(i)];
    if (!IsGrade(entry.ranking)) break;
    const int points = VictoryPoints(entry.ranking - trial);
    figures.victory_points += points;
    ++figures.victories_counted;
    if (!out.IsWriting()) continue;
    const KeptVictoryTexts texts = TextsOf(entry);
    if (entry.event_won) {
      out.Format("\t%s\t%s\tBONUS épreuve remportée\t%s\t%d points\n",
                 {texts.date, texts.event_name, GradeText(entry.ranking), points});
    } else {
      out.Format("\t%s\t%s\t%s %s\t%s\t%d points\n",
                 {texts.date, texts.event_name, texts.first_name, texts.last_name,
                  GradeText(entry.ranking), points});
    }
  }
}

// Pass step 6: the two bonuses and the walkover penalty, in that order.
void BonusesAndPenalties(const SeasonFacts& facts, int32_t trial, PassFigures& figures,
                         ReportSink& out) {
  const int counted_matches = facts.homologated_singles - facts.walkover_defeats;
  if (facts.worst_defeat > trial && trial >= k30_3 && counted_matches >= kNoDefeatMinimumMatches) {
    figures.no_defeat_bonus = kNoDefeatBonus;
    out.Format("Bonification en absence de défaites significatives : %d points\n",
               {kNoDefeatBonus});
  }
  figures.championship_bonus =
      std::min(kChampionshipPointsPerWin * facts.championship_wins, kChampionshipCap);
  if (figures.championship_bonus != 0) {
    out.Format(
        "Bonif. championnat individuel (15 points par victoire, max : 75 points) : %d points\n",
        {figures.championship_bonus});
  }
  figures.walkovers_penalised =
      facts.walkover_defeats > kWalkoversExcused ? facts.walkover_defeats - kWalkoversExcused : 0;
  if (figures.walkovers_penalised != 0) {
    figures.walkover_penalty = -kWalkoverPenalty * figures.walkovers_penalised;
    out.Format("Forfait (%d w.o. pénalisé%s) : %d points\n",
               {figures.walkovers_penalised, PluralMark(figures.walkovers_penalised),
                figures.walkover_penalty});
  }
}

// One pass, written to the report as it goes.
PassFigures Pass(const SeasonFacts& facts, int32_t trial, ReportSink& out) {
  PassFigures figures;
  trial = std::clamp(trial, kNC, kFirstSeries);
  figures.trial = trial;
  figures.down_norm = DownNorm(trial, facts.woman);
  figures.up_norm = UpNorm(trial, facts.woman);
  if (trial == kFirstSeries) {
    out.Text("Scorvane ne sait pas calculer les classements pour la 1ère série.\n");
    out.Text(
        "On va supposer que vous ne vous maintenez pas dans cette série et faire un bilan par "
        "rapport à la Promotion.\n");
    out.Text("##SEPARATION_HORIZONTALE##");
    figures.first_series = true;
    figures.proposal = OneWorse(trial);
    return figures;
  }

  figures.capital = StartingCapital(facts.owner_ranking);
  out.Format("Capital de départ (%s) :  %d points\n",
             {GradeText(facts.owner_ranking), figures.capital});
  figures.victories_to_keep = CountVictoriesToKeep(facts, trial, out);
  KeptVictoryPoints(facts, trial, figures, out);
  BonusesAndPenalties(facts, trial, figures, out);

  figures.total = figures.victory_points + figures.no_defeat_bonus + figures.championship_bonus +
                  figures.walkover_penalty + figures.capital;
  if (trial == kPromotion) {
    out.Format("\n\tBILAN : %d points  (descente : %d)\n\n", {figures.total, figures.down_norm});
  } else {
    out.Format("\n\tBILAN : %d points  (descente : %d, montée : %d)\n\n",
               {figures.total, figures.down_norm, figures.up_norm});
  }

  out.Text("##SOULIGNE##RÉSULTAT DE LA PASSE..................");
  if (figures.total <= figures.down_norm) {
    figures.proposal = OneWorse(trial);
    out.Format("Proposition de descente à %s\n", {GradeText(figures.proposal)});
  } else if (figures.total >= figures.up_norm) {
    figures.proposal = OneBetter(trial);
    out.Format("Proposition de montée à %s\n", {GradeText(figures.proposal)});
  } else {
    figures.proposal = trial;
    out.Format("Maintient à %s\n", {GradeText(figures.proposal)});
  }
  out.Text("##SEPARATION_HORIZONTALE##");
  return figures;
}

}  // namespace

PassOutcome RunPass(const SeasonFacts& facts, int32_t trial, std::string* report) {
  ReportSink out(report);
  const PassFigures figures = Pass(facts, trial, out);
  PassOutcome outcome;
  outcome.proposal = figures.proposal;
  outcome.total = figures.total;
  outcome.down_norm = figures.down_norm;
  outcome.up_norm = figures.up_norm;
  return outcome;
}

PassFigures MeasurePass(const SeasonFacts& facts, int32_t trial) {
  ReportSink nowhere(nullptr);
  return Pass(facts, trial, nowhere);
}

namespace {

// What a pass did to the trial grade.
enum class Decision { kDown, kKeep, kUp };

}  // namespace

EstimateOutcome RunEstimate(const SeasonFacts& facts, std::string* report) {
  if (report) report->clear();
  ReportSink out(report);
  EstimateOutcome outcome;
  const int32_t current = facts.owner_ranking;
  out.Format("\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON %d\n", {facts.year});
  out.Text("##SEPARATION_HORIZONTALE##");

  // The descent is limited to one grade.
  const int32_t lower_limit = OneWorse(current);
  // The rise is limited to one grade above the better of the owner's grade
  // and the best grade beaten, two in the fourth series.
  const int32_t best = facts.has_match_victory ? std::max(facts.best_beaten, current) : current;
  int32_t upper_limit = OneBetter(best);
  if (Series(current) == 4) upper_limit = OneBetter(upper_limit);

  if (!facts.has_match_victory) {
    if (current == kNC) {
      out.Text(
          "\n\nVotre palmarès ne compte pas la moindre victoire à comptabiliser.\nPour l'instant, "
          "il est donc certain que vous resterez non classé l'an prochain!\n\nAllez, courage! Il "
          "faut faire des tournois!\n");
    } else {
      out.Format(
          "\n\nVotre palmarès ne compte pas la moindre victoire à comptabiliser pour le prochain "
          "classement.\nPour l'instant, la descente étant limitée à un échelon, on peut dire que "
          "vous serez %s l'an prochain!\n(A moins, bien sûr que toutes les rencontres n'aient pas "
          "été saisies...)\n",
          {GradeText(lower_limit)});
    }
    outcome.ranking = lower_limit;
    outcome.last_trial = current;
    return outcome;
  }

  int32_t trial = current;
  int32_t previous_trial = current;
  Decision previous = Decision::kKeep;
  for (int pass = 0;;) {
    out.Format("##GRAS##PASSE %d : Classement de calcul= %s\n\n", {pass, GradeText(trial)});
    previous_trial = trial;
    trial = RunPass(facts, previous_trial, report).proposal;
    ++outcome.passes;
    if (trial < lower_limit) {
      out.Format(
          "Le calcul s'arrête là car la descente est limitée à %s (un échelon) et c'est le cas!\n",
          {GradeText(lower_limit)});
      trial = lower_limit;
    }
    if (trial > upper_limit) {
      trial = upper_limit;
      if (facts.best_beaten < current) {
        out.Text(
            "Comme vous avez seulement des victoires à échelon inférieur (au jour de la rencontre) "
            "et que vous \n");
        out.Text(Series(current) == 4
                     ? "êtes en 4ème série, votre montée est limitée à 2 échelons.\n"
                     : "vous n'êtes pas en 4ème série, votre montée est limitée à un échelon.\n");
      }
    }
    const Decision decision = trial > previous_trial   ? Decision::kUp
                              : trial < previous_trial ? Decision::kDown
                                                       : Decision::kKeep;
    if (decision == Decision::kKeep) break;
    if (previous == Decision::kUp && decision == Decision::kDown) {
      outcome.up_then_down = true;
      break;
    }
    if (++pass >= kMaxPasses) break;
    previous = decision;
  }

  out.Text("\n##GRAS_17##RÉSULTAT FINAL (estimation)..... ");
  if (!outcome.up_then_down) {
    out.Format("Classement calculé pour %d : %s\n", {EstimatedYear(facts.year), GradeText(trial)});
  } else {
    const int32_t higher = std::max(trial, previous_trial);
    const int32_t lower = std::min(trial, previous_trial);
    out.Format(
        "Classement attendu pour %d : %s\n(bilan suffisant pour monter à %s mais insuffisant pour "
        "s'y maintenir!)\n",
        {EstimatedYear(facts.year), GradeText(lower), GradeText(higher)});
  }
  outcome.ranking = trial;
  outcome.last_trial = previous_trial;
  return outcome;
}

}  // namespace french

}  // namespace scorvane

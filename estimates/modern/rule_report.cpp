#include "estimates/modern/rule_report.h"

#include <algorithm>

#include "base/text_format.h"
#include "estimates/report_text.h"
#include "estimates/season_estimate.h"

namespace scorvane::modern {
namespace {

class Writer {
 public:
  Writer(const RuleFacts& facts, bool french) : facts_(facts), french_(french) {}

  const char* T(const char* french, const char* english) const {
    return french_ ? french : english;
  }
  std::string E(int echelon) const { return EchelonText(echelon, facts_.woman); }
  std::string F(double value) const { return Figure(value, french_); }
  void Line(std::string_view format, std::initializer_list<TextArg> args) {
    text_ += FormatText(format, args);
  }
  void Text(std::string_view text) { text_ += text; }
  std::string Take() { return std::move(text_); }

 private:
  const RuleFacts& facts_;
  bool french_;
  std::string text_;
};

void WriteStart(const Scale& scale, const RuleOutcome& outcome, Writer& out) {
  out.Line(out.T("Classement de départ : %s\n", "Starting ranking: %s\n"),
           {out.E(outcome.original)});
  if (outcome.best_beaten < 0) {
    out.Line(out.T("Aucune victoire sur le court : le calcul commence à %s.\n",
                   "No win on court: the calculation starts at %s.\n"),
             {out.E(outcome.start)});
  } else {
    out.Line(out.T("Meilleure victoire (classement d'origine) : %s ; échelon de départ : %s\n",
                   "Best win (original ranking): %s; starting échelon: %s\n"),
             {out.E(outcome.best_beaten), out.E(outcome.start)});
  }
  if (scale.climb != ClimbLimit::kNone) {
    out.Line(out.T("Montée limitée à %s\n", "Rise limited to %s\n"), {out.E(outcome.ceiling)});
  }
  out.Line(out.T("Descente limitée à %s\n", "Descent limited to %s\n"), {out.E(outcome.floor)});
  out.Text("##SEPARATION_HORIZONTALE##");
}

void WriteTrial(const Scale& scale, const RuleFacts& facts, const EchelonTrial& trial,
                Writer& out) {
  out.Line(out.T("##SOULIGNE##Bilan à %s\n", "##SOULIGNE##Bilan at %s\n"), {out.E(trial.echelon)});
  out.Line("V = %s   E = %s   I = %s   G = %s      V-E-2I-5G = %s\n",
           {out.F(trial.v), out.F(trial.e), out.F(trial.i), out.F(trial.g), out.F(trial.delta)});
  out.Line(out.T("Victoires à retenir : %d  (de base : %d, supplémentaires : %d)\n",
                 "Victories to keep: %d  (base: %d, extra: %d)\n"),
           {trial.kept, trial.base, trial.extra});
  for (const KeptWin& win : trial.wins) {
    const RuleMatch& match = facts.matches[win.match];
    const std::string date = match.planned ? out.T("prévue", "planned") : match.date;
    out.Line("\t%s\t%s\t%s\tcoef. %s\t%s points\n",
             {date, match.opponent, out.E(OpponentOf(scale, match)), out.F(win.share),
              out.F(win.points)});
  }
  out.Line(out.T("Points des victoires retenues : %s\n", "Points of the victories kept: %s\n"),
           {out.F(trial.win_points)});
  if (trial.championship_bonus != 0) {
    out.Line(out.T("Bonif. championnat individuel (%d victoire%s) : %s points\n",
                   "Individual championship bonus (%d win%s): %s points\n"),
             {trial.championship_wins, PluralMark(trial.championship_wins),
              out.F(trial.championship_bonus)});
  }
  if (trial.no_defeat_bonus != 0) {
    out.Line(out.T("Bonif. absence de défaite significative : %s points\n",
                   "No significant defeat bonus: %s points\n"),
             {out.F(trial.no_defeat_bonus)});
  }
  if (trial.doubles_bonus != 0) {
    out.Line(out.T("Victoires en double (%d retenue%s) : %s points\n",
                   "Doubles wins (%d kept): %s points\n"),
             {trial.doubles_wins, PluralMark(trial.doubles_wins), out.F(trial.doubles_bonus)});
  }
  out.Line(out.T("\n\tBILAN : %s points  (norme : %d)  %s\n\n",
                 "\n\tBILAN: %s points  (norm: %d)  %s\n\n"),
           {out.F(trial.total), trial.norm,
            trial.held ? out.T("maintien", "held") : out.T("insuffisant", "not enough")});
}

}  // namespace

std::string Figure(double value, bool french) {
  std::string text = FormatText("%g", {value});
  if (french) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string RuleReport(const Scale& scale, const RuleFacts& facts, const RuleOutcome& outcome,
                       bool french) {
  Writer out(facts, french);
  out.Line(out.T("\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON %d\n",
                 "\n##GRAS_17##RANKING ESTIMATE FROM THE %d SEASON\n"),
           {facts.year});
  out.Line(scale.mode == "final"
               ? out.T("Règles de la saison sportive %d, classement de fin d'année\n",
                       "Rules of the %d sports year, end-of-year ranking\n")
               : out.T("Règles de la saison sportive %d, classement mensuel\n",
                       "Rules of the %d sports year, monthly ranking\n"),
           {scale.year});
  out.Text("##SEPARATION_HORIZONTALE##");
  if (!scale.assumed.empty()) {
    out.Text(out.T("##GRAS##Chiffres supposés, faute de source publiée :\n",
                   "##GRAS##Assumed figures, for want of a published source:\n"));
    for (const Scale::Assumed& note : scale.assumed) {
      out.Line("- [%s] %s\n",
               {note.section, french && !note.why_french.empty() ? note.why_french : note.why});
    }
    out.Text("##SEPARATION_HORIZONTALE##");
  }
  if (outcome.first_series) {
    out.Text(out.T("La 1ère série est placée par la fédération : il n'y a pas de calcul.\n",
                   "The 1st series is placed by the federation: there is no calculation.\n"));
  } else {
    WriteStart(scale, outcome, out);
    int number = 0;
    for (const RulePass& pass : outcome.passes) {
      out.Line(out.T("##GRAS##PASSE %d : victoires de base d'après %s\n\n",
                     "##GRAS##PASS %d: base victories from %s\n\n"),
               {++number, out.E(pass.quota_ranking)});
      for (const EchelonTrial& trial : pass.trials)
        WriteTrial(scale, facts, trial, out);
      out.Line(out.T("##SOULIGNE##RÉSULTAT DE LA PASSE.................. %s%s\n",
                     "##SOULIGNE##RESULT OF THE PASS.................. %s%s\n"),
               {out.E(pass.result),
                pass.floored ? out.T(" (limite de descente)", " (descent limit)") : ""});
      out.Text("##SEPARATION_HORIZONTALE##");
    }
    if (!outcome.settled) {
      out.Line(out.T("Les passes ne se stabilisent pas en %d : la dernière est retenue.\n",
                     "The passes do not settle within %d: the last one is kept.\n"),
               {static_cast<int>(outcome.passes.size())});
    }
    for (const Harmonisation& step : outcome.harmonisations) {
      if (step.why == Harmonisation::Why::kWalkovers) {
        out.Line(out.T("%d w.o. : un échelon de moins, de %s à %s\n",
                       "%d walkovers: one échelon less, from %s to %s\n"),
                 {step.count, out.E(step.from), out.E(step.to)});
      } else {
        out.Line(out.T("V-E-2I-5G = %d en 2e série : un échelon de moins, de %s à %s\n",
                       "V-E-2I-5G = %d in the 2nd series: one échelon less, from %s to %s\n"),
                 {step.count, out.E(step.from), out.E(step.to)});
      }
    }
  }
  out.Line(out.T("\n##GRAS_17##RÉSULTAT FINAL (estimation)..... Classement calculé pour %d : %s\n",
                 "\n##GRAS_17##FINAL RESULT (estimate)..... Ranking calculated for %d: %s\n"),
           {EstimatedYear(facts.year), out.E(outcome.result)});
  return out.Take();
}

}  // namespace scorvane::modern

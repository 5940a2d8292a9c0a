#include "stats/summary/points_box.h"

#include <algorithm>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "estimates/belgian_estimate.h"
#include "estimates/french_estimate.h"
#include "estimates/modern/rules_estimate.h"
#include "ranking/ranking_system.h"
#include "records/event.h"
#include "records/match.h"
#include "records/player.h"

namespace scorvane {
namespace {

enum : int {
  kMsgWon = 72,
  kMsgLost = 73,
  kMsgWalkover = 76,
  kMsgRetirement = 77,
  kMsgFrenchTitle = 155,
  kMsgBelgianTitle = 156,
  kMsgWalkoversOnePenalised = 187,
  kMsgWalkoversPenalised = 188,
  kMsgChampionshipVictories = 189,
  kMsgNoSignificantDefeat = 190,
  kMsgChampionshipGroup = 191,
  kMsgTeamGroup = 192,
  kMsgTournamentGroup = 193,
  kMsgFirstColumn = 194,  // "Opponent" ... "Points", six columns
  kMsgEventWon = 200,
  kMsgVictoriesKept = 204,
  kMsgOneVictoryKept = 205,
  kMsgNoVictoryKept = 206,
  kMsgStartingPoints = 207,
  kMsgFirstSeries = 208,
  kMsgVictoryPoints = 209,
  kMsgMatchPoints = 210,
  kMsgBonus = 211,
  kMsgNoBonus = 212,
  kMsgBonusTotal = 213,
  kMsgPenalties = 214,
  kMsgNoPenalty = 215,
  kMsgPenaltyTotal = 216,
  kMsgTotal = 217,
  kMsgDecimalTotal = 218,
  kMsgScale = 219,
  kMsgDowngrade = 220,
  kMsgUpgrade = 221,
  kMsgImpossible = 222,
  kMsgProbableResult = 223,
  kMsgMatchesKept = 224,
  kMsgOneMatchKept = 225,
  kMsgNoMatchKept = 226,
  kMsgResultColumn = 547,
};

constexpr const char* kIndent = "   ";

std::string Number(double value) {
  return FormatText("%g", {value});
}

std::string CountText(int count, int many, int one, int none) {
  if (count == 0) return Msg(none);
  if (count == 1) return Msg(one);
  return FormatText(Msg(many), {count});
}

// The score as the list shows it: "wo" for a walkover, "res." after the
// score of a match ended by a retirement.
std::string ScoreText(const RENCONTRE& match) {
  const RESULTAT_RENCONTRE& result = match.Result();
  if (result.IsWalkover()) return Msg(kMsgWalkover);
  if (result.IsRetirement()) {
    return result.ScoreText().empty() ? Msg(kMsgRetirement)
                                      : result.ScoreText() + " " + Msg(kMsgRetirement);
  }
  return result.ScoreText();
}

std::vector<std::string> Columns(bool with_result) {
  std::vector<std::string> columns;
  if (with_result) columns.push_back(Msg(kMsgResultColumn));
  for (int i = 0; i < 6; ++i)
    columns.push_back(Msg(kMsgFirstColumn + i));
  return columns;
}

// A list line of notes: its text under "Opponent", its points last.
PointsRow NoteRow(std::string text, int points, size_t columns) {
  std::vector<std::string> cells(std::max<size_t>(columns, 2));
  cells.front() = std::move(text);
  cells.back() = std::to_string(points);
  return {std::move(cells), false};
}

// "3 w.o. (1 penalized)": the walkover defeats and those that cost points.
std::string WalkoverText(int walkovers, int penalised) {
  return penalised == 1 ? FormatText(Msg(kMsgWalkoversOnePenalised), {walkovers})
                        : FormatText(Msg(kMsgWalkoversPenalised), {walkovers, penalised});
}

void AddFrenchRows(const french::SeasonFacts& facts, const french::PassFigures& figures,
                   PointsBox& box) {
  for (int i = 0; i < figures.victories_counted; ++i) {
    const french::KeptVictory& entry = facts.entries[static_cast<size_t>(i)];
    const french::KeptVictoryTexts texts = french::TextsOf(entry);
    const int points = french::VictoryPoints(entry.ranking - figures.trial);
    PointsRow row;
    const std::string opponent =
        entry.event_won ? std::string(Msg(kMsgEventWon)) : texts.first_name + " " + texts.last_name;
    row.cells = {opponent,         french::GradeText(entry.ranking),
                 texts.date,       entry.match ? ScoreText(*entry.match) : std::string(),
                 texts.event_name, std::to_string(points)};
    box.rows.push_back(std::move(row));
  }
  const size_t columns = box.columns.size();
  if (figures.no_defeat_bonus != 0) {
    box.rows.push_back(NoteRow(Msg(kMsgNoSignificantDefeat), figures.no_defeat_bonus, columns));
  }
  if (figures.championship_bonus != 0) {
    box.rows.push_back(
        NoteRow(Msg(kMsgChampionshipVictories), figures.championship_bonus, columns));
  }
  if (figures.walkovers_penalised != 0) {
    box.rows.push_back(NoteRow(WalkoverText(facts.walkover_defeats, figures.walkovers_penalised),
                               figures.walkover_penalty, columns));
  }
}

// "Bonus :" (or "Penalties :") with "None", or followed by its items and
// their total.
void AddItems(PointsBox& box, int heading, int none, int total_message,
              const std::vector<PointsLine>& items, const std::string& total) {
  if (items.empty()) {
    box.lines.push_back({Msg(heading), Msg(none)});
    return;
  }
  box.lines.push_back({Msg(heading), ""});
  for (const PointsLine& item : items)
    box.lines.push_back(item);
  box.lines.push_back({Msg(total_message), total});
}

PointsBox FrenchBox(const UTILISATEUR& owner, const SAISON_JOUEUR* season) {
  PointsBox box;
  box.shown = true;
  box.title = Msg(kMsgFrenchTitle);
  box.columns = Columns(false);
  const french::SeasonFacts facts = french::CollectSeasonFacts(owner, season);
  const french::EstimateOutcome outcome = french::RunEstimate(facts, nullptr);
  const PointsLine result{Msg(kMsgProbableResult) + french::GradeText(outcome.ranking), ""};
  if (outcome.passes == 0) {
    // Without a victory there is nothing to count: the descent limit decides.
    box.lines = {{Msg(kMsgNoVictoryKept), ""}, {Msg(kMsgImpossible), ""}, result};
    return box;
  }
  const french::PassFigures figures = french::MeasurePass(facts, outcome.last_trial);
  if (figures.first_series) {
    box.lines = {{Msg(kMsgFirstSeries), ""}, result};
    return box;
  }

  box.lines.push_back({CountText(figures.victories_counted, kMsgVictoriesKept, kMsgOneVictoryKept,
                                 kMsgNoVictoryKept),
                       ""});
  box.lines.push_back(
      {FormatText(Msg(kMsgStartingPoints), {french::GradeText(facts.owner_ranking)}),
       std::to_string(figures.capital)});
  box.lines.push_back({Msg(kMsgVictoryPoints), std::to_string(figures.victory_points)});
  std::vector<PointsLine> bonuses;
  if (figures.no_defeat_bonus != 0) {
    bonuses.push_back({kIndent + std::string(Msg(kMsgNoSignificantDefeat)),
                       std::to_string(figures.no_defeat_bonus)});
  }
  if (figures.championship_bonus != 0) {
    bonuses.push_back({kIndent + std::string(Msg(kMsgChampionshipVictories)),
                       std::to_string(figures.championship_bonus)});
  }
  AddItems(box, kMsgBonus, kMsgNoBonus, kMsgBonusTotal, bonuses,
           std::to_string(figures.no_defeat_bonus + figures.championship_bonus));
  std::vector<PointsLine> penalties;
  if (figures.walkovers_penalised != 0) {
    penalties.push_back(
        {kIndent + WalkoverText(facts.walkover_defeats, figures.walkovers_penalised),
         std::to_string(figures.walkover_penalty)});
  }
  AddItems(box, kMsgPenalties, kMsgNoPenalty, kMsgPenaltyTotal, penalties,
           std::to_string(figures.walkover_penalty));
  box.lines.push_back({FormatText(Msg(kMsgTotal), {figures.total}), ""});
  box.lines.push_back({Msg(kMsgScale), ""});
  box.lines.push_back({FormatText(Msg(kMsgDowngrade), {figures.down_norm}), ""});
  if (figures.up_norm != french::kUnreachableNorm) {
    box.lines.push_back({FormatText(Msg(kMsgUpgrade), {figures.up_norm}), ""});
  }
  box.lines.push_back(result);
  AddFrenchRows(facts, figures, box);
  return box;
}

PointsBox BelgianBox(const UTILISATEUR& owner, const SAISON_JOUEUR* season) {
  PointsBox box;
  box.shown = true;
  box.title = Msg(kMsgBelgianTitle);
  box.columns = Columns(true);
  const belgian::SeasonFacts facts = belgian::CollectSeasonFacts(owner, season);
  const belgian::EstimateOutcome outcome = belgian::RunEstimate(facts, nullptr);
  const int32_t trial = outcome.last_trial;

  // The matches that count, down to the first one without a grade, with
  // their points at the grade of the last pass, by kind of event.
  struct Counted {
    const belgian::MatchEntry* entry;
    double points;
  };
  std::vector<Counted> counted;
  double match_points = 0;
  for (const belgian::MatchEntry& entry : facts.entries) {
    if (!belgian::IsGrade(entry.ranking)) break;
    const double points = belgian::MatchPoints(entry, trial);
    match_points += points;
    counted.push_back({&entry, points});
  }
  const int count = static_cast<int>(counted.size());

  struct Bonus {
    int message;
    int per_match;
    int matches;
    int32_t type;
  };
  const Bonus bonuses[] = {
      {kMsgChampionshipGroup, belgian::kChampionshipBonus, facts.championship_matches,
       EPREUVE::kChampionship},
      {kMsgTeamGroup, belgian::kTeamBonus, facts.team_matches, EPREUVE::kTeamEvent},
      {kMsgTournamentGroup, belgian::kTournamentBonus, facts.tournament_matches,
       EPREUVE::kTournament},
  };
  std::vector<PointsLine> bonus_lines;
  int bonus_total = 0;
  for (const Bonus& bonus : bonuses) {
    const int points = bonus.per_match * bonus.matches;
    if (points == 0) continue;
    bonus_total += points;
    bonus_lines.push_back({kIndent + std::string(Msg(bonus.message)), std::to_string(points)});
  }

  box.lines.push_back({CountText(count, kMsgMatchesKept, kMsgOneMatchKept, kMsgNoMatchKept), ""});
  box.lines.push_back({Msg(kMsgMatchPoints), Number(match_points)});
  AddItems(box, kMsgBonus, kMsgNoBonus, kMsgBonusTotal, bonus_lines, std::to_string(bonus_total));
  box.lines.push_back({FormatText(Msg(kMsgDecimalTotal), {match_points + bonus_total}), ""});
  box.lines.push_back({Msg(kMsgScale), ""});
  box.lines.push_back({FormatText(Msg(kMsgDowngrade), {belgian::kDownNorm}), ""});
  box.lines.push_back({FormatText(Msg(kMsgUpgrade), {belgian::kUpNorm}), ""});
  box.lines.push_back({Msg(kMsgProbableResult) + belgian::GradeText(outcome.ranking), ""});

  // Rows under the kind of event they earn a bonus in; the others last.
  const auto type_of = [](const belgian::MatchEntry& entry) {
    const EPREUVE_JOUEE* played = entry.match ? entry.match->GetPlayedEvent() : nullptr;
    return played && played->Event() ? played->Event()->Type() : EPREUVE::kNoType;
  };
  const auto add_rows = [&](int32_t type, int heading) {
    bool headed = heading == 0;
    for (const Counted& c : counted) {
      if (type_of(*c.entry) != type) continue;
      if (!headed) {
        box.rows.push_back({{Msg(heading)}, true});
        headed = true;
      }
      const belgian::MatchTexts texts = belgian::TextsOf(*c.entry);
      box.rows.push_back(
          {{Msg(c.entry->won ? kMsgWon : kMsgLost), texts.first_name + " " + texts.last_name,
            belgian::GradeText(c.entry->ranking), texts.date,
            c.entry->match ? ScoreText(*c.entry->match) : std::string(), texts.event_name,
            Number(c.points)},
           false});
    }
  };
  for (const Bonus& bonus : bonuses)
    add_rows(bonus.type, bonus.message);
  add_rows(EPREUVE::kNoType, 0);
  return box;
}

}  // namespace

std::vector<std::string> PointsBox::TextLines() const {
  std::vector<std::string> texts;
  for (const PointsLine& line : lines)
    if (line.value.empty()) {
      texts.push_back(line.label);
    } else {
      const bool colon = !line.label.empty() && line.label.back() == ':';
      texts.push_back(line.label + (colon ? " " : " : ") + line.value);
    }
  return texts;
}

PointsBox BuildRulesPointsBox(const modern::RulesEstimate& estimate) {
  if (!estimate.scale) return {};
  const modern::Scale& scale = *estimate.scale;
  const modern::RuleFacts& facts = estimate.facts;
  const bool french = CurrentLanguage() == kLanguageFrench;
  const auto echelon = [&facts](int value) { return modern::EchelonText(value, facts.woman); };
  PointsBox box;
  box.shown = true;
  box.title = Msg(kMsgFrenchTitle);
  box.columns = Columns(false);
  const PointsLine result{Msg(kMsgProbableResult) + estimate.result, ""};
  const int at = std::min(estimate.outcome.result, modern::kTopB);
  if (estimate.outcome.first_series) {
    box.lines = {{Msg(kMsgFirstSeries), ""}, result};
    return box;
  }
  const modern::EchelonTrial trial = modern::TryEchelon(scale, facts, at, at);
  const int kept = static_cast<int>(trial.wins.size());
  box.lines.push_back({FormatText(french ? "Règles de %d, bilan à %s" : "Rules of %d, bilan at %s",
                                  {scale.year, echelon(at)}),
                       ""});
  box.lines.push_back(
      {CountText(kept, kMsgVictoriesKept, kMsgOneVictoryKept, kMsgNoVictoryKept), ""});
  box.lines.push_back({Msg(kMsgVictoryPoints), Number(trial.win_points)});
  std::vector<PointsLine> bonuses;
  if (trial.no_defeat_bonus != 0) {
    bonuses.push_back(
        {kIndent + std::string(Msg(kMsgNoSignificantDefeat)), Number(trial.no_defeat_bonus)});
  }
  if (trial.championship_bonus != 0) {
    bonuses.push_back(
        {kIndent + std::string(Msg(kMsgChampionshipVictories)), Number(trial.championship_bonus)});
  }
  if (trial.doubles_bonus != 0) {
    bonuses.push_back({kIndent + std::string(french ? "Victoires en double" : "Doubles wins"),
                       Number(trial.doubles_bonus)});
  }
  AddItems(box, kMsgBonus, kMsgNoBonus, kMsgBonusTotal, bonuses,
           Number(trial.championship_bonus + trial.no_defeat_bonus + trial.doubles_bonus));
  box.lines.push_back({FormatText(Msg(kMsgDecimalTotal), {trial.total}), ""});
  box.lines.push_back({FormatText(french ? "Norme à %s : %d points" : "Norm at %s: %d points",
                                  {echelon(at), trial.norm}),
                       ""});
  box.lines.push_back(result);
  for (const modern::KeptWin& win : trial.wins) {
    const modern::RuleMatch& match = facts.matches[win.match];
    const EPREUVE_JOUEE* played = match.source ? match.source->GetPlayedEvent() : nullptr;
    PointsRow row;
    row.cells = {match.opponent,
                 echelon(modern::OpponentOf(scale, match)),
                 match.date,
                 match.source ? ScoreText(*match.source) : std::string(),
                 played && played->Event() ? played->Event()->Name() : std::string(),
                 Number(win.points)};
    box.rows.push_back(std::move(row));
  }
  return box;
}

PointsBox BuildPointsBox(const SYSTEME_CLASSEMENT& system, const UTILISATEUR& owner,
                         const SAISON_JOUEUR* season) {
  if (!season || !system.CanEstimate()) return {};
  if (system.IsFrench()) return FrenchBox(owner, season);
  if (system.IsBelgian()) return BelgianBox(owner, season);
  return {};
}

}  // namespace scorvane

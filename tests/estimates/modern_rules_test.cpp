// Today's French calculation on seasons written out match by match: the
// two worked examples published with their figures, then one hand-worked
// case per rule, with the figures worked out by hand from the scale files.
#include <gtest/gtest.h>

#include <variant>

#include "estimates/modern/rule_calculation.h"
#include "estimates/modern/scale_library.h"

namespace scorvane::modern {
namespace {

int At(const char* text) {
  return *ParseEchelon(text);
}

Scale Shipped(int year) {
  for (const ShippedScale& shipped : ShippedScales()) {
    if (shipped.year == year) return std::get<Scale>(ParseScale(shipped.text));
  }
  ADD_FAILURE() << "no shipped scale of " << year;
  return {};
}

// A season written as short strings: "W 15/2", "L 30", "WO-W 15", "WO-L 15",
// "C 30" (a championship win), "4G 15" (a win in four-game sets), "D 30 30/1
// 30 30" (a doubles win: own pair, then the beaten pair).
RuleFacts Season(const char* own, const std::vector<const char*>& matches, bool woman = false) {
  RuleFacts facts;
  facts.year = 2019;
  facts.original = At(own);
  facts.woman = woman;
  for (const std::string line : matches) {
    const size_t space = line.find(' ');
    const std::string kind = line.substr(0, space);
    std::string rest = line.substr(space + 1);
    RuleMatch match;
    match.won = kind != "L" && kind != "WO-L";
    match.walkover = kind.rfind("WO", 0) == 0;
    match.championship = kind == "C";
    match.four_games = kind == "4G";
    if (kind == "D") {
      match.doubles = true;
      int echelons[4] = {};
      for (int& echelon : echelons) {
        const size_t end = rest.find(' ');
        echelon = At(rest.substr(0, end).c_str());
        rest = end == std::string::npos ? "" : rest.substr(end + 1);
      }
      match.own_pair = echelons[0] + echelons[1];
      match.opponent_pair = echelons[2] + echelons[3];
    } else {
      match.opponent_start = match.opponent_next = At(rest.c_str());
    }
    facts.matches.push_back(match);
  }
  return facts;
}

TEST(ModernWorkedExamples, FirstExampleStartsAtTwoSixAndKeepsNineVictories) {
  // A man ranked 15 (2018 rules, the 2019 scale here): six wins, the best
  // over a 3/6, and five defeats two échelons or more below 2/6.
  const RuleFacts facts = Season("15", {"W 3/6", "W 4/6", "W 15", "W 15", "W 15/1", "W 15/2",
                                        "L 15/1", "L 15/1", "L 15/2", "L 15/2", "L 15/3"});
  const Scale scale = Shipped(2019);
  const RuleOutcome outcome = Calculate(scale, facts);
  EXPECT_EQ(outcome.start, At("2/6"));
  const EchelonTrial& first = outcome.passes.front().trials.front();
  EXPECT_EQ(first.echelon, At("2/6"));
  EXPECT_EQ(first.v, 6);
  EXPECT_EQ(first.e, 0);
  EXPECT_EQ(first.i, 0);
  EXPECT_EQ(first.g, 5);
  EXPECT_EQ(first.delta, -19);
  EXPECT_EQ(first.extra, 0);
  EXPECT_EQ(first.kept, 9);  // the base of his own 15, not the 10 of 2/6
}

TEST(ModernWorkedExamples, SecondExampleGivesTheBilansOfTheRealTwentyTwentySixSheet) {
  // A man ranked 15 (2026): the kept wins rebuilt from the published points,
  // four doubles wins, and defeats that give the published quotas 11, 10, 9.
  const RuleFacts facts =
      Season("15", {"W 4/6", "W 4/6", "W 15", "W 15", "W 15", "W 15/1", "W 15/1", "W 15/1",
                    "W 15/1", "W 15/1", "W 15/2", "L 15", "L 15", "L 5/6", "D 15 15 15 15",
                    "D 15 15 15 15", "D 15 15 5/6 15", "D 15 15 15 5/6"});
  const RuleOutcome outcome = Calculate(Shipped(2026), facts);
  ASSERT_EQ(outcome.passes.size(), 1u);
  const std::vector<EchelonTrial>& trials = outcome.passes.front().trials;
  ASSERT_EQ(trials.size(), 3u);
  const struct {
    const char* echelon;
    int kept;
    double total;
  } expected[] = {{"4/6", 9, 260}, {"5/6", 10, 390}, {"15", 11, 610}};
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(expected[i].echelon);
    EXPECT_EQ(trials[i].echelon, At(expected[i].echelon));
    EXPECT_EQ(trials[i].kept, expected[i].kept);
    EXPECT_EQ(trials[i].doubles_bonus, 20);
    EXPECT_EQ(trials[i].total, expected[i].total);
  }
  EXPECT_EQ(outcome.result, At("15"));
}

// One échelon tried, each figure read from the trial.
struct TrialCase {
  const char* rule;
  int year;
  const char* own;
  std::vector<const char*> matches;
  const char* tried;
  double expected;
  double (*figure)(const EchelonTrial&);
  bool woman = false;
};

double Championship(const EchelonTrial& t) {
  return t.championship_bonus;
}
double NoDefeat(const EchelonTrial& t) {
  return t.no_defeat_bonus;
}
double Extra(const EchelonTrial& t) {
  return t.extra;
}
double V(const EchelonTrial& t) {
  return t.v;
}
double G(const EchelonTrial& t) {
  return t.g;
}
double WinPoints(const EchelonTrial& t) {
  return t.win_points;
}
double Doubles(const EchelonTrial& t) {
  return t.doubles_bonus;
}
double Held(const EchelonTrial& t) {
  return t.held;
}
double Norm(const EchelonTrial& t) {
  return t.norm;
}

std::vector<const char*> Times(int count, const char* match) {
  return std::vector<const char*>(static_cast<size_t>(count), match);
}
std::vector<const char*> operator+(std::vector<const char*> a, const std::vector<const char*>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(ModernRules, EachRuleGivesItsHandWorkedFigure) {
  const std::vector<TrialCase> cases = {
      {"championship: 15 a win, 3 wins at most", 2019, "30", Times(4, "C 30"), "30", 45,
       Championship},
      {"championship 2026: 25 a win in the 2nd series, 3 up to 0", 2026, "0", Times(6, "C 0"), "0",
       75, Championship},
      {"championship 2026: 5 wins from -2/6", 2026, "0", Times(6, "C 0"), "-2/6", 125,
       Championship},
      {"no defeat, 3rd series", 2019, "15/1", Times(5, "W 15/1"), "15/1", 100, NoDefeat},
      {"no defeat, 2nd series", 2019, "15/1", Times(5, "W 15/1"), "15", 150, NoDefeat},
      {"no defeat, 4th series from 30/2", 2019, "30/2", Times(5, "W 30/2"), "30/2", 50, NoDefeat},
      {"no defeat, not below 30/2", 2019, "30/3", Times(5, "W 30/3"), "30/3", 0, NoDefeat},
      {"no defeat needs 5 matches", 2019, "15/1", Times(4, "W 15/1"), "15/1", 0, NoDefeat},
      {"a defeat at a lower échelon is significant", 2019, "15/1",
       Times(5, "W 15/1") + std::vector<const char*>{"L 15/2"}, "15/1", 0, NoDefeat},
      {"a defeat against a better player is not", 2019, "15/1",
       Times(5, "W 15/1") + std::vector<const char*>{"L 15"}, "15/1", 100, NoDefeat},
      {"two walkover defeats do not cancel it (2019)", 2019, "15/1",
       Times(5, "W 15/1") + Times(2, "WO-L 15/2"), "15/1", 100, NoDefeat},
      {"one walkover defeat cancels it (2026)", 2026, "15/1",
       Times(5, "W 15/1") + Times(1, "WO-L 15/2"), "15/1", 0, NoDefeat},
      {"bands: lowest at -2/6 is -5", 2019, "-2/6", Times(30, "L 1/6"), "-2/6", -5, Extra},
      {"bands: lowest from 15 to 0 is -3", 2019, "15", Times(30, "L 15/2"), "15", -3, Extra},
      {"bands: lowest in the 3rd series is 0", 2019, "30", Times(30, "L 30/2"), "30", 0, Extra},
      {"bands: highest at -2/6 is +7", 2019, "-2/6", Times(45, "W 30"), "-2/6", 7, Extra},
      {"bands: highest from 15 to 0 is +6", 2019, "15", Times(60, "W 30"), "15", 6, Extra},
      {"bands: 4.5 rounds half up to 5 (2019)", 2019, "30/1",
       Times(4, "W 30/1") + Times(1, "4G 30/1"), "30/1", 2, Extra},
      {"bands: 7.5 is read as it is (2026)", 2026, "15", Times(7, "W 15") + Times(1, "4G 15"), "15",
       1, Extra},
      {"a walkover win counts in V", 2019, "30", {"WO-W 30", "W 30"}, "30", 2, V},
      {"a walkover win brings no points", 2019, "30", {"WO-W 30", "W 30"}, "30", 60, WinPoints},
      {"two walkover defeats count nowhere", 2019, "30", Times(2, "WO-L 15"), "30", 0, G},
      {"the third walkover defeat counts in G", 2019, "30", Times(4, "WO-L 15"), "30", 2, G},
      {"a win in four-game sets brings half", 2019, "30", {"4G 30"}, "30", 30, WinPoints},
      // 6 to keep: half a slot for the four-game win over a 30/3, five wins
      // over a 40, and half of the sixth.
      {"the last slot is taken in part", 2019, "30/5",
       std::vector<const char*>{"4G 30/3"} + Times(6, "W 40") + Times(2, "L NC"), "30/5",
       0.5 * 120 + 5 * 30 + 0.5 * 30, WinPoints},
      {"doubles: 5 wins at most, 25 points", 2019, "30", Times(7, "D 30 30 30 30"), "30", 25,
       Doubles},
      {"doubles: a win over a lighter pair counts nothing",
       2019,
       "30",
       {"D 30 30 30/1 30"},
       "30",
       0,
       Doubles},
      {"women's norm at 3/6", 2019, "3/6", Times(8, "W 3/6"), "3/6", 500, Norm, true},
      {"480 does not hold 3/6 for a woman", 2019, "3/6", Times(8, "W 3/6") + Times(1, "L 3/6"),
       "3/6", 0, Held, true},
      {"480 holds 3/6 for a man", 2019, "3/6", Times(8, "W 3/6") + Times(1, "L 3/6"), "3/6", 1,
       Held},
  };
  for (const TrialCase& c : cases) {
    SCOPED_TRACE(c.rule);
    const RuleFacts facts = Season(c.own, c.matches, c.woman);
    const Scale scale = Shipped(c.year);
    EXPECT_EQ(c.figure(TryEchelon(scale, facts, At(c.tried), facts.original)), c.expected);
  }
}

TEST(ModernRules, PassesLimitsAndHarmonisations) {
  const Scale y2019 = Shipped(2019);
  // A 30/1 who beats eight 30: tried from 15/4 (two above, 4th series),
  // holds 15/5 with 8 x 30 + 100 (no defeat) = 340; the second pass, quota
  // from 15/5, agrees.
  RuleOutcome up = Calculate(y2019, Season("30/1", Times(8, "W 30")));
  EXPECT_EQ(up.start, At("15/4"));
  EXPECT_EQ(up.passes.size(), 2u);
  EXPECT_EQ(up.passes[0].trials.back().total, 340);
  EXPECT_EQ(up.result, At("15/5"));

  // A 15 whose two wins are worth nothing: down one échelon, no further.
  RuleOutcome down = Calculate(y2019, Season("15", Times(2, "W 30/1")));
  EXPECT_TRUE(down.passes.back().floored);
  EXPECT_EQ(down.result, At("15/1"));

  // Five walkover defeats: one échelon below the calculated one.
  RuleOutcome walkovers = Calculate(y2019, Season("30", Times(8, "W 30") + Times(5, "WO-L 30")));
  EXPECT_EQ(walkovers.calculated, At("30"));
  EXPECT_EQ(walkovers.result, At("30/1"));

  // 2026: the rise stops at the best échelon beaten.
  RuleOutcome climb = Calculate(Shipped(2026), Season("30/1", Times(12, "W 30")));
  EXPECT_EQ(climb.start, At("30"));
  EXPECT_EQ(climb.result, At("30"));

  // An NC who played becomes 40 (norm 0).
  EXPECT_EQ(Calculate(y2019, Season("NC", {"L 30/5"})).result, At("40"));
}

}  // namespace
}  // namespace scorvane::modern

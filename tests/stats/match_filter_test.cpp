// Guards the statistics' match test: each of the sixteen conditions, the
// period bounded by two dates in either order, the doubles rule for the
// opponent conditions (missing players, birth years and rankings included)
// and the printed lines of the filters in force.
#include "stats/matches/match_filter.h"

#include "stats/matches/match_facts.h"

#include <gtest/gtest.h>

#include <functional>

#include "records/club.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::DocumentBuilder;

class MatchFilterTest : public testing::CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    DocumentBuilder b(Owner());
    b.Season(2001, "15/2");  // the owner: 15/2 (10)
    clay_ = Owner().AddSurface(std::make_unique<SURFACE>("Clay"));
    grass_ = Owner().AddSurface(std::make_unique<SURFACE>("Grass"));
    // Ana: a left-handed woman born 1970, 15/1; Bob: a man born 1990, 30/1;
    // Cid: no birth year, no ranking.
    ana_ = b.Player("Ana", "A", {{2001, "15/1"}});
    ana_->SetSex(JOUEUR::kWoman);
    ana_->SetLeftHanded(true);
    ana_->SetBirthDate(DATE_SIMPLE(1, 1, 1970));
    bob_ = b.Player("Bob", "B", {{2001, "30/1"}});
    bob_->SetBirthDate(DATE_SIMPLE(1, 1, 1990));
    cid_ = b.Player("Cid", "C");

    open_ = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    open_->Event()->SetCorporate(true);
    EPREUVE_JOUEE* team =
        b.Event("Team", EPREUVE::kFriendly, EPREUVE::kTeamEvent, DATE_SIMPLE(10, 6, 2001));
    team->Event()->SetAgeCategory(6);
    Add("won-Ana", b.Singles(open_, ana_, true, "6/4 6/4"), DATE_SIMPLE(3, 5, 2001), clay_, true);
    Add("lost-Bob", b.Singles(open_, bob_, false, "4/6 4/6"), DATE_SIMPLE(4, 5, 2001), grass_,
        false);
    Add("won-Cid", b.Singles(team, cid_, true, "6/0 6/0"), DATE_SIMPLE(10, 6, 2001), nullptr,
        false);
    Add("doubles-Ana-Cid", b.Doubles(team, bob_, ana_, cid_, false, "3/6 3/6"),
        DATE_SIMPLE(11, 6, 2001), clay_, true);
  }

  void Add(const char* name, RENCONTRE* match, const DATE_SIMPLE& date, SURFACE* surface,
           bool indoor) {
    match->SetDate(date);
    match->SetSurface(surface);
    match->SetIndoorCode(indoor ? RENCONTRE::kIndoor : RENCONTRE::kOutdoor);
    names_.emplace_back(match, name);
  }

  // The names of the matches that pass, in the order they were added.
  std::string Passing(const StatisticsFilter& filter) {
    std::string names;
    for (const auto& [match, name] : names_) {
      const MatchFacts facts = GatherFacts({match}, Owner()).front();
      if (PassesFilter(filter, facts)) names += (names.empty() ? "" : " ") + name;
    }
    return names;
  }

  StatisticsFilter Initial() { return StatisticsFilter::Initial(DATE_SIMPLE(15, 6, 2001)); }

  SURFACE* clay_ = nullptr;
  SURFACE* grass_ = nullptr;
  JOUEUR* ana_ = nullptr;
  JOUEUR* bob_ = nullptr;
  JOUEUR* cid_ = nullptr;
  EPREUVE_JOUEE* open_ = nullptr;
  std::vector<std::pair<RENCONTRE*, std::string>> names_;
};

TEST_F(MatchFilterTest, TwoDatesBoundThePeriodInEitherOrderBothIncluded) {
  const struct {
    DATE_SIMPLE first, second;
    const char* passing;
  } cases[] = {
      {DATE_SIMPLE(4, 5, 2001), DATE_SIMPLE(10, 6, 2001), "lost-Bob won-Cid"},
      {DATE_SIMPLE(10, 6, 2001), DATE_SIMPLE(4, 5, 2001), "lost-Bob won-Cid"},
      {DATE_SIMPLE(11, 6, 2001), DATE_SIMPLE(11, 6, 2001), "doubles-Ana-Cid"},
      {DATE_SIMPLE(1, 1, 2002), DATE_SIMPLE(1, 1, 2003), ""},
  };
  for (const auto& c : cases) {
    StatisticsFilter filter = Initial();
    filter.dates_on = true;
    filter.first_date = c.first;
    filter.second_date = c.second;
    EXPECT_EQ(Passing(filter), c.passing) << c.first.Format() << " " << c.second.Format();
  }
}

TEST_F(MatchFilterTest, EachListFilterKeepsOnlyItsMatches) {
  const struct {
    const char* what;
    std::function<void(StatisticsFilter&)> set;
    const char* passing;
  } cases[] = {
      {"nothing", [](StatisticsFilter&) {}, "won-Ana lost-Bob won-Cid doubles-Ana-Cid"},
      {"tournament", [](auto& f) { f.event_type = 1; }, "won-Ana lost-Bob"},
      {"team event", [](auto& f) { f.event_type = 3; }, "won-Cid doubles-Ana-Cid"},
      {"friendly", [](auto& f) { f.homologation = 1; }, "won-Cid doubles-Ana-Cid"},
      {"homologated", [](auto& f) { f.homologation = 2; }, "won-Ana lost-Bob"},
      {"over 35", [](auto& f) { f.age_category = 7; }, "won-Cid doubles-Ana-Cid"},
      {"only singles", [](auto& f) { f.singles_doubles = 1; }, "won-Ana lost-Bob won-Cid"},
      {"only doubles", [](auto& f) { f.singles_doubles = 2; }, "doubles-Ana-Cid"},
      {"corporate", [](auto& f) { f.corporate = 1; }, "won-Ana lost-Bob"},
      {"no corporate", [](auto& f) { f.corporate = 2; }, "won-Cid doubles-Ana-Cid"},
      {"clay", [this](auto& f) { f.surface = clay_; }, "won-Ana doubles-Ana-Cid"},
      {"open", [this](auto& f) { f.event = open_->Event(); }, "won-Ana lost-Bob"},
      {"indoors", [](auto& f) { f.indoor = 1; }, "won-Ana doubles-Ana-Cid"},
      {"outdoors", [](auto& f) { f.indoor = 2; }, "lost-Bob won-Cid"},
      {"won", [](auto& f) { f.won_lost = 1; }, "won-Ana won-Cid"},
      {"lost", [](auto& f) { f.won_lost = 2; }, "lost-Bob doubles-Ana-Cid"},
      {"men", [](auto& f) { f.opponent_sex = 1; }, "lost-Bob won-Cid doubles-Ana-Cid"},
      {"women", [](auto& f) { f.opponent_sex = 2; }, "won-Ana doubles-Ana-Cid"},
      {"left-handed", [](auto& f) { f.handedness = 1; }, "won-Ana doubles-Ana-Cid"},
      {"right-handed", [](auto& f) { f.handedness = 2; }, "lost-Bob won-Cid doubles-Ana-Cid"},
      {"two filters", [](auto& f) { f.won_lost = 1, f.singles_doubles = 2; }, ""},
  };
  for (const auto& c : cases) {
    StatisticsFilter filter = Initial();
    c.set(filter);
    EXPECT_EQ(Passing(filter), c.passing) << c.what;
  }
}

TEST_F(MatchFilterTest, OpponentConditionsFollowTheDoublesRuleAndMissingFactsNeverQualify) {
  // The doubles is against Ana (31 in 2001, 15/1) and Cid (no birth year,
  // no ranking). The owner is 15/2.
  const struct {
    const char* what;
    std::function<void(StatisticsFilter&)> set;
    const char* rule_one;   // one opponent is enough
    const char* rule_both;  // both opponents
  } cases[] = {
      {"aged 25 to 35", [](auto& f) { f.ages_on = true, f.age_min = 25, f.age_max = 35; },
       "won-Ana doubles-Ana-Cid", "won-Ana"},
      {"aged 35 to 0, reversed", [](auto& f) { f.ages_on = true, f.age_min = 35, f.age_max = 0; },
       "won-Ana lost-Bob doubles-Ana-Cid", "won-Ana lost-Bob"},
      {"ranked 15/1 to NC",
       [](auto& f) {
         f.range_on = true, f.range_left = CLASSEMENT(11), f.range_right = CLASSEMENT(0);
       },
       "won-Ana lost-Bob doubles-Ana-Cid", "won-Ana lost-Bob"},
      {"better ranked", [](auto& f) { f.comparison_on = true, f.comparison = 0; },
       "won-Ana doubles-Ana-Cid", "won-Ana"},
      {"worse ranked", [](auto& f) { f.comparison_on = true, f.comparison = 1; }, "lost-Bob",
       "lost-Bob"},
      {"same rank", [](auto& f) { f.comparison_on = true, f.comparison = 2; }, "", ""},
      {"women", [](auto& f) { f.opponent_sex = 2; }, "won-Ana doubles-Ana-Cid", "won-Ana"},
  };
  for (const auto& c : cases) {
    for (const int rule : {0, 1}) {
      StatisticsFilter filter = Initial();
      c.set(filter);
      filter.doubles_rule = rule;
      EXPECT_EQ(Passing(filter), rule == 0 ? c.rule_one : c.rule_both)
          << c.what << " rule " << rule;
    }
  }
}

TEST_F(MatchFilterTest, AMissingDoublesOpponentIsNeverReadAndNeverQualifies) {
  EPREUVE_JOUEE* friendly = DocumentBuilder(Owner()).Event("F", 0, 0, DATE_SIMPLE(1, 6, 2001));
  RENCONTRE_DOUBLE* doubles =
      DocumentBuilder(Owner()).Doubles(friendly, bob_, ana_, nullptr, true, "6/1 6/1");
  StatisticsFilter filter = Initial();
  filter.opponent_sex = 2;
  filter.ages_on = true;
  filter.range_on = true;
  filter.comparison_on = true;
  const MatchFacts facts = GatherFacts({doubles}, Owner()).front();
  EXPECT_TRUE(PassesFilter(filter, facts));
  filter.doubles_rule = 1;
  EXPECT_FALSE(PassesFilter(filter, facts));
}

TEST_F(MatchFilterTest, PrintedLinesNameEveryFilterInForceInOrder) {
  StatisticsFilter filter = Initial();
  EXPECT_TRUE(FilterLines(filter).empty());
  filter.dates_on = true;
  filter.first_date = DATE_SIMPLE(1, 11, 2000);
  filter.event_type = 2;
  filter.homologation = 2;
  filter.age_category = 6;
  filter.singles_doubles = 2;
  filter.corporate = 2;
  filter.surface = grass_;
  filter.event = open_->Event();
  filter.indoor = 1;
  filter.won_lost = 2;
  filter.opponent_sex = 1;
  filter.handedness = 2;
  filter.ages_on = true;
  filter.age_min = 40;
  filter.age_max = 20;
  filter.range_on = true;
  filter.comparison_on = true;
  filter.comparison = 2;
  EXPECT_EQ(FilterLines(filter), (std::vector<std::string>{
                                     "- Matches played between 01/11/2000 and 15/06/2001",
                                     "- Type of event : Championship",
                                     "- Homologation : Homologated competition",
                                     "- Category : Seniors",
                                     "- Only doubles",
                                     "- No corporative match",
                                     "- Matches played on Grass",
                                     "- Event Open",
                                     "- Indoors only",
                                     "- Lost matches",
                                     "- Matches played with men",
                                     "- Matches played with right-handed players",
                                     "- Opponents aged between 40 and 20",
                                     "- Opponents ranked between NC and 1S",
                                     "- Matches played with same ranked opponents",
                                 }));
}

}  // namespace
}  // namespace scorvane

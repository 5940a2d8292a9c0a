// Deleting from the matches page: which lines a selection deletes and the
// question it asks in each of the four cases, that No keeps everything, and
// that Yes removes the matches or the event from every list that held them.
#include "pages/matches/match_deletion.h"

#include <gtest/gtest.h>

#include <optional>

#include "records/palmares.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;
using testing::ScriptedPrompt;
using Answer = ScriptedPrompt::Answer;

class MatchDeletionTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    builder_.emplace(Owner());
    season_ = builder_->Season(2001, "30/1");
    cup_ = builder_->Tournament("Cup", DATE_SIMPLE(3, 5, 2001));
    empty_ = builder_->Tournament("Empty", DATE_SIMPLE(3, 6, 2001));
    one_ = builder_->Tournament("One", DATE_SIMPLE(3, 7, 2001));
    for (const char* name : {"Paul", "Luc", "Marc"})
      cup_matches_.push_back(
          builder_->Singles(cup_, builder_->Player(name, "Martin"), true, "6/0"));
    builder_->Singles(one_, builder_->Player("Anne", "Roux"), false, "0/6");
  }

  SelectedLine Match(int i) { return {cup_matches_[static_cast<size_t>(i)], nullptr}; }
  static SelectedLine Event(EPREUVE_JOUEE* played) { return {nullptr, played}; }
  int SeasonMatches() { return season_->Palmares()->Matches().Count(); }

  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* cup_ = nullptr;
  EPREUVE_JOUEE* empty_ = nullptr;
  EPREUVE_JOUEE* one_ = nullptr;
  std::vector<RENCONTRE*> cup_matches_;
  ScriptedPrompt prompt_;

 private:
  std::optional<DocumentBuilder> builder_;
};

TEST_F(MatchDeletionTest, EachMixOfLinesHasItsPlanAndQuestion) {
  const struct {
    const char* name;
    std::vector<SelectedLine> selection;
    size_t matches;
    EPREUVE_JOUEE* played;
    std::vector<size_t> kept;
    std::string question;
  } cases[] = {
      {"one match",
       {Match(1)},
       1,
       nullptr,
       {0},
       "Attention !!! Destroy the selected match permanently ?"},
      {"several matches",
       {Match(0), Match(2)},
       2,
       nullptr,
       {0, 1},
       "Attention !!! Destroy the selected matches permanently (2 matches) ?"},
      {"matches and events: the events are unselected",
       {Event(cup_), Match(0), Event(empty_), Match(1)},
       2,
       nullptr,
       {1, 3},
       "Attention !!! Destroy the selected matches permanently (2 matches) ?"},
      {"an empty event",
       {Event(empty_)},
       0,
       empty_,
       {0},
       "The selected event, <Empty>, is empty\nDestroy it ?"},
      {"an event with one match",
       {Event(one_)},
       0,
       one_,
       {0},
       "Attention!! The event <One> contains one match\nDo you really want to destroy the event "
       "AND its match permanently ?"},
      {"two events: the first only",
       {Event(cup_), Event(empty_)},
       0,
       cup_,
       {0},
       "Attention!! The event <Cup> contains 3 matches\nDo you really want to destroy the event "
       "AND its matches permanently ?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DeletionPlan plan = PlanDeletion(c.selection);
    EXPECT_EQ(plan.matches.size(), c.matches);
    EXPECT_EQ(plan.played, c.played);
    EXPECT_EQ(plan.kept, c.kept);
    EXPECT_EQ(plan.question, c.question);
  }
  EXPECT_TRUE(PlanDeletion({}).IsEmpty());
}

TEST_F(MatchDeletionTest, NoKeepsEverything) {
  prompt_.Script({Answer::kNo});
  EXPECT_FALSE(CarryOut(PlanDeletion(std::vector{Event(cup_)}), *season_));
  EXPECT_EQ(prompt_.asked.size(), 1u);
  EXPECT_EQ(cup_->Matches().Count(), 3);
  EXPECT_EQ(SeasonMatches(), 4);
  EXPECT_EQ(Owner().Players().Count(), 4);
}

TEST_F(MatchDeletionTest, DeletedMatchesLeaveTheSeasonAndTheirEvent) {
  // Yes to the question, then keep the two players left without a match.
  prompt_.Script({Answer::kYes, Answer::kNo, Answer::kNo});
  EXPECT_TRUE(CarryOut(PlanDeletion(std::vector{Match(0), Match(2)}), *season_));
  EXPECT_EQ(cup_->Matches().Count(), 1);
  EXPECT_EQ(cup_->Matches().Front(), cup_matches_[1]);
  EXPECT_EQ(SeasonMatches(), 2);
  // The page's question only: the players are offered, each match is not asked again.
  ASSERT_EQ(prompt_.asked.size(), 3u);
  EXPECT_EQ(prompt_.asked[1],
            "Player Paul Martin is not implicated in any match, do we destroy him permanently ?");
  EXPECT_EQ(Owner().Players().Count(), 4);
  EXPECT_TRUE(DeletionAskFlags().matches);
  EXPECT_TRUE(Doc().IsModified());
}

TEST_F(MatchDeletionTest, ADeletedEventTakesItsMatchesAndLeavesThePalmares) {
  prompt_.SetFallback(Answer::kYes);
  EXPECT_TRUE(CarryOut(PlanDeletion(std::vector{Event(cup_), Event(one_)}), *season_));
  EXPECT_EQ(SeasonMatches(), 1);
  const List<EPREUVE_JOUEE*>& events = season_->Palmares()->PlayedEvents();
  EXPECT_FALSE(events.Contains(cup_));
  EXPECT_TRUE(events.Contains(one_));
  EXPECT_EQ(Owner().Players().Count(), 1);
  // The event's name stays in the document's list for later seasons.
  EXPECT_EQ(Owner().Events().Count(), 3);

  prompt_.asked.clear();
  EXPECT_TRUE(CarryOut(PlanDeletion(std::vector{Event(empty_)}), *season_));
  EXPECT_EQ(prompt_.asked.size(), 1u);
  EXPECT_EQ(season_->Palmares()->PlayedEvents().Count(), 1);
}

}  // namespace
}  // namespace scorvane

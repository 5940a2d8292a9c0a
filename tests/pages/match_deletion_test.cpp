// Deleting from the matches page beyond the page's own test: the questions
// asked once each, and what a deleted event leaves behind.
#include "pages/matches/match_deletion.h"

#include <gtest/gtest.h>

#include "records/palmares.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::ScriptedPrompt;

class MatchDeletionTest : public testing::CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    testing::DocumentBuilder b(Owner());
    season_ = b.Season(2001, "30/1");
    cup_ = b.Tournament("Cup", DATE_SIMPLE(3, 5, 2001));
    one_ = b.Tournament("One", DATE_SIMPLE(3, 7, 2001));
    first_ = b.Singles(cup_, b.Player("Paul", "Martin"), true, "6/0");
    b.Singles(cup_, b.Player("Luc", "Roux"), true, "6/0");
    b.Singles(one_, b.Player("Anne", "Roux"), false, "0/6");
  }

  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* cup_ = nullptr;
  EPREUVE_JOUEE* one_ = nullptr;
  RENCONTRE* first_ = nullptr;
  ScriptedPrompt prompt_;
};

TEST_F(MatchDeletionTest, AnEventOfOneMatchSaysSo) {
  EXPECT_EQ(PlanDeletion(std::vector<SelectedLine>{{nullptr, one_}}).question,
            "Attention!! The event <One> contains one match\nDo you really want to destroy the "
            "event AND its match permanently ?");
}

TEST_F(MatchDeletionTest, PlayersLeftAloneAreOfferedButMatchesNotAskedTwice) {
  // Yes to the page's question, No to keeping each player.
  prompt_.Script({ScriptedPrompt::Answer::kYes, ScriptedPrompt::Answer::kNo});
  EXPECT_TRUE(
      CarryOut(PlanDeletion(std::vector<SelectedLine>{{first_, nullptr}}), Doc(), *season_));
  EXPECT_EQ(prompt_.asked, (std::vector<std::string>{
                               "Attention !!! Destroy the selected match permanently ?",
                               "Player Paul Martin is not implicated in any match, do we destroy "
                               "him permanently ?"}));
  EXPECT_EQ(cup_->Matches().Count(), 1);
  EXPECT_EQ(season_->Palmares()->Matches().Count(), 2);
  EXPECT_EQ(Owner().Players().Count(), 3);
  EXPECT_TRUE(Owner().DeletionAskFlags().matches);
}

TEST_F(MatchDeletionTest, ADeletedEventLeavesEveryPalmaresButKeepsItsName) {
  SAISON_JOUEUR* next = Owner().AddSeason(2002);
  next->EnsurePalmares().AddPlayedEvent(cup_);
  prompt_.SetFallback(ScriptedPrompt::Answer::kYes);
  EXPECT_TRUE(CarryOut(PlanDeletion(std::vector<SelectedLine>{{nullptr, cup_}}), Doc(), *season_));
  EXPECT_FALSE(season_->Palmares()->PlayedEvents().Contains(cup_));
  EXPECT_FALSE(next->Palmares()->PlayedEvents().Contains(cup_));
  EXPECT_EQ(season_->Palmares()->Matches().Count(), 1);
  EXPECT_EQ(Owner().Events().Count(), 2);
  EXPECT_TRUE(Doc().IsModified());
}

}  // namespace
}  // namespace scorvane

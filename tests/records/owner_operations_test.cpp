// Guards the owner's operations: similar players, the deletion flows and
// their questions (answered by script), friendly matches, batched changes.
#include <gtest/gtest.h>

#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;
using testing::ScriptedPrompt;
using Answer = ScriptedPrompt::Answer;

class OwnerOperationsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    season_ = Builder().Season(2001, "30/2");
    open_ = Builder().Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
  }
  JOUEUR* NewPlayer(const std::string& first, const std::string& last, bool woman = false) {
    JOUEUR* player = Builder().Player(first, last, {{2001, "30/1"}});
    player->SetSex(woman ? JOUEUR::kWoman : JOUEUR::kMan);
    return player;
  }
  int MatchCount() const { return Doc().Info().matches; }
  const PROJECT_DOC& Doc() const { return const_cast<OwnerOperationsTest*>(this)->CoreTest::Doc(); }
  using CoreTest::Doc;

  DocumentBuilder Builder() { return DocumentBuilder(Owner()); }
  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* open_ = nullptr;
};

TEST_F(OwnerOperationsTest, SimilarityFollowsLicenceThenNames) {
  JOUEUR* pierre = NewPlayer("Pierre", "Martin");
  pierre->SetLicence("1234567A");
  struct Case {
    const char *first, *last, *licence;
    bool similar;
  } cases[] = {
      {"Jean", "Durand", "1234567a", true},  // licence decides, whatever the names
      {"Pierre", "Martin", "7654321B", false},
      {"Paul", "Martin", "", false},
      {"", "MARTIN", "", true},
      {"pierre", "martin", "", true},
      {"Pierre", "", "", false},  // first name alone: only players without last name
      {"", "", "", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(pierre->IsSimilar(c.first, c.last, c.licence), c.similar) << c.first << c.last;

  JOUEUR* nameless = NewPlayer("Pierre", "");
  EXPECT_TRUE(nameless->IsSimilar("Anyone", "", ""));
  EXPECT_EQ(Owner().FindSimilarPlayer("Anyone", "", ""), nameless);
  nameless->SetAnonymous(true);
  EXPECT_FALSE(nameless->IsSimilar("Anyone", "", ""));
  EXPECT_EQ(Owner().FindSimilarPlayer("Paul", "Martin", ""), nullptr);
  EXPECT_EQ(Owner().FindSimilarPlayer("", "martin", ""), pierre);
}

// Two documents open at once: each owner gives its own sex to the players
// it meets, marks only its own document modified and keeps its own answers.
TEST_F(OwnerOperationsTest, TwoOpenDocumentsEachKeepToTheirOwnOwner) {
  PROJECT_DOC other;
  other.Owner().SetSex(JOUEUR::kWoman);
  Doc().SetModifiedFlag(false);
  EXPECT_TRUE(other.Owner().NewPlayer()->IsWoman());
  EXPECT_FALSE(Owner().NewPlayer()->IsWoman());

  other.Owner().AddSurface(std::make_unique<SURFACE>("Clay"));
  other.Owner().DeletionAskFlags().matches = false;
  EXPECT_TRUE(other.IsModified());
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_TRUE(Owner().DeletionAskFlags().matches);

  Owner().AddSeason(1999);  // in front of 2001
  Owner().SetActiveSeason(season_);
  EXPECT_TRUE(Doc().IsModified());
  other.DeleteContents();  // the new owner reports to the same document
  other.SetModifiedFlag(false);
  other.Owner().AddSurface(std::make_unique<SURFACE>("Grass"));
  EXPECT_TRUE(other.IsModified());
}

TEST_F(OwnerOperationsTest, DeletingASinglesAsksForTheMatchThenForItsLonePlayer) {
  JOUEUR* paul = NewPlayer("Paul", "Martin");
  JOUEUR* anne = NewPlayer("Anne", "Roux", true);
  RENCONTRE_SIMPLE* first = Builder().Singles(open_, paul, true, "6/4 6/4");
  Builder().Singles(open_, anne, false, "4/6 4/6");
  RENCONTRE_SIMPLE* third = Builder().Singles(open_, anne, true, "6/0 6/0");

  ScriptedPrompt prompt;
  prompt.Script({Answer::kNo});
  EXPECT_FALSE(Owner().DeleteMatch(first, 1));
  EXPECT_EQ(MatchCount(), 3);

  prompt.Script({Answer::kYes, Answer::kYes});
  EXPECT_TRUE(Owner().DeleteMatch(first, 1));
  EXPECT_EQ(MatchCount(), 2);
  EXPECT_EQ(season_->Palmares()->Matches().Count(), 2);
  ASSERT_EQ(prompt.asked.size(), 3u);
  EXPECT_EQ(prompt.asked[1], "Do you really want to destroy the match permanently ?");
  EXPECT_FALSE(prompt.offered_all[1]);
  EXPECT_EQ(prompt.asked[2],
            "Player Paul Martin is not implicated in any match, do we destroy him permanently ?");
  EXPECT_EQ(prompt.styles[2], UserPrompt::Style::kMessageBox);
  EXPECT_FALSE(Owner().Players().Contains(paul));

  // Anne still plays another match: she is not offered for deletion.
  prompt.Script({Answer::kYes});
  EXPECT_TRUE(Owner().DeleteMatch(third, 1));
  EXPECT_EQ(prompt.asked.size(), 4u);
  EXPECT_TRUE(Owner().Players().Contains(anne));
}

// A name that looks like a format is shown as typed.
TEST_F(OwnerOperationsTest, AnsweringNoKeepsThePlayerAndWomenAreAskedAboutHer) {
  JOUEUR* anne = NewPlayer("100%s", "%d", true);
  RENCONTRE_SIMPLE* match = Builder().Singles(open_, anne, true, "6/4 6/4");
  ScriptedPrompt prompt;
  prompt.Script({Answer::kYes, Answer::kNo});
  EXPECT_TRUE(Owner().DeleteMatch(match, 0));
  ASSERT_EQ(prompt.asked.size(), 2u);
  EXPECT_TRUE(prompt.offered_all[0]);
  EXPECT_TRUE(prompt.offered_all[1]);  // flag 0: yes / no / all everywhere
  EXPECT_EQ(prompt.asked[1],
            "Player 100%s %d is not implicated in any match, do we destroy her permanently ?");
  EXPECT_TRUE(Owner().Players().Contains(anne));
}

TEST_F(OwnerOperationsTest, PlayersWithoutAnyNameAndAnonymousOnesGoWithoutAQuestion) {
  JOUEUR* blank = NewPlayer("", "");
  JOUEUR* ghost = NewPlayer("Secret", "Agent");
  ghost->SetAnonymous(true);
  JOUEUR* partner = NewPlayer("Paul", "Martin");
  RENCONTRE_DOUBLE* match = Builder().Doubles(open_, partner, blank, ghost, true, "6/4 6/4");
  ScriptedPrompt prompt;
  prompt.Script({Answer::kYes, Answer::kYes});
  EXPECT_TRUE(Owner().DeleteMatch(match, 1));
  EXPECT_EQ(prompt.asked.size(), 2u);  // the match, then the partner only
  EXPECT_TRUE(prompt.offered_all[1]);  // doubles players: ask mode 0
  EXPECT_EQ(Owner().Players().Count(), 0);
}

TEST_F(OwnerOperationsTest, DeletingASeasonWithYesToAllAsksOnceForEachKind) {
  for (int i = 0; i < 4; ++i)
    Builder().Singles(open_, NewPlayer("P" + std::to_string(i), "N"), true, "6/4 6/4");
  SAISON_JOUEUR* other = Builder().Season(2002, "30/1");
  EPREUVE_JOUEE* later = Builder().Tournament("Later", DATE_SIMPLE(3, 5, 2002));
  Builder().Singles(later, NewPlayer("Kept", "Player"), true, "6/4");

  ScriptedPrompt prompt;
  prompt.Script({Answer::kYesToAll, Answer::kYesToAll});
  Owner().DeleteSeason(season_);
  EXPECT_EQ(prompt.asked.size(), 2u);
  EXPECT_EQ(MatchCount(), 1);
  EXPECT_EQ(Owner().Seasons().Count(), 1);
  EXPECT_EQ(Owner().GetActiveSeason(), other);
  EXPECT_EQ(Owner().Players().Count(), 1);
  EXPECT_FALSE(Owner().DeletionAskFlags().matches);
  EXPECT_FALSE(Owner().DeletionAskFlags().players);

  // The next user action asks again.
  Owner().ResetDeletionAskFlags();
  prompt.Script({Answer::kNo});
  EXPECT_FALSE(Owner().RemoveMatch(other->Palmares()->Matches().Front(), 0));
  EXPECT_EQ(prompt.asked.size(), 3u);
}

TEST_F(OwnerOperationsTest, DestroyingSeveralPlayersAtOnceKeepsTheOthersInTheirOrder) {
  std::vector<JOUEUR*> players;
  for (const char* name : {"A", "B", "C", "D", "E"})
    players.push_back(NewPlayer(name, "N"));
  Doc().SetModifiedFlag(false);
  JOUEUR stranger;  // not in the list: ignored
  ScriptedPrompt prompt;
  EXPECT_EQ(Owner().DestroyPlayers({players[0], players[2], &stranger, players[4]}), 3);
  EXPECT_TRUE(prompt.asked.empty());
  EXPECT_TRUE(Doc().IsModified());
  // Added at the front: the list read D, B.
  EXPECT_EQ(std::vector<JOUEUR*>(Owner().Players().begin(), Owner().Players().end()),
            (std::vector<JOUEUR*>{players[3], players[1]}));
  Doc().SetModifiedFlag(false);
  EXPECT_EQ(Owner().DestroyPlayers({}), 0);
  EXPECT_FALSE(Doc().IsModified());
}

TEST_F(OwnerOperationsTest, TheFriendlyGroupIsFoundOrMadeOnce) {
  EPREUVE* group = Owner().GetFriendlyGroup();
  EXPECT_EQ(group->Name(), "Friendly Matches");
  EXPECT_TRUE(group->IsFriendlyGroup());
  EXPECT_EQ(group->AgeCategory(), 5);
  group->SetName("Amicaux du mardi");
  EXPECT_EQ(Owner().GetFriendlyGroup(), group);
  EXPECT_EQ(Owner().Events().Count(), 2);
}

TEST_F(OwnerOperationsTest, BatchedChangesRefreshTheViewsOnce) {
  int refreshes = 0;
  int titles = 0;
  Doc().on_refresh_views = [&refreshes] { ++refreshes; };
  Doc().on_title_changed = [&titles] { ++titles; };
  Doc().BeginUpdate();
  Doc().BeginUpdate();
  NewPlayer("A", "B");
  NewPlayer("C", "D");
  Doc().EndUpdate();
  EXPECT_EQ(refreshes, 0);
  Doc().EndUpdate();
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(titles, 1);
  EXPECT_TRUE(Doc().IsModified());
  Doc().SetModifiedFlag(false);
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(titles, 2);
  Doc().on_refresh_views = nullptr;
  Doc().on_title_changed = nullptr;
}

}  // namespace
}  // namespace scorvane

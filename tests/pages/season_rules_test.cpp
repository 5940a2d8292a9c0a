// Guards the season dialog's rules: the year it proposes, how the year steps in
// each mode and stops at the bounds, what OK stores under yearly and other
// ranking systems, and deleting the active season with its questions.
#include "pages/common/seasons/season_rules.h"

#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
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

constexpr SeasonDialogMode kNew = SeasonDialogMode::kNew;
constexpr SeasonDialogMode kChange = SeasonDialogMode::kChange;

class SeasonRulesTest : public CoreTest {
 protected:
  // Seasons 1999 (ranking 30/2, comment "first") and 2001 (30/1, "second"),
  // 2001 active.
  void TwoSeasons() {
    DocumentBuilder builder(Owner());
    builder.Season(1999, "30/2")->SetComment("first");
    builder.Season(2001, "30/1")->SetComment("second");
  }
  // `count` singles retained in the active season, one opponent each.
  void Matches(int count) {
    DocumentBuilder builder(Owner());
    EPREUVE_JOUEE* played = builder.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    for (int i = 0; i < count; ++i) {
      builder.Singles(played, builder.Player("Paul", "Martin" + std::to_string(i)), i % 2 == 0,
                      "6/4 6/3");
    }
  }
};

struct StepCase {
  SeasonDialogMode mode;
  int from;
  int step;
  int expected;
  const char* why;
};

TEST_F(SeasonRulesTest, StepsSkipTheYearsThatDoNotFitTheMode) {
  TwoSeasons();
  const StepCase cases[] = {
      {kNew, 2002, -1, 2000, "1999 and 2001 have seasons: new mode skips them"},
      {kNew, 2000, -1, 1998, "down past 1999"},
      {kNew, 2002, +1, 2003, "the next year is free"},
      {kNew, 2000, +1, 2002, "up past 2001"},
      {kChange, 1999, +1, 2001, "change mode goes to the next season"},
      {kChange, 2001, +1, 2001, "no season above: the year stays"},
      {kChange, 2001, -1, 1999, "the previous season"},
      {kChange, 1999, -1, 1999, "no season below: the year stays"},
      {kNew, 2050, +1, 2050, "never above 2050"},
      {kNew, 1950, -1, 1950, "never below 1950"},
      {kNew, 2049, +1, 2050, "2050 itself may be reached"},
      {kNew, 1930, +1, 1931, "a year below the bounds still steps up"},
      {kNew, 2080, -1, 2079, "a year above the bounds still steps down"},
      {kNew, 2080, +1, 2080, "but not further up"},
      {kNew, 2000, 0, 2000, "no step, no change"},
  };
  for (const StepCase& c : cases) {
    EXPECT_EQ(NextFittingYear(Owner(), c.from, c.step, c.mode), c.expected) << c.why;
  }
}

struct ProposalCase {
  const char* why;
  std::vector<int> seasons;
  int passed;
  int expected_year;  // 0: nothing can be proposed
};

TEST_F(SeasonRulesTest, TheNewModeProposesAFreeYear) {
  const ProposalCase cases[] = {
      {"after the latest season", {1999, 2001}, 0, 2002},
      {"no season: this year", {}, 0, 2001},
      {"a passed year without season wins", {1999, 2001}, 1995, 1995},
      {"a passed year with a season is ignored", {1999, 2001}, 1999, 2002},
      {"a passed year is clamped like every year", {1999}, 3000, 2100},
      {"from 2050 the nearest free year below", {2050, 2049}, 0, 2048},
      {"from beyond 2050 too", {2100}, 0, 2050},
  };
  for (const ProposalCase& c : cases) {
    UTILISATEUR owner;
    for (int year : c.seasons)
      owner.AddSeason(year);
    const auto proposal = ProposeNewSeason(owner, c.passed, 2001);
    ASSERT_TRUE(proposal.has_value()) << c.why;
    EXPECT_EQ(proposal->year, c.expected_year) << c.why;
  }
}

// Every year within the bounds taken: no step finds a free year, and
// nothing is proposed.
TEST_F(SeasonRulesTest, NoFreeYearWhenEveryYearUpTo2050IsTaken) {
  for (int year = kFirstSteppedYear; year <= kLastSteppedYear; ++year)
    Owner().AddSeason(year);
  EXPECT_EQ(NextFittingYear(Owner(), 2000, +1, kNew), 2000);
  EXPECT_EQ(NextFittingYear(Owner(), 2000, -1, kNew), 2000);
  EXPECT_EQ(NextFittingYear(Owner(), 2000, +1, kChange), 2001);
  EXPECT_FALSE(ProposeNewSeason(Owner(), 0, 2001).has_value());
  // A free year passed by the opener may still be created.
  const auto passed = ProposeNewSeason(Owner(), 2060, 2001);
  ASSERT_TRUE(passed.has_value());
  EXPECT_EQ(passed->year, 2060);
}

TEST_F(SeasonRulesTest, TheProposedRankingIsTheLatestSeasonsOrTheWorst) {
  EXPECT_EQ(ProposeNewSeason(Owner(), 0, 2001)->ranking, CLASSEMENT::Worst());
  TwoSeasons();
  EXPECT_EQ(ProposeNewSeason(Owner(), 0, 2001)->ranking, DocumentBuilder::Rank("30/1"));
  // Seasons without any ranking history fall back on the worst value.
  Owner().History().Clear();
  EXPECT_EQ(OwnerRankingForYear(Owner(), 2001), CLASSEMENT::Worst());
}

TEST_F(SeasonRulesTest, TheChangeModeOpensOnAnExistingSeasonOnly) {
  EXPECT_FALSE(SeasonYearToChange(Owner(), 0).has_value());
  TwoSeasons();
  EXPECT_EQ(SeasonYearToChange(Owner(), 0), 2001);
  EXPECT_EQ(SeasonYearToChange(Owner(), 1999), 1999);
  EXPECT_FALSE(SeasonYearToChange(Owner(), 2000).has_value());
}

TEST_F(SeasonRulesTest, OkUnderAYearlySystemAddsOrReplacesTheEntryOfFirstJanuary) {
  TwoSeasons();
  int refreshes = 0;
  Doc().on_refresh_views = [&refreshes] { ++refreshes; };
  StoreSeason(Doc(), 2002, DocumentBuilder::Rank("15/5"), "new one");
  Doc().on_refresh_views = nullptr;
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(Owner().GetActiveSeason()->Year(), 2002);
  EXPECT_EQ(Owner().GetActiveSeason()->Comment(), "new one");
  EXPECT_EQ(Owner().History().Count(), 3);
  EXPECT_EQ(Owner().History().RankingForYear(2002), DocumentBuilder::Rank("15/5"));

  // Changing 1999: the entry of 1 January 1999 is replaced, not doubled,
  // and the active season stays.
  StoreSeason(Doc(), 1999, DocumentBuilder::Rank("15"), "changed");
  EXPECT_EQ(Owner().History().Count(), 3);
  EXPECT_EQ(Owner().History().RankingForYear(1999), DocumentBuilder::Rank("15"));
  EXPECT_EQ(Owner().FindSeason(1999)->Comment(), "changed");
  EXPECT_EQ(Owner().GetActiveSeason()->Year(), 2002);
  EXPECT_EQ(Owner().Seasons().Count(), 3);
}

TEST_F(SeasonRulesTest, OkUnderAnotherSystemLeavesTheHistoryAlone) {
  Registry().SetActive(Registry().FindBuiltIn("SWI"));
  ASSERT_FALSE(ActiveSystem().IsYearly());
  StoreSeason(Doc(), 2002, CLASSEMENT(3), "");
  EXPECT_TRUE(Owner().History().IsEmpty());
  EXPECT_TRUE(Owner().HasSeason(2002));
}

TEST_F(SeasonRulesTest, NoRankingIsNeverWrittenIntoTheHistory) {
  // A value the system does not know would make the saved file unreadable.
  StoreSeason(Doc(), 2002, CLASSEMENT(), "");
  StoreSeason(Doc(), 2003, CLASSEMENT(999), "");
  EXPECT_TRUE(Owner().History().IsEmpty());
  EXPECT_TRUE(Owner().HasSeason(2003));
}

TEST_F(SeasonRulesTest, CommentsKeepTheirBytesUnlessEdited) {
  const std::string stored = "line one\r\nline two";
  EXPECT_EQ(CommentForEditing(stored), "line one\nline two");
  EXPECT_EQ(CommentAfterEditing(stored, "line one\nline two"), stored);
  EXPECT_EQ(CommentAfterEditing(stored, "line one\nline 2\n"), "line one\r\nline 2\r\n");
  // Texts stored with bare line breaks stay as they are when untouched.
  EXPECT_EQ(CommentAfterEditing("a\nb", "a\nb"), "a\nb");
  EXPECT_EQ(CommentAfterEditing("", ""), "");
  EXPECT_EQ(CommentAfterEditing("", "new"), "new");
}

TEST_F(SeasonRulesTest, TheDeletionQuestionTellsTheMatchesThatGo) {
  DocumentBuilder builder(Owner());
  SAISON_JOUEUR* empty = builder.Season(2000);
  EXPECT_EQ(DeleteSeasonQuestion(*empty), "Destroy season 2000 permanently (no match recorded) ?");
  builder.Season(2001);
  Matches(12);
  EXPECT_EQ(DeleteSeasonQuestion(*Owner().FindSeason(2001)),
            "Destroy season 2001 permanently (12 matches) ?");
  SetLanguage(kLanguageFrench);
  EXPECT_EQ(DeleteSeasonQuestion(*Owner().FindSeason(2001)),
            "Suppression définitive de la saison 2001 (12 rencontres) ?");
  SetLanguage(kLanguageEnglish);
}

TEST_F(SeasonRulesTest, ASeasonWithMatchesIsDeletedAfterTwoQuestions) {
  TwoSeasons();
  Matches(12);
  ScriptedPrompt prompt;
  prompt.Script({Answer::kYes, Answer::kYes, Answer::kNo});
  prompt.SetFallback(Answer::kYes);
  EXPECT_EQ(DeleteActiveSeason(Doc()), SeasonDeletion::kDeleted);
  ASSERT_GE(prompt.asked.size(), 2u);
  EXPECT_EQ(prompt.asked[0], "Destroy season 2001 permanently (12 matches) ?");
  EXPECT_EQ(prompt.asked[1], "ATTENTION, the matches will be destroyed permanently. Continue ?");
  // No question per match; each player left without a match is offered
  // (the first one kept by the No).
  EXPECT_EQ(prompt.asked.size(), 2u + 12u);
  for (size_t i = 2; i < prompt.asked.size(); ++i)
    EXPECT_NE(prompt.asked[i], "Do you really want to destroy the match permanently ?");
  EXPECT_EQ(Owner().Seasons().Count(), 1);
  EXPECT_EQ(Owner().GetActiveSeason()->Year(), 1999);
  EXPECT_EQ(Owner().Players().Count(), 1);
  EXPECT_TRUE(Owner().DeletionAskFlags().matches);
  EXPECT_TRUE(Owner().DeletionAskFlags().players);
}

// No to the first question, or to the warning after it.
TEST_F(SeasonRulesTest, NoToEitherQuestionLeavesTheSeasonAndItsMatches) {
  TwoSeasons();
  Matches(3);
  Doc().SetModifiedFlag(false);
  for (const bool at_the_warning : {false, true}) {
    ScriptedPrompt prompt;
    if (at_the_warning) {
      prompt.Script({Answer::kYes, Answer::kNo});
    } else {
      prompt.Script({Answer::kNo});
    }
    prompt.SetFallback(Answer::kYes);
    EXPECT_EQ(DeleteActiveSeason(Doc()), SeasonDeletion::kDeclined);
    EXPECT_EQ(prompt.asked.size(), at_the_warning ? 2u : 1u);
    EXPECT_EQ(Owner().Seasons().Count(), 2);
    EXPECT_EQ(RetainedMatchCount(*Owner().FindSeason(2001)), 3);
    EXPECT_EQ(Owner().Players().Count(), 3);
    EXPECT_FALSE(Doc().IsModified());
  }
}

}  // namespace
}  // namespace scorvane

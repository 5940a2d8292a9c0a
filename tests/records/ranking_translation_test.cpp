// Moving a document to another ranking system: values carried by grade name,
// one question per missing grade, all or nothing, numbers kept in range.
#include "records/ranking_translation.h"

#include <gtest/gtest.h>

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

class RankingTranslationTest : public CoreTest {
 protected:
  // A French document: the owner (30/5 in 2000, 30 in 2001), ten players
  // ranked 30/5, one ranked 15 and one NC, a won event whose best loser was
  // 15/1, a won event retained by both seasons whose best loser was 30, and
  // an event not won whose best loser was -15.
  void BuildFrenchDocument() {
    DocumentBuilder b(Owner());
    SAISON_JOUEUR* season_2000 = b.Season(2000, "30/5");
    b.Season(2001, "30");
    for (int i = 0; i < 10; ++i)
      players_.push_back(b.Player("P", std::to_string(i), {{2001, "30/5"}}));
    players_.push_back(b.Player("Fifteen", "Player", {{2000, "NC"}, {2001, "15"}}));
    EPREUVE_JOUEE* won = b.Tournament("Won", DATE_SIMPLE(5, 5, 2001));
    won->SetWon(true);
    won->SetBestRanking(DocumentBuilder::Rank("15/1"));
    straddling_ = b.Tournament("Straddling", DATE_SIMPLE(25, 10, 2000));
    straddling_->SetWon(true);
    straddling_->SetBestRanking(DocumentBuilder::Rank("30"));
    season_2000->EnsurePalmares().AddPlayedEvent(straddling_);
    lost_ = b.Tournament("Lost", DATE_SIMPLE(6, 5, 2001));
    lost_->SetBestRanking(DocumentBuilder::Rank("-15"));
    won_ = won;
    Doc().SetModifiedFlag(false);
  }

  std::string Text(const CLASSEMENT& value) { return value.Text(); }
  std::string OwnerAt(int year) { return Text(Owner().History().RankingForYear(year)); }

  // Systems the tests make active live as long as the fixture (past TearDown).
  SYSTEME_CLASSEMENT ladder_;
  SYSTEME_CLASSEMENT short_ladder_;
  SYSTEME_CLASSEMENT french_copy_;

  std::vector<JOUEUR*> players_;
  EPREUVE_JOUEE* won_ = nullptr;
  EPREUVE_JOUEE* straddling_ = nullptr;
  EPREUVE_JOUEE* lost_ = nullptr;
};

TEST_F(RankingTranslationTest, FrenchToBelgianAsksOncePerMissingGrade) {
  BuildFrenchDocument();
  ScriptedPrompt prompt;
  const int32_t belgian_30_4 = Registry().Belgian().IndexOfGrade("30.4");
  const int32_t belgian_15_2 = Registry().Belgian().IndexOfGrade("15.2");
  prompt.ScriptRankings({belgian_30_4, belgian_15_2});
  Registry().SetPending(&Registry().Belgian());

  ASSERT_TRUE(SwitchToPendingSystem(Doc()));
  // "30/5" once, though eleven histories hold it; then the won event's 15/1.
  EXPECT_EQ(prompt.ranking_questions, (std::vector<std::string>{"30/5", "15/1"}));
  EXPECT_EQ(&ActiveSystem(), &Registry().Belgian());
  EXPECT_EQ(Registry().Pending(), nullptr);
  EXPECT_TRUE(Doc().IsModified());

  EXPECT_EQ(OwnerAt(2000), "30.4");
  EXPECT_EQ(OwnerAt(2001), "30");
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(Text(players_[static_cast<size_t>(i)]->History().RankingForYear(2001)), "30.4");
  EXPECT_EQ(Text(players_[10]->History().RankingForYear(2000)), "NC");
  EXPECT_EQ(Text(players_[10]->History().RankingForYear(2001)), "15");
  EXPECT_EQ(Text(won_->BestRanking()), "15.2");
  // Retained by two seasons, translated once (twice would read "30" as an
  // old value again).
  EXPECT_EQ(Text(straddling_->BestRanking()), "30");
  // Not won: translated as well, so that the document stays readable.
  EXPECT_EQ(Text(lost_->BestRanking()), "-15");

  // Saved and read back under the new system without loss.
  const auto path = Temp() / "belgian.ten";
  ASSERT_TRUE(Doc().Save(path).ok());
  PROJECT_DOC reread;
  ASSERT_TRUE(reread.Read(path).ok());
  EXPECT_EQ(Text(reread.Owner().History().RankingForYear(2000)), "30.4");
}

TEST_F(RankingTranslationTest, CancelChangesNothing) {
  BuildFrenchDocument();
  ScriptedPrompt prompt;
  // The first question is answered, the second cancelled.
  prompt.ScriptRankings({Registry().Belgian().IndexOfGrade("30.4"), -1});
  Registry().SetPending(&Registry().Belgian());

  EXPECT_FALSE(SwitchToPendingSystem(Doc()));
  EXPECT_EQ(prompt.ranking_questions.size(), 2u);
  EXPECT_EQ(&ActiveSystem(), &Registry().French());
  EXPECT_EQ(Registry().Pending(), nullptr);
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_EQ(OwnerAt(2000), "30/5");
  EXPECT_EQ(Text(players_[0]->History().RankingForYear(2001)), "30/5");
  EXPECT_EQ(Text(won_->BestRanking()), "15/1");
  EXPECT_EQ(Text(lost_->BestRanking()), "-15");
}

TEST_F(RankingTranslationTest, AnswerOutsideTheNewSystemCancels) {
  BuildFrenchDocument();
  ScriptedPrompt prompt;
  prompt.ScriptRankings({99});
  Registry().SetPending(&Registry().Belgian());
  EXPECT_FALSE(SwitchToPendingSystem(Doc()));
  EXPECT_EQ(&ActiveSystem(), &Registry().French());
  EXPECT_EQ(OwnerAt(2000), "30/5");
}

TEST_F(RankingTranslationTest, GradesToAtpAndBack) {
  BuildFrenchDocument();
  ScriptedPrompt prompt;
  Registry().SetPending(Registry().FindBuiltIn("ATP"));
  ASSERT_TRUE(SwitchToPendingSystem(Doc()));
  // Grade indexes become positions limited to 1..1400: NC (0) becomes 1.
  EXPECT_TRUE(prompt.ranking_questions.empty());
  EXPECT_EQ(OwnerAt(2000), "1");                                        // 30/5
  EXPECT_EQ(OwnerAt(2001), "6");                                        // 30
  EXPECT_EQ(Text(players_[10]->History().RankingForYear(2000)), "1");   // NC
  EXPECT_EQ(Text(players_[10]->History().RankingForYear(2001)), "12");  // 15
  EXPECT_EQ(Text(won_->BestRanking()), "11");                           // 15/1
  EXPECT_EQ(Text(lost_->BestRanking()), "21");                          // -15

  // Back to French: each distinct number is asked once, in walk order.
  const SYSTEME_CLASSEMENT& french = Registry().French();
  prompt.ScriptRankings({french.IndexOfGrade("30/4"), french.IndexOfGrade("30/1"),
                         french.IndexOfGrade("15/2"), french.IndexOfGrade("15"),
                         french.IndexOfGrade("-4/6")});
  Registry().SetPending(&Registry().French());
  ASSERT_TRUE(SwitchToPendingSystem(Doc()));
  EXPECT_EQ(prompt.ranking_questions, (std::vector<std::string>{"1", "6", "12", "11", "21"}));
  EXPECT_EQ(OwnerAt(2000), "30/4");
  EXPECT_EQ(OwnerAt(2001), "30/1");
  EXPECT_EQ(Text(players_[0]->History().RankingForYear(2001)), "30/4");
  EXPECT_EQ(Text(players_[10]->History().RankingForYear(2001)), "15/2");
  EXPECT_EQ(Text(won_->BestRanking()), "15");
  EXPECT_EQ(Text(straddling_->BestRanking()), "30/1");
  EXPECT_EQ(Text(lost_->BestRanking()), "-4/6");
}

TEST_F(RankingTranslationTest, NumbersAreLimitedToTheNewRange) {
  ladder_.SetScale(1, 50, false);
  Registry().SetActive(&ladder_);
  DocumentBuilder b(Owner());
  b.Season(2001, "40");
  JOUEUR* player = b.Player("A", "B", {{2001, "3"}});

  short_ladder_.SetScale(5, 20, false);
  Registry().SetPending(&short_ladder_);
  ASSERT_TRUE(SwitchToPendingSystem(Doc()));
  EXPECT_EQ(Owner().History().RankingForYear(2001).Value(), 20);  // worse than the worst
  EXPECT_EQ(player->History().RankingForYear(2001).Value(), 5);   // better than the best
}

TEST_F(RankingTranslationTest, IdenticalGradesKeepEveryValueWithoutQuestion) {
  BuildFrenchDocument();
  ScriptedPrompt prompt;
  french_copy_ = Registry().French();
  Registry().SetPending(&french_copy_);
  ASSERT_TRUE(SwitchToPendingSystem(Doc()));
  EXPECT_TRUE(prompt.ranking_questions.empty());
  EXPECT_EQ(&ActiveSystem(), &french_copy_);
  EXPECT_EQ(OwnerAt(2000), "30/5");
  EXPECT_EQ(Text(won_->BestRanking()), "15/1");
}

TEST_F(RankingTranslationTest, NothingPendingIsNoSwitch) {
  EXPECT_FALSE(SwitchToPendingSystem(Doc()));
  EXPECT_EQ(&ActiveSystem(), &Registry().French());
}

}  // namespace
}  // namespace scorvane

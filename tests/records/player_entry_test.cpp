// Entering a player in the core: the licence and birth-year checks, and the
// saving rules that pick the record the values go into (the same player, a
// new record for a changed identity, an existing similar player), with the
// rankings, club and contact details they carry.
#include <gtest/gtest.h>

#include <deque>

#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/player_entry.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

// Answers from a script and keeps what was asked.
class ScriptedQuestions : public PlayerQuestions {
 public:
  std::deque<bool> answers;
  std::vector<std::string> asked;
  bool AskNewPlayer(const JOUEUR& changed) override {
    return Next("new? " + changed.DisplayName());
  }
  bool AskSamePlayer(JOUEUR& existing) override { return Next("same? " + existing.DisplayName()); }

 private:
  bool Next(std::string question) {
    asked.push_back(std::move(question));
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

class PlayerEntryTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    DocumentBuilder b(Owner());
    b.Season(2001, "15/4");
    open_ = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    paul_ = b.Player("Paul", "Martin", {{2001, "30/1"}});
    played_ = b.Singles(open_, paul_, true, "6/4 6/4");
  }
  PlayerSaveContext InMatch(const RENCONTRE* match) {
    return {true, match, RankingDatesFor(2001, DATE_SIMPLE(3, 5, 2001))};
  }
  JOUEUR* Save(PlayerSlot& slot, const PlayerValues& values, const RENCONTRE* match = nullptr) {
    return SavePlayer(Owner(), slot, values, InMatch(match), questions_);
  }
  PlayerValues ValuesOf(const JOUEUR& player) {
    return ValuesOfPlayer(player, RankingDatesFor(2001, DATE_SIMPLE(3, 5, 2001)));
  }

  EPREUVE_JOUEE* open_ = nullptr;
  JOUEUR* paul_ = nullptr;
  RENCONTRE* played_ = nullptr;
  ScriptedQuestions questions_;
};

TEST_F(PlayerEntryTest, LicencesFollowTheFrenchRulesOnly) {
  const struct {
    const char* typed;
    bool french;
    const char* kept;
    int message;
  } cases[] = {
      {"1234567a", true, "1234567A", 0},
      {"1234567AB", true, "1234567A", 0},
      {"12345A7B", true, "", 522},
      {"12345", true, "", 521},
      {"", true, "", 0},
      {"12345", false, "12345", 0},
      {"1234567é", true, "", 522},
      {"%s%n%s%n", true, "", 522},
  };
  for (const auto& c : cases) {
    const FieldCheck check = CheckLicence(c.typed, c.french);
    EXPECT_EQ(check.text, c.kept) << c.typed;
    EXPECT_EQ(check.message, c.message) << c.typed;
  }
}

TEST_F(PlayerEntryTest, BirthYearsAreWrittenWithFourDigits) {
  const struct {
    std::string typed;
    const char* kept;
    int message;
  } cases[] = {
      {"65", "1965", 0}, {"5", "2005", 0}, {"1850", "", 523},   {"", "", 0},
      {"19x5", "", 523}, {"-5", "", 523},  {"2100", "2100", 0}, {std::string(500, '1'), "", 523},
  };
  for (const auto& c : cases) {
    const FieldCheck check = CheckBirthYear(c.typed);
    EXPECT_EQ(check.text, c.kept) << c.typed.substr(0, 10);
    EXPECT_EQ(check.message, c.message) << c.typed.substr(0, 10);
  }
}

TEST_F(PlayerEntryTest, AChangedIdentityOfAPlayerMetElsewhereAsks) {
  // Answered "new player": the other match keeps Paul, this one gets Pierre.
  PlayerSlot slot = PlayerSlot::Of(paul_);
  PlayerValues values = ValuesOf(*paul_);
  values.first_name = "Pierre";
  questions_.answers = {true, false};
  JOUEUR* saved = Save(slot, values);
  EXPECT_NE(saved, paul_);
  EXPECT_EQ(paul_->DisplayName(), "Paul Martin");
  EXPECT_EQ(saved->DisplayName(), "Pierre Martin");
  EXPECT_EQ(questions_.asked, (std::vector<std::string>{"new? Paul Martin"}));

  // Answered "same player": renamed in place.
  slot = PlayerSlot::Of(paul_);
  values.first_name = "Jean";
  questions_.answers = {false};
  EXPECT_EQ(Save(slot, values), paul_);
  EXPECT_EQ(paul_->DisplayName(), "Jean Martin");

  // Met only in this match: no question.
  questions_.asked.clear();
  values.first_name = "Louis";
  EXPECT_EQ(Save(slot, values, played_), paul_);
  EXPECT_TRUE(questions_.asked.empty());

  // Left without identity while met elsewhere: a new record, no question.
  values.first_name = values.last_name = "";
  values.anonymous = true;
  JOUEUR* anonymous = Save(slot, values);
  EXPECT_NE(anonymous, paul_);
  EXPECT_TRUE(anonymous->IsAnonymous());
  EXPECT_TRUE(questions_.asked.empty());
}

TEST_F(PlayerEntryTest, ASimilarNewPlayerIsTheExistingOneOrANewRecord) {
  const int players = Owner().Players().Count();
  const int clubs = Owner().Clubs().Count();
  PlayerSlot slot = PlayerSlot::New(Owner());
  PlayerValues values;
  values.first_name = "paul";
  values.last_name = "MARTIN";
  values.club = "TC Nowhere";
  questions_.answers = {true};
  EXPECT_EQ(Save(slot, values), paul_);
  EXPECT_EQ(Owner().Players().Count(), players);
  EXPECT_EQ(Owner().Clubs().Count(), clubs);  // nothing of the new player is kept
  EXPECT_EQ(paul_->GetRawFirstName(), "Paul");

  questions_.answers = {false};
  JOUEUR* other = Save(slot, values);
  EXPECT_NE(other, paul_);
  EXPECT_EQ(Owner().Players().Count(), players + 1);
  EXPECT_EQ(other->Club()->Name(), "TC Nowhere");
  EXPECT_FALSE(slot.IsNew());
}

TEST_F(PlayerEntryTest, RankingsGoIntoTheHistoryAtTheirDates) {
  paul_->History().Entries().Front()->SetNote("from the club's list");
  PlayerSlot slot = PlayerSlot::Of(paul_);
  PlayerValues values = ValuesOf(*paul_);
  EXPECT_EQ(values.ranking.Text(), "30/1");
  EXPECT_FALSE(values.has_next_ranking);
  values.ranking = DocumentBuilder::Rank("30");
  values.has_next_ranking = true;
  values.next_ranking = DocumentBuilder::Rank("15/5");
  Save(slot, values, played_);
  ASSERT_EQ(paul_->History().Count(), 2);
  EXPECT_EQ(paul_->History().RankingForYear(2001).Text(), "30");
  EXPECT_EQ(paul_->History().Entries().Front()->Note(), "from the club's list");
  EXPECT_EQ(paul_->History().RankingForYear(2002).Text(), "15/5");

  values = ValuesOf(*paul_);
  EXPECT_TRUE(values.has_next_ranking);
  values.has_next_ranking = false;
  Save(slot, values, played_);
  EXPECT_EQ(paul_->History().Count(), 1);
}

// The player form and the owner dialog both name a club by typed text.
TEST_F(PlayerEntryTest, AClubIsFoundByNameOrMadeAndAFullListKeepsTheOldOne) {
  CLUB* lyon = Owner().AddClub(std::make_unique<CLUB>("TC Lyon"));
  CLUB* kept = Owner().AddClub(std::make_unique<CLUB>("Old club"));
  EXPECT_EQ(ClubNamed(Owner(), "  TC Lyon ", kept), lyon);
  EXPECT_EQ(ClubNamed(Owner(), "tc LYON", kept), lyon);
  EXPECT_EQ(ClubNamed(Owner(), " \t ", kept), nullptr);
  CLUB* made = ClubNamed(Owner(), "TC\tNice", kept);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->Name(), "TC Nice");
  EXPECT_EQ(Owner().Clubs().Count(), 3);

  while (Owner().Clubs().Count() < List<CLUB*>::kMaxCount)
    Owner().AddClub(std::make_unique<CLUB>("Filler"));
  EXPECT_EQ(ClubNamed(Owner(), "TC Paris", kept), kept);
  EXPECT_EQ(ClubNamed(Owner(), "TC Nice", kept), made);
  EXPECT_EQ(Owner().Clubs().Count(), List<CLUB*>::kMaxCount);
}

TEST_F(PlayerEntryTest, EveryFieldIsCopied) {
  Owner().AddClub(std::make_unique<CLUB>("TC Lyon"));
  PlayerSlot slot = PlayerSlot::Of(paul_);
  PlayerValues values = ValuesOf(*paul_);
  values.sex = JOUEUR::kWoman;
  values.left_handed = true;
  values.club = "tc lyon";
  values.birth_year = "72";
  values.strengths = "serve\r\nvolley";
  values.contact = ContactValues{"1 rue\tHaute", "Lyon", "01", "02", "06", "p@m.fr"};
  Save(slot, values, played_);
  EXPECT_TRUE(paul_->IsWoman());
  EXPECT_TRUE(paul_->IsLeftHanded());
  EXPECT_EQ(paul_->Club()->Name(), "TC Lyon");
  EXPECT_EQ(paul_->GetBirthYear(), 1972);
  EXPECT_EQ(paul_->StrongPoints(), "serve\nvolley");
  ASSERT_TRUE(paul_->IsContact());
  EXPECT_EQ(paul_->Contact()->address, "1 rue Haute");

  values.contact.reset();
  values.birth_year.clear();
  Save(slot, values, played_);
  EXPECT_FALSE(paul_->IsContact());
  EXPECT_EQ(paul_->GetBirthYear(), 0);
}

}  // namespace
}  // namespace scorvane

// A season's match table: singles and doubles lines, the date, score and
// future-rank rules, the title, and the table of the default columns.
#include "records/match_table.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/palmares.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

namespace col = match_column;

class MatchTableTest : public testing::CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    b_.emplace(Owner());
    season_ = b_->Season(2001, "30/1");
    open_ = b_->Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
  }
  std::string Cell(const RENCONTRE& match, int column, bool french = true) {
    return MatchCellText(match, column, MatchLineContext{2001, french, 7});
  }

  std::optional<testing::DocumentBuilder> b_;
  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* open_ = nullptr;
};

TEST_F(MatchTableTest, ASinglesLineShowsEveryColumn) {
  JOUEUR* anne = b_->Player("Anne", "Martin", {{2001, "15/5"}, {2002, "15/3"}});
  anne->SetLicence("0123456A");
  anne->SetSex(JOUEUR::kWoman);
  anne->SetBirthDate(DATE_SIMPLE(4, 7, 1975));
  anne->SetComment("Lobs");
  anne->SetClub(Owner().AddClub(std::make_unique<CLUB>("TC Lyon")));
  RENCONTRE_SIMPLE* match = b_->Singles(open_, anne, true, "6/4 7/6");
  match->SetSurface(Owner().AddSurface(std::make_unique<SURFACE>("Clay")));
  match->SetComment("Windy");
  const char* expected[] = {
      "7",  "W",       "03/05/2001", "Open de Lyon", "0123456A", "F",    "Anne", "Martin", "75",
      "26", "TC Lyon", "15/5",       "15/3",         "6/4 7/6",  "Clay", "",     "Windy",  "Lobs"};
  for (int column = 0; column < col::kTotal; ++column)
    EXPECT_EQ(Cell(*match, column), expected[column]) << column;
  EXPECT_EQ(Cell(*match, col::kFutureRank, /*french=*/false), "");
}

TEST_F(MatchTableTest, DoublesJoinTheTwoOpponents) {
  JOUEUR* first = b_->Player("Paul", "Martin", {{2001, "15/5"}, {2002, "15/4"}});
  JOUEUR* second = b_->Player("Luc", "Petit", {{2001, "30/2"}});
  first->SetBirthDate(DATE_SIMPLE(1, 1, 1960));
  second->SetBirthDate(DATE_SIMPLE(1, 1, 2005));
  second->SetLicence("99");
  second->SetClub(Owner().AddClub(std::make_unique<CLUB>("TC Lyon")));
  RENCONTRE_DOUBLE* match = b_->Doubles(open_, b_->Player("Ann", "Lee"), first, second, false, "");
  const struct {
    int column;
    const char* text;
  } cases[] = {
      {col::kFirstName, "Paul / Luc"},
      {col::kSurname, "Martin / Petit"},
      {col::kLicence, " / 99"},
      {col::kBirthYear, "60 / 05"},
      // No age for a birth year after the season; the club is a singles column.
      {col::kAge, "41 / "},
      {col::kClub, ""},
      // Rankings are separated by a blank, future ones joined like the rest.
      {col::kRank, "15/5 30/2"},
      {col::kFutureRank, "15/4 / "},
      {col::kOpponentComment, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Cell(*match, c.column), c.text) << c.column;
}

TEST_F(MatchTableTest, ScoresDatesAndFutureRankingsFollowTheirRules) {
  RENCONTRE_SIMPLE* walkover = b_->Singles(open_, nullptr, true, "", 1);
  RENCONTRE_SIMPLE* retired = b_->Singles(open_, nullptr, false, "6/4 2/1");
  retired->Result().SetRetirement(true);
  EXPECT_EQ(Cell(*walkover, col::kScore), "wo");
  EXPECT_EQ(Cell(*retired, col::kScore), "6/4 2/1 res.");

  // Without a year the date is the event's first date, then its second one.
  retired->SetDate(DATE_SIMPLE());
  open_->SetEndDate(DATE_SIMPLE(6, 5, 2001));
  EXPECT_EQ(Cell(*retired, col::kDate), "03/05/2001");
  open_->SetStartDate(DATE_SIMPLE());
  EXPECT_EQ(Cell(*retired, col::kDate), "06/05/2001");

  // The future ranking is the entry of next 1 January only.
  RENCONTRE* later = b_->Singles(open_, b_->Player("B", "B", {{2003, "5/6"}}), true, "6/0");
  RENCONTRE* next = b_->Singles(open_, b_->Player("C", "C", {{2002, "15/1"}}), true, "6/0");
  EXPECT_EQ(Cell(*later, col::kFutureRank), "");
  EXPECT_EQ(Cell(*next, col::kFutureRank), "15/1");
  Registry().SetActive(&Registry().Belgian());
  EXPECT_TRUE(OpponentFutureRanking(*next, 2001).IsNone());

  SetLanguage(kLanguageFrench);
  EXPECT_EQ(Cell(*retired, col::kScore), "6/4 2/1 ab.");
}

TEST_F(MatchTableTest, TheTitleCountsTheSeasonsMatches) {
  EXPECT_EQ(MatchesTitleText(*season_), "Season 2001 matches   ( no match )");
  b_->Singles(open_, nullptr, true, "6/0");
  EXPECT_EQ(MatchesTitleText(*season_), "Season 2001 matches   ( one match only )");
  b_->Singles(open_, nullptr, true, "6/0");
  SetLanguage(kLanguageFrench);
  EXPECT_EQ(MatchesTitleText(*season_), "Palmarès de la saison 2001   ( 2 rencontres )");
}

TEST_F(MatchTableTest, TheTableHoldsTheDefaultColumnsOfEveryLine) {
  b_->Singles(open_, b_->Player("Anne", "Martin", {{2001, "15/5"}, {2002, "15/3"}}), true, "6/4");
  b_->Doubles(open_, b_->Player("Ann", "Lee"), b_->Player("Paul", "Petit"), nullptr, false, "");
  const MatchTable table = BuildMatchTable(*season_);
  EXPECT_EQ(table.caption, "Season 2001 matches   ( 2 matches )");
  EXPECT_EQ(table.titles,
            (std::vector<std::string>{"Count", "Result", "Date", "Event", "First name", "Surname",
                                      "Rank", "Future rank", "Score"}));
  using Row = std::vector<std::string>;
  EXPECT_EQ(table.rows,
            (std::vector<Row>{
                {"1", "W", "03/05/2001", "Open de Lyon", "Anne", "Martin", "15/5", "15/3", "6/4"},
                {"2", "L", "03/05/2001", "Open de Lyon", "Paul / ", "Petit / ", "", "", ""},
            }));
}

}  // namespace
}  // namespace scorvane

// The matches page's cells, title and sort orders: singles and doubles
// lines, the date, score and future-rank rules, and the ranking order in
// which a line without ranking comes first.
#include "pages/matches/match_columns.h"

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

class MatchColumnsTest : public testing::CoreTest {
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

TEST_F(MatchColumnsTest, ASinglesLineShowsEveryColumn) {
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

TEST_F(MatchColumnsTest, DoublesJoinTheTwoOpponents) {
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

TEST_F(MatchColumnsTest, ScoresDatesAndFutureRankingsFollowTheirRules) {
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

TEST_F(MatchColumnsTest, TheTitleCountsTheSeasonsMatches) {
  EXPECT_EQ(MatchesTitleText(*season_), "Season 2001 matches   ( no match )");
  b_->Singles(open_, nullptr, true, "6/0");
  EXPECT_EQ(MatchesTitleText(*season_), "Season 2001 matches   ( one match only )");
  b_->Singles(open_, nullptr, true, "6/0");
  SetLanguage(kLanguageFrench);
  EXPECT_EQ(MatchesTitleText(*season_), "Palmarès de la saison 2001   ( 2 rencontres )");
}

TEST_F(MatchColumnsTest, SortCommandsOrderTheLines) {
  // a: lost in June to a 15/1; b: won in February against an unranked
  // player; c: won in May against a 30/2 who becomes 15/5.
  EPREUVE_JOUEE* june = b_->Tournament("Zulu Cup", DATE_SIMPLE(1, 6, 2001));
  EPREUVE_JOUEE* february = b_->Tournament("Alpha Cup", DATE_SIMPLE(1, 2, 2001));
  RENCONTRE* a = b_->Singles(june, b_->Player("Luc", "martin", {{2001, "15/1"}}), false, "4/6");
  RENCONTRE* b = b_->Singles(february, b_->Player("Paul", "Zidane"), true, "6/1");
  RENCONTRE* c = b_->Singles(
      open_, b_->Player("anne", "Martinez", {{2001, "30/2"}, {2002, "15/5"}}), true, "7/5");
  using Lines = std::vector<RENCONTRE*>;
  // Equal lines keep their order in both directions.
  const struct {
    int column;
    Lines ascending;
    Lines descending;
  } cases[] = {
      {col::kResult, {b, c, a}, {a, b, c}},
      {col::kDate, {b, c, a}, {a, c, b}},
      // No ranking first, then from the weakest ranking to the best.
      {col::kRank, {b, c, a}, {a, c, b}},
      {col::kFutureRank, {a, b, c}, {c, a, b}},
      {col::kEvent, {b, c, a}, {a, c, b}},
      {col::kFirstName, {c, a, b}, {b, a, c}},
      // "martin" begins "Martinez" and so comes after it.
      {col::kSurname, {c, a, b}, {b, a, c}},
  };
  const std::vector<std::uintptr_t> items = {reinterpret_cast<std::uintptr_t>(a),
                                             reinterpret_cast<std::uintptr_t>(b),
                                             reinterpret_cast<std::uintptr_t>(c)};
  const auto sorted = [&](const ListColumnModel& columns) {
    Lines lines;
    for (size_t index : columns.SortedOrder(items, 2001))
      lines.push_back(reinterpret_cast<RENCONTRE*>(items[index]));
    return lines;
  };
  for (const auto& test : cases) {
    ListColumnModel columns = MakeMatchColumns();
    ASSERT_TRUE(columns.MakePrimary(test.column));
    EXPECT_EQ(sorted(columns), test.ascending) << test.column;
    columns.SetDirection(false);
    EXPECT_EQ(sorted(columns), test.descending) << test.column;
  }
  // The line number and the score cannot be sorted on.
  EXPECT_FALSE(MakeMatchColumns().MakePrimary(col::kCount));
  EXPECT_FALSE(MakeMatchColumns().MakePrimary(col::kScore));
}

}  // namespace
}  // namespace scorvane

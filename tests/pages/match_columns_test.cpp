// The matches page's columns: every cell of a singles and a doubles line,
// the date, score and future-rank rules, the title line, the grouping under
// events and the orders of the sort commands.
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

using testing::CoreTest;
using testing::DocumentBuilder;
namespace col = match_column;

class MatchColumnsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    builder_.emplace(Owner());
    season_ = builder_->Season(2001, "30/1");
    open_ = builder_->Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
  }

  DocumentBuilder& B() { return *builder_; }
  std::vector<std::string> Line(const RENCONTRE& match, int line, bool french = true) {
    std::vector<std::string> texts;
    for (int column = 0; column < col::kTotal; ++column)
      texts.push_back(MatchCellText(match, column, MatchLineContext{2001, french, line}));
    return texts;
  }
  // The matches in the order the columns sort them.
  std::vector<RENCONTRE*> Sorted(const ListColumnModel& columns,
                                 const std::vector<RENCONTRE*>& matches) {
    std::vector<std::uintptr_t> items;
    for (RENCONTRE* match : matches)
      items.push_back(reinterpret_cast<std::uintptr_t>(match));
    std::vector<RENCONTRE*> sorted;
    for (size_t index : columns.SortedOrder(items, 2001))
      sorted.push_back(matches[index]);
    return sorted;
  }

  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* open_ = nullptr;

 private:
  std::optional<DocumentBuilder> builder_;
};

TEST_F(MatchColumnsTest, TheColumnsStartAsTheTableSays) {
  const ListColumnModel columns = MakeMatchColumns();
  ASSERT_EQ(columns.Count(), 18);
  const char* titles[] = {
      "Count",       "Result",  "Date",    "Event",   "License",       "Sex",
      "First name",  "Surname", "Year",    "Age",     "Opponent club", "Rank",
      "Future rank", "Score",   "Surface", "Indoors", "Match comment", "Opponent comment"};
  const int widths[] = {28, 53, 60, 118, 62, 37, 76, 90, 43, 36, 62, 60, 60, 65, 60, 51, 123, 98};
  const bool shown[] = {1, 1, 1, 1, 0, 0, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0};
  const bool centred[] = {0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0, 0};
  for (int i = 0; i < 18; ++i) {
    SCOPED_TRACE(i);
    const ListColumn& column = columns.Column(i);
    EXPECT_EQ(column.title, titles[i]);
    EXPECT_EQ(column.width, widths[i]);
    EXPECT_EQ(column.shown, shown[i]);
    EXPECT_EQ(column.alignment == ColumnAlignment::kCentre, centred[i]);
    EXPECT_EQ(column.priority, -1);
    // The line number and the score have no order.
    EXPECT_EQ(column.HasComparisons(), i != col::kCount && i != col::kScore);
  }
  SetLanguage(kLanguageFrench);
  EXPECT_EQ(MakeMatchColumns().Column(col::kFutureRank).title, "Clst futur");
  EXPECT_EQ(MakeMatchColumns().Column(col::kClub).title, "Club adv.");
}

TEST_F(MatchColumnsTest, ASinglesLineShowsEveryColumn) {
  JOUEUR* opponent = B().Player("Anne", "Martin", {{2001, "15/5"}, {2002, "15/3"}});
  opponent->SetLicence("0123456A");
  opponent->SetSex(JOUEUR::kWoman);
  opponent->SetBirthDate(DATE_SIMPLE(4, 7, 1975));
  opponent->SetComment("Left-handed lob");
  opponent->SetClub(Owner().AddClub(std::make_unique<CLUB>("TC Lyon")));
  RENCONTRE_SIMPLE* match = B().Singles(open_, opponent, true, "6/4 7/6");
  match->SetSurface(Owner().AddSurface(std::make_unique<SURFACE>("Clay")));
  match->SetIndoorCode(RENCONTRE::kIndoor);
  match->SetComment("Windy");
  EXPECT_EQ(Line(*match, 7),
            (std::vector<std::string>{"7", "W", "03/05/2001", "Open de Lyon", "0123456A", "F",
                                      "Anne", "Martin", "75", "26", "TC Lyon", "15/5", "15/3",
                                      "6/4 7/6", "Clay", "", "Windy", "Left-handed lob"}));
  // Outside the French system the future ranking is never shown.
  EXPECT_EQ(Line(*match, 7, false)[col::kFutureRank], "");

  JOUEUR* anonymous = B().Player("", "");
  anonymous->SetAnonymous(true);
  RENCONTRE_SIMPLE* lost = B().Singles(open_, anonymous, false, "1/6 1/6");
  EXPECT_EQ(Line(*lost, 1)[col::kResult], "L");
  EXPECT_EQ(Line(*lost, 1)[col::kSurname], "<Anonymous>");
  EXPECT_EQ(Line(*lost, 1)[col::kRank], "");
}

TEST_F(MatchColumnsTest, DoublesJoinTheTwoOpponents) {
  JOUEUR* partner = B().Player("Ann", "Lee", {{2001, "30"}});
  JOUEUR* first = B().Player("Paul", "Martin", {{2001, "15/5"}, {2002, "15/4"}});
  JOUEUR* second = B().Player("Luc", "Petit", {{2001, "30/2"}});
  first->SetBirthDate(DATE_SIMPLE(1, 1, 1960));
  second->SetBirthDate(DATE_SIMPLE(1, 1, 2005));
  second->SetLicence("99");
  second->SetClub(Owner().AddClub(std::make_unique<CLUB>("TC Lyon")));
  RENCONTRE_DOUBLE* match = B().Doubles(open_, partner, first, second, false, "4/6 4/6");
  const std::vector<std::string> line = Line(*match, 2);
  EXPECT_EQ(line[col::kFirstName], "Paul / Luc");
  EXPECT_EQ(line[col::kSurname], "Martin / Petit");
  EXPECT_EQ(line[col::kSex], "M / M");
  EXPECT_EQ(line[col::kLicence], " / 99");
  // A birth year after the season gives no age.
  EXPECT_EQ(line[col::kBirthYear], "60 / 05");
  EXPECT_EQ(line[col::kAge], "41 / ");
  // The club is the singles opponent's only; rankings are separated by a blank.
  EXPECT_EQ(line[col::kClub], "");
  EXPECT_EQ(line[col::kRank], "15/5 30/2");
  EXPECT_EQ(line[col::kFutureRank], "15/4 / ");
  EXPECT_EQ(line[col::kOpponentComment], "");
}

TEST_F(MatchColumnsTest, ScoresShowWalkoversAndRetirements) {
  RENCONTRE_SIMPLE* walkover = B().Singles(open_, nullptr, true, "", 1);
  RENCONTRE_SIMPLE* retired = B().Singles(open_, nullptr, false, "6/4 2/1");
  retired->Result().SetRetirement(true);
  EXPECT_EQ(Line(*walkover, 1)[col::kScore], "wo");
  EXPECT_EQ(Line(*retired, 1)[col::kScore], "6/4 2/1 res.");
  SetLanguage(kLanguageFrench);
  EXPECT_EQ(Line(*retired, 1)[col::kScore], "6/4 2/1 ab.");
  EXPECT_EQ(Line(*retired, 1)[col::kResult], "D");
}

TEST_F(MatchColumnsTest, WithoutAYearTheDateIsTheEventsFirstThenSecondDate) {
  RENCONTRE_SIMPLE* match = B().Singles(open_, nullptr, true, "6/0 6/0");
  match->SetDate(DATE_SIMPLE());
  open_->SetEndDate(DATE_SIMPLE(6, 5, 2001));
  EXPECT_EQ(Line(*match, 1)[col::kDate], "03/05/2001");
  open_->SetStartDate(DATE_SIMPLE());
  EXPECT_EQ(Line(*match, 1)[col::kDate], "06/05/2001");
  open_->SetEndDate(DATE_SIMPLE(31, 2, 2001));
  EXPECT_EQ(Line(*match, 1)[col::kDate], "");
}

TEST_F(MatchColumnsTest, TheFutureRankingIsTheEntryOfNextFirstOfJanuaryOnly) {
  JOUEUR* same_year = B().Player("A", "A", {{2001, "15/5"}});
  JOUEUR* later = B().Player("B", "B", {{2003, "5/6"}});
  JOUEUR* next_year = B().Player("C", "C", {{2001, "15/5"}, {2002, "15/1"}});
  const struct {
    JOUEUR* player;
    const char* future;
  } cases[] = {{same_year, ""}, {later, ""}, {next_year, "15/1"}};
  for (const auto& c : cases) {
    RENCONTRE_SIMPLE* match = B().Singles(open_, c.player, true, "6/0 6/0");
    EXPECT_EQ(Line(*match, 1)[col::kFutureRank], c.future);
  }
  Registry().SetActive(&Registry().Belgian());
  RENCONTRE_SIMPLE* match = B().Singles(open_, next_year, true, "6/0 6/0");
  EXPECT_TRUE(OpponentFutureRanking(*match, 2001).IsNone());
}

TEST_F(MatchColumnsTest, TheTitleCountsTheSeasonsMatches) {
  EXPECT_EQ(MatchesTitleText(*season_), "Season 2001 matches   ( no match )");
  B().Singles(open_, nullptr, true, "6/0 6/0");
  EXPECT_EQ(MatchesTitleText(*season_), "Season 2001 matches   ( one match only )");
  B().Singles(open_, nullptr, true, "6/0 6/0");
  B().Singles(open_, nullptr, true, "6/0 6/0");
  EXPECT_EQ(MatchesTitleText(*season_), "Season 2001 matches   ( 3 matches )");
  SetLanguage(kLanguageFrench);
  EXPECT_EQ(MatchesTitleText(*season_), "Palmarès de la saison 2001   ( 3 rencontres )");
  EXPECT_EQ(MatchesTitleText(SAISON_JOUEUR(1999)),
            "Palmarès de la saison 1999   ( aucune rencontre )");
}

TEST_F(MatchColumnsTest, GroupsFollowTheSeasonsEventsAndKeepEmptyOnes) {
  EPREUVE_JOUEE* empty = B().Tournament("Empty Cup", DATE_SIMPLE(1, 6, 2001));
  EPREUVE_JOUEE* club = B().Tournament("Club", DATE_SIMPLE(1, 7, 2001));
  RENCONTRE* a = B().Singles(club, nullptr, true, "6/0 6/0");
  RENCONTRE* b = B().Singles(open_, nullptr, true, "6/0 6/0");
  RENCONTRE* c = B().Singles(club, nullptr, false, "0/6 0/6");
  const std::vector<MatchGroup> groups = GroupMatchesByEvent(*season_->Palmares());
  ASSERT_EQ(groups.size(), 3u);
  // The palmares lists its events played newest first.
  EXPECT_EQ(groups[0].played, club);
  EXPECT_EQ(groups[0].matches, (std::vector<RENCONTRE*>{a, c}));
  EXPECT_EQ(groups[1].played, empty);
  EXPECT_TRUE(groups[1].matches.empty());
  EXPECT_EQ(groups[2].played, open_);
  EXPECT_EQ(groups[2].matches, (std::vector<RENCONTRE*>{b}));
  EXPECT_EQ(EventLineText(*club), " Club ");
}

TEST_F(MatchColumnsTest, SortCommandsOrderTheLines) {
  // a: lost in June to a 15/1 without future ranking; b: won in February
  // against an unranked player; c: won in May against a 30/2 who becomes 15/5.
  EPREUVE_JOUEE* june = B().Tournament("Zulu Cup", DATE_SIMPLE(1, 6, 2001));
  EPREUVE_JOUEE* february = B().Tournament("Alpha Cup", DATE_SIMPLE(1, 2, 2001));
  RENCONTRE* a = B().Singles(june, B().Player("Luc", "martin", {{2001, "15/1"}}), false, "4/6");
  RENCONTRE* b = B().Singles(february, B().Player("Paul", "Zidane"), true, "6/1");
  RENCONTRE* c = B().Singles(
      open_, B().Player("anne", "Martinez", {{2001, "30/2"}, {2002, "15/5"}}), true, "7/5");
  const std::vector<RENCONTRE*> lines = {a, b, c};
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
  for (const auto& test : cases) {
    SCOPED_TRACE(test.column);
    ListColumnModel columns = MakeMatchColumns();
    ASSERT_TRUE(columns.MakePrimary(test.column));
    EXPECT_EQ(Sorted(columns, lines), test.ascending);
    columns.SetDirection(false);
    EXPECT_EQ(Sorted(columns, lines), test.descending);
  }
}

}  // namespace
}  // namespace scorvane

// Guards the match viewer's texts and orders: the total line with its singular
// and plural words, each cell of singles and doubles (retirements,
// walkovers, missing players, events and dates), and every column's order.
#include "pages/common/matches/match_viewer_rules.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/catalogue/messages.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

class MatchViewerRulesTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    builder_.emplace(Owner());
    builder_->Season(2001, "30/1");
  }

  DocumentBuilder& B() { return *builder_; }

  // The rows' matches in the order ViewerOrder gives.
  static std::vector<const RENCONTRE*> Sorted(const std::vector<const RENCONTRE*>& matches,
                                              ViewerColumn column, bool descending) {
    std::vector<const RENCONTRE*> sorted;
    for (size_t index : ViewerOrder(matches, column, descending))
      sorted.push_back(matches[index]);
    return sorted;
  }

 private:
  std::optional<DocumentBuilder> builder_;
};

TEST_F(MatchViewerRulesTest, TheTotalLineTakesTheSingularUpToOne) {
  const struct {
    int matches, won;
    const char* text;
  } cases[] = {
      {3, 1, "Total : 3 matches  ( 1 match won, 2 matches lost )"},
      {1, 1, "Total : 1 match  ( 1 match won, 0 match lost )"},
      {0, 0, "Total : 0 match  ( 0 match won, 0 match lost )"},
      {4, 2, "Total : 4 matches  ( 2 matches won, 2 matches lost )"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchViewerTotal(c.matches, c.won), c.text);
  SetLanguage(kLanguageFrench);
  EXPECT_EQ(MatchViewerTotal(3, 1), "Total : 3 rencontres  ( 1 victoire, 2 défaites )");
}

TEST_F(MatchViewerRulesTest, SinglesCells) {
  EPREUVE_JOUEE* open = B().Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
  RENCONTRE_SIMPLE* won =
      B().Singles(open, B().Player("Paul", "Martin", {{2001, "15/5"}}), true, "6/4 6/3");
  won->SetSurface(Owner().AddSurface(std::make_unique<SURFACE>("Clay")));
  EXPECT_EQ(ViewerCellText(*won, ViewerColumn::kResult), "W");
  EXPECT_EQ(ViewerCellText(*won, ViewerColumn::kOpponents), "Paul Martin");
  EXPECT_EQ(ViewerCellText(*won, ViewerColumn::kRanking), "15/5");
  EXPECT_EQ(ViewerCellText(*won, ViewerColumn::kDate), "03/05/2001");
  EXPECT_EQ(ViewerCellText(*won, ViewerColumn::kScore), "6/4 6/3");
  EXPECT_EQ(ViewerCellText(*won, ViewerColumn::kEvent), "Open de Lyon");
  EXPECT_EQ(ViewerCellText(*won, ViewerColumn::kSurface), "Clay");

  JOUEUR* anonymous = B().Player("", "");
  anonymous->SetAnonymous(true);
  RENCONTRE_SIMPLE* retired = B().Singles(open, anonymous, false, "6/4 2/1");
  retired->Result().SetRetirement(true);
  EXPECT_EQ(ViewerCellText(*retired, ViewerColumn::kResult), "L");
  EXPECT_EQ(ViewerCellText(*retired, ViewerColumn::kOpponents), "  <Anonymous>");
  EXPECT_EQ(ViewerCellText(*retired, ViewerColumn::kRanking), "");
  EXPECT_EQ(ViewerCellText(*retired, ViewerColumn::kScore), "6/4 2/1 res.");
  EXPECT_EQ(ViewerCellText(*retired, ViewerColumn::kSurface), "");

  RENCONTRE_SIMPLE* walkover = B().Singles(open, nullptr, true, "", 1);
  EXPECT_EQ(ViewerCellText(*walkover, ViewerColumn::kScore), "wo");
  EXPECT_EQ(ViewerCellText(*walkover, ViewerColumn::kOpponents), "");

  SetLanguage(kLanguageFrench);
  EXPECT_EQ(ViewerCellText(*won, ViewerColumn::kResult), "V");
  EXPECT_EQ(ViewerCellText(*retired, ViewerColumn::kResult), "D");
  EXPECT_EQ(ViewerCellText(*retired, ViewerColumn::kScore), "6/4 2/1 ab.");
}

TEST_F(MatchViewerRulesTest, DoublesCellsNeedBothOpponents) {
  EPREUVE_JOUEE* open = B().Tournament("Open", DATE_SIMPLE(3, 5, 2001));
  JOUEUR* partner = B().Player("Ann", "Lee", {{2001, "30"}});
  JOUEUR* first = B().Player("Paul", "Martin", {{2001, "15/5"}});
  JOUEUR* second = B().Player("Luc", "Petit", {{2001, "30/2"}});
  RENCONTRE_DOUBLE* full = B().Doubles(open, partner, first, second, true, "6/2 6/2");
  EXPECT_EQ(ViewerCellText(*full, ViewerColumn::kOpponents), "Paul Martin/Luc Petit");
  EXPECT_EQ(ViewerCellText(*full, ViewerColumn::kRanking), "15/5 30/2");
  RENCONTRE_DOUBLE* half = B().Doubles(open, partner, first, nullptr, true, "6/2 6/2");
  EXPECT_EQ(ViewerCellText(*half, ViewerColumn::kOpponents), "");
  EXPECT_EQ(ViewerCellText(*half, ViewerColumn::kRanking), "15/5");
}

TEST_F(MatchViewerRulesTest, WithoutADateTheEventsDatesAreShown) {
  EPREUVE_JOUEE* open = B().Tournament("Open", DATE_SIMPLE(3, 5, 2001));
  RENCONTRE_SIMPLE* match = B().Singles(open, nullptr, true, "6/0 6/0");
  match->SetDate(DATE_SIMPLE());
  EXPECT_EQ(ViewerCellText(*match, ViewerColumn::kDate), "03/05/2001");
  open->SetStartDate(DATE_SIMPLE());
  open->SetEndDate(DATE_SIMPLE(6, 5, 2001));
  EXPECT_EQ(ViewerCellText(*match, ViewerColumn::kDate), "06/05/2001");
  open->SetEndDate(DATE_SIMPLE());
  EXPECT_EQ(ViewerCellText(*match, ViewerColumn::kDate), " ");

  RENCONTRE_SIMPLE loose(DATE_SIMPLE(), 0, "");
  EXPECT_EQ(ViewerCellText(loose, ViewerColumn::kDate), " ");
  EXPECT_EQ(ViewerCellText(loose, ViewerColumn::kEvent), " ");
}

TEST_F(MatchViewerRulesTest, EachColumnHasItsOrder) {
  EPREUVE_JOUEE* early = B().Tournament("Zulu Cup", DATE_SIMPLE(1, 2, 2001));
  EPREUVE_JOUEE* late = B().Tournament("Alpha Cup", DATE_SIMPLE(1, 6, 2001));
  EPREUVE_JOUEE* same_day = B().Tournament("Beta Cup", DATE_SIMPLE(1, 6, 2001));
  // a: lost to a 15/1 in June (Beta Cup) on Grass; b: won against a 30/2
  // in February; c: won against a 15/5 in June (Alpha Cup) on clay;
  // d: no event, no opponent, played in April.
  RENCONTRE_SIMPLE* a =
      B().Singles(same_day, B().Player("Luc", "Martinez", {{2001, "15/1"}}), false, "4/6 4/6");
  RENCONTRE_SIMPLE* b =
      B().Singles(early, B().Player("Paul", "Zidane", {{2001, "30/2"}}), true, "6/1 6/1");
  RENCONTRE_SIMPLE* c =
      B().Singles(late, B().Player("Anne", "martin", {{2001, "15/5"}}), true, "7/5 6/4");
  RENCONTRE_SIMPLE d(DATE_SIMPLE(10, 4, 2001), 0, "0/6 0/6");
  a->SetSurface(Owner().AddSurface(std::make_unique<SURFACE>("Grass")));
  c->SetSurface(Owner().AddSurface(std::make_unique<SURFACE>("clay")));
  const std::vector<const RENCONTRE*> rows = {a, b, c, &d};
  using Rows = std::vector<const RENCONTRE*>;

  // Lost before won; equal outcomes keep their order.
  EXPECT_EQ(Sorted(rows, ViewerColumn::kResult, false), (Rows{a, &d, b, c}));
  EXPECT_EQ(Sorted(rows, ViewerColumn::kResult, true), (Rows{b, c, a, &d}));
  // Last names without regard to case; "martin" begins "Martinez" and so
  // follows it; no opponent last.
  EXPECT_EQ(Sorted(rows, ViewerColumn::kOpponents, false), (Rows{a, c, b, &d}));
  // The weaker ranking first; no opponent has no ranking.
  EXPECT_EQ(Sorted({a, b, c}, ViewerColumn::kRanking, false), (Rows{b, c, a}));
  EXPECT_EQ(Sorted(rows, ViewerColumn::kDate, false), (Rows{b, &d, a, c}));
  EXPECT_EQ(Sorted(rows, ViewerColumn::kDate, true), (Rows{a, c, &d, b}));
  // Earlier events first, names on the same day, no event last.
  EXPECT_EQ(Sorted(rows, ViewerColumn::kEvent, false), (Rows{b, c, a, &d}));
  // Surface names without regard to case, none last.
  EXPECT_EQ(Sorted(rows, ViewerColumn::kSurface, false), (Rows{c, a, b, &d}));
  // The score column leaves the rows as they are, in both directions.
  EXPECT_FALSE(ViewerColumnSorts(ViewerColumn::kScore));
  EXPECT_EQ(Sorted(rows, ViewerColumn::kScore, false), rows);
  EXPECT_EQ(Sorted(rows, ViewerColumn::kScore, true), rows);
}

}  // namespace
}  // namespace scorvane

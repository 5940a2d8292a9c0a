// The plain rules of the entry dialogs: the new-match chooser's cells and
// order (dates as calendar dates), and the player dialog's count and best
// ranking lines in both languages.
#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "pages/common/matches/event_chooser_rules.h"
#include "pages/common/players/player_dialog_rules.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

class EntryRulesTest : public CoreTest {};

TEST_F(EntryRulesTest, ChooserSortsByAnyColumnAndShowsTheNameBetweenBlanks) {
  DocumentBuilder b(Owner());
  b.Season(2001);
  // Start dates that a text order would put wrong: 9 before 10, December
  // before January of the next year.
  EPREUVE_JOUEE* b_event = b.Tournament("b Open", DATE_SIMPLE(9, 2, 2001));
  EPREUVE_JOUEE* a_event = b.Tournament("A Open", DATE_SIMPLE(10, 2, 2001));
  EPREUVE_JOUEE* c_event = b.Tournament("C Open", DATE_SIMPLE(20, 12, 2000));
  a_event->SetEndDate(DATE_SIMPLE(1, 3, 2001));
  EXPECT_EQ(ChooserCellText(*a_event, ChooserColumn::kEvent), " A Open ");
  EXPECT_EQ(ChooserCellText(*a_event, ChooserColumn::kStart), "10/02/2001");
  EXPECT_EQ(ChooserCellText(*a_event, ChooserColumn::kEnd), "01/03/2001");

  const struct {
    ChooserColumn column;
    bool descending;
    std::vector<EPREUVE_JOUEE*> order;
  } cases[] = {
      {ChooserColumn::kStart, false, {c_event, b_event, a_event}},
      {ChooserColumn::kStart, true, {a_event, b_event, c_event}},
      {ChooserColumn::kEvent, false, {a_event, b_event, c_event}},  // case ignored
      {ChooserColumn::kEnd, false, {c_event, b_event, a_event}},
  };
  for (const auto& c : cases) {
    std::vector<EPREUVE_JOUEE*> events = {a_event, b_event, c_event};
    SortChooserEvents(events, c.column, c.descending);
    EXPECT_EQ(events, c.order) << static_cast<int>(c.column) << c.descending;
  }
}

TEST_F(EntryRulesTest, PlayerDialogLines) {
  const struct {
    int count;
    bool woman;
    bool french;
    const char* line;
  } cases[] = {
      {0, false, false, "No match played with this player"},
      {1, true, false, "Only one match was played with this player"},
      {12, false, false, "12 matches were played with this player"},
      {1, true, true, "Une seule rencontre a été disputée avec cette joueuse"},
      {0, false, true, "Aucune rencontre n'a été disputée avec ce joueur"},
  };
  for (const auto& c : cases) {
    SetLanguage(c.french ? kLanguageFrench : kLanguageEnglish);
    EXPECT_EQ(MatchCountLine(c.count, c.woman), c.line);
  }
  SetLanguage(kLanguageEnglish);

  HISTORIQUE_CLASSEMENTS history;
  EXPECT_EQ(BestRankingLine(history, true), "");
  history.Add(DocumentBuilder::Rank("30/1"), DATE_SIMPLE(1, 1, 1999), "");
  history.Add(DocumentBuilder::Rank("15/4"), DATE_SIMPLE(1, 1, 2000), "");
  history.Add(DocumentBuilder::Rank("30"), DATE_SIMPLE(1, 1, 2001), "");
  EXPECT_EQ(BestRankingLine(history, true), "Best rank reached: 15/4 (2000)");
  EXPECT_EQ(BestRankingLine(history, false), "Best rank reached: 15/4 (01/01/2000)");
}

}  // namespace
}  // namespace scorvane

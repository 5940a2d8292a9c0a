// Renaming an event's played instance never makes its money count twice:
// the played event moves (or its event is renamed), and a full list leaves
// the document as it was.
#include <gtest/gtest.h>

#include "records/event_entry.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "tests/support/finance_document.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;

class EventRenameTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    d_ = testing::BuildFinanceDocument(Owner());
  }
  // The season's gains and expenses, in francs.
  std::pair<float, float> Totals() const {
    return {d_.season->GetGains().Get(), d_.season->GetExpenses().Get()};
  }
  EventEntry Renamed(EPREUVE_JOUEE* played, const std::string& name) const {
    EventEntry entry{nullptr, played, ValuesOfPlayed(*played)};
    entry.values.name = name;
    return entry;
  }
  testing::FinanceDocument d_;
};

TEST_F(EventRenameTest, TheOnlyParticipationRenamesItsEvent) {
  const auto before = Totals();
  EXPECT_EQ(before, std::make_pair(800.0f, 325.0f));
  const int events = Owner().Events().Count();
  EXPECT_EQ(StoreEventEntry(Owner(), Renamed(d_.lyon, "Open du Rhône"), d_.season), d_.lyon);
  EXPECT_EQ(d_.lyon->Event()->Name(), "Open du Rhône");
  EXPECT_EQ(Owner().Events().Count(), events);
  EXPECT_EQ(Totals(), before);
}

TEST_F(EventRenameTest, AParticipationOfAnEventPlayedElsewhereMovesToTheNewName) {
  EPREUVE* lyon = d_.lyon->Event();
  EPREUVE_JOUEE* earlier = lyon->AddPlayed(DATE_SIMPLE(3, 5, 1999), DATE_SIMPLE(4, 5, 1999));
  const auto before = Totals();
  const int events = Owner().Events().Count();
  const int matches = d_.lyon->Matches().Count();
  EXPECT_EQ(StoreEventEntry(Owner(), Renamed(d_.lyon, "Opal"), d_.season), d_.lyon);
  EXPECT_EQ(d_.lyon->Event()->Name(), "Opal");
  EXPECT_EQ(d_.lyon->Matches().Count(), matches);
  EXPECT_EQ(lyon->Name(), "Open de Lyon");
  ASSERT_EQ(lyon->Played().Count(), 1);
  EXPECT_EQ(lyon->Played().Front(), earlier);
  EXPECT_EQ(Owner().Events().Count(), events + 1);
  EXPECT_EQ(Totals(), before);

  // Moved on to an existing event, it leaves "Opal" empty, and "Opal" goes.
  EventEntry to_caen{d_.caen->Event(), d_.lyon, ValuesOfPlayed(*d_.lyon)};
  EXPECT_EQ(StoreEventEntry(Owner(), to_caen, d_.season), d_.lyon);
  EXPECT_EQ(d_.lyon->Event(), d_.caen->Event());
  EXPECT_EQ(Owner().Events().Count(), events);  // "Opal" emptied and gone
  EXPECT_EQ(Totals(), before);
}

TEST_F(EventRenameTest, AFullListOfEventsChangesNothing) {
  EPREUVE* lyon = d_.lyon->Event();
  lyon->AddPlayed(DATE_SIMPLE(3, 5, 1999), DATE_SIMPLE(4, 5, 1999));
  while (Owner().Events().Count() < List<EPREUVE*>::kMaxCount)
    Owner().AddEvent(std::make_unique<EPREUVE>("filler"));
  EXPECT_THROW(StoreEventEntry(Owner(), Renamed(d_.lyon, "Opal"), d_.season), ListFullError);
  EXPECT_EQ(d_.lyon->Event(), lyon);
  EXPECT_EQ(lyon->Name(), "Open de Lyon");
  EventEntry fresh{nullptr, nullptr, NewEventValues(2001, Today())};
  fresh.values.name = "Opal";
  EXPECT_THROW(StoreEventEntry(Owner(), fresh, d_.season), ListFullError);
  EXPECT_EQ(Owner().Events().Count(), List<EPREUVE*>::kMaxCount);
  EXPECT_EQ(Totals(), std::make_pair(800.0f, 325.0f));
}

}  // namespace
}  // namespace scorvane

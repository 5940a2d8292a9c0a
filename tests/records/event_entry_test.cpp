// Entering an event in the core: the amount fields' rewriting, the start
// date's year, the values an event brings, finding an event by name, and
// the driver that makes or updates the records with amounts in francs.
#include <gtest/gtest.h>

#include "base/currency.h"
#include "records/event_entry.h"
#include "records/owner.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

class EventEntryTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    DocumentBuilder(Owner()).Season(2001, "15/4");
  }
};

TEST_F(EventEntryTest, AmountsInRangeAreRewrittenAndTheOthersKeptForTheCheck) {
  const std::string nines(500, '9');
  const struct {
    std::string typed;
    const char* shown;
    AmountProblem problem;
  } cases[] = {
      {"12,5", "12.50", AmountProblem::kNone},
      {"30", "30", AmountProblem::kNone},
      {"1 500,50", "1500.50", AmountProblem::kNone},
      {"9999.99", "9999.99", AmountProblem::kNone},
      {"", "0", AmountProblem::kNone},
      {"-0", "0", AmountProblem::kNone},
      {"-3", "-3", AmountProblem::kNegative},
      {"20000", "20000", AmountProblem::kTooLarge},
      {nines, nines.c_str(), AmountProblem::kTooLarge},
      {"0,004", "0,004", AmountProblem::kNotANumber},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RewriteAmountText(c.typed), c.shown) << c.typed.substr(0, 20);
    EXPECT_EQ(ReadEventAmount(c.typed).problem, c.problem) << c.typed.substr(0, 20);
  }
  // The check names the first amount the dialog cannot take.
  EventValues values = NewEventValues(2001, Today());
  values.entry_fee.text = "20000";
  values.travel.text = "0,004";
  const EventAmountCheck check = CheckEventAmounts(values);
  EXPECT_EQ(check.field, 1);
  EXPECT_EQ(check.problem, AmountProblem::kTooLarge);
}

TEST_F(EventEntryTest, APeriodFarFromItsSeasonIsTold) {
  const struct {
    DATE_SIMPLE start, end;
    bool strays;
  } cases[] = {
      {DATE_SIMPLE(1, 1, 2001), DATE_SIMPLE(23, 1, 2003), true},
      {DATE_SIMPLE(1, 1, 2001), DATE_SIMPLE(31, 10, 2002), false},
      {DATE_SIMPLE(25, 10, 2001), DATE_SIMPLE(5, 11, 2001), false},
      {DATE_SIMPLE(31, 10, 1999), DATE_SIMPLE(5, 1, 2000), true},
      {DATE_SIMPLE(1, 11, 1999), DATE_SIMPLE(5, 1, 2000), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PeriodStraysFromSeason(c.start, c.end, 2001), c.strays) << c.end.Format();
}

TEST_F(EventEntryTest, StartDateStaysInTheSeasonYearOrTheYearBefore) {
  EXPECT_EQ(StartDateInSeason(DATE_SIMPLE(12, 11, 2000), 2001), DATE_SIMPLE(12, 11, 2000));
  EXPECT_EQ(StartDateInSeason(DATE_SIMPLE(12, 3, 2001), 2001), DATE_SIMPLE(12, 3, 2001));
  EXPECT_EQ(StartDateInSeason(DATE_SIMPLE(12, 3, 1999), 2001), DATE_SIMPLE(12, 3, 2001));
  EXPECT_EQ(StartDateInSeason(DATE_SIMPLE(29, 2, 2004), 2001), DATE_SIMPLE(28, 2, 2001));
}

TEST_F(EventEntryTest, AnEventBringsItsPlayedEventOrItsLatestPeriod) {
  auto* open = Owner().AddEvent(std::make_unique<EPREUVE>("Open de Lyon"));
  open->SetType(EPREUVE::kTournament);
  open->SetCorporate(true);
  open->AddPlayed(DATE_SIMPLE(2, 5, 1998), DATE_SIMPLE(5, 5, 1998));
  open->AddPlayed(DATE_SIMPLE(28, 12, 1999), DATE_SIMPLE(2, 1, 2000));
  EPREUVE_JOUEE* played = nullptr;
  EventValues values = ValuesOfEvent(*open, 2001, &played);
  EXPECT_EQ(played, nullptr);
  EXPECT_EQ(values.type, EPREUVE::kTournament);
  EXPECT_TRUE(values.corporate);
  // December's start belongs to the season: it moves to December 2000.
  EXPECT_EQ(values.start, DATE_SIMPLE(28, 12, 2000));
  EXPECT_EQ(values.end, DATE_SIMPLE(2, 1, 2001));

  EPREUVE_JOUEE* in_season = open->AddPlayed(DATE_SIMPLE(3, 5, 2001), DATE_SIMPLE(6, 5, 2001));
  in_season->SetPrizes("a racket");
  values = ValuesOfEvent(*open, 2001, &played);
  EXPECT_EQ(played, in_season);
  EXPECT_EQ(values.prizes, "a racket");
  EXPECT_EQ(values.end, DATE_SIMPLE(6, 5, 2001));
}

TEST_F(EventEntryTest, NamesAreFoundWholeWithoutRegardToCase) {
  Owner().AddEvent(std::make_unique<EPREUVE>("Open"));
  Owner().AddEvent(std::make_unique<EPREUVE>("Open de Lyon"));
  EXPECT_EQ(FindEventByName(Owner(), " open "), Owner().Events().At(1));
  EXPECT_EQ(FindEventByName(Owner(), "open de"), nullptr);
  EXPECT_EQ(FindEventByName(Owner(), ""), nullptr);
}

TEST_F(EventEntryTest, TheDriverMakesTheRecordsAndStoresFrancs) {
  Currency::SetCurrent(Currency::kEuros);
  EventEntry entry;
  entry.values = NewEventValues(2001, Today());
  entry.values.name = " Open de Nice ";
  entry.values.type = EPREUVE::kTournament;
  entry.values.start = DATE_SIMPLE(3, 6, 2001);
  entry.values.end = DATE_SIMPLE(1, 6, 2001);
  entry.values.entry_fee.text = "100";
  entry.values.prize_money.text = "12.50";
  EPREUVE_JOUEE* played = StoreEventEntry(Owner(), entry);
  ASSERT_EQ(Owner().Events().Front(), played->Event());
  EXPECT_EQ(played->Event()->Name(), "Open de Nice");
  EXPECT_EQ(played->Event()->Type(), EPREUVE::kTournament);
  EXPECT_EQ(played->EndDate(), DATE_SIMPLE(3, 6, 2001));  // raised to the start
  EXPECT_FLOAT_EQ(played->EntryFee().Get(), 100.0f / 0.15244902f);
  EXPECT_FLOAT_EQ(played->TravelExpenses().Get(), 0.0f);

  // Reopened in euros, an amount left alone keeps its francs to the last
  // digit, while the one typed again is converted.
  played->SetTravelExpenses(SOMME(123.45f));
  EventEntry again{played->Event(), played, ValuesOfPlayed(*played)};
  EXPECT_EQ(again.values.travel.text, "18.82");
  again.values.entry_fee.text = "50";
  EXPECT_EQ(StoreEventEntry(Owner(), again), played);
  EXPECT_FLOAT_EQ(played->TravelExpenses().Get(), 123.45f);
  EXPECT_FLOAT_EQ(played->EntryFee().Get(), 50.0f / 0.15244902f);
  EXPECT_EQ(played->Event()->Played().Count(), 1);
}

}  // namespace
}  // namespace scorvane

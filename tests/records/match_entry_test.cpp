// Entering a match in the core: what a new match starts with, the OK
// button's checks, walk-over kinds, the event a match goes into (friendly
// matches made only when the match is stored) and the storing itself,
// including a change between singles and doubles.
#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/match_entry.h"
#include "records/match_event_choice.h"
#include "records/palmares.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

class MatchEntryTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    season_ = Builder().Season(2001, "15/4");
    open_ = Builder().Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
    paul_ = Builder().Player("Paul", "Martin", {{2001, "30/1"}});
  }
  DocumentBuilder Builder() { return DocumentBuilder(Owner()); }
  std::vector<const RENCONTRE*> MatchesOf(const EPREUVE_JOUEE* played) {
    return {played->Matches().begin(), played->Matches().end()};
  }

  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* open_ = nullptr;
  JOUEUR* paul_ = nullptr;
};

TEST_F(MatchEntryTest, NewMatchIsDatedAtTheEventOrTodayWithinThePeriod) {
  const struct {
    bool with_event;
    DATE_SIMPLE today;
    DATE_SIMPLE expected;
  } cases[] = {
      {true, DATE_SIMPLE(15, 6, 2001), DATE_SIMPLE(3, 5, 2001)},
      {false, DATE_SIMPLE(15, 6, 2001), DATE_SIMPLE(15, 6, 2001)},
      {false, DATE_SIMPLE(15, 6, 2003), DATE_SIMPLE(1, 1, 2001)},
  };
  for (const auto& c : cases) {
    const MatchEventChoice choice =
        c.with_event ? MatchEventChoice::Played(open_) : MatchEventChoice();
    EXPECT_EQ(NewMatchValues(choice, 2001, c.today).date, c.expected) << c.with_event;
  }
  // A date outside the event's period moves to its start.
  const DATE_SIMPLE start(3, 5, 2001), end(6, 5, 2001);
  EXPECT_EQ(DateWithinPeriod(DATE_SIMPLE(4, 5, 2001), start, end), DATE_SIMPLE(4, 5, 2001));
  EXPECT_EQ(DateWithinPeriod(DATE_SIMPLE(6, 5, 2001), start, end), DATE_SIMPLE(6, 5, 2001));
  EXPECT_EQ(DateWithinPeriod(DATE_SIMPLE(10, 3, 1999), start, end), start);
  EXPECT_EQ(DateWithinPeriod(DATE_SIMPLE(7, 5, 2001), start, end), start);
}

TEST_F(MatchEntryTest, NewMatchTakesTheCourtOfTheEventsMatches) {
  RENCONTRE* first = Builder().Singles(open_, paul_, true, "6/4 6/4");
  first->SetPlace("Lyon, court 3");
  RENCONTRE* second = Builder().Singles(open_, paul_, true, "6/4 6/4");
  SURFACE* clay = Owner().AddSurface(std::make_unique<SURFACE>("Clay"));
  second->SetSurface(clay);
  second->SetIndoorCode(RENCONTRE::kIndoor);
  const MatchValues values =
      NewMatchValues(MatchEventChoice::Played(open_), 2001, DATE_SIMPLE(15, 6, 2001));
  EXPECT_EQ(values.surface, "Clay");
  EXPECT_TRUE(values.indoor);
  EXPECT_EQ(values.place, "Lyon, court 3");
}

TEST_F(MatchEntryTest, TemporaryOpponentHoldsTheOwnersRankingOfTheSeason) {
  Owner().History().Add(DocumentBuilder::Rank("15/2"), DATE_SIMPLE(1, 1, 2002), "");
  PlayerSlot yearly = TemporaryPlayer(Owner(), 2001, DATE_SIMPLE(20, 11, 2000));
  ASSERT_EQ(yearly.player->History().Count(), 1);
  EXPECT_EQ(yearly.player->History().Entries().Front()->Date(), DATE_SIMPLE(1, 1, 2001));
  EXPECT_EQ(yearly.player->History().RankingForYear(2001).Text(), "15/4");
  EXPECT_TRUE(yearly.IsNew());
  EXPECT_FALSE(Owner().Players().Contains(yearly.player));

  Registry().SetActive(Registry().BuiltIns()[6]);  // ATP: dated rankings
  Owner().History().Clear();
  Owner().History().Add(CLASSEMENT(250), DATE_SIMPLE(1, 1, 2001), "");
  PlayerSlot dated = TemporaryPlayer(Owner(), 2001, DATE_SIMPLE(20, 5, 2001));
  EXPECT_EQ(dated.player->History().Entries().Front()->Date(), DATE_SIMPLE(20, 5, 2001));
  EXPECT_EQ(dated.player->History().Entries().Front()->Ranking().Value(), 250);
}

TEST_F(MatchEntryTest, WalkoverKindFollowsTheSystemsBoxesThenTheScore) {
  const struct {
    bool belgian, excused, not_excused, hidden;
    const char* score;
    int32_t kind;
  } cases[] = {
      {true, true, true, false, "", 2},          {true, false, true, false, "6/4", 1},
      {true, false, false, true, "6/4", 0},  // the hidden box counts only elsewhere
      {false, true, true, false, "6/4", 0},      {false, false, false, true, "", 1},
      {false, false, false, false, "w.o.", 1},   {true, false, false, false, "W/O (injury)", 1},
      {false, false, false, false, "wo 6/4", 0},
  };
  for (const auto& c : cases) {
    MatchValues values;
    values.walkover_excused = c.excused;
    values.walkover_not_excused = c.not_excused;
    values.walkover = c.hidden;
    values.score = c.score;
    EXPECT_EQ(WalkoverKind(values, c.belgian), c.kind) << c.belgian << " " << c.score;
  }
}

TEST_F(MatchEntryTest, MissingPlayersAreNamedInTheOrderOfTheCascade) {
  // Opponent 1, opponent 2, partner empty -> message.
  const struct {
    bool doubles, o1, o2, partner;
    int message;
  } cases[] = {
      {false, true, false, false, 540}, {false, false, true, true, 0},
      {true, true, true, true, 534},    {true, true, true, false, 535},
      {true, false, true, true, 536},   {true, false, false, true, 537},
      {true, true, false, true, 537},  // partner first, then opponent 1
      {true, true, false, false, 538},  {true, false, true, false, 539},
      {true, false, false, false, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CheckMatchPlayers(c.doubles, c.o1, c.o2, c.partner).message, c.message);
  EXPECT_EQ(CheckMatchPlayers(false, true, false, false).Text(),
            "To define singles, you must give your opponent\n"
            "a first name, a last name or a license unless the player is anonymous");
  EXPECT_EQ(CheckMatchPlayers(true, false, false, true).Text(),
            "You must define all the players of the match\n"
            "(minimum if the player is not anonymous: a first name, a last name or a license)");
}

TEST_F(MatchEntryTest, EventLinesDescribeTheChoice) {
  open_->Event()->SetCorporate(true);
  open_->SetEndDate(DATE_SIMPLE(6, 5, 2001));
  EventLines lines = EventDescription(MatchEventChoice::Played(open_), Owner());
  EXPECT_EQ(lines.first, "Event: Open de Lyon (corpo.)");
  EXPECT_EQ(lines.second, "From 03/05/2001 to 06/05/2001");
  lines = EventDescription(MatchEventChoice(), Owner());
  EXPECT_EQ(lines.first, "No event for this match");
  EXPECT_EQ(lines.second, "< Click on Event to select one >");
  open_->Event()->SetName("%s%n");
  EXPECT_EQ(EventDescription(MatchEventChoice::Played(open_), Owner()).first,
            "Event: %s%n (corpo.)");
}

TEST_F(MatchEntryTest, FriendlyMatchesAreMadeOnlyWhenTheMatchIsStored) {
  const size_t events_before = static_cast<size_t>(Owner().Events().Count());
  const MatchEventChoice friendly = MatchEventChoice::Friendly(Owner(), 2001);
  EXPECT_EQ(friendly.GetKind(), MatchEventChoice::Kind::kFriendly);
  EXPECT_EQ(EventDescription(friendly, Owner()).second, "From 01/01/2001 to 31/12/2001");
  EXPECT_EQ(static_cast<size_t>(Owner().Events().Count()), events_before);

  EPREUVE_JOUEE* played = friendly.Resolve(Owner());
  EXPECT_EQ(played->Event()->Name(), "Friendly Matches");
  EXPECT_EQ(played->EndDate(), DATE_SIMPLE(31, 12, 2001));
  EXPECT_EQ(MatchEventChoice::Friendly(Owner(), 2001).ExistingPlayed(), played);
  // The friendly matches of 2001 end in season 2002 but do not belong to it.
  EXPECT_EQ(FindFriendlyPlayed(Owner(), 2002), nullptr);
  EXPECT_NE(EnsureFriendlyPlayed(Owner(), 2002), played);
  EXPECT_EQ(Owner().Events().Count(), events_before + 1);

  season_->EnsurePalmares().AddPlayedEvent(played);
  const std::vector<EPREUVE_JOUEE*> offered = ChoosableEvents(*season_);
  EXPECT_EQ(offered, std::vector<EPREUVE_JOUEE*>{open_});
}

TEST_F(MatchEntryTest, StoringANewMatchRetainsItAndAddsItsSurface) {
  MatchValues values = NewMatchValues(MatchEventChoice::Played(open_), 2001, Today());
  values.won = true;
  values.score = " 6/4 (rain) 7/6 ";
  values.surface = "Hard court";
  values.no_let = true;
  const int surfaces = Owner().Surfaces().Count();
  RENCONTRE* match = StoreMatch(Owner(), *season_, nullptr, *open_, values, {paul_});
  EXPECT_EQ(Owner().Surfaces().Count(), surfaces + 1);
  EXPECT_EQ(match->GetSurface()->Name(), "Hard court");
  EXPECT_EQ(match->Result().ScoreText(), "6/4 (rain) 7/6");
  EXPECT_EQ(match->Result().CountSets(0), 2);
  EXPECT_TRUE(match->Result().IsNoLet());
  EXPECT_EQ(static_cast<RENCONTRE_SIMPLE*>(match)->Opponent(), paul_);
  EXPECT_EQ(match->GetPalmares(), season_->Palmares());
  EXPECT_EQ(MatchesOf(open_).front(), match);

  values.surface = "HARD COURT";
  EXPECT_EQ(StoreMatch(Owner(), *season_, match, *open_, values, {paul_})->GetSurface()->Name(),
            "Hard court");
  EXPECT_EQ(Owner().Surfaces().Count(), surfaces + 1);
}

TEST_F(MatchEntryTest, SinglesBecomeDoublesInTheSamePlaceWithEveryValue) {
  RENCONTRE* before = Builder().Singles(open_, paul_, false, "4/6 4/6");
  RENCONTRE* middle = Builder().Singles(open_, paul_, true, "6/0 6/0");
  Builder().Singles(open_, paul_, true, "6/1 6/1");
  middle->SetComment("windy");
  JOUEUR* anne = Builder().Player("Anne", "Roux");
  JOUEUR* marc = Builder().Player("Marc", "Blanc");

  MatchValues values = ValuesOfMatch(*middle);
  values.doubles = true;
  RENCONTRE* doubles = StoreMatch(Owner(), *season_, middle, *open_, values, {paul_, marc, anne});
  ASSERT_FALSE(doubles->IsSingles());
  EXPECT_EQ(MatchesOf(open_)[1], doubles);
  std::vector<const RENCONTRE*> retained(season_->Palmares()->Matches().begin(),
                                         season_->Palmares()->Matches().end());
  EXPECT_EQ(retained[1], doubles);
  EXPECT_EQ(retained.size(), 3u);
  EXPECT_EQ(doubles->Comment(), "windy");
  EXPECT_EQ(doubles->Result().ScoreText(), "6/0 6/0");
  EXPECT_EQ(static_cast<RENCONTRE_DOUBLE*>(doubles)->Partner(), anne);

  // And another event takes it to the front of its own list.
  EPREUVE_JOUEE* other = Builder().Tournament("Open de Nice", DATE_SIMPLE(3, 6, 2001));
  values.doubles = false;
  RENCONTRE* singles = StoreMatch(Owner(), *season_, doubles, *other, values, {marc});
  EXPECT_EQ(MatchesOf(other).front(), singles);
  EXPECT_EQ(MatchesOf(open_).size(), 2u);
  EXPECT_EQ(MatchesOf(open_)[1], before);
}

}  // namespace
}  // namespace scorvane

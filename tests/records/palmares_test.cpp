// Guards the match selection mask (the numbers the estimates use, each
// condition bit) and the counts of a season's palmares.
#include <gtest/gtest.h>

#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

class PalmaresTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    DocumentBuilder b(Owner());
    season_ = b.Season(2001, "30/1");
    weak_ = b.Player("Weak", "Player", {{2001, "30/4"}});
    equal_ = b.Player("Equal", "Player", {{2001, "30/1"}});
    strong_ = b.Player("Strong", "Player", {{2001, "15/2"}, {2002, "15"}});
    EPREUVE_JOUEE* tournament = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    EPREUVE_JOUEE* championship = b.Event("Championnat individuel", EPREUVE::kHomologated,
                                          EPREUVE::kChampionship, DATE_SIMPLE(3, 3, 2001));
    EPREUVE_JOUEE* friendly =
        b.Event("Amical", EPREUVE::kFriendly, EPREUVE::kNoType, DATE_SIMPLE(3, 4, 2001));
    EPREUVE_JOUEE* corporate =
        b.Event("Corpo", EPREUVE::kNonHomologated, EPREUVE::kTeamEvent, DATE_SIMPLE(3, 6, 2001));
    corporate->Event()->SetCorporate(true);
    // Homologated singles: won on court, won by walkover, lost on court, lost by walkover.
    b.Singles(tournament, weak_, true, "6/1 6/1");
    b.Singles(tournament, equal_, true, "", RESULTAT_RENCONTRE::kWalkover);
    b.Singles(tournament, strong_, false, "1/6 1/6");
    b.Singles(tournament, equal_, false, "", RESULTAT_RENCONTRE::kWalkoverExcused);
    b.Singles(championship, strong_, true, "7/6 7/6");
    b.Singles(friendly, strong_, false, "2/6 2/6");
    b.Singles(corporate, weak_, false, "4/6 4/6");
    b.Doubles(tournament, equal_, weak_, strong_, true, "6/4 6/4");
  }
  int Count(const MatchMask& mask) const { return season_->Palmares()->Count(mask); }

  SAISON_JOUEUR* season_ = nullptr;
  JOUEUR* weak_ = nullptr;
  JOUEUR* equal_ = nullptr;
  JOUEUR* strong_ = nullptr;
};

TEST_F(PalmaresTest, TheMasksOfTheEstimatesCountTheirMatches) {
  const std::pair<uint32_t, int> cases[] = {
      {0, 8},                                  // every match
      {kMaskHomologatedSingles, 5},            // 144
      {kMaskSinglesWon, 3},                    // 148: walkover included
      {kMaskSinglesWonOnCourt, 2},             // 149
      {kMaskSinglesLostOnCourt, 1},            // 153
      {kMaskSinglesLostByWalkover, 1},         // 154
      {kMaskChampionshipWins, 1},              // 180
      {0x100, 1},                              // bit 8, the last taken: doubles only
      {0x40 | 0x200, 1},                       // bit 9 is not taken: friendly only
      {kMaskHomologatedSingles | 0x10000, 5},  // nor any bit above
  };
  for (const auto& [number, expected] : cases)
    EXPECT_EQ(season_->Palmares()->Count(number), expected) << number;
}

TEST_F(PalmaresTest, EachConditionBitRejectsItsMatches) {
  const std::pair<uint32_t, int> cases[] = {
      {MatchMask::kNoWalkover, 6},      {MatchMask::kOnlyWalkover, 2},
      {MatchMask::kOnlyWon, 4},         {MatchMask::kOnlyLost, 4},
      {MatchMask::kOnlyHomologated, 6}, {MatchMask::kOnlyChampionship, 1},
      {MatchMask::kOnlyFriendly, 1},    {MatchMask::kOnlySingles, 7},
      {MatchMask::kOnlyDoubles, 1},     {MatchMask::kNoFriendly, 7},
      {MatchMask::kNoChampionship, 7},  {MatchMask::kNoCorporate, 7},
      {MatchMask::kNoTeamEvent, 7},     {MatchMask::kOnlyTeamEvent, 1},
      {MatchMask::kNoHomologated, 2},   {MatchMask::kNoNonHomologated, 7},
      {MatchMask::kNoTournament, 3},    {MatchMask::kOnlyTournament, 5},
  };
  for (const auto& [bit, expected] : cases) {
    MatchMask mask;
    mask.flags = bit;
    EXPECT_EQ(Count(mask), expected) << std::hex << bit;
  }
}

TEST_F(PalmaresTest, RankingConditionsCompareTheOpponentAtTheMatch) {
  MatchMask mask = MatchMask::FromNumber(kMaskHomologatedSingles);
  mask.compare_with_owner = &Owner();  // 30/1
  mask.require_equal = true;
  EXPECT_EQ(Count(mask), 2);  // the two matches against "Equal"
  mask.require_equal = false;
  mask.require_better = true;
  EXPECT_EQ(Count(mask), 2);  // "Strong" twice (tournament and championship)
  mask.require_better = false;
  mask.require_worse = true;
  EXPECT_EQ(Count(mask), 1);  // "Weak"

  MatchMask fixed;
  fixed.compare_with_fixed = true;
  fixed.reference = DocumentBuilder::Rank("30/4");
  fixed.require_better = true;
  fixed.flags = MatchMask::kOnlySingles;
  EXPECT_EQ(Count(fixed), 5);  // not the two against "Weak"
  // The doubles opponents average 30/4 and 15/2.
  fixed.flags = MatchMask::kOnlyDoubles;
  EXPECT_EQ(Count(fixed), 1);
}

TEST_F(PalmaresTest, WorstDefeatAndTournamentsCount) {
  EXPECT_EQ(season_->Palmares()->WorstDefeat().Text(), "15/2");
  EXPECT_EQ(season_->Palmares()->CountTournaments(MatchMask()), 1);
  SAISON_JOUEUR* empty = DocumentBuilder(Owner()).Season(2002);
  EXPECT_EQ(empty->EnsurePalmares().Count(MatchMask()), 0);
  EXPECT_EQ(empty->EnsurePalmares().WorstDefeat(), CLASSEMENT::Best());
}

TEST_F(PalmaresTest, AddingAMatchTwiceKeepsOneEntryAndOneEvent) {
  PALMARES& palmares = *season_->Palmares();
  RENCONTRE* first = palmares.Matches().Front();
  const int events = palmares.PlayedEvents().Count();
  palmares.AddMatch(first);
  EXPECT_EQ(palmares.Matches().Count(), 8);
  EXPECT_EQ(palmares.PlayedEvents().Count(), events);
  EXPECT_EQ(palmares.Matches().Front(), first);  // matches keep the order they were added in
}

}  // namespace
}  // namespace scorvane

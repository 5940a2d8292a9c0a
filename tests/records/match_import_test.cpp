// Guards how an import finds what a document already holds: players by
// name without regard to case and accents, events by name within the
// season, rankings against the recorded history.
#include <gtest/gtest.h>

#include "records/event.h"
#include "records/import/match_import.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::DocumentBuilder;

class MatchImportTest : public testing::CoreTest {};

TEST_F(MatchImportTest, RecordedPlayersAndEventsAreFoundAndTheRestIsNew) {
  DocumentBuilder b(Owner());
  SAISON_JOUEUR* season2000 = b.Season(2000);
  SAISON_JOUEUR* season2001 = b.Season(2001);
  JOUEUR* eric = b.Player("Éric", "Le Gall", {{2001, "15/1"}});
  EPREUVE_JOUEE* open = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
  Owner().SetActiveSeason(season2000);

  const ImportPlan plan = PlanMatchImport(Owner(),
                                          "Date,Event,First name,Surname,Rank,Result,Score\n"
                                          "04/05/2001,OPEN DE LYON,eric,le  gall,15/1,W,6/4\n"
                                          "05/05/2001,open de lyon,Eric,Le Gall,15,W,6/4\n"
                                          "06/12/2001,Open de Lyon,Eric,Le Gall,15,L,4/6\n",
                                          {});
  ASSERT_TRUE(plan.Readable()) << plan.error;
  ASSERT_EQ(plan.matches.size(), 3u);
  EXPECT_TRUE(plan.new_players.empty());
  EXPECT_EQ(plan.matches[0].opponent.existing, eric);
  ASSERT_EQ(plan.events.size(), 2u);
  EXPECT_TRUE(plan.events[0].played_in_season);
  EXPECT_EQ(plan.events[1].season, 2002);
  EXPECT_FALSE(plan.events[1].played_in_season);
  EXPECT_EQ(plan.new_seasons, std::vector<int>{2002});
  EXPECT_EQ(plan.warnings, std::vector<std::string>{
                               "line 3: the ranking 15 of Eric Le Gall differs from 15/1 given "
                               "before; 15/1 is kept."});

  EXPECT_EQ(ApplyMatchImport(Owner(), plan), 3);
  EXPECT_EQ(Owner().GetActiveSeason(), season2000);
  EXPECT_EQ(open->Matches().Count(), 2);
  EXPECT_EQ(season2001->Palmares()->Matches().Count(), 2);
  EXPECT_EQ(Owner().FindSeason(2002)->Palmares()->Matches().Count(), 1);
  // The next season's ranking is new; the recorded one stays.
  EXPECT_EQ(eric->History().RankingForYear(2001).Text(), "15/1");
  EXPECT_EQ(eric->History().RankingForYear(2002).Text(), "15");
}

}  // namespace
}  // namespace scorvane

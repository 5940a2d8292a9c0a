// Guards the reading of the identifiers records use for each other; every broken
// reference is either refused with its own detail text or, where the format
// says so, dropped. A refused file changes nothing in the open document.
#include <gtest/gtest.h>

#include <functional>

#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/test_environment.h"
#include "tests/support/tiny_document.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::TinyDocument;

class DocumentResolutionTest : public CoreTest {
 protected:
  FileResult Read(const TinyDocument& tiny) { return Doc().ReadBytes(tiny.Build()); }
  const RENCONTRE_SIMPLE* Singles() {
    const RENCONTRE* match = Owner().Events().Front()->Played().Front()->Matches().Front();
    return static_cast<const RENCONTRE_SIMPLE*>(match);
  }
};

TEST_F(DocumentResolutionTest, TheTinyDocumentReadsWithEveryReferenceResolved) {
  const FileResult result = Read(TinyDocument());
  ASSERT_TRUE(result.ok()) << result.detail;
  const UTILISATEUR& owner = Owner();
  EXPECT_EQ(owner.Club(), owner.Clubs().Front());
  EXPECT_EQ(Singles()->Opponent(), owner.Players().Front());
  EXPECT_EQ(Singles()->GetSurface(), owner.Surfaces().Front());
  const SAISON_JOUEUR* season = owner.GetActiveSeason();
  EXPECT_EQ(season->Finances().Expenses().Front()->Category(), owner.Categories().Front());
  EXPECT_EQ(season->Palmares()->Matches().Count(), 2);
  EXPECT_EQ(Singles()->GetPalmares(), season->Palmares());
  EXPECT_EQ(season->Palmares()->PlayedEvents().Count(), 1);
}

struct Breakage {
  const char* name;
  std::function<void(TinyDocument&)> change;
  const char* detail;
};

TEST_F(DocumentResolutionTest, EachBrokenReferenceIsRefusedWithItsDetailText) {
  const Breakage cases[] = {
      {"match id past the count", [](TinyDocument& t) { t.doubles_id = 2; },
       "Erreur de lecture des données: mauvais identifiant de rencontre"},
      {"negative match id", [](TinyDocument& t) { t.doubles_id = 0xFFFE; },
       "Erreur de lecture des données: mauvais identifiant de rencontre"},
      {"two matches with one id", [](TinyDocument& t) { t.doubles_id = 0; },
       "Erreur de lecture: rencontre en double"},
      {"a match missing", [](TinyDocument& t) { t.match_count = 3; },
       "Erreur de lecture: perte de rencontres !!!"},
      {"two players with one id", [](TinyDocument& t) { t.player_ids[1] = 0; },
       "Erreur de lecture: joueur double"},
      {"a player id out of range", [](TinyDocument& t) { t.player_ids[1] = 5; }, ""},
      {"a player missing", [](TinyDocument& t) { t.player_count = 3; }, ""},
      {"a club missing", [](TinyDocument& t) { t.club_count = 2; },
       "Erreur de lecture: perte de clubs !!!"},
      {"a surface missing", [](TinyDocument& t) { t.surface_count = 2; },
       "Erreur de lecture: perte de surfaces !!!"},
      {"a played event missing", [](TinyDocument& t) { t.played_count = 2; },
       "Erreur de lecture: perte d'épreuves jouées !!!"},
      {"a category missing", [](TinyDocument& t) { t.category_count = 2; },
       "Erreur de lecture: perte de catégories financières !!!"},
      {"singles opponent out of range", [](TinyDocument& t) { t.opponent = 2; },
       "Erreur de lecture: perte de d'un adv. de simple !!!"},
      {"doubles player out of range", [](TinyDocument& t) { t.doubles_players[2] = 9; },
       "Erreur de lecture: perte de d'un adv. de double !!!"},
      {"two clubs with one id", [](TinyDocument& t) { t.club_count = 2, t.second_club_id = 0; },
       "Erreur de lecture: club double"},
      {"two surfaces with one id",
       [](TinyDocument& t) { t.surface_count = 2, t.second_surface_id = 0; },
       "Erreur de lecture: surface double"},
      {"two played events with one id",
       [](TinyDocument& t) { t.played_count = 2, t.second_played_id = 0; },
       "Erreur de lecture: épreuve jouée double"},
      {"two categories with one id",
       [](TinyDocument& t) { t.category_count = 2, t.second_category_id = 0; },
       "Erreur de lecture: catégorie financière double"},
      {"operation category out of range", [](TinyDocument& t) { t.operation_category = 1; },
       "Erreur de lecture: perte de d'une catégorie"},
      {"operation without category", [](TinyDocument& t) { t.operation_category = 0xFFFF; },
       "Erreur de lecture: perte de d'une catégorie"},
      {"club numbered past the count", [](TinyDocument& t) { t.club_id = 1; }, ""},
      {"surface numbered past the count", [](TinyDocument& t) { t.surface_id = 1; }, ""},
      {"played event numbered past the count", [](TinyDocument& t) { t.played_id = 1; }, ""},
      {"category numbered past the count", [](TinyDocument& t) { t.category_id = 3; }, ""},
      {"negative surface id", [](TinyDocument& t) { t.surface_id = 0x8000; },
       "Negative surface identifier"},
  };
  for (const Breakage& breakage : cases) {
    TinyDocument tiny;
    breakage.change(tiny);
    const FileResult result = Read(tiny);
    EXPECT_EQ(result.status, FileResult::Status::kBadFormat) << breakage.name;
    EXPECT_EQ(result.detail, breakage.detail) << breakage.name;
    EXPECT_EQ(result.Message(), "Error : bad file format !") << breakage.name;
  }
}

TEST_F(DocumentResolutionTest, OptionalReferencesOutOfRangeAreDropped) {
  TinyDocument tiny;
  tiny.singles_surface = 1;  // one surface only
  tiny.owner_club = 4;
  tiny.first_player_club = 0xFFFF;
  ASSERT_TRUE(Read(tiny).ok());
  EXPECT_EQ(Singles()->GetSurface(), nullptr);
  EXPECT_EQ(Owner().Club(), nullptr);
  EXPECT_EQ(Owner().Players().Front()->Club(), nullptr);
}

TEST_F(DocumentResolutionTest, PalmaresKeepsOnlyValidUnclaimedMatchesAndEvents) {
  TinyDocument tiny;
  tiny.palmares_matches = {1, 7, 1, 0xFFFF - 1};
  tiny.palmares_played = {0, 3, 0};
  ASSERT_TRUE(Read(tiny).ok());
  const PALMARES* palmares = Owner().GetActiveSeason()->Palmares();
  ASSERT_EQ(palmares->Matches().Count(), 1);
  EXPECT_FALSE(palmares->Matches().Front()->IsSingles());
  ASSERT_EQ(palmares->PlayedEvents().Count(), 1);
  EXPECT_EQ(Singles()->GetPalmares(), nullptr);
}

TEST_F(DocumentResolutionTest, AMatchNamedByTwoPalmaresBelongsToTheFirstMet) {
  // Owner's seasons first in list order, then other players' seasons.
  TinyDocument tiny;
  tiny.palmares_matches = {1};
  tiny.second_palmares_matches = {0, 1};
  tiny.player_palmares_matches = {0, 1};
  ASSERT_TRUE(Read(tiny).ok());
  const List<SAISON_JOUEUR*>& seasons = Owner().Seasons();
  ASSERT_EQ(seasons.Count(), 2);
  EXPECT_EQ(seasons.At(0)->Palmares()->Matches().Count(), 1);
  EXPECT_EQ(seasons.At(1)->Palmares()->Matches().Count(), 1);
  EXPECT_EQ(Singles()->GetPalmares(), seasons.At(1)->Palmares());
  const SAISON_JOUEUR* theirs = Owner().Players().Front()->Seasons().Front();
  EXPECT_EQ(theirs->Palmares()->Matches().Count(), 0);
  // The played event of a retained match is added even when not listed.
  EXPECT_EQ(seasons.At(1)->Palmares()->PlayedEvents().Count(), 1);
}

TEST_F(DocumentResolutionTest, AFailedReadLeavesTheOpenDocumentAndSystemAlone) {
  Owner().SetFirstName("Kept");
  Doc().MarkModified();
  Registry().SetActive(Registry().BuiltIns()[6]);  // ATP
  TinyDocument tiny;
  tiny.opponent = 3;
  EXPECT_FALSE(Read(tiny).ok());
  EXPECT_EQ(Owner().GetRawFirstName(), "Kept");
  EXPECT_TRUE(Doc().IsModified());
  EXPECT_EQ(&ActiveSystem(), Registry().BuiltIns()[6]);
  EXPECT_EQ(Registry().Pending(), nullptr);
}

TEST_F(DocumentResolutionTest, TruncatedFilesFailAtEveryLength) {
  const std::vector<uint8_t> bytes = TinyDocument().Build();
  for (size_t length = 0; length < bytes.size(); ++length) {
    const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
    const FileResult result = Doc().ReadBytes(cut);
    ASSERT_FALSE(result.ok()) << length;
    ASSERT_NE(result.status, FileResult::Status::kOk);
  }
  EXPECT_TRUE(Doc().ReadBytes(bytes).ok());
}

}  // namespace
}  // namespace scorvane

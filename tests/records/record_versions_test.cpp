// Every older layout a record may have in a file reads with the defaults and
// migrations of its version; a version newer than the program's is refused.
#include <gtest/gtest.h>

#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/byte_writer.h"
#include "tests/support/test_environment.h"
#include "tests/support/tiny_document.h"

namespace scorvane {
namespace {

using testing::ByteWriter;
using testing::CoreTest;

class RecordVersionsTest : public CoreTest {
 protected:
  template <class Record>
  void ReadInto(Record& record, const ByteWriter& w) {
    Archive ar(w.Get());
    record.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
  }
  // The common head of a player: identifier, names, birth date, sex, texts, left-handed.
  static ByteWriter PlayerHead(uint16_t version) {
    ByteWriter w;
    w.U16(version).U16(0).Text("Martin").Text("Paul").Date(1, 1, 1970).U32(1);
    w.Text("1234567A").Text("c").Text("s").Text("w").Text("").U16(0x0101);
    w.Text("COMPLEMENT:").U16(0).Text("1 rue").Text("Lyon").Text("h").Text("w").Text("m").Text("e");
    return w;
  }
};

TEST_F(RecordVersionsTest, ResultVersionZeroReadsAnyWalkoverByteAsOne) {
  for (const auto& [raw, expected] : std::vector<std::pair<uint16_t, int32_t>>{
           {0, 0}, {1, 1}, {2, 1}, {0x0100, 0}, {0x01FF, 1}}) {
    ByteWriter w;
    w.U16(0).U32(1).Text("6/4 (wind) 6/3").U16(raw).U16(1).U16(0).U16(0x0100).U16(0).U16(1);
    RESULTAT_RENCONTRE result;
    ReadInto(result, w);
    EXPECT_EQ(result.Walkover(), expected) << raw;
    EXPECT_TRUE(result.IsRetirement());
    EXPECT_FALSE(result.IsFourGames());  // only the low byte counts
    EXPECT_TRUE(result.IsNoLet());
    EXPECT_EQ(result.CountSets(0), 2);  // the score is read again
  }
  ByteWriter w;
  w.U16(1).U32(0).Text("").U16(2).U16(0).U16(0).U16(0).U16(0).U16(0);
  RESULTAT_RENCONTRE excused;
  ReadInto(excused, w);
  EXPECT_EQ(excused.Walkover(), RESULTAT_RENCONTRE::kWalkoverExcused);
}

TEST_F(RecordVersionsTest, MatchVersionZeroHasNoPlace) {
  ByteWriter w;
  w.U16(0).U16(0).U16(4).Text("comment").Text("weak").Text("strong").U32(1).Text("SURF:").U16(3);
  w.Date(3, 5, 2001).U16(1).U32(1).Text("").U16(0).U16(0).U16(0).U16(0).U16(0).U16(0);
  w.U16(2);
  RENCONTRE_SIMPLE match;
  ReadInto(match, w);
  EXPECT_EQ(match.Id(), 4);
  EXPECT_EQ(match.Place(), "");
  EXPECT_EQ(match.WeakPoints(), "weak");
  EXPECT_EQ(match.StrongPoints(), "strong");
  EXPECT_TRUE(match.IsIndoor());
  EXPECT_EQ(match.pending_surface_ref, 4);
  EXPECT_EQ(match.pending_opponent_id, 2);
}

TEST_F(RecordVersionsTest, VersionZeroEventsAreNoFriendlyGroupAndRankingsHaveNoNote) {
  ByteWriter w;
  w.U16(0).End().Text("Open").U32(0x0201).U32(1).U32(1).U32(6);
  EPREUVE event;
  ReadInto(event, w);
  EXPECT_EQ(event.Name(), "Open");
  EXPECT_TRUE(event.IsCorporate());
  EXPECT_FALSE(event.IsFriendlyGroup());
  EXPECT_EQ(event.AgeCategory(), 6);

  // A version-0 ranking has no note.
  ByteWriter r;
  r.U16(0).Ranking(3).Date(1, 1, 1999);
  CLASSEMENT_DATE entry;
  ReadInto(entry, r);
  EXPECT_EQ(entry.Note(), "");
  EXPECT_EQ(entry.Ranking().Value(), 3);
  EXPECT_EQ(entry.Date().Year(), 1999);
}

TEST_F(RecordVersionsTest, PlayerVersionsFillTheMissingFields) {
  // Version 0: no anonymous flag, no history, no club tag.
  ByteWriter v0 = PlayerHead(0);
  v0.End();
  JOUEUR old;
  ReadInto(old, v0);
  EXPECT_FALSE(old.IsAnonymous());
  EXPECT_TRUE(old.History().IsEmpty());
  EXPECT_TRUE(old.IsLeftHanded());
  EXPECT_TRUE(old.IsWoman());
  ASSERT_TRUE(old.IsContact());
  EXPECT_EQ(old.Contact()->email, "e");

  // Version 1: anonymous read; version 2: history read; still no club tag.
  ByteWriter v2 = PlayerHead(2);
  v2.U16(1).End().U16(0).Entry().U16(1).Text("note").Ranking(4).Date(1, 1, 2000).End();
  JOUEUR newer;
  ReadInto(newer, v2);
  EXPECT_TRUE(newer.IsAnonymous());
  ASSERT_EQ(newer.History().Count(), 1);
  EXPECT_EQ(newer.History().Entries().Front()->Note(), "note");
  EXPECT_EQ(newer.pending_club_ref, 0);
}

TEST_F(RecordVersionsTest, OldSeasonsMoveRankingToHistoryAndClubToThePlayer) {
  // Seasons 2000 (v0, ranking 30/3 and club 1), 1999 (v1, club 0), 2001 (v2,
  // no club): the club of the latest season carrying one wins.
  ByteWriter w = PlayerHead(2);
  w.U16(0);
  w.Entry().U16(0).U16(0).U16(2000).Ranking(4).U16(0).End().End().Text("CLUB").U16(1).Text("PP");
  w.Entry().U16(1).U16(0).U16(1999).U16(0).End().End().Text("CLUB").U16(0).Text("PP");
  w.Entry().U16(2).U16(0).U16(2001).U16(0).End().End().Text("PAL").U16(0).End().End();
  w.End();
  w.U16(0).Entry().U16(1).Text("").Ranking(6).Date(1, 1, 2001).End();
  JOUEUR player;
  ReadInto(player, w);
  EXPECT_EQ(player.pending_club_ref, 2);  // club identifier 1, stored + 1
  ASSERT_EQ(player.Seasons().Count(), 3);
  EXPECT_EQ(player.Seasons().At(2)->Comment(), "");
  EXPECT_NE(player.Seasons().At(2)->Palmares(), nullptr);
  EXPECT_EQ(player.History().RankingForYear(2000).Value(), 4);
  EXPECT_EQ(player.History().RankingForYear(2001).Value(), 6);

  // A version-3 player's own tag overrides what the seasons said.
  ByteWriter v3 = PlayerHead(3);
  v3.U16(0);
  v3.Entry().U16(1).U16(0).U16(2005).U16(0).End().End().Text("CLUB").U16(1).Text("PP");
  v3.End().U16(0).End().Text("club");  // lower case: no club
  JOUEUR current;
  ReadInto(current, v3);
  EXPECT_EQ(current.pending_club_ref, 0);
}

TEST_F(RecordVersionsTest, AnOldSeasonClubBecomesThePlayersClubThroughTheDocument) {
  // Seasons 2000 (v1, club 0) then 1999 (v1, no club): 2000 is the latest.
  ByteWriter w;
  w.U16(1).U16(0).U16(0).U16(0).U16(0).U16(1).U16(0).U16(0);
  w.U16(1).U16(0).Text("Morel").Text("Julien").Date(1, 1, 1975).U32(0);
  w.Text("").Text("").Text("").Text("").Text("").U16(0).Text("COMPLEMENT: AUCUN").U16(0);
  w.Entry().U16(1).U16(0).U16(2000).U16(0).End().End().Text("CLUB").U16(0).Text("PP");
  w.Entry().U16(1).U16(0).U16(1999).U16(0).End().End().Text("PC").Text("PP");
  w.End();
  w.End().End();
  w.Entry().U16(0).U16(0).Text("TC Lyon").Text("").Text("").Text("").U32(0).End();
  w.End().End();
  const FileResult result = Doc().ReadBytes(w.Get());
  ASSERT_TRUE(result.ok()) << result.detail;
  ASSERT_NE(Owner().Club(), nullptr);
  EXPECT_EQ(Owner().Club()->Name(), "TC Lyon");
  EXPECT_EQ(&ActiveSystem(), &Registry().French());
  EXPECT_EQ(Registry().Pending(), nullptr);
}

TEST_F(RecordVersionsTest, DocumentsWithoutASystemUseTheFrenchOne) {
  Registry().SetActive(Registry().BuiltIns()[6]);
  for (const uint16_t version : {0, 1}) {
    testing::TinyDocument tiny;
    tiny.version = version;
    const FileResult result = Doc().ReadBytes(tiny.Build());
    ASSERT_TRUE(result.ok()) << result.detail;
    EXPECT_EQ(&ActiveSystem(), &Registry().French());
    EXPECT_EQ(Registry().Pending(), nullptr);
  }
  for (const uint16_t version : {2, 3, 4}) {
    testing::TinyDocument tiny;
    tiny.version = version;
    ASSERT_TRUE(Doc().ReadBytes(tiny.Build()).ok());
    // The embedded copy is active; the built-in that recognises it waits.
    EXPECT_NE(&ActiveSystem(), &Registry().French());
    EXPECT_EQ(ActiveSystem().Title(), "France");
    EXPECT_EQ(Registry().Pending(), &Registry().French());
  }
}

TEST_F(RecordVersionsTest, FutureVersionsAreRefusedWithTheirMessage) {
  testing::TinyDocument tiny;
  tiny.version = 5;
  const FileResult document = Doc().ReadBytes(tiny.Build());
  EXPECT_EQ(document.status, FileResult::Status::kFutureVersion);
  EXPECT_EQ(document.Message(),
            "The document was saved by a future version of this program. To load it, you must "
            "get the lastest version of this program on its website");

  // A player record of version 4 inside a version-4 document.
  std::vector<uint8_t> bytes = testing::TinyDocument().Build();
  const std::vector<uint8_t> marker = {'M', 'o', 'r', 'e', 'l'};
  const auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
  ASSERT_NE(at, bytes.end());
  const auto version = at - 1 - 4;  // length byte, identifier, version
  ASSERT_EQ(*version, 3);
  *version = 4;
  EXPECT_EQ(Doc().ReadBytes(bytes).status, FileResult::Status::kFutureVersion);
  *version = 3;
  EXPECT_TRUE(Doc().ReadBytes(bytes).ok());
}

TEST_F(RecordVersionsTest, RankingsOutsideTheSystemAreBadFormat) {
  for (const int32_t value : {-1, 25, 1 << 30}) {
    ByteWriter w;
    w.U16(1).Text("").Ranking(value).Date(1, 1, 2000);
    CLASSEMENT_DATE entry;
    Archive ar(w.Get());
    try {
      entry.Serialize(ar);
      ADD_FAILURE() << value;
    } catch (const ArchiveError& error) {
      EXPECT_EQ(error.kind(), ArchiveError::Kind::kBadFormat);
    }
  }
}

}  // namespace
}  // namespace scorvane

// Guards the exact bytes the program writes: an empty document, and a small one
// record by record, with identifiers numbered afresh in list order.
#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "records/document.h"
#include "tests/support/byte_writer.h"
#include "tests/support/test_environment.h"
#include "tests/support/tiny_document.h"

namespace scorvane {
namespace {

using testing::ByteWriter;
using testing::CoreTest;

class DocumentLayoutTest : public CoreTest {
 protected:
  // A player part with no season, history or club, and nothing filled in.
  static void BarePlayer(ByteWriter& w, uint16_t id, const std::string& last,
                         const std::string& first, int birth_year) {
    w.U16(3).U16(id).Text(last).Text(first).Date(1, 1, birth_year).U32(0);
    w.Text("").Text("").Text("").Text("").Text("").U16(0).Text("COMPLEMENT: AUCUN").U16(0);
  }
};

TEST_F(DocumentLayoutTest, AnEmptyDocumentHasExactlyTheseBytes) {
  ByteWriter expected;
  expected.U16(4);
  expected.FrenchSystem();
  expected.U16(0).U16(0).U16(0).U16(0).U16(0).U16(0).U16(0);
  BarePlayer(expected, 0, "", "", 1980);
  expected.End().U16(0).End().Text("PC");
  expected.End().End().End().End().End();
  const EncodedDocument encoded = Doc().Encode();
  ASSERT_TRUE(encoded.result.ok());
  EXPECT_EQ(encoded.bytes, expected.Get());
}

// The tiny document holds a record of every kind, written out by hand; read
// with its players and matches numbered the other way round, it is written
// back with identifiers numbered afresh in list order.
TEST_F(DocumentLayoutTest, ADocumentIsWrittenRecordByRecordWithIdentifiersInListOrder) {
  testing::TinyDocument shuffled;
  shuffled.player_ids[0] = 1;
  shuffled.player_ids[1] = 0;
  shuffled.opponent = 1;
  shuffled.doubles_players[0] = 1;
  shuffled.doubles_players[1] = shuffled.doubles_players[2] = 0;
  shuffled.singles_id = 1;
  shuffled.doubles_id = 0;
  shuffled.palmares_matches = {1, 0};
  ASSERT_TRUE(Doc().ReadBytes(shuffled.Build()).ok());
  const EncodedDocument encoded = Doc().Encode();
  ASSERT_TRUE(encoded.result.ok()) << encoded.result.detail;
  EXPECT_EQ(encoded.bytes, testing::TinyDocument().Build());
}

TEST_F(DocumentLayoutTest, NewDocumentContentsAreInTheInterfaceLanguageFrontInserted) {
  Doc().AddDefaultContents();
  const List<SURFACE*>& surfaces = Owner().Surfaces();
  ASSERT_EQ(surfaces.Count(), 7);
  EXPECT_EQ(surfaces.Front()->Name(), "Resin");
  EXPECT_EQ(surfaces.At(6)->Name(), "Clay");
  ASSERT_EQ(Owner().Categories().Count(), 7);
  EXPECT_EQ(Owner().Categories().Front()->Name(), "Clothes");
  EXPECT_EQ(Owner().Categories().At(6)->Name(), "Club subscription");
  EXPECT_EQ(Owner().Categories().Front()->Kind(), 0);

  SetLanguage(kLanguageFrench);
  PROJECT_DOC french;
  french.AddDefaultContents();
  EXPECT_EQ(french.Owner().Surfaces().Front()->Name(), "Résine");
  EXPECT_EQ(french.Owner().Surfaces().At(6)->Name(), "Terre battue");
  EXPECT_EQ(french.Owner().Categories().At(5)->Name(), "Cours/Entraînement");
}

}  // namespace
}  // namespace scorvane

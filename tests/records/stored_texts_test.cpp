// Once a document is saved with "?" in place of the characters a file cannot
// hold, the records hold the "?" too: what is shown is what was stored, and
// the next save has nothing left to ask about.
#include <gtest/gtest.h>

#include "records/club.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;

class StoredTextsTest : public CoreTest {};

TEST_F(StoredTextsTest, AfterASaveTheRecordsHoldWhatTheFileHolds) {
  testing::DocumentBuilder builder(Owner());
  SAISON_JOUEUR* season = builder.Season(2001, "30/1");
  season->SetComment("Łódź 😀 été");
  Owner().SetFirstName("Zoë");
  CLUB* club = Owner().AddClub(std::make_unique<CLUB>("TC Kraków"));
  club->SetAddress("ulica Żółta");
  int refreshes = 0;
  Doc().on_refresh_views = [&refreshes] { ++refreshes; };

  const EncodedDocument first = Doc().Encode();
  EXPECT_EQ(first.replaced_texts.size(), 2u);
  ASSERT_TRUE(Doc().Write(Temp() / "Moi.ten", first).ok());

  EXPECT_EQ(season->Comment(), "?ód? ? été");
  EXPECT_EQ(Owner().GetRawFirstName(), "Zoë");
  EXPECT_EQ(club->Name(), "TC Kraków");
  EXPECT_EQ(club->Address(), "ulica ?ó?ta");
  EXPECT_EQ(refreshes, 1);
  EXPECT_TRUE(Doc().Encode().replaced_texts.empty());

  PROJECT_DOC reread;
  ASSERT_TRUE(reread.Read(Temp() / "Moi.ten").ok());
  EXPECT_EQ(reread.Owner().GetActiveSeason()->Comment(), season->Comment());
  SetCurrentDocument(&Doc());
}

TEST_F(StoredTextsTest, AFailedWriteLeavesTheTextsAsTyped) {
  testing::DocumentBuilder(Owner()).Season(2001, "30/1")->SetComment("Łódź");
  const EncodedDocument encoded = Doc().Encode();
  EXPECT_FALSE(Doc().Write(Temp() / "no" / "folder.ten", encoded).ok());
  EXPECT_EQ(Owner().GetActiveSeason()->Comment(), "Łódź");
}

}  // namespace
}  // namespace scorvane

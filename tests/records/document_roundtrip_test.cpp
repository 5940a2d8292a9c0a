#include <gtest/gtest.h>

#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

class DocumentRoundTripTest : public CoreTest {};

TEST_F(DocumentRoundTripTest, ASavedDocumentReadsBackAndSavesToTheSameBytes) {
  Doc().AddDefaultContents();
  DocumentBuilder b(Owner());
  b.Season(2000, "30/3");
  SAISON_JOUEUR* season = b.Season(2001, "30/2");
  JOUEUR* paul = b.Player("Paul", "Martin", {{2001, "30/1"}, {2002, "30"}});
  JOUEUR* anne = b.Player("Anne", "Roux", {{2001, "30/4"}});
  EPREUVE_JOUEE* open = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
  b.Singles(open, paul, true, "6/4 6/3");
  b.Singles(open, anne, false, "", RESULTAT_RENCONTRE::kWalkover);
  b.Doubles(open, paul, anne, paul, true, "7/6 6/7 7/6");
  auto operation = std::make_unique<OPERATION_FINANCIERE>();
  operation->SetCategory(Owner().Categories().Front());
  operation->SetAmount(SOMME(120.5f));
  operation->SetPurpose("Strings");
  season->Finances().AddExpense(std::move(operation));

  const auto path = Temp() / "Moi.ten";
  ASSERT_TRUE(Doc().Save(path).ok());
  const auto first = testing::FileBytes(path);

  PROJECT_DOC reread;
  SetCurrentDocument(&reread);
  const FileResult result = reread.Read(path);
  ASSERT_TRUE(result.ok()) << result.detail;
  EXPECT_EQ(reread.Title(), "Moi");
  EXPECT_FALSE(reread.IsModified());
  const auto path2 = Temp() / "again.ten";
  ASSERT_TRUE(reread.Save(path2).ok());
  EXPECT_EQ(testing::FileBytes(path2), first);

  const DocumentInfo info = reread.Info();
  EXPECT_EQ(info.seasons, 2);
  EXPECT_EQ(info.matches, 3);
  EXPECT_EQ(info.doubles, 1);
  EXPECT_EQ(info.players, 2);
  EXPECT_EQ(info.ranking_system, "France [built-in]");
  const SAISON_JOUEUR* active = reread.Owner().GetActiveSeason();
  ASSERT_NE(active, nullptr);
  EXPECT_EQ(active->Year(), 2001);
  ASSERT_NE(active->Palmares(), nullptr);
  EXPECT_EQ(active->Palmares()->Matches().Count(), 3);
  EXPECT_EQ(active->Palmares()->Count(kMaskSinglesWonOnCourt), 1);
  EXPECT_EQ(active->Palmares()->Count(kMaskSinglesLostByWalkover), 1);
  EXPECT_EQ(active->Finances().Expenses().Front()->Category()->Name(), "Clothes");
  EXPECT_EQ(Registry().Pending(), &Registry().French());
  EXPECT_TRUE(reread.AdoptSameSystem());
  EXPECT_EQ(&ActiveSystem(), &Registry().French());
  SetCurrentDocument(&Doc());
}

TEST_F(DocumentRoundTripTest, AnEmptyDocumentHasTheDocumentedLayout) {
  EncodedDocument encoded = Doc().Encode();
  ASSERT_TRUE(encoded.result.ok());
  const std::vector<uint8_t>& bytes = encoded.bytes;
  EXPECT_EQ(bytes[0], 4);
  EXPECT_EQ(bytes[1], 0);
  Archive system;
  SYSTEME_CLASSEMENT french = Registry().French();
  french.Serialize(system);
  const size_t owner_at = 2 + system.Bytes().size();
  ASSERT_GT(bytes.size(), owner_at + 14);
  for (size_t i = owner_at; i < owner_at + 14; ++i)
    EXPECT_EQ(bytes[i], 0) << i;
  const std::vector<uint8_t> tail(bytes.end() - 10, bytes.end());
  EXPECT_EQ(tail, std::vector<uint8_t>(10, 0xFF));
}

}  // namespace
}  // namespace scorvane

// Guards the exact bytes the program writes: an empty document, and a small one
// record by record, with identifiers numbered afresh in list order.
#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/byte_writer.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::ByteWriter;
using testing::CoreTest;

class DocumentLayoutTest : public CoreTest {
 protected:
  // The French built-in's record, its descriptions in Windows-1252.
  static void FrenchSystem(ByteWriter& w) {
    w.Text("SYS.CLASS").U16(2).Text("France");
    w.Text(
        "Syst\xE8"
        "me de classement fran\xE7"
        "ais\n\xC9"
        "chelons:   NC, 30/5, 30/4, 30/3, 30/2, 30/1, 30, 15/5, 15/4, 15/3, 15/2, 15/1,\n"
        "                  15, 5/6, 4/6, 3/6, 2/6, 1/6, 0, -2/6, -4/6, -15, -30, PROM, 1S");
    w.Text(
        "French ranking system\nGrades:   NC, 30/5, 30/4, 30/3, 30/2, 30/1, 30, 15/5, 15/4, "
        "15/3, 15/2, 15/1,\n          15, 5/6, 4/6, 3/6, 2/6, 1/6, 0, -2/6, -4/6, -15, -30, "
        "PROM, 1S");
    w.Text("FRA").U16(1).U16(1).U32(0).U32(24);
    for (const char* grade : {"NC",   "30/5", "30/4", "30/3", "30/2", "30/1", "30",  "15/5", "15/4",
                              "15/3", "15/2", "15/1", "15",   "5/6",  "4/6",  "3/6", "2/6",  "1/6",
                              "0",    "-2/6", "-4/6", "-15",  "-30",  "PROM", "1S"})
      w.Text(grade);
    w.U16(1);
  }
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
  FrenchSystem(expected);
  expected.U16(0).U16(0).U16(0).U16(0).U16(0).U16(0).U16(0);
  BarePlayer(expected, 0, "", "", 1980);
  expected.End().U16(0).End().Text("PC");
  expected.End().End().End().End().End();
  const EncodedDocument encoded = Doc().Encode();
  ASSERT_TRUE(encoded.result.ok());
  EXPECT_EQ(encoded.bytes, expected.Get());
}

TEST_F(DocumentLayoutTest, ASmallDocumentIsWrittenRecordByRecord) {
  UTILISATEUR& owner = Owner();
  owner.SetFirstName("Julien");
  owner.SetLastName("Morel");
  SAISON_JOUEUR* season = owner.AddSeason(2001);
  season->SetComment("good");
  owner.History().Add(CLASSEMENT(5), DATE_SIMPLE(1, 1, 2001), "");
  SURFACE* clay = owner.AddSurface(std::make_unique<SURFACE>("Clay"));
  owner.AddSurface(std::make_unique<SURFACE>("Grass"));  // first in the list: identifier 0
  auto club = std::make_unique<CLUB>("TC");
  club->SetCode(12);
  CLUB* tc = owner.AddClub(std::move(club));
  auto player = std::make_unique<JOUEUR>();
  player->SetLastName("Martin");
  player->SetFirstName("Paul");
  player->SetBirthDate(DATE_SIMPLE(1, 1, 1970));
  player->SetClub(tc);
  JOUEUR* paul = owner.AddPlayer(std::move(player));
  owner.AddPlayer(std::make_unique<JOUEUR>());  // identifier 0, Paul 1
  CATEGORIE_FINANCIERE* balls = owner.AddCategory(std::make_unique<CATEGORIE_FINANCIERE>("Balls"));
  EPREUVE* event = owner.AddEvent(std::make_unique<EPREUVE>("Open"));
  event->SetHomologation(EPREUVE::kHomologated);
  event->SetType(EPREUVE::kTournament);
  EPREUVE_JOUEE* played = event->AddPlayed(DATE_SIMPLE(1, 5, 2001), DATE_SIMPLE(5, 5, 2001));
  played->SetEntryFee(SOMME(80.0f));
  auto match = std::make_unique<RENCONTRE_SIMPLE>(DATE_SIMPLE(3, 5, 2001), 1, "6/4 6/3");
  match->SetOpponent(paul);
  match->SetSurface(clay);
  match->SetIndoorCode(RENCONTRE::kIndoor);
  match->SetPlace("Lyon");
  season->RetainMatch(played->AdoptMatch(std::move(match)));
  auto operation = std::make_unique<OPERATION_FINANCIERE>();
  operation->SetAmount(SOMME(12.5f));
  operation->SetDate(DATE_SIMPLE(2, 2, 2001));
  operation->SetPayee("Shop");
  operation->SetPurpose("Tube");
  operation->SetCategory(balls);
  season->Finances().AddExpense(std::move(operation));

  ByteWriter w;
  w.U16(4);
  FrenchSystem(w);
  // Owner: counts (matches, players, surfaces, clubs, played, categories).
  w.U16(0).U16(1).U16(2).U16(2).U16(1).U16(1).U16(1);
  BarePlayer(w, 2, "Morel", "Julien", 1980);
  // Season 2001: finances (no gain, one expense), palmares, comment.
  w.Entry().U16(3).U16(0).U16(2001);
  w.U16(0).End().Entry().U16(0).Amount(12.5f).Date(2, 2, 2001).Text("Shop").Text("Tube").U16(0);
  w.End();
  w.Text("PAL").U16(0).U16(0).End().U16(0).End().Text("good");
  w.End();
  w.U16(0).Entry().U16(1).Text("").Ranking(5).Date(1, 1, 2001).End().Text("PC");
  // Events: "Open" with its played instance and match.
  w.Entry().U16(1);
  w.Entry().U16(0).U16(0);
  w.Entry().U8('S').U16(0).U16(1).U16(0).Text("").Text("").Text("").U32(1).Text("SURF:").U16(1);
  w.Text("Lyon")
      .Date(3, 5, 2001)
      .U16(1)
      .U32(1)
      .Text("6/4 6/3")
      .U16(0)
      .U16(0)
      .U16(0)
      .U16(0)
      .U16(0)
      .U16(0);
  w.U16(1);
  w.End();
  w.Date(1, 5, 2001).Date(5, 5, 2001).Amount(80.0f).Amount(0.0f).Amount(0.0f);
  w.Text("").Text("").Text("").Text("").U32(0).Ranking(0);
  w.End();
  w.Text("Open").U32(0).U32(1).U32(1).U32(5).U32(0);
  w.End();
  // Surfaces, clubs, players, categories.
  w.Entry().U16(0).U16(0).Text("Grass").Entry().U16(0).U16(1).Text("Clay").End();
  w.Entry().U16(0).U16(0).Text("TC").Text("").Text("").Text("").U32(12).End();
  w.Entry();
  BarePlayer(w, 0, "", "", 0);
  w.End().U16(0).End().Text("PC");
  w.Entry();
  BarePlayer(w, 1, "Martin", "Paul", 1970);
  w.End().U16(0).End().Text("CLUB").U16(0);
  w.End();
  w.Entry().U16(0).U32(0).U16(0).Text("Balls").End();

  const EncodedDocument encoded = Doc().Encode();
  ASSERT_TRUE(encoded.result.ok()) << encoded.result.detail;
  EXPECT_EQ(encoded.bytes, w.Get());
  EXPECT_EQ(owner.Id(), 2);
  EXPECT_EQ(paul->Id(), 1);
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

#include "base/catalogue/messages.h"

#include <gtest/gtest.h>

#include <string>

namespace scorvane {
namespace {

class CatalogueTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage(kLanguageEnglish); }
};

TEST_F(CatalogueTest, GivesTheTextOfTheCurrentLanguage) {
  struct Case {
    int number;
    const char* english;
    const char* french;
  };
  const Case cases[] = {
      {0, "&OK", "&OK"},
      {7, "Seniors", "Séniors"},
      {20, "Friendly Matches", "Amical"},
      {52, "<Anonymous>", "<Anonyme>"},
      {60, "mar. ", "mars "},
      {134, "Error : bad file format !", "Erreur : mauvais format de fichier !"},
      {292, "Do you really want to destroy the match permanently ?",
       "Voulez-vous vraiment supprimer la rencontre ?"},
      {438, "\nTOTAL: %0g points  (down: %d, up: %d)\n\n",
       "\nBILAN : %0g points  (descente : %d, montée : %d)\n\n"},
      {584,
       "Score is badly written. Required format is x/x x/x.(you can put comments in brackets )",
       "Erreur de saisie du score : il doit s'écrire sous la forme x/x x/x. (vous pouvez saisir "
       "des commentaires entre parenthèses)"},
  };
  for (const Case& c : cases) {
    SetLanguage(kLanguageEnglish);
    EXPECT_STREQ(Msg(c.number), c.english) << c.number;
    SetLanguage(kLanguageFrench);
    EXPECT_STREQ(Msg(c.number), c.french) << c.number;
  }
}

TEST_F(CatalogueTest, ReservedAndOutOfRangeNumbersGiveABlank) {
  for (int language : {kLanguageEnglish, kLanguageFrench}) {
    SetLanguage(language);
    for (int number : {-1, 44, 46, 47, 49, 50, 53, 54, 477, 478, 479, 585, 590, 591, 100000}) {
      EXPECT_STREQ(Msg(number), " ") << number;
    }
    EXPECT_STREQ(Msg(238), " ");
  }
}

TEST_F(CatalogueTest, SomeEnglishEntriesHoldFrenchText) {
  for (int number = 472; number <= 476; ++number) {
    EXPECT_STREQ(MsgIn(number, kLanguageEnglish), MsgIn(number, kLanguageFrench)) << number;
  }
}

TEST_F(CatalogueTest, AnyLanguageOtherThanFrenchIsEnglish) {
  SetLanguage(7);
  EXPECT_EQ(CurrentLanguage(), kLanguageEnglish);
  EXPECT_FALSE(IsFrench());
  SetLanguage(kLanguageFrench);
  EXPECT_TRUE(IsFrench());
  EXPECT_STREQ(Msg(1), "et");
}

TEST_F(CatalogueTest, EveryNonReservedNumberHasTextsInBothLanguages) {
  int filled = 0;
  for (int number = 0; number <= 590; ++number) {
    const std::string english = MsgIn(number, kLanguageEnglish);
    const std::string french = MsgIn(number, kLanguageFrench);
    if (english != " " || french != " ") ++filled;
  }
  EXPECT_EQ(filled, 574);  // 591 numbers, 16 reserved, and 238 is itself a blank
}

}  // namespace
}  // namespace scorvane

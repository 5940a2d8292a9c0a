// Guards the message catalogue: texts in the current language, a blank for
// reserved and unknown numbers, and a table whose every text exists in both
// languages with the same "%" directives, so that FormatText fills either
// language the same way.
#include "base/catalogue/messages.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "base/catalogue/message_table.h"

namespace scorvane {
namespace {

// The numbers without a text; 238 is a blank in both languages.
const std::set<int> kWithoutText = {44,  46,  47,  49,  50,  53,  54,  238, 477,
                                    478, 479, 585, 586, 587, 588, 589, 590};

// The directives FormatText fills ("%s", "%d", "%0g"...), in their order.
std::vector<std::string> Directives(const std::string& text) {
  std::vector<std::string> found;
  for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
    size_t end = at + 1;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
      ++end;
    if (end < text.size() && std::string("sdg%").find(text[end]) != std::string::npos) {
      found.push_back(text.substr(at, end - at + 1));
      at = end;
    }
  }
  return found;
}

class CatalogueTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage(kLanguageEnglish); }
};

TEST_F(CatalogueTest, GivesTheTextOfTheCurrentLanguageAndABlankWithoutOne) {
  EXPECT_STREQ(Msg(20), "Friendly Matches");
  SetLanguage(kLanguageFrench);
  EXPECT_TRUE(IsFrench());
  EXPECT_STREQ(Msg(20), "Amical");
  for (int number : {-1, 44, 590, 591, 100000})
    EXPECT_STREQ(Msg(number), " ") << number;
  // Any language other than French is English.
  SetLanguage(7);
  EXPECT_EQ(CurrentLanguage(), kLanguageEnglish);
  EXPECT_STREQ(Msg(1), "and");
}

TEST_F(CatalogueTest, EveryTextExistsInBothLanguagesWithTheSameDirectives) {
  ASSERT_EQ(catalogue::kMessageCount, 591);
  for (int number = 0; number < catalogue::kMessageCount; ++number) {
    // Read from the table itself: the lookup would hide a missing English
    // text behind the French one.
    const catalogue::MessagePair& pair = catalogue::kMessageTable[number];
    if (kWithoutText.count(number)) {
      EXPECT_STREQ(Msg(number), " ") << number;
      continue;
    }
    ASSERT_TRUE(pair.english && pair.french) << number;
    const std::string english = pair.english, french = pair.french;
    EXPECT_NE(english.find_first_not_of(' '), std::string::npos) << number;
    EXPECT_NE(french.find_first_not_of(' '), std::string::npos) << number;
    EXPECT_EQ(Directives(english), Directives(french)) << number << ": " << english;
  }
  EXPECT_EQ(Directives("%d points (%0g%%), %s"),
            (std::vector<std::string>{"%d", "%0g", "%%", "%s"}));
}

}  // namespace
}  // namespace scorvane

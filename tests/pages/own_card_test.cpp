// Guards the own page's description card: the texts of each line under a
// yearly and a dated ranking system, an implausible birth year and a
// woman without a club.
#include "pages/own/own_card.h"

#include <gtest/gtest.h>

#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

class OwnCardTest : public testing::CoreTest {
 protected:
  Lines CardLines() {
    const OwnCard card = BuildOwnCard(Owner(), DATE_SIMPLE(15, 6, 2001));
    EXPECT_EQ(card.heading, "Your Description");
    Lines lines;
    for (const OwnCardLine& line : card.lines)
      lines.emplace_back(line.label, line.value);
    return lines;
  }
  void Describe(const char* first, const char* last, int32_t sex, int birth_year) {
    Owner().SetFirstName(first);
    Owner().SetLastName(last);
    Owner().SetSex(sex);
    Owner().SetBirthDate(DATE_SIMPLE(3, 4, birth_year));
  }
};

TEST_F(OwnCardTest, YearlySystemShowsTheLatestSeasonsRanking) {
  Describe("Jean", "Martin", JOUEUR::kMan, 1970);
  Owner().SetClub(Owner().AddClub(std::make_unique<CLUB>("TC Lyon")));
  testing::DocumentBuilder b(Owner());
  b.Season(1999, "15/2");
  b.Season(2001, "15/4");
  b.Season(2000, "15/3");
  EXPECT_EQ(CardLines(), (Lines{{"Name", "Jean Martin"},
                                {"Sex", "M"},
                                {"Age", "31-year-old"},
                                {"Club", "TC Lyon"},
                                {"2001 Rank", "15/4"},
                                {"Best Rank Reached", "15/2 (1999)"}}));
}

TEST_F(OwnCardTest, DatedSystemShowsTodaysRanking) {
  Registry().SetActive(Registry().FindBuiltIn("NTRP"));
  Describe("Ann", "Lee", JOUEUR::kWoman, 1850);
  testing::DocumentBuilder b(Owner());
  b.Season(2001);
  Owner().History().Add(CLASSEMENT(4), DATE_SIMPLE(10, 2, 2000), "");
  Owner().History().Add(CLASSEMENT(6), DATE_SIMPLE(20, 3, 2001), "");
  Owner().History().Add(CLASSEMENT(3), DATE_SIMPLE(1, 9, 2001), "");
  const Lines lines = CardLines();
  EXPECT_EQ(lines, (Lines{{"Name", "Ann Lee"},
                          {"Sex", "F"},
                          {"Age", "- Unknown Age -"},
                          {"Club", "- Not playing in a club -"},
                          {"Today Rank", CLASSEMENT(6).Text()},
                          {"Best Rank Reached", CLASSEMENT(6).Text() + " (20/03/2001)"}}));
  EXPECT_EQ(CLASSEMENT(6).Text(), "4.0");
}

TEST(OwnCardAge, PlausibleYearsOnly) {
  const struct {
    int birth_year;
    int age;
  } cases[] = {{1970, 31}, {2001, 0}, {0, -1}, {1900, -1}, {1901, 100}, {2002, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(PlausibleAge(c.birth_year, 2001), c.age) << c.birth_year;
}

}  // namespace
}  // namespace scorvane

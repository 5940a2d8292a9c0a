// Guards the rules of the ranking-system editor: the values it opens with, its
// checks in their order, the grade label rule and the system it builds.
#include "ranking/system_definition.h"

#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;

class SystemDefinitionTest : public CoreTest {};

SystemDefinition Numbers(int32_t strongest, int32_t weakest, const char* name = "Club ladder") {
  SystemDefinition definition;
  definition.name = name;
  definition.grades = false;
  definition.strongest = strongest;
  definition.weakest = weakest;
  return definition;
}

// With `bad_numbers` the number fields, unused for grades, hold -4.
SystemDefinition Grades(std::vector<std::string> lines, bool bad_numbers = false) {
  SystemDefinition definition;
  definition.name = "Club grades";
  definition.grades = true;
  definition.grade_lines = std::move(lines);
  if (bad_numbers) definition.strongest = definition.weakest = -4;
  return definition;
}

TEST_F(SystemDefinitionTest, ChecksComeInTheirOrderWithTheirTexts) {
  const std::string none;
  const struct {
    const char* what;
    SystemDefinition definition;
    std::string expected;
  } cases[] = {
      {"no name, even with bad numbers", Numbers(-3, -3, ""),
       "A name must be given to the ranking system"},
      {"equal numbers", Numbers(5, 5), "You must define a minimum of 2 rankings"},
      {"equal zeros", Numbers(0, 0), "You must define a minimum of 2 rankings"},
      {"equal negatives", Numbers(-2, -2), "You cannot use negative rankings"},
      {"negative strongest", Numbers(-1, 10), "You cannot use negative rankings"},
      {"negative weakest", Numbers(10, -1), "You cannot use negative rankings"},
      {"zero to one", Numbers(0, 1), none},
      {"one grade", Grades({"A"}), "You must define a minimum of 2 rankings"},
      {"no grade", Grades({}), "You must define a minimum of 2 rankings"},
      {"two grades", Grades({"A", "B"}), none},
      {"grades ignore the number fields", Grades({"A", "B"}, true), none},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DefinitionProblem(c.definition), c.expected) << c.what;

  SetLanguage(kLanguageFrench);
  EXPECT_EQ(DefinitionProblem(Grades({"A"})), "Vous devez définir au moins 2 classements!");
}

TEST_F(SystemDefinitionTest, NumbersRunFromTheSmallerToTheLargerField) {
  const struct {
    int32_t strongest, weakest, lowest, highest;
    bool higher_is_better;
  } cases[] = {
      {1000, 1, 1, 1000, true},
      {1, 1000, 1, 1000, false},
      {10, 1, 1, 10, true},
      {0, 7, 0, 7, false},
  };
  for (const auto& c : cases) {
    const SYSTEME_CLASSEMENT system = BuildSystem(Numbers(c.strongest, c.weakest), {});
    EXPECT_FALSE(system.HasGrades());
    EXPECT_EQ(system.Lowest(), c.lowest);
    EXPECT_EQ(system.Highest(), c.highest);
    EXPECT_EQ(system.HigherIsBetter(), c.higher_is_better) << c.strongest << " / " << c.weakest;
    EXPECT_EQ(system.BestValue(), c.strongest);
    EXPECT_EQ(system.WorstValue(), c.weakest);
  }
}

TEST_F(SystemDefinitionTest, TheBottomGradeBecomesTheWeakest) {
  SystemDefinition definition = Grades({"A1", "B2", "C3"});
  definition.yearly = true;
  definition.description = "Our club";
  SYSTEME_CLASSEMENT edited;
  edited.SetFrenchDescription("Notre club");
  edited.SetEnglishDescription("old English text");
  edited.SetCodeName("XYZ");
  const SYSTEME_CLASSEMENT system = BuildSystem(definition, edited);
  EXPECT_TRUE(system.HasGrades());
  EXPECT_TRUE(system.HigherIsBetter());
  EXPECT_EQ(system.Lowest(), 0);
  EXPECT_EQ(system.Highest(), 2);
  EXPECT_EQ(system.GradeName(0), "C3");
  EXPECT_EQ(system.GradeName(2), "A1");
  EXPECT_EQ(system.Title(), "Club grades");
  EXPECT_TRUE(system.CodeName().empty());
  EXPECT_TRUE(system.IsYearly());
  // The edited text replaces the description of the interface language only.
  EXPECT_EQ(system.EnglishDescription(), "Our club");
  EXPECT_EQ(system.FrenchDescription(), "Notre club");
}

TEST_F(SystemDefinitionTest, OpeningShowsWhatSavingBuilds) {
  // A grade system opens strongest first with the number fields preset.
  const SystemDefinition french = DefinitionOf(Registry().French());
  EXPECT_TRUE(french.grades);
  EXPECT_TRUE(french.yearly);
  EXPECT_EQ(french.name, "France");
  ASSERT_EQ(french.grade_lines.size(), 25u);
  EXPECT_EQ(french.grade_lines.front(), "1S");
  EXPECT_EQ(french.grade_lines.back(), "NC");
  EXPECT_EQ(french.strongest, 1000);
  EXPECT_EQ(french.weakest, 1);
  EXPECT_TRUE(BuildSystem(french, Registry().French()).IsSameAs(Registry().French()));

  // A number system puts its best value in the strongest field.
  const SYSTEME_REFERENCE& atp = *Registry().FindBuiltIn("ATP");
  const SystemDefinition tour = DefinitionOf(atp);
  EXPECT_FALSE(tour.grades);
  EXPECT_EQ(tour.strongest, 1);
  EXPECT_EQ(tour.weakest, 1400);
  EXPECT_TRUE(tour.grade_lines.empty());
  EXPECT_TRUE(BuildSystem(tour, atp).IsSameAs(atp));

  const SystemDefinition fresh = DefinitionOf(NewUserSystem());
  EXPECT_TRUE(fresh.name.empty());
  EXPECT_FALSE(fresh.grades);
  EXPECT_EQ(fresh.strongest, 1);
  EXPECT_EQ(fresh.weakest, 1000);
}

TEST_F(SystemDefinitionTest, TextsAFileCannotHoldAreFound) {
  SystemDefinition definition = Grades({"A", "B"});
  EXPECT_EQ(UnstorableDefinitionText(definition), "");
  definition.grade_lines[1] = "Ł1";
  EXPECT_EQ(UnstorableDefinitionText(definition), "Ł1");
  definition.description = "日本";
  EXPECT_EQ(UnstorableDefinitionText(definition), "日本");
  // Grades are not saved with a number system.
  definition.description.clear();
  definition.grades = false;
  EXPECT_EQ(UnstorableDefinitionText(definition), "");
}

TEST_F(SystemDefinitionTest, GradeLabelsAreCutToFiveCharacters) {
  const struct {
    const char* typed;
    bool refused, cut;
    const char* kept;
  } cases[] = {
      {"", true, false, ""},
      {"15/4", false, false, "15/4"},
      {"30/5 ", false, false, "30/5 "},
      {"Seniors", false, true, "Senio"},
      {"éèàùç", false, false, "éèàùç"},
      {"éèàùçô", false, true, "éèàùç"},
  };
  for (const auto& c : cases) {
    const GradeLabel label = CheckGradeLabel(c.typed);
    EXPECT_EQ(label.refused, c.refused) << c.typed;
    EXPECT_EQ(label.cut, c.cut) << c.typed;
    EXPECT_EQ(label.text, c.kept) << c.typed;
  }
  EXPECT_EQ(GradeLabelTooLongMessage(), "Sorry, only 5 characters are allowed!");
}

}  // namespace
}  // namespace scorvane

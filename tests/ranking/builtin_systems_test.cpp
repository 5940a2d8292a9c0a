// Guards the built-in ranking systems: their grade lists, their
// descriptions, how a document's copy is recognised (by code name, or by
// grades in old files), ranking values under each, and the registry's list
// and folder.
#include "ranking/builtin_systems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "tests/support/byte_writer.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;

class BuiltInSystemsTest : public CoreTest {};

std::vector<std::string> Grades(const SYSTEME_CLASSEMENT& system) {
  std::vector<std::string> names;
  for (int i = 0; i <= system.Highest(); ++i)
    names.push_back(system.GradeName(i));
  return names;
}

// An old-format copy of a system (as read from a record of version 1).
SYSTEME_CLASSEMENT OldFormatCopy(const std::vector<std::string>& grades) {
  testing::ByteWriter w;
  w.Text("SYS.CLASS").U16(1).Text("").Text("").Text("").U16(0).U16(1).U16(1).U32(0);
  w.U32(static_cast<uint32_t>(grades.size() - 1));
  for (const std::string& grade : grades)
    w.Text(grade);
  w.U16(1);
  Archive in(w.Get());
  SYSTEME_CLASSEMENT system;
  system.Serialize(in);
  return system;
}

TEST_F(BuiltInSystemsTest, GradeListsWeakestFirst) {
  // The French list is spelt out with the file layout of an empty document.
  EXPECT_EQ(
      Grades(Registry().Belgian()),
      (std::vector<std::string>{"NC", "30.4", "30.2", "30", "15.4", "15.2", "15", "+4/6", "+2/6",
                                "0", "-2/6", "-4/6", "-15", "-15/1", "-15/2", "-15/4", "A"}));
  EXPECT_EQ(Grades(*Registry().FindBuiltIn("LUX")),
            (std::vector<std::string>{"Cat 5", "Cat 4", "Cat 3", "Cat 2", "Cat 1"}));
  EXPECT_EQ(Grades(*Registry().FindBuiltIn("NETHER")).front(), "D2");
  EXPECT_EQ(Grades(*Registry().FindBuiltIn("SWI")).back(), "N1");
  EXPECT_EQ(Grades(*Registry().FindBuiltIn("NTRP"))[3], "2.5");
}

TEST_F(BuiltInSystemsTest, DescriptionsFollowTheInterfaceLanguage) {
  const SYSTEME_CLASSEMENT& belgian = Registry().Belgian();
  EXPECT_EQ(belgian.Description(),
            "Belgian ranking system.\nSeries : C : NC, 30.4, 30.2, 30, 15.4, 15.2, 15\n"
            "         B : +4/6, +2/6, 0, -2/6, -4/6, -15, -15/1, -15/2, -15/4\n         A:  A");
  SetLanguage(kLanguageFrench);
  EXPECT_EQ(Registry().FindBuiltIn("SWI")->Description(), "Système de classement Suisse\n");
  EXPECT_EQ(Registry().FindBuiltIn("ATP")->Description(),
            "Système de classement utilisé sur l'ATP Tour");
}

TEST_F(BuiltInSystemsTest, NewFormatSystemsAreRecognisedByCodeNameOnly) {
  EXPECT_EQ(&ActiveSystem(), &Registry().French());
  for (const SYSTEME_REFERENCE* built_in : Registry().BuiltIns()) {
    SYSTEME_CLASSEMENT copy = *built_in;  // as a document holds it
    EXPECT_EQ(Registry().Recognise(copy), built_in) << built_in->Title();
    // Only the French and Belgian systems have an estimate.
    EXPECT_EQ(built_in->CanEstimate(),
              copy.IsSameAs(Registry().French()) || copy.IsSameAs(Registry().Belgian()))
        << built_in->Title();
  }
  SYSTEME_CLASSEMENT copy = Registry().French();
  copy.SetCodeName("");  // a user system named "France" with French grades
  EXPECT_EQ(Registry().Recognise(copy), nullptr);
  copy.SetCodeName("ATP");
  EXPECT_EQ(Registry().Recognise(copy), Registry().FindBuiltIn("ATP"));
}

TEST_F(BuiltInSystemsTest, OldFormatSystemsAreRecognisedByTheirGrades) {
  std::vector<std::string> french = Grades(Registry().French());
  std::shuffle(french.begin(), french.end(), std::mt19937(7));
  EXPECT_EQ(Registry().Recognise(OldFormatCopy(french)), &Registry().French());

  // Without "PROM" and "1S" the French list still recognises it.
  std::vector<std::string> partial = Grades(Registry().French());
  partial.resize(23);
  EXPECT_EQ(Registry().Recognise(OldFormatCopy(partial)), &Registry().French());
  partial.resize(22);
  EXPECT_EQ(Registry().Recognise(OldFormatCopy(partial)), nullptr);

  std::vector<std::string> belgian = Grades(Registry().Belgian());
  belgian.erase(belgian.begin());  // "NC" is not required
  EXPECT_EQ(Registry().Recognise(OldFormatCopy(belgian)), &Registry().Belgian());

  const std::vector<std::string> ntrp = {"2.5", "3.0", "3.5", "4.0", "4.5",
                                         "5.0", "5.5", "6.0", "6.5", "7.0"};
  EXPECT_EQ(Registry().Recognise(OldFormatCopy(ntrp)), Registry().FindBuiltIn("NTRP"));
  EXPECT_EQ(Registry().Recognise(OldFormatCopy(Grades(*Registry().FindBuiltIn("SWI")))),
            Registry().FindBuiltIn("SWI"));
  EXPECT_EQ(Registry().Recognise(OldFormatCopy(Grades(*Registry().FindBuiltIn("NETHER")))),
            Registry().FindBuiltIn("NETHER"));
  EXPECT_EQ(Registry().Recognise(OldFormatCopy(Grades(*Registry().FindBuiltIn("LUX")))),
            Registry().FindBuiltIn("LUX"));
}

TEST_F(BuiltInSystemsTest, ANumberSystemTextIsTheBareNumber) {
  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  EXPECT_EQ(CLASSEMENT(1400).Text(), "1400");
  EXPECT_EQ(CLASSEMENT(-1).Text(), "-1");
  EXPECT_EQ(CLASSEMENT(1).OneStepBetter().Value(), 1);
  EXPECT_EQ(CLASSEMENT(5).OneStepBetter().Value(), 4);
  EXPECT_EQ(CLASSEMENT(1400).OneStepWorse().Value(), 1400);
  EXPECT_TRUE(CLASSEMENT(3).IsBetterThan(CLASSEMENT(10)));
  EXPECT_EQ(CLASSEMENT::Worst().Value(), 1400);
  EXPECT_EQ(CLASSEMENT::Best().Value(), 1);
}

TEST_F(BuiltInSystemsTest, RankingValuesFollowTheActiveSystem) {
  EXPECT_EQ(CLASSEMENT(5).Text(), "30/1");
  EXPECT_EQ(CLASSEMENT(24).OneStepBetter().Value(), 24);
  EXPECT_EQ(CLASSEMENT(0).OneStepWorse().Value(), 0);
  EXPECT_EQ(CLASSEMENT(5).OneStepWorse().Value(), 4);
  EXPECT_TRUE(CLASSEMENT(6).IsBetterThan(CLASSEMENT(5)));
  EXPECT_EQ(CLASSEMENT::FromGradeName("15/1").Value(), 11);
  EXPECT_EQ(CLASSEMENT::FromGradeName("").Value(), -1);
  EXPECT_EQ(CLASSEMENT::FromGradeName("R9").Value(), -1);
  Registry().SetActive(Registry().FindBuiltIn("SWI"));
  EXPECT_EQ(CLASSEMENT::FromGradeName("R9").Value(), -1);  // only French and Belgian answer
}

TEST_F(BuiltInSystemsTest, FolderRuleLooksBesideTheProgramThenInItsParent) {
  const auto program = Temp() / "app" / "bin";
  std::filesystem::create_directories(program);
  EXPECT_EQ(RankingRegistry::LocateFolder(program), RankingRegistry::UserDataFolder());
  std::filesystem::create_directories(Temp() / "app" / "RankSys");
  EXPECT_EQ(RankingRegistry::LocateFolder(program), Temp() / "app" / "RankSys");
  std::filesystem::create_directories(program / "RankSys");
  EXPECT_EQ(RankingRegistry::LocateFolder(program), program / "RankSys");
}

TEST_F(BuiltInSystemsTest, FreeWorkingSystemIsNeitherActiveNorPending) {
  RankingRegistry& registry = Registry();
  SYSTEME_CLASSEMENT& first = registry.FreeWorkingSystem();
  registry.SetActive(&first);
  SYSTEME_CLASSEMENT& second = registry.FreeWorkingSystem();
  EXPECT_NE(&first, &second);
  registry.SetPending(&second);
  SYSTEME_CLASSEMENT& third = registry.FreeWorkingSystem();
  EXPECT_NE(&third, &first);
  EXPECT_NE(&third, &second);
}

}  // namespace
}  // namespace scorvane

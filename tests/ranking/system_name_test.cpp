// A ranking system's name is its file's name: a name that cannot name a file
// is refused with the reason before anything is written, and a file that
// cannot be written says why.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "ranking/system_definition.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;

class SystemNameTest : public CoreTest {};

TEST_F(SystemNameTest, NamesThatCannotNameAFileAreRefusedWithTheReason) {
  const std::string reason =
      "The name of a ranking system is also the name of its file: it cannot hold \"/\", nor be "
      "\".\" or \"..\".";
  SystemDefinition definition;
  definition.strongest = 1;
  definition.weakest = 100;
  for (const char* name : {"A/B", "..", ".", "../Ladder", "/"}) {
    definition.name = name;
    EXPECT_EQ(DefinitionProblem(definition), reason) << name;
  }
  for (const char* name : {"Ladder", "A.B", "...", "Ladder 2.0"}) {
    definition.name = name;
    EXPECT_EQ(DefinitionProblem(definition), "") << name;
  }
  SetLanguage(kLanguageFrench);
  definition.name = "A/B";
  EXPECT_EQ(DefinitionProblem(definition),
            "Le nom d'un système de classement est aussi celui de son fichier : il ne peut pas "
            "contenir \"/\", ni être \".\" ou \"..\".");
}

TEST_F(SystemNameTest, AFileThatCannotBeWrittenSaysWhy) {
  SYSTEME_CLASSEMENT system = NewUserSystem();
  system.SetTitle("Ladder");
  ASSERT_TRUE(system.WriteFile());
  const auto path = SYSTEME_CLASSEMENT::FileFor("Ladder");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  std::string why;
  EXPECT_FALSE(system.WriteFile(&why));
  EXPECT_EQ(why, "Cannot write over the read-only file " + path.string() + ": Permission denied");
}

}  // namespace
}  // namespace scorvane

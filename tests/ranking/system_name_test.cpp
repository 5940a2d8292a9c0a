// A ranking system's name is its file's name: a name that cannot name a file
// is refused with the reason before anything is written.
#include <gtest/gtest.h>

#include "ranking/system_definition.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

class SystemNameTest : public testing::CoreTest {};

TEST_F(SystemNameTest, NamesThatCannotNameAFileAreRefusedWithTheReason) {
  const std::string refusal =
      "The name of a ranking system is also the name of its file: it cannot hold \"/\", nor be "
      "\".\" or \"..\".";
  const std::pair<const char*, bool> names[] = {{"A/B", true},     {"..", true},   {".", true},
                                                {"Ladder", false}, {"A.B", false}, {"...", false}};
  SystemDefinition definition = DefinitionOf(NewUserSystem());
  for (const auto& [name, refused] : names) {
    definition.name = name;
    EXPECT_EQ(DefinitionProblem(definition), refused ? refusal : "") << name;
  }
}

}  // namespace
}  // namespace scorvane

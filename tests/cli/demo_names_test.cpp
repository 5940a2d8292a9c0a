// The demo document's players carry first names that go with their sex.
#include <gtest/gtest.h>

#include <set>

#include "cli/document_generator.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;

class DemoNamesTest : public CoreTest {};

TEST_F(DemoNamesTest, FirstNamesGoWithTheSex) {
  GeneratorOptions options;
  options.matches = 600;
  GenerateDocument(Doc(), options);
  const std::set<std::string> men = {"Paul", "Pierre", "Thomas", "Lucas", "Hugo", "David"};
  const std::set<std::string> women = {"Julie", "Claire", "Sophie", "Emma", "Léa", "Chloé"};
  int women_met = 0;
  for (const JOUEUR* player : Owner().Players()) {
    const std::string& first = player->GetRawFirstName();
    const bool woman = player->Sex() == JOUEUR::kWoman;
    women_met += woman;
    EXPECT_FALSE(woman ? men.count(first) : women.count(first)) << first << " " << woman;
  }
  EXPECT_GT(women_met, 20);
}

}  // namespace
}  // namespace scorvane

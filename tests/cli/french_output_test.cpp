// Guards the command-line tool's French: on the demo document (written in
// French), every command that prints the record speaks French from end to
// end with --lang fr, and the same words do show in English without it.
#include <gtest/gtest.h>

#include <regex>

#include "tests/cli/cli_test_support.h"

namespace scorvane {
namespace {

using testing::CliResult;
using testing::RunCli;

// English words the tool writes in English that no French sentence has.
const std::regex kEnglishWords(
    "\\b(match|matches|won|lost|season|summary|expenses?|amount|event|opponents?|victor(y|ies)|"
    "defeats?|rank|ranking|played|with|the|and|none|category|purchase|debtor|prizes?|kept|"
    "upgrade|downgrade|selected|of|for|in|to)\\b",
    std::regex::icase);

class FrenchOutputTest : public testing::CoreTest {};

TEST_F(FrenchOutputTest, NoEnglishWordUnderFrench) {
  const std::string path = (Temp() / "Demo.ten").string();
  ASSERT_EQ(RunCli({"demo", path, "--lang", "fr"}).code, 0);
  const std::vector<std::vector<std::string>> commands = {
      {"matches", path},
      {"stats", path},
      {"stats", path, "--chart", "6"},
      {"summary", path},
      {"summary", path, "--chart", "3"},
      {"finances", path},
      {"estimate", path},
  };
  for (std::vector<std::string> command : commands) {
    const CliResult english = RunCli(command);
    ASSERT_EQ(english.code, 0) << command[0] << english.err;
    EXPECT_TRUE(std::regex_search(english.out, kEnglishWords)) << command[0];
    command.insert(command.end(), {"--lang", "fr"});
    const CliResult french = RunCli(command);
    ASSERT_EQ(french.code, 0) << command[0] << french.err;
    std::smatch found;
    EXPECT_FALSE(std::regex_search(french.out, found, kEnglishWords))
        << command[0] << ": \"" << found.str() << "\" in\n"
        << french.out;
  }
}

}  // namespace
}  // namespace scorvane

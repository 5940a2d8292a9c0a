// Guards the tool's catalogue and systems commands: a message in either
// language, the list of systems as text or JSON.
#include <gtest/gtest.h>

#include "ranking/ranking_registry.h"
#include "tests/cli/cli_test_support.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::RunCli;

class CliBasicsTest : public CoreTest {};

TEST_F(CliBasicsTest, TextPrintsAnEntryInEitherLanguage) {
  EXPECT_EQ(RunCli({"text", "20"}).out, "Friendly Matches\n");
  EXPECT_EQ(RunCli({"text", "20", "--lang", "fr"}).out, "Amical\n");
  EXPECT_EQ(RunCli({"text", "--lang", "en", "7"}).out, "Seniors\n");
  EXPECT_EQ(RunCli({"text", "-1"}).out, " \n");
  EXPECT_EQ(RunCli({"text", "99999999999999999999"}).out, " \n");
}

TEST_F(CliBasicsTest, SystemsListsBuiltInsWithLabels) {
  const testing::CliResult result = RunCli({"systems"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out,
            "France [built-in]\nSuisse [built-in]\nNTRP [built-in]\nNetherlands [built-in]\n"
            "Luxembourg [built-in]\nBelge [built-in]\nATP Tour [built-in]\nWTA Tour [built-in]\n");
}

TEST_F(CliBasicsTest, SystemsJsonDescribesGradesOrNumbers) {
  SYSTEME_CLASSEMENT mine;
  mine.SetTitle("Ladder \"A\"");
  mine.SetScale(1, 64, false);
  ASSERT_TRUE(mine.WriteFile());
  const std::string json = RunCli({"systems", "--json"}).out;
  EXPECT_EQ(json.rfind("[{\"title\":\"Ladder \\\"A\\\"\",\"label\":\"[user-defined]\","
                       "\"lowest\":1,\"highest\":64,\"higher_is_better\":false,\"yearly\":false,"
                       "\"code\":\"\"},{\"title\":\"France\",\"label\":\"[built-in]\",\"grades\":"
                       "[\"NC\",\"30/5\"",
                       0),
            0u)
      << json;
  EXPECT_NE(json.find("{\"title\":\"ATP Tour\",\"label\":\"[built-in]\",\"lowest\":1,\"highest\":"
                      "1400,\"higher_is_better\":false,\"yearly\":false,\"code\":\"ATP\"}"),
            std::string::npos);
  EXPECT_EQ(json.back(), '\n');
}

}  // namespace
}  // namespace scorvane

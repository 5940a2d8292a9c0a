// Guards "scorvane-cli estimate --rules" and "--plan": today's French rules
// as JSON and as text in both languages, planned matches and what they
// change, and a user's damaged scale file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/cli/cli_test_support.h"
#include "tests/support/document_builder.h"

namespace scorvane {
namespace {

using testing::CliResult;
using testing::DocumentBuilder;
using testing::RunCli;

class RulesEstimateCommandTest : public testing::CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    // The user's scale files are looked for under the test's own folder.
    const char* data = std::getenv("XDG_DATA_HOME");
    saved_data_ = data ? data : "";
    had_data_ = data != nullptr;
    setenv("XDG_DATA_HOME", Temp().Path().c_str(), 1);
  }
  void TearDown() override {
    if (had_data_) {
      setenv("XDG_DATA_HOME", saved_data_.c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
    CliTest::TearDown();
  }

  // A man ranked 30 in 2019 who beat a 30 and lost to a 30/1.
  std::string SaveSeason() {
    DocumentBuilder b(Owner());
    b.Season(2019, "30");
    EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(5, 5, 2019));
    b.Singles(open, b.Player("Paul", "Martin", {{2019, "30"}}), true, "6/4 6/4");
    b.Singles(open, b.Player("Léa", "Roux", {{2019, "30/1"}}), false, "4/6 4/6");
    return SavedAs("season.ten");
  }

 private:
  std::string saved_data_;
  bool had_data_ = false;
};

// 15/5 (one above the 30 beaten): 30 points; 30: 60; 30/1: 90 with one
// extra victory; no échelon holds, so the descent stops at 30/1, and the
// second pass (quota from 30/1) agrees.
TEST_F(RulesEstimateCommandTest, JsonGivesEveryFigureOfEveryEchelonTried) {
  const CliResult result = RunCli({"estimate", SaveSeason(), "--rules", "2019", "--json"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::string& json = result.out;
  EXPECT_EQ(json.rfind("{\"rules\":\"2019\",\"assumed\":[\"doubles: ", 0), 0u) << json;
  const char* const parts[] = {
      "\"ranking\":\"30\",\"sex\":\"M\",\"mode\":\"final\",\"matches\":["
      "{\"date\":\"05/05/2019\",\"opponent\":\"30\",\"won\":true,\"walkover\":false,"
      "\"coefficient\":1,\"championship\":false,\"doubles\":false,\"doubles_points\":0},"
      "{\"date\":\"05/05/2019\",\"opponent\":\"30/1\",\"won\":false,\"walkover\":false,"
      "\"coefficient\":1,\"championship\":false,\"doubles\":false,\"doubles_points\":0}],"
      "\"start\":\"15/5\",\"passes\":[",
      "{\"echelon\":\"15/5\",\"v\":1,\"e\":0,\"i\":0,\"g\":1,\"delta\":-4,\"kept\":8,"
      "\"wins\":[{\"opponent\":\"30\",\"points\":30,\"coefficient\":1}],"
      "\"championship_bonus\":0,\"no_defeat_bonus\":0,\"doubles_bonus\":0,\"total\":30,"
      "\"norm\":305,\"held\":false}",
      "{\"echelon\":\"30/1\",\"v\":1,\"e\":1,\"i\":0,\"g\":0,\"delta\":0,\"kept\":9,"
      "\"wins\":[{\"opponent\":\"30\",\"points\":90,\"coefficient\":1}],"
      "\"championship_bonus\":0,\"no_defeat_bonus\":0,\"doubles_bonus\":0,\"total\":90,"
      "\"norm\":210,\"held\":false}",
      "\"kept\":7,",  // second pass at 30/1: base 6 of 30/1, plus one
      "],\"result\":\"30/1\"}\n"};
  for (const char* part : parts)
    EXPECT_NE(json.find(part), std::string::npos) << part << "\nin " << json;
}

TEST_F(RulesEstimateCommandTest, ReportIsWrittenInTheChosenLanguage) {
  const std::string path = SaveSeason();
  const std::string french = RunCli({"estimate", path, "--rules", "2026", "--lang", "fr"}).out;
  for (const char* line :
       {"Règles de la saison sportive 2026, classement mensuel\n",
        "- [coefficients] le coefficient de chaque format n'est pas publié ; les sets à 4 jeux "
        "valent 0,5, toute autre option 1\n",
        "Meilleure victoire (classement d'origine) : 30 ; échelon de départ : 30\n",
        "Montée limitée à 30\n", "V = 1   E = 0   I = 1   G = 0      V-E-2I-5G = -1\n",
        "\t05/05/2019\tPaul Martin\t30\tcoef. 1\t60 points\n",
        "\tBILAN : 60 points  (norme : 285)  insuffisant\n",
        "RÉSULTAT DE LA PASSE.................. 30/1 (limite de descente)\n",
        "Classement calculé pour 2020 : 30/1\n"}) {
    EXPECT_NE(french.find(line), std::string::npos) << line << "\nin " << french;
  }
  const std::string english = RunCli({"estimate", path, "--rules", "2026"}).out;
  for (const char* line :
       {"Rules of the 2026 sports year, monthly ranking\n",
        "Best win (original ranking): 30; starting échelon: 30\n",
        "\tBILAN: 60 points  (norm: 285)  not enough\n", "Ranking calculated for 2020: 30/1\n"}) {
    EXPECT_NE(english.find(line), std::string::npos) << line << "\nin " << english;
  }
}

TEST_F(RulesEstimateCommandTest, PlannedMatchesShowWhatTheyChange) {
  const std::string path = SaveSeason();
  // Four planned wins over 30 hold 30: 5 x 60 = 300 >= 285.
  CliResult result =
      RunCli({"estimate", path, "--rules", "2019", "--plan", "W 30", "--plan", "W 30", "--plan",
              "W 30", "--plan", "W 30 four-games", "--plan", "W 30"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::string tail = result.out.substr(result.out.find("\nWith the planned"));
  EXPECT_EQ(tail,
            "\nWith the planned matches (without them):\n"
            "  result: 30 (30/1)\n"
            "  bilan at the result: 330 points (90 at 30/1)\n"
            "  victories kept there: 6 (1)\n"
            "  points missing for 15/5: 140 (225 for 30)\n");
  // Under the 2000 rules too, the planned win counted as a tournament win.
  result = RunCli({"estimate", path, "--rules", "2000", "--plan", "L 30/1"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_NE(result.out.find("\nWith the planned matches (without them):\n  result: "),
            std::string::npos);
}

TEST_F(RulesEstimateCommandTest, DamagedUserScaleIsRefusedAndTheShippedOneUsed) {
  const std::string path = SaveSeason();
  const std::filesystem::path folder = Temp().Path() / "Scorvane" / "FrenchRules";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "fft-2019.ini")
      << "[scale]\nyear = 2019\ntitle = mine\n[procedure]\nmode = weekly\n";
  const CliResult result = RunCli({"estimate", path, "--rules", "2019", "--json"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.err,
            "scorvane-cli: fft-2019.ini, line 5: 'mode' must be one of: final, monthly; the "
            "shipped scale is used instead\n");
  EXPECT_NE(result.out.find("\"result\":\"30/1\""), std::string::npos);
}

}  // namespace
}  // namespace scorvane

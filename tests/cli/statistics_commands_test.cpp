// Guards scorvane-cli stats and summary: the text and JSON outputs, and the
// filters as options.
#include <gtest/gtest.h>

#include "records/club.h"
#include "records/season.h"
#include "tests/cli/cli_test_support.h"
#include "tests/support/document_builder.h"

namespace scorvane {
namespace {

using testing::CliResult;
using testing::DocumentBuilder;
using testing::RunCli;

class StatisticsCommandsTest : public testing::CliTest {
 protected:
  // 2000: one lost singles on clay. 2001 (active, owner 30/1): a won
  // singles on clay, a won walkover and a lost doubles, all in "Open".
  std::string Save() {
    DocumentBuilder b(Owner());
    SURFACE* clay = Owner().AddSurface(std::make_unique<SURFACE>("Clay"));
    b.Season(2000, "30/2");
    b.Singles(b.Tournament("Cup", DATE_SIMPLE(5, 5, 2000)), b.Player("Old", "One", {{2000, "30"}}),
              false, "4/6 4/6")
        ->SetSurface(clay);
    b.Season(2001, "30/1");
    EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    JOUEUR* ann = b.Player("Ann", "Two", {{2001, "30/2"}});
    b.Singles(open, ann, true, "6/2 6/2")->SetSurface(clay);
    b.Singles(open, b.Player("Bob", "Three", {{2001, "15/5"}}), true, "",
              RESULTAT_RENCONTRE::kWalkover);
    b.Doubles(open, ann, b.Player("Cy", "Four"), b.Player("Di", "Five"), false, "6/7 6/7");
    return SavedAs("stats.ten");
  }
};

TEST_F(StatisticsCommandsTest, StatsPrintsTheTitleTheCountAndEveryValue) {
  const std::string path = Save();
  const CliResult result = RunCli({"stats", path});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "Won and lost matches\n"
            "Selected matches : 4 / 4\n"
            "Matches won : 2 (2 matches)\n"
            "Matches lost : 2 (2 matches)\n");
  EXPECT_EQ(RunCli({"stats", path, "--chart", "6", "--lang", "fr"}).out,
            "Réussite suivant le nombre de sets\n"
            "Rencontres sélectionnées : 4 / 4\n"
            "Réussite générale : 50 % (4 rencontres)\n"
            "Rencontres disputées en 2 sets : 33 % (3 rencontres)\n"
            "Rencontres disputées en 3 sets : 0 % (0 rencontres)\n"
            "Rencontres non disputées en 2 ou 3 sets : 100 % (1 rencontre)\n");
}

TEST_F(StatisticsCommandsTest, StatsJsonHoldsValuesAxisLabelsAndLegend) {
  const CliResult result = RunCli({"stats", Save(), "--chart", "4", "--json", "--only", "singles"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "{\"title\":\"Results per surface\",\"selected\":3,\"total\":4,\"values\":["
            "{\"id\":0,\"label\":\"Matches won on Clay\",\"value\":1,\"series\":0,\"matches\":1},"
            "{\"id\":1,\"label\":\"Matches lost on Clay\",\"value\":1,\"series\":1,\"matches\":1},"
            "{\"id\":2,\"label\":\"Matches won on <Unknown>\",\"value\":1,\"series\":0,"
            "\"matches\":1},"
            "{\"id\":3,\"label\":\"Matches lost on <Unknown>\",\"value\":0,\"series\":1,"
            "\"matches\":0}],"
            "\"axis_labels\":[\"Clay\",\"<Unknown>\"],\"legend\":[\"Matches won\",\"Matches "
            "lost\"]}\n");
}

TEST_F(StatisticsCommandsTest, FilterOptionsSelectTheMatches) {
  const std::string path = Save();
  const struct {
    std::vector<std::string> options;
    const char* count;
  } cases[] = {
      {{"--surface", "Clay"}, "2 / 4"},
      {{"--event", "Open", "--result", "won"}, "2 / 4"},
      {{"--from", "2001-06-01", "--to", "2000-06-01"}, "3 / 4"},
      {{"--only", "doubles", "--doubles-rule", "both", "--sex", "m"}, "1 / 4"},
      {{"--ranked-between", "30", "30/2"}, "2 / 4"},
      {{"--ranked", "better"}, "2 / 4"},
      {{"--age", "0-99"}, "0 / 4"},
      {{"--type", "2"}, "0 / 4"},
      {{"--homologation", "1", "--category", "5", "--indoor", "none", "--corporate", "none"},
       "4 / 4"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"stats", path};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.code, 0) << c.options[0] << ": " << result.err;
    EXPECT_NE(result.out.find(std::string("Selected matches : ") + c.count + "\n"),
              std::string::npos)
        << c.options[0] << "\n"
        << result.out;
  }
}

TEST_F(StatisticsCommandsTest, SummaryGivesTheChartTheCountsAndThePointsBox) {
  const std::string path = Save();
  const CliResult text = RunCli({"summary", path, "--chart", "3"});
  EXPECT_EQ(text.code, 0) << text.err;
  EXPECT_EQ(text.out.substr(0, text.out.find("Only one victory kept")),
            "2001 summary (30/1)\n\n"
            "Played Surfaces\n"
            "Selected matches : 3 / 3\n"
            "Played matches in 2001 on Clay : 1 (1 match)\n"
            "Played matches in 2001 on <Unknown> : 2 (2 matches)\n\n"
            "SELECTED MATCHES\n"
            "3 matches / 3\n"
            "2 matches won - 1 match lost\n\n"
            "FFT points\n");
  const CliResult json = RunCli({"summary", path, "--season", "2000", "--exclude", "", "--json"});
  EXPECT_EQ(json.code, 0) << json.err;
  EXPECT_NE(json.out.find("\"heading\":\"2000 summary (30/2)\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"text\":[\"SELECTED MATCHES\",\"1 match / 1\",\"0 matches won - 1 "
                          "match lost\"],\"points\":[\"FFT points\",\"No victory kept\""),
            std::string::npos)
      << json.out;
  const CliResult doubles = RunCli({"summary", path, "--exclude", "singles"});
  EXPECT_NE(doubles.out.find("Selected matches : 1 / 3\n"), std::string::npos) << doubles.out;
}

}  // namespace
}  // namespace scorvane

// Guards scorvane-cli estimate: its three outputs, the season and language options,
// the advice, and the documents it has nothing to say about.
#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "tests/cli/cli_test_support.h"
#include "tests/support/document_builder.h"

namespace scorvane {
namespace {

using testing::CliResult;
using testing::DocumentBuilder;
using testing::RunCli;

// The report of an owner ranked NC in 2001 without any victory.
const char* const kUnrankedReport =
    "\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\n"
    "##SEPARATION_HORIZONTALE##"
    "\n\nVotre palmarès ne compte pas la moindre victoire à comptabiliser.\n"
    "Pour l'instant, il est donc certain que vous resterez non classé l'an prochain!\n"
    "\nAllez, courage! Il faut faire des tournois!\n";

class EstimateCommandTest : public testing::CliTest {
 protected:
  // An owner ranked NC in 2001 with an empty season, and 30/1 in 2000 with a
  // season holding one defeat.
  std::string SaveFrench() {
    DocumentBuilder b(Owner());
    b.Season(2000, "30/1");
    EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(5, 5, 2000));
    b.Singles(open, b.Player("A", "B", {{2000, "30/1"}}), false, "1/6 1/6");
    b.Season(2001, "NC");
    return SavedAs("french.ten");
  }
};

// The JSON holds the system, the season, the rankings and the report.
TEST_F(EstimateCommandTest, ReadableTextDrawsRulesAndEndsWithTheEstimate) {
  const CliResult result = RunCli({"estimate", SaveFrench()});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "\nESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\n" + std::string(76, '_') +
                "\n\nVotre palmarès ne compte pas la moindre victoire à comptabiliser.\n"
                "Pour l'instant, il est donc certain que vous resterez non classé l'an prochain!\n"
                "\nAllez, courage! Il faut faire des tournois!\n"
                "\nEstimated ranking for 2002: NC\n");
  EXPECT_EQ(RunCli({"estimate", "--json", SaveFrench()}).out,
            "{\"system\":\"France\",\"season\":2001,\"current\":\"NC\",\"estimate\":\"NC\","
            "\"report\":\"\\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\\n"
            "##SEPARATION_HORIZONTALE##\\n\\nVotre palmarès ne compte pas la moindre victoire à "
            "comptabiliser.\\nPour l'instant, il est donc certain que vous resterez non classé "
            "l'an prochain!\\n\\nAllez, courage! Il faut faire des tournois!\\n\"}\n");
}

// 2000: one defeat, no victory: 30/1 falls to 30/2. The document's own
// active season is left as it was, its raw report exactly the report.
TEST_F(EstimateCommandTest, SeasonOptionEstimatesAnotherSeason) {
  const std::string path = SaveFrench();
  const CliResult result = RunCli({"estimate", path, "--season", "2000", "--json"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out.rfind("{\"system\":\"France\",\"season\":2000,\"current\":\"30/1\","
                             "\"estimate\":\"30/2\",",
                             0),
            0u)
      << result.out;
  EXPECT_EQ(RunCli({"estimate", path, "--raw"}).out, kUnrankedReport);
}

TEST_F(EstimateCommandTest, BelgianReportFollowsTheLanguageOption) {
  Registry().SetActive(&Registry().Belgian());
  DocumentBuilder(Owner()).Season(2001, "30");
  const std::string path = SavedAs("belgian.ten");
  Registry().Reset();

  const CliResult english = RunCli({"estimate", path, "--raw"});
  EXPECT_EQ(english.out.rfind("\n##GRAS_17##RANK CALCULATION FROM SEASON 2001\n", 0), 0u)
      << english.out;
  const CliResult french = RunCli({"estimate", path, "--raw", "--lang", "fr"});
  EXPECT_EQ(
      french.out.rfind("\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\n", 0), 0u)
      << french.out;
  EXPECT_NE(french.out.find("Maintient à 30\n"), std::string::npos);
  // Nothing of the French run is left for the next command.
  EXPECT_EQ(RunCli({"estimate", path, "--raw"}).out, english.out);
}

TEST_F(EstimateCommandTest, SystemWithoutEstimateExplainsInOneLine) {
  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  DocumentBuilder(Owner()).Season(2001, "57");
  const std::string path = SavedAs("atp.ten");
  Registry().Reset();

  CliResult result = RunCli({"estimate", path});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out, "The ranking system ATP Tour makes no next-season estimate.\n");
  result = RunCli({"estimate", path, "--json"});
  EXPECT_EQ(result.out,
            "{\"system\":\"ATP Tour\",\"season\":2001,\"current\":\"57\",\"estimate\":\"\","
            "\"report\":\"\"}\n");
  result = RunCli({"estimate", path, "--raw"});
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "The ranking system ATP Tour makes no next-season estimate.\n");
}

TEST_F(EstimateCommandTest, DocumentWithoutSeasonHasNothingToEstimate) {
  const std::string path = SavedAs("empty.ten");
  CliResult result = RunCli({"estimate", path});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out, "The document has no season to estimate.\n");
  result = RunCli({"estimate", path, "--explain-next", "--json"});
  EXPECT_EQ(result.out,
            "{\"system\":\"France\",\"season\":0,\"current\":\"\",\"estimate\":\"\","
            "\"report\":\"\"}\n");
}

// NC without victory (worked out in the advice tests): 2 wins over NC or one
// over 30/4 reach 30/5.
TEST_F(EstimateCommandTest, ExplainNextTellsWhatWouldReachTheNextGrade) {
  const std::string path = SaveFrench();
  CliResult result = RunCli({"estimate", path, "--explain-next"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out,
            "Estimated ranking for 2002: NC\n"
            "At NC the season is worth 0 points; 100 are needed to rise to 30/5 (100 missing).\n"
            "Fewest wins that would reach 30/5:\n"
            "  2 wins over NC\n"
            "  1 win over 30/4\n");
  result = RunCli({"estimate", path, "--explain-next", "--json"});
  EXPECT_EQ(result.out,
            "{\"system\":\"France\",\"season\":2001,\"estimate\":\"NC\",\"target\":\"30/5\","
            "\"points\":0,\"up_norm\":100,\"missing\":100,\"wins\":[{\"grade\":\"NC\",\"wins\":2},"
            "{\"grade\":\"30/4\",\"wins\":1}]}\n");
}

}  // namespace
}  // namespace scorvane

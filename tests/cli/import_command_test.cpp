// Guards scorvane-cli import: the round trip with matches --csv, a
// spreadsheet's export in French, the refusals that leave the document as
// it was, and --dry-run / --skip-bad.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/cli/cli_test_support.h"
#include "tests/support/document_builder.h"

namespace scorvane {
namespace {

using testing::DocumentBuilder;
using testing::FileBytes;
using testing::RunCli;

class ImportCommandTest : public testing::CliTest {
 protected:
  // A document with the season 2001 and one recorded opponent.
  std::string Document() {
    DocumentBuilder b(Owner());
    b.Season(2001, "15/2");
    b.Player("Jérôme", "Léger", {{2001, "15/2"}})->SetLicence("0999999Z");
    return SavedAs("Mine.ten");
  }
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (Temp() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

TEST_F(ImportCommandTest, TheDemosThreeSeasonsComeBackAsTheSameLines) {
  const std::string demo = (Temp() / "Demo.ten").string();
  ASSERT_EQ(RunCli({"demo", demo}).code, 0);
  const std::string fresh = SavedAs("New.ten");

  std::vector<std::string> exported;
  for (const std::string year : {"1999", "2000", "2001"}) {
    const auto csv = RunCli({"matches", demo, "--season", year, "--csv"});
    ASSERT_EQ(csv.code, 0);
    exported.push_back(csv.out);
    const auto import = RunCli({"import", fresh, Write(year + ".csv", csv.out)});
    ASSERT_EQ(import.code, 0) << import.err;
  }
  for (size_t i = 0; i < exported.size(); ++i) {
    const std::string year = std::to_string(1999 + i);
    EXPECT_EQ(RunCli({"matches", fresh, "--season", year, "--csv"}).out, exported[i]) << year;
  }
}

TEST_F(ImportCommandTest, AFrenchSpreadsheetIsImportedAndListed) {
  const std::string doc = Document();
  const std::string csv =
      Write("tableur.csv",
            "\xEF\xBB\xBF"
            "Date;Épreuve;Prénom;Nom;Classement;Résultat;Score;Surface;Météo;Commentaires\r\n"
            "15/03/2001;Tournoi de Nantes;jerome;LEGER;15/2;V;6-4 7-5;Terre battue;soleil;"
            "\"Bien joué ; \"\"vent\"\"\nfort\"\r\n"
            "2001-04-02;Tournoi de Nantes;Luc;Blanc;30/1;D;4-6 6-7;;;\r\n"
            "2001-04-03;;Marie;Roy;NC;Victoire;6-0 6-1;;;\r\n");
  const auto import = RunCli({"import", doc, csv});
  ASSERT_EQ(import.code, 0) << import.err;
  EXPECT_EQ(import.out,
            "Matches to import: 3\n"
            "New players (2):\n  Luc Blanc\n  Marie Roy\n"
            "Events entered (2):\n  Tournoi de Nantes, season 2001 (new event)\n"
            "  Friendly Matches, season 2001\n"
            "New surfaces (1):\n  Terre battue\n"
            "Ignored columns (1):\n  Météo\n"
            "Imported 3 matches into " +
                doc + ".\n");
  EXPECT_EQ(RunCli({"matches", doc, "--season", "2001"}).out,
            "Season 2001 matches   ( 3 matches )\n\n"
            "Count  Result  Date        Event              First name  Surname  Rank  "
            "Future rank  Score\n"
            "1      W       15/03/2001  Tournoi de Nantes  Jérôme      Léger    15/2               "
            "6/4 7/5\n"
            "2      L       02/04/2001  Tournoi de Nantes  Luc         Blanc    30/1               "
            "4/6 6/7\n"
            "3      W       03/04/2001  Friendly Matches   Marie       Roy      NC                 "
            "6/0 6/1\n");
}

struct BadInput {
  const char* name;
  std::string csv;
  const char* message;
};

TEST_F(ImportCommandTest, BadInputsAreRefusedWithAClearMessageAndTheDocumentIsUnchanged) {
  const std::string heading = "Date,Event,First name,Surname,Rank,Result,Score\n";
  const std::string columns(10000 * 2, ',');
  const BadInput cases[] = {
      {"empty", "", "The file is empty."},
      {"no heading", "Weather,Mood\nsun,good\n", "The first line names no known column"},
      {"no result column", "Date,Surname\n01/02/2001,Roy\n", "The file has no Result column."},
      {"10,000 columns", heading + "01/02/2001" + columns + "\n", "Line 2: more than 200 columns."},
      {"quote left open", heading + "01/02/2001,Open,\"Ann,Roy,,W,6/4\n",
       "Line 2: a quoted cell is not closed."},
      {"control character", heading + "01/02/2001,Open,Ann,R\x01oy,,W,6/4\n",
       "Line 2: the control character 0x01 is not allowed in a cell."},
      {"year 0", heading + "01/02/0000,Open,Ann,Roy,,W,6/4\n",
       "line 2: the date \"01/02/0000\" is not between the years 1900 and 2100."},
      {"year 99999", heading + "01/02/2001,Open,Ann,Roy,,W,6/4\n99999-01-01,Open,Ann,Roy,,W,6/4\n",
       "line 3: the date \"99999-01-01\" is not between the years 1900 and 2100."},
      {"unknown ranking", heading + "01/02/2001,Open,Ann,Roy,15/7,W,6/4\n",
       "line 2: the ranking \"15/7\" is not a ranking of the France system."},
      {"bad score", heading + "01/02/2001,Open,Ann,Roy,,W,6-\n",
       "line 2: the score \"6-\" cannot be read; write it as 6/4 3/6 7/5."},
      {"bad result", heading + "01/02/2001,Open,Ann,Roy,,maybe,6/4\n",
       "line 2: the result \"maybe\" is neither won (W, V) nor lost (L, D)."},
  };
  const std::string doc = Document();
  const std::vector<uint8_t> before = FileBytes(doc);
  for (const BadInput& bad : cases) {
    const auto result = RunCli({"import", doc, Write("bad.csv", bad.csv)});
    EXPECT_EQ(result.code, 1) << bad.name;
    EXPECT_NE((result.out + result.err).find(bad.message), std::string::npos)
        << bad.name << "\n"
        << result.out << result.err;
    EXPECT_EQ(FileBytes(doc), before) << bad.name;
  }

  // A 50 MB file is refused before it is read.
  const std::string big = Write("big.csv", heading);
  std::filesystem::resize_file(big, 50u << 20);
  const auto result = RunCli({"import", doc, big});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.err,
            "The file " + big + " is larger than 8 MB; a list of matches is far smaller.\n");
  EXPECT_EQ(FileBytes(doc), before);
}

TEST_F(ImportCommandTest, RefusedLinesStopTheImportUnlessSkipBadAndDryRunWritesNothing) {
  const std::string doc = Document();
  const std::vector<uint8_t> before = FileBytes(doc);
  const std::string csv = Write("mixed.csv",
                                "Date,Surname,First name,Licence,Result,Score\n"
                                "01/02/2001,Léger,Jérôme,,W,6/4 6/4\n"
                                "01/02/2001,Leger,Jerome,0123456A,W,6/4 6/4\n"
                                "31/02/2001,Roy,Ann,,L,1/6 1/6\n");
  const auto refused = RunCli({"import", doc, csv});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.out,
            "Matches to import: 2\n"
            "New players (1):\n  Jerome Leger (licence 0123456A)\n"
            "Events entered (1):\n  Friendly Matches, season 2001\n"
            "Warnings (1):\n"
            "  line 3: the new player Jerome Leger looks like the recorded player Jérôme Léger "
            "(licence 0999999Z).\n"
            "Refused lines (1):\n  line 4: the date \"31/02/2001\" does not exist.\n");
  EXPECT_EQ(refused.err,
            "Nothing was imported: 1 line is refused (--skip-bad imports the other lines).\n");
  EXPECT_EQ(FileBytes(doc), before);

  const auto dry = RunCli({"import", doc, csv, "--skip-bad", "--dry-run"});
  EXPECT_EQ(dry.code, 0);
  EXPECT_NE(dry.out.find("Dry run: the document was not changed.\n"), std::string::npos);
  EXPECT_EQ(FileBytes(doc), before);

  const auto skipped = RunCli({"import", doc, csv, "--skip-bad"});
  EXPECT_EQ(skipped.code, 0);
  EXPECT_NE(skipped.out.find("Imported 2 matches into "), std::string::npos);
  EXPECT_NE(RunCli({"info", doc}).out.find("Matches: 2\n"), std::string::npos);
}

}  // namespace
}  // namespace scorvane

// Guards the document commands of the tool: info, resave, matches and demo, and the
// error contract every command shares (messages and exit codes, the command lines
// each command refuses).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "tests/cli/cli_test_support.h"
#include "tests/support/document_builder.h"
#include "tests/support/tiny_document.h"

namespace scorvane {
namespace {

using testing::DocumentBuilder;
using testing::RunCli;

class DocumentCommandsTest : public testing::CliTest {
 protected:
  // A season 2001 with a singles, a walkover, a retirement and a doubles.
  std::string SmallDocument() {
    DocumentBuilder b(Owner());
    b.Season(2001, "30/2");
    JOUEUR* paul = b.Player("Paul", "Martin", {{2001, "30/1"}, {2002, "30"}});
    JOUEUR* anne = b.Player("Anne", "Roux", {{2001, "15/4"}});
    EPREUVE_JOUEE* open = b.Tournament("Open \"de\" Lyon, été", DATE_SIMPLE(3, 5, 2001));
    b.Singles(open, paul, true, "6/4 6/3");
    b.Singles(open, anne, false, "", RESULTAT_RENCONTRE::kWalkover);
    b.Singles(open, paul, true, "6/2 1/0", 0)->Result().SetRetirement(true);
    b.Doubles(open, paul, anne, paul, false, "4/6 4/6");
    return SavedAs("Small.ten");
  }
};

TEST_F(DocumentCommandsTest, InfoPrintsTheCountsAsTextOrOneJsonObject) {
  const std::string path = SmallDocument();
  const auto json = RunCli({"info", path, "--json"});
  EXPECT_EQ(json.code, 0);
  EXPECT_EQ(json.out,
            "{\"seasons\":1,\"events\":1,\"matches\":4,\"singles\":3,\"doubles\":1,\"players\":2,"
            "\"anonymous\":0,\"contacts\":0,\"ranking_system\":\"France [built-in]\"}\n");
  const auto text = RunCli({"info", path});
  EXPECT_EQ(text.code, 0);
  EXPECT_NE(text.out.find("Matches: 4\n"), std::string::npos);
  EXPECT_NE(text.out.find("Ranking system: France [built-in]\n"), std::string::npos);
}

TEST_F(DocumentCommandsTest, UnreadableFilesPrintTheDocumentsMessageAndExitOne) {
  testing::TinyDocument tiny;
  tiny.opponent = 9;
  testing::WriteBytes(Temp() / "bad.ten", tiny.Build());
  tiny = testing::TinyDocument();
  tiny.version = 5;
  testing::WriteBytes(Temp() / "future.ten", tiny.Build());
  testing::WriteBytes(Temp() / "short.ten", {4});

  // Every command that reads a document says the same.
  for (const std::string command : {"info", "matches", "estimate", "stats", "finances"}) {
    auto bad = RunCli({command, (Temp() / "bad.ten").string()});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.err,
              "Error : bad file format !\nErreur de lecture: perte de d'un adv. de simple !!!\n");
    EXPECT_EQ(bad.out, "");
    auto future = RunCli({command, (Temp() / "future.ten").string()});
    EXPECT_EQ(future.code, 1);
    EXPECT_EQ(future.err.substr(0, future.err.find('\n')),
              "The document was saved by a future version of this program. To load it, you must "
              "get the lastest version of this program on its website");
    auto missing = RunCli({command, (Temp() / "none.ten").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos);
  }
  const auto cut = RunCli({"resave", (Temp() / "short.ten").string(), (Temp() / "o.ten").string()});
  EXPECT_EQ(cut.code, 1);
  EXPECT_EQ(cut.err.substr(0, cut.err.find('\n')), "Error : bad file format !");
  EXPECT_FALSE(std::filesystem::exists(Temp() / "o.ten"));
}

// A command line the tool cannot take is refused with exit 2, nothing on the
// standard output and the fault named on the error output.
TEST_F(DocumentCommandsTest, MalformedCommandLinesExitTwoNamingTheFault) {
  const std::string path = SmallDocument();
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"text"}, "text needs one message number"},
      {{"text", "12a"}, "'12a' is not a message number"},
      {{"text", "3", "--lang", "de"}, "--lang takes fr or en"},
      {{"text", "3", "--lang"}, "--lang needs a value"},
      {{"systems", "--yaml"}, "unknown option --yaml"},
      {{"info"}, "info takes one FILE"},
      {{"info", path, path}, "info takes one FILE"},
      {{"info", path, "--xml"}, "unknown option --xml"},
      {{"resave", path}, "resave takes IN and OUT"},
      {{"matches", path, "--season"}, "--season needs a value"},
      {{"matches", path, "--season", "20x1"}, "--season takes a year"},
      {{"matches"}, "matches takes one FILE"},
      {{"demo"}, "demo takes OUT"},
      {{"demo", "a.ten", "--matches", "40000"}, "--matches takes a number from 0 to 32767"},
      {{"demo", "a.ten", "--seasons", "0"}, "--seasons takes a number from 1 to 50"},
      {{"estimate"}, "estimate needs one document file"},
      {{"estimate", path, path}, "estimate needs one document file"},
      {{"estimate", path, "--raw", "--json"}, "--raw and --json exclude each other"},
      {{"estimate", path, "--raw", "--explain-next"},
       "--raw and --explain-next exclude each other"},
      {{"estimate", path, "--lang", "de"}, "--lang takes fr or en"},
      {{"estimate", path, "--season"}, "--season needs a value"},
      {{"estimate", path, "--season", "20x1"}, "'20x1' is not a year"},
      {{"estimate", path, "--season", "1999"}, "the document has no season 1999"},
      {{"estimate", path, "--verbose"}, "unknown option --verbose"},
      {{"estimate", path, "--rules", "2031"},
       "no scale of the French rules for 2031 (2000 or one of: 2019 2026)"},
      {{"estimate", path, "--rules", "latest"}, "--rules takes 2000 or the year of a scale"},
      {{"estimate", path, "--plan", "W 15/2 final"},
       "'W 15/2 final' is not a planned match (W or L, an échelon, then optionally championship "
       "or team, and no-ad, four-games or tie-break)"},
      {{"estimate", path, "--plan"}, "--plan needs a value"},
      {{"stats", path, "--chart", "9"}, "--chart takes a number from 0 to 8"},
      {{"stats", path, "--surface", "Sand"}, "--surface: the document has no surface 'Sand'"},
      {{"stats", path, "--event", "Wimbledon"}, "--event: the document has no event 'Wimbledon'"},
      {{"stats", path, "--from", "2001-13-01"}, "--from takes a date written YYYY-MM-DD"},
      {{"stats", path, "--to", "1/5/2001"}, "--to takes a date written YYYY-MM-DD"},
      {{"stats", path, "--age", "20"}, "--age takes MIN-MAX, two ages from 0 to 99"},
      {{"stats", path, "--ranked-between", "30", "3O"},
       "--ranked-between: '3O' is not a ranking of France"},
      {{"stats", path, "--ranked-between", "30"}, "--ranked-between needs two rankings"},
      {{"stats", path, "--sex", "x"}, "--sex takes f|m"},
      {{"stats", path, "--type"}, "--type needs a value"},
      {{"stats", path, "--colour", "red"}, "unknown option --colour"},
      {{"summary", path, "--chart", "5"}, "--chart takes a number from 0 to 4"},
      {{"summary", path, "--exclude", "singles,mixed"},
       "--exclude takes a comma-separated list of friendly, championship, corporate, doubles, "
       "team, homologated, non-homologated, singles, tournament"},
      {{"summary", path, "--season", "1999"}, "--season: the document has no season 1999"},
      {{"summary", path, "--lang", "de"}, "--lang takes en|fr"},
      {{"finances", path, "--csv", "--json"}, "choose --csv or --json, not both"},
      {{"finances", path, "--season", "two"}, "--season takes a year"},
      {{"finances", path, "--season"}, "--season needs a value"},
      {{"finances", path, "--pounds"}, "unknown option --pounds"},
      {{"finances"}, "finances takes one FILE"},
  };
  for (const auto& c : cases) {
    const auto result = RunCli(c.args);
    EXPECT_EQ(result.code, 2) << c.message;
    EXPECT_EQ(result.out, "") << c.message;
    EXPECT_EQ(result.err.substr(0, result.err.find("Try")),
              std::string("scorvane-cli: ") + c.message + "\n");
  }
  EXPECT_EQ(RunCli({}).code, 2);
  EXPECT_EQ(RunCli({"help"}).code, 0);
}

TEST_F(DocumentCommandsTest, ResaveGivesBackTheSameBytesAndUpgradesOldFiles) {
  const std::string path = SmallDocument();
  const auto out = Temp() / "again.ten";
  EXPECT_EQ(RunCli({"resave", path, out.string()}).code, 0);
  EXPECT_EQ(testing::FileBytes(out), testing::FileBytes(path));

  testing::TinyDocument tiny;
  tiny.version = 1;
  testing::WriteBytes(Temp() / "old.ten", tiny.Build());
  EXPECT_EQ(RunCli({"resave", (Temp() / "old.ten").string(), out.string()}).code, 0);
  const std::vector<uint8_t> upgraded = testing::FileBytes(out);
  EXPECT_EQ(upgraded[0], 4);
  EXPECT_EQ(RunCli({"info", out.string(), "--json"}).out,
            RunCli({"info", (Temp() / "old.ten").string(), "--json"}).out);
  // The embedded copy of a built-in is replaced by the built-in itself.
  EXPECT_EQ(&ActiveSystem(), &Registry().French());

  // A read-only file is not replaced; the refusal names it and says why.
  ASSERT_EQ(::chmod(out.c_str(), 0444), 0);
  const auto refused = RunCli({"resave", path, out.string()});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.err,
            "Cannot write over the read-only file " + out.string() + ": Permission denied\n");
  EXPECT_EQ(testing::FileBytes(out), upgraded);
}

TEST_F(DocumentCommandsTest, MatchesListsTheSeasonAlignedOrAsCsv) {
  const std::string path = SmallDocument();
  const auto text = RunCli({"matches", path});
  EXPECT_EQ(text.code, 0);
  EXPECT_EQ(
      text.out,
      "Season 2001 matches   ( 4 matches )\n"
      "\n"
      "Count  Result  Date        Event                First name   Surname        Rank     "
      "  Future rank  Score\n"
      "1      W       03/05/2001  Open \"de\" Lyon, été  Paul         Martin         30/1     "
      "  30           6/4 6/3\n"
      "2      L       03/05/2001  Open \"de\" Lyon, été  Anne         Roux           15/4     "
      "               wo\n"
      "3      W       03/05/2001  Open \"de\" Lyon, été  Paul         Martin         30/1     "
      "  30           6/2 1/0 res.\n"
      "4      L       03/05/2001  Open \"de\" Lyon, été  Anne / Paul  Roux / Martin  15/4 30/1 "
      "  / 30        4/6 4/6\n");
  const auto csv = RunCli({"matches", path, "--csv", "--season", "2001"});
  EXPECT_EQ(csv.code, 0);
  EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n", csv.out.find("\r\n") + 2) + 2),
            "Count,Result,Date,Event,First name,Surname,Rank,Future rank,Score\r\n"
            "1,W,03/05/2001,\"Open \"\"de\"\" Lyon, été\",Paul,Martin,30/1,30,6/4 6/3\r\n");
  const auto none = RunCli({"matches", path, "--season", "1999"});
  EXPECT_EQ(none.code, 1);
  EXPECT_EQ(none.err, "The document has no season 1999.\n");
}

// The demo document is the same for the same options: its figures are pinned.
TEST_F(DocumentCommandsTest, DemoWritesTheSameRealisticDocumentEveryTime) {
  const auto path = Temp() / "Demo.ten";
  ASSERT_EQ(RunCli({"demo", path.string()}).code, 0);
  EXPECT_EQ(RunCli({"info", path.string(), "--json"}).out,
            "{\"seasons\":3,\"events\":9,\"matches\":64,\"singles\":54,\"doubles\":10,"
            "\"players\":21,\"anonymous\":0,\"contacts\":5,\"ranking_system\":\"France "
            "[built-in]\"}\n");
  PROJECT_DOC demo;
  ASSERT_TRUE(demo.Read(path).ok());
  int walkovers = 0, retirements = 0, tie_breaks = 0, fees = 0;
  demo.Owner().ForEachMatch([&](const RENCONTRE* match) {
    walkovers += match->Result().IsWalkover();
    retirements += match->Result().IsRetirement();
    tie_breaks += match->Result().CountOneGameSets(0) > 0;
  });
  for (const EPREUVE* event : demo.Owner().Events()) {
    for (const EPREUVE_JOUEE* played : event->Played())
      fees += !played->EntryFee().IsZero();
  }
  EXPECT_EQ(std::vector<int>({walkovers, retirements, tie_breaks, fees}),
            std::vector<int>({0, 2, 26, 18}));
  // The friendly matches' group is among the nine events, not made here.
  EXPECT_TRUE(demo.Owner().GetFriendlyGroup()->IsFriendlyGroup());
  EXPECT_EQ(demo.Owner().Events().Count(), 9);
  EXPECT_EQ(demo.Owner().GetActiveSeason()->Year(), 2001);
  EXPECT_EQ(demo.Owner().GetActiveSeason()->Finances().Expenses().Count(), 5);
  const auto again = Temp() / "Demo2.ten";
  ASSERT_EQ(RunCli({"demo", again.string()}).code, 0);
  EXPECT_EQ(testing::FileBytes(again), testing::FileBytes(path));
  // Surfaces and categories in French on request; the tool stays in English.
  const auto french = Temp() / "Demo_fr.ten";
  ASSERT_EQ(RunCli({"demo", french.string(), "--lang", "fr"}).code, 0);
  PROJECT_DOC in_french;
  ASSERT_TRUE(in_french.Read(french).ok());
  EXPECT_EQ(in_french.Owner().Surfaces().At(6)->Name(), "Terre battue");
  EXPECT_EQ(CurrentLanguage(), kLanguageEnglish);
  EXPECT_EQ(RunCli({"demo", french.string(), "--lang", "de"}).code, 2);
}

}  // namespace
}  // namespace scorvane

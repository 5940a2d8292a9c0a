// Guards the document commands of the tool: info, resave, matches and demo, and the
// error contract every command shares (messages and exit codes).
#include <gtest/gtest.h>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "tests/cli/cli_test_support.h"
#include "tests/support/document_builder.h"
#include "tests/support/tiny_document.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;
using testing::RunCli;

class DocumentCommandsTest : public CoreTest {
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
    const auto path = Temp() / "Small.ten";
    EXPECT_TRUE(Doc().Save(path).ok());
    return path.string();
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

TEST_F(DocumentCommandsTest, UsageErrorsExitTwo) {
  const std::string path = SmallDocument();
  const std::vector<std::vector<std::string>> lines = {
      {"info"},
      {"info", path, path},
      {"info", path, "--xml"},
      {"resave", path},
      {"matches", path, "--season"},
      {"matches", path, "--season", "20x1"},
      {"matches"},
      {"demo"},
      {"demo", "a.ten", "--matches", "40000"},
      {"demo", "a.ten", "--seasons", "0"},
  };
  for (const auto& line : lines) {
    const auto result = RunCli(line);
    EXPECT_EQ(result.code, 2) << line[0] << " " << line.size();
    EXPECT_NE(result.err.find("scorvane-cli: "), std::string::npos);
  }
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

// Saving never damages the file it replaces: a write, flush, close or rename
// that fails at any step leaves the old file as it was, is reported, and
// leaves no temporary file; a read-only file is not replaced; a saving process
// killed at any moment leaves the old file or the new one, never a mixture.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

#include "base/safe_file.h"
#include "records/document_generator.h"
#include "records/season.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::FileBytes;

// Fails the N-th step of the saves that follow (counting from 1).
class FailAtStep : public SaveFaultInjector {
 public:
  explicit FailAtStep(int n) : n_(n) { SetSaveFaultInjector(this); }
  ~FailAtStep() override { SetSaveFaultInjector(nullptr); }
  bool ShouldFail(SaveStep step) override {
    last_ = step;
    return ++calls_ == n_;
  }
  int Calls() const { return calls_; }
  SaveStep LastStep() const { return last_; }

 private:
  int n_;
  int calls_ = 0;
  SaveStep last_ = SaveStep::kCreateTemporary;
};

// The handles the process holds open.
long OpenHandles() {
  return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                       std::filesystem::directory_iterator());
}

// The open handles once the background work of earlier saves is over: a
// replaced file's old version is let go of on a thread of its own.
long SettledOpenHandles(long expected) {
  for (int tries = 0; tries < 500 && OpenHandles() > expected; ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return OpenHandles();
}

class SafeSaveTest : public CoreTest {
 protected:
  // Files of the folder other than the ranking-systems folder.
  std::vector<std::string> FolderFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Temp().Path())) {
      if (entry.path().filename() != "RankSys") names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(SafeSaveTest, AFailureAtAnyStepLeavesTheOldFileAndNoTemporaryFile) {
  GeneratorOptions options;
  options.matches = 800;  // more than one write of 64 KiB
  GenerateDocument(Doc(), options);
  const auto path = Temp() / "Record.ten";
  const std::vector<uint8_t> old_bytes = {'o', 'l', 'd'};
  testing::WriteBytes(path, old_bytes);
  const long handles = OpenHandles();
  std::vector<SaveStep> failed_steps;
  for (int n = 1;; ++n) {
    FailAtStep injector(n);
    const FileResult result = Doc().Save(path);
    if (injector.Calls() < n) {
      // Every step has been made to fail once; this save met no fault.
      EXPECT_TRUE(result.ok()) << result.detail;
      break;
    }
    failed_steps.push_back(injector.LastStep());
    EXPECT_EQ(result.status, FileResult::Status::kFileError) << n;
    EXPECT_NE(result.Message().find(path.string()), std::string::npos) << result.Message();
    EXPECT_EQ(FileBytes(path), old_bytes) << n;
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"Record.ten"}) << n;
    EXPECT_TRUE(Doc().IsModified()) << n;
    EXPECT_TRUE(Doc().Path().empty()) << n;
  }
  EXPECT_GT(failed_steps.size(), 6u);
  for (const SaveStep step : {SaveStep::kCreateTemporary, SaveStep::kWrite, SaveStep::kFlush,
                              SaveStep::kClose, SaveStep::kRename}) {
    EXPECT_NE(std::find(failed_steps.begin(), failed_steps.end(), step), failed_steps.end());
  }
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_EQ(Doc().Path(), path);
  EXPECT_EQ(FolderFiles(), std::vector<std::string>{"Record.ten"});
  EXPECT_EQ(FileBytes(path), Doc().Encode().bytes);
  EXPECT_EQ(SettledOpenHandles(handles), handles);
}

TEST_F(SafeSaveTest, EachReplacedVersionIsLetGoOf) {
  const auto path = Temp() / "Often.ten";
  std::string error;
  ASSERT_TRUE(WriteFileSafely(path, std::vector<uint8_t>(1000, 'a'), &error)) << error;
  const long handles = OpenHandles();
  for (uint8_t i = 0; i < 50; ++i) {
    const std::vector<uint8_t> bytes(100000 + i, i);
    ASSERT_TRUE(WriteFileSafely(path, bytes, &error)) << error;
    ASSERT_EQ(FileBytes(path), bytes);
  }
  EXPECT_EQ(SettledOpenHandles(handles), handles);
}

TEST_F(SafeSaveTest, FilesThatCannotBeOpenedGiveTheSystemsReason) {
  const FileResult missing = Doc().Read(Temp() / "missing.ten");
  EXPECT_EQ(missing.status, FileResult::Status::kFileError);
  EXPECT_NE(missing.Message().find("No such file or directory"), std::string::npos);
  const FileResult folder = Doc().Read(Temp().Path());
  EXPECT_EQ(folder.status, FileResult::Status::kFileError);
  EXPECT_NE(folder.Message().find("Is a directory"), std::string::npos);
  const FileResult nowhere = Doc().Save(Temp() / "no" / "such" / "folder.ten");
  EXPECT_EQ(nowhere.status, FileResult::Status::kFileError);
  EXPECT_FALSE(nowhere.Message().empty());
}

// A file the user made read-only is never replaced, even though its folder
// is writable (a rename would replace it).
TEST_F(SafeSaveTest, AReadOnlyFileIsRefusedAndLeftAsItWas) {
  const auto path = Temp() / "Locked.ten";
  const std::vector<uint8_t> old_bytes = {'o', 'l', 'd'};
  testing::WriteBytes(path, old_bytes);
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  Doc().MarkModified();
  EXPECT_EQ(Doc().Save(path).Message(),
            "Cannot write over the read-only file " + path.string() + ": Permission denied");
  EXPECT_TRUE(Doc().IsModified());
  EXPECT_EQ(FileBytes(path), old_bytes);
  EXPECT_EQ(FolderFiles(), std::vector<std::string>{"Locked.ten"});
}

TEST_F(SafeSaveTest, DocumentsThatCouldNotBeReadBackAreRefused) {
  SAISON_JOUEUR* season = Owner().AddSeason(2001);
  auto operation = std::make_unique<OPERATION_FINANCIERE>();
  operation->SetPurpose("Strings");
  season->Finances().AddExpense(std::move(operation));
  const auto path = Temp() / "Refused.ten";
  FileResult result = Doc().Save(path);
  EXPECT_EQ(result.status, FileResult::Status::kRefused);
  EXPECT_EQ(result.Message(),
            "The financial operation \"Strings\" (2001) has no financial category; give it one "
            "before saving.");
  EXPECT_FALSE(std::filesystem::exists(path));

  season->Finances().RemoveExpense(season->Finances().Expenses().Front());
  auto player = std::make_unique<JOUEUR>();
  player->SetFirstName("Paul");
  player->SetLastName("Martin");
  player->History().Add(CLASSEMENT(), DATE_SIMPLE(1, 1, 2001), "");  // no ranking: -1
  Owner().AddPlayer(std::move(player));
  result = Doc().Save(path);
  EXPECT_EQ(result.status, FileResult::Status::kRefused);
  EXPECT_EQ(result.Message(),
            "The ranking history of Paul Martin holds the ranking -1, which the ranking system "
            "\"France\" does not have; correct it before saving.");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(SafeSaveTest, MatchesNamingWhatTheDocumentNoLongerHoldsAreRefused) {
  EPREUVE* event = Owner().AddEvent(std::make_unique<EPREUVE>("Open"));
  EPREUVE_JOUEE* played = event->AddPlayed(DATE_SIMPLE(4, 5, 2001), DATE_SIMPLE(6, 5, 2001));
  JOUEUR* listed = Owner().AddPlayer(std::make_unique<JOUEUR>());
  auto fine = std::make_unique<RENCONTRE_SIMPLE>(DATE_SIMPLE(4, 5, 2001), 1, "6/1 6/2");
  fine->SetOpponent(listed);
  played->AdoptMatch(std::move(fine));
  auto lacking = std::make_unique<RENCONTRE_SIMPLE>(DATE_SIMPLE(5, 5, 2001), 1, "6/3 6/4");
  RENCONTRE_SIMPLE* match = lacking.get();
  played->AdoptMatch(std::move(lacking));
  const auto path = Temp() / "Refused.ten";

  FileResult result = Doc().Save(path);
  EXPECT_EQ(result.status, FileResult::Status::kRefused);
  EXPECT_EQ(result.Message(), "The match 05/05/2001 (Open) lacks a player of the player list.");

  SURFACE deleted;
  match->SetOpponent(listed);
  match->SetSurface(&deleted);
  result = Doc().Save(path);
  EXPECT_EQ(result.Message(), "The match 05/05/2001 (Open) names a deleted surface.");
  EXPECT_FALSE(std::filesystem::exists(path));

  match->SetSurface(nullptr);
  EXPECT_TRUE(Doc().Save(path).ok());
}

TEST_F(SafeSaveTest, MoreThan32767RecordsOfAKindAreRefused) {
  // Each list holds at most 32767 records, but matches are spread over many
  // played events: their identifiers would not fit in the file.
  EPREUVE* event = Owner().AddEvent(std::make_unique<EPREUVE>("Ladder"));
  for (int half = 0; half < 2; ++half) {
    EPREUVE_JOUEE* played = event->AddPlayed(DATE_SIMPLE(1, 1, 2001), DATE_SIMPLE(1, 1, 2001));
    for (int i = 0; i < 16400; ++i)
      played->AdoptMatch(std::make_unique<RENCONTRE_SIMPLE>(DATE_SIMPLE(1, 1, 2001), 1, ""));
  }
  const auto path = Temp() / "Huge.ten";
  const FileResult result = Doc().Save(path);
  EXPECT_EQ(result.status, FileResult::Status::kRefused);
  EXPECT_EQ(result.Message(), "The document holds more than 32767 matches and cannot be saved.");
  EXPECT_FALSE(std::filesystem::exists(path));
}

// How many times the killed-saver check runs: a few dozen by default, as many
// as SCORVANE_KILL_RUNS says (a thousand for the full check).
int KillRuns() {
  if (const char* runs = std::getenv("SCORVANE_KILL_RUNS")) return std::max(1, std::atoi(runs));
  return 30;
}

TEST_F(SafeSaveTest, ASaverKilledAtRandomLeavesTheOldOrTheNewFile) {
  GeneratorOptions options;
  options.matches = 300;
  GenerateDocument(Doc(), options);
  const EncodedDocument a = Doc().Encode();
  PROJECT_DOC other;
  options.seed = 2;
  options.matches = 500;
  GenerateDocument(other, options);
  const EncodedDocument b = other.Encode();
  ASSERT_TRUE(a.result.ok() && b.result.ok());
  ASSERT_NE(a.bytes, b.bytes);

  const auto path = Temp() / "Killed.ten";
  const std::vector<uint8_t> original = {'o', 'r', 'i', 'g'};
  std::mt19937 random(12345);
  const int runs = KillRuns();
  int mixtures = 0;
  int interrupted = 0;  // runs killed while a temporary file was being written
  for (int run = 0; run < runs; ++run) {
    testing::WriteBytes(path, original);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) {
        std::string error;
        WriteFileSafely(path, i % 2 ? b.bytes : a.bytes, &error);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const std::vector<uint8_t> now = FileBytes(path);
    if (now != original && now != a.bytes && now != b.bytes) ++mixtures;
    for (const auto& name : FolderFiles()) {
      if (name == "Killed.ten") continue;
      ++interrupted;
      std::filesystem::remove(Temp() / name);
    }
  }
  EXPECT_EQ(mixtures, 0) << "of " << runs << " runs";
  RecordProperty("interrupted_saves", interrupted);
  RecordProperty("runs", runs);
}

}  // namespace
}  // namespace scorvane

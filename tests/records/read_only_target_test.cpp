// A file the user made read-only is never replaced, even when its folder is
// writable (a rename would replace it): saving a document and the tool's
// resave both refuse, name the file and say why, and leave it as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/cli/cli_test_support.h"
#include "tests/support/tiny_document.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::FileBytes;

class ReadOnlyTargetTest : public CoreTest {
 protected:
  // "Record.ten" holding "old", with the given permission bits.
  std::filesystem::path ProtectedFile(mode_t mode) {
    const auto path = Temp() / "Record.ten";
    testing::WriteBytes(path, kOld);
    EXPECT_EQ(::chmod(path.c_str(), mode), 0);
    return path;
  }
  const std::vector<uint8_t> kOld = {'o', 'l', 'd'};
};

TEST_F(ReadOnlyTargetTest, SavingOverAReadOnlyFileIsRefusedAndChangesNothing) {
  for (const mode_t mode : {0444, 0400, 0555}) {
    const auto path = ProtectedFile(mode);
    Owner().SetFirstName("Moi");
    Doc().MarkModified();
    const FileResult result = Doc().Save(path);
    EXPECT_EQ(result.status, FileResult::Status::kFileError) << mode;
    EXPECT_EQ(result.Message(),
              "Cannot write over the read-only file " + path.string() + ": Permission denied");
    EXPECT_EQ(FileBytes(path), kOld) << mode;
    EXPECT_TRUE(Doc().IsModified()) << mode;
    EXPECT_TRUE(Doc().Path().empty()) << mode;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Temp().Path()), {}), 2)
        << "only the file and the ranking-systems folder";
    std::filesystem::remove(path);
  }
  // A writable file is replaced as before and keeps its permissions.
  const auto path = ProtectedFile(0640);
  EXPECT_TRUE(Doc().Save(path).ok());
  EXPECT_NE(FileBytes(path), kOld);
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
}

TEST_F(ReadOnlyTargetTest, ResaveOntoAReadOnlyFileExitsOneWithTheReason) {
  const auto in = Temp() / "In.ten";
  testing::WriteBytes(in, testing::TinyDocument().Build());
  const auto out = ProtectedFile(0444);
  const testing::CliResult result = testing::RunCli({"resave", in.string(), out.string()});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.err,
            "Cannot write over the read-only file " + out.string() + ": Permission denied\n");
  EXPECT_EQ(FileBytes(out), kOld);
}

}  // namespace
}  // namespace scorvane

// A file the user made read-only is never replaced, even when its folder is
// writable (a rename would replace it): saving a document and the tool's
// resave both refuse, name the file and say why, and leave it as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/cli/cli_test_support.h"
#include "tests/support/tiny_document.h"

namespace scorvane {
namespace {

class ReadOnlyTargetTest : public testing::CoreTest {};

TEST_F(ReadOnlyTargetTest, SaveAndResaveRefuseAReadOnlyFileAndChangeNothing) {
  const auto in = Temp() / "In.ten";
  const auto out = Temp() / "Out.ten";
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  testing::WriteBytes(in, testing::TinyDocument().Build());
  testing::WriteBytes(out, old);
  ASSERT_EQ(::chmod(out.c_str(), 0444), 0);
  const std::string reason =
      "Cannot write over the read-only file " + out.string() + ": Permission denied";

  Doc().MarkModified();
  EXPECT_EQ(Doc().Save(out).Message(), reason);
  EXPECT_TRUE(Doc().IsModified());
  const testing::CliResult resave = testing::RunCli({"resave", in.string(), out.string()});
  EXPECT_EQ(resave.code, 1);
  EXPECT_EQ(resave.err, reason + "\n");
  EXPECT_EQ(testing::FileBytes(out), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Temp().Path()), {}), 3)
      << "no temporary file left beside the two files and the ranking-systems folder";
}

}  // namespace
}  // namespace scorvane

// What the document tells about its file: the name proposed at the first
// save fits a file system, and a damaged file's message names the file and
// the reason.
#include <gtest/gtest.h>

#include "tests/support/test_environment.h"
#include "tests/support/tiny_document.h"

namespace scorvane {
namespace {

class DocumentMessagesTest : public testing::CoreTest {};

TEST_F(DocumentMessagesTest, AProposedFileNameIsShortenedToWholeCharacters) {
  Doc().SetTitle("Moi_Dupont");
  EXPECT_EQ(Doc().ProposedFileName(), "Moi_Dupont.ten");
  // 300 two-byte letters: cut to 125 letters (250 bytes) plus the extension.
  std::string long_name;
  for (int i = 0; i < 300; ++i)
    long_name += "é";
  Doc().SetTitle(long_name);
  const std::string proposed = Doc().ProposedFileName();
  EXPECT_EQ(proposed.size(), 254u);
  EXPECT_EQ(proposed, long_name.substr(0, 250) + ".ten");
}

TEST_F(DocumentMessagesTest, ADamagedFileIsNamedWithTheReason) {
  std::vector<uint8_t> bytes = testing::TinyDocument().Build();
  bytes.resize(bytes.size() / 2);
  const auto path = Temp() / "club.ten";
  testing::WriteBytes(path, bytes);
  const FileResult result = Doc().Read(path);
  EXPECT_EQ(result.MessageForFile("club.ten"),
            "Error : bad file format !\nclub.ten: Unexpected end of file");
  const FileResult missing = Doc().Read(Temp() / "none.ten");
  EXPECT_EQ(missing.MessageForFile("none.ten"), missing.Message());
}

}  // namespace
}  // namespace scorvane

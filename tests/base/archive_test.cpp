// Guards the archive the file format is written with: little-endian numbers,
// the three forms of text lengths, Windows-1252 texts, tags, and a length
// that lies. (Versions, flags and identifier lists are guarded with the
// records that use them.)
#include "base/archive.h"

#include <gtest/gtest.h>

#include <limits>

#include "base/cp1252.h"

namespace scorvane {
namespace {

std::vector<uint8_t> Prefix(const std::vector<uint8_t>& bytes, size_t n) {
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)};
}

// Writes a value, compares the bytes and reads it back.
template <typename T>
void ExpectBytes(T value, const std::vector<uint8_t>& bytes) {
  Archive out;
  out.Value(value);
  EXPECT_EQ(out.Bytes(), bytes) << +value;
  Archive in(out.Bytes());
  T read{};
  in.Value(read);
  EXPECT_EQ(read, value);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ArchiveTest, IntegersAndFloatsAreLittleEndian) {
  ExpectBytes(uint8_t{0xAB}, {0xAB});
  ExpectBytes(uint16_t{0x1234}, {0x34, 0x12});
  ExpectBytes(int16_t{-2}, {0xFE, 0xFF});
  ExpectBytes(int32_t{-1}, {0xFF, 0xFF, 0xFF, 0xFF});
  ExpectBytes(uint32_t{0x01020304}, {0x04, 0x03, 0x02, 0x01});
  ExpectBytes(1.0f, {0x00, 0x00, 0x80, 0x3F});
}

TEST(ArchiveTest, StringLengthPrefixesHaveThreeForms) {
  struct Case {
    size_t length;
    std::vector<uint8_t> prefix;
  };
  const Case cases[] = {
      {0, {0x00}},
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {65533, {0xFF, 0xFD, 0xFF}},
      {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
  };
  for (const Case& c : cases) {
    std::string text(c.length, 'x');
    Archive out;
    out.Text(text);
    ASSERT_EQ(out.Bytes().size(), c.prefix.size() + c.length) << c.length;
    EXPECT_EQ(Prefix(out.Bytes(), c.prefix.size()), c.prefix) << c.length;
    Archive in(out.Bytes());
    std::string read;
    in.Text(read);
    EXPECT_EQ(read, text) << c.length;
  }
}

TEST(ArchiveTest, TextsAreWindows1252InTheFileAndUtf8InMemory) {
  Archive out;
  std::string text = "Résine €";
  out.Text(text);
  EXPECT_EQ(out.Bytes(), (std::vector<uint8_t>{8, 'R', 0xE9, 's', 'i', 'n', 'e', ' ', 0x80}));
  EXPECT_EQ(out.ReplacedCharacterCount(), 0);
  Archive in(out.Bytes());
  std::string read;
  in.Text(read);
  EXPECT_EQ(read, text);
}

TEST(ArchiveTest, CharactersWindows1252CannotHoldAreReplacedAndReported) {
  Archive out;
  std::string japanese = "Naomi 大坂";
  std::string plain = "Osaka";
  out.Text(japanese);
  out.Text(plain);
  out.Text(japanese);
  EXPECT_EQ(out.ReplacedCharacterCount(), 4);
  EXPECT_EQ(out.ReplacedTexts(), std::vector<std::string>{japanese});
  Archive in(out.Bytes());
  std::string read;
  in.Text(read);
  EXPECT_EQ(read, "Naomi ??");
}

TEST(ArchiveTest, EveryByteSurvivesTheTripThroughUtf8) {
  std::string bytes;
  for (int b = 1; b < 256; ++b)
    bytes += static_cast<char>(b);
  int replaced = 0;
  EXPECT_EQ(cp1252::FromUtf8(cp1252::ToUtf8(bytes), &replaced), bytes);
  EXPECT_EQ(replaced, 0);
  EXPECT_EQ(cp1252::FromUtf8("\xC3", &replaced), "?");  // truncated sequence
}

// The word-at-a-time ASCII test must see a high byte wherever it lies: in
// a full eight-byte word, in the tail, at either end.
TEST(ArchiveTest, AsciiCheckFindsAHighByteAtEveryPosition) {
  for (size_t length = 0; length <= 19; ++length) {
    const std::string plain(length, 'a');
    EXPECT_TRUE(cp1252::IsAscii(plain)) << length;
    for (size_t at = 0; at < length; ++at) {
      std::string text = plain;
      text[at] = static_cast<char>(0xE9);
      EXPECT_FALSE(cp1252::IsAscii(text)) << length << " " << at;
      EXPECT_EQ(cp1252::ToUtf8(text).size(), length + 1) << length << " " << at;
    }
  }
}

// Reading into a string that already holds a longer text replaces it all,
// in the ASCII path and in the converting one.
TEST(ArchiveTest, ReadingATextReplacesWhatTheStringHeld) {
  const char* const texts[] = {"short", "été", "", "a text longer than the small-string buffer"};
  Archive out;
  for (std::string text : texts)
    out.Text(text);
  Archive in(out.Bytes());
  std::string read = "a previous value much longer than anything read below";
  for (const char* text : texts) {
    in.Text(read);
    EXPECT_EQ(read, text);
  }
}

TEST(ArchiveTest, TagsAreRecognisedOnlyWhenTheWholeTextMatches) {
  struct Case {
    std::string stored;
    bool matches;
  };
  const Case cases[] = {{"SURF:", true},  {"SURF", false}, {"SURF:x", false},
                        {"surf:", false}, {"", false},     {"NO_SURF", false}};
  for (const Case& c : cases) {
    Archive out;
    std::string text = c.stored;
    out.Text(text);
    out.WriteU16(0x1234);
    Archive in(out.Bytes());
    EXPECT_EQ(in.ReadTextEquals("SURF:"), c.matches) << c.stored;
    EXPECT_EQ(in.ReadU16(), 0x1234) << "the whole text is consumed: " << c.stored;
  }
  const std::vector<uint8_t> cut = {5, 'S', 'U'};
  Archive in(cut);
  EXPECT_THROW(in.ReadTextEquals("SURF:"), ArchiveError);
}

TEST(ArchiveTest, ALengthPastTheEndFailsBeforeAllocating) {
  const std::vector<uint8_t> huge = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'};
  Archive in(huge);
  std::string read;
  try {
    in.Text(read);
    FAIL() << "a 2 GB string was accepted";
  } catch (const ArchiveError& error) {
    EXPECT_EQ(error.kind(), ArchiveError::Kind::kEndOfFile);
  }
}

}  // namespace
}  // namespace scorvane

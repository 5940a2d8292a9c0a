// The byte stream every record reads itself from and writes itself to.
//
// Values are little-endian with no padding: 8, 16 and 32-bit integers, IEEE
// single floats, and texts as Windows-1252 bytes behind a length prefix (one
// byte below 255; 0xFF and a 16-bit length below 0xFFFE; 0xFF, 0xFFFF and a
// 32-bit length otherwise). One Archive object either stores or loads, so a
// record's Serialize lists its fields once for both directions:
//
//   void CLUB::Serialize(Archive& ar) {
//     ar.Version(kVersion);
//     ar.Value(identifier_);
//     ar.Text(name_);
//   }
//
// Reading never trusts a length or count: one that points past the end of the
// data is an error raised before anything of that size is allocated.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace scorvane {

// A failed read (or a refused write) of a file.
class ArchiveError : public std::runtime_error {
 public:
  enum class Kind {
    kBadFormat,      // a value, tag or reference the program does not accept
    kFutureVersion,  // a record written by a newer version of the program
    kEndOfFile,      // the data ends in the middle of a record
  };

  ArchiveError(Kind kind, std::string detail);

  Kind kind() const { return kind_; }
  // The technical reason, never shown as the main message; may be empty.
  const std::string& detail() const { return detail_; }

  static ArchiveError BadFormat(std::string detail = {});
  static ArchiveError FutureVersion(std::string detail = {});

 private:
  Kind kind_;
  std::string detail_;
};

class Archive {
 public:
  // An archive that stores into its own byte buffer.
  Archive();
  // An archive that loads from bytes it does not own; they must outlive it.
  explicit Archive(std::span<const uint8_t> data);

  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  bool IsStoring() const { return storing_; }
  bool IsLoading() const { return !storing_; }

  // Stores or loads one value, depending on the direction. The primitives
  // are defined here so that a record's Serialize compiles to a few moves
  // per field: a large document runs through them millions of times.
  void Value(uint8_t& v) { storing_ ? WriteU8(v) : void(v = ReadU8()); }
  void Value(uint16_t& v) { storing_ ? WriteU16(v) : void(v = ReadU16()); }
  void Value(int16_t& v) {
    storing_ ? WriteU16(static_cast<uint16_t>(v)) : void(v = static_cast<int16_t>(ReadU16()));
  }
  void Value(uint32_t& v) { storing_ ? WriteU32(v) : void(v = ReadU32()); }
  void Value(int32_t& v) {
    storing_ ? WriteU32(static_cast<uint32_t>(v)) : void(v = static_cast<int32_t>(ReadU32()));
  }
  void Value(float& v);
  // A flag written as a 16-bit word; on reading only the low byte counts.
  void Flag16(bool& v) { storing_ ? WriteU16(v ? 1 : 0) : void(v = (ReadU16() & 0xFF) != 0); }
  // A flag written as a 32-bit word; on reading only the low byte counts.
  void Flag32(bool& v) { storing_ ? WriteU32(v ? 1 : 0) : void(v = (ReadU32() & 0xFF) != 0); }
  // A UTF-8 text, held as Windows-1252 in the file. When storing with
  // SetKeepStoredTexts, a text whose characters were replaced becomes what
  // the file holds.
  void Text(std::string& v) {
    if (!storing_) return ReadTextInto(v);
    WriteText(v);
    if (keep_stored_texts_ && last_text_replaced_) v = StoredForm(v);
  }

  // The record's version word: stores current, or loads a version and fails
  // with a future-version error when it is above current.
  uint16_t Version(uint16_t current) {
    if (storing_) {
      WriteU16(current);
      return current;
    }
    const uint16_t version = ReadU16();
    if (version > current) ThrowFutureVersion();
    return version;
  }

  // Direction-specific helpers.
  void WriteU8(uint8_t v) { Put(&v, sizeof v); }
  void WriteU16(uint16_t v) { Put(&v, sizeof v); }
  void WriteU32(uint32_t v) { Put(&v, sizeof v); }
  void WriteText(const std::string& utf8);
  uint8_t ReadU8() { return *Take(1); }
  uint16_t ReadU16() {
    uint16_t v;
    std::memcpy(&v, Take(sizeof v), sizeof v);
    return v;
  }
  uint32_t ReadU32() {
    uint32_t v;
    std::memcpy(&v, Take(sizeof v), sizeof v);
    return v;
  }
  std::string ReadText();
  // Loads a text into `v`, reusing its storage.
  void ReadTextInto(std::string& v);
  // Loads a text and tells whether it is exactly `tag` (a record's marker
  // such as "SURF:"), without building a string for it.
  bool ReadTextEquals(std::string_view tag);

  // Loading: bytes not read yet. Fails with a bad-format error unless at
  // least `count` items of `item_size` bytes remain.
  size_t Remaining() const { return data_.size() - pos_; }
  void Require(size_t count, size_t item_size = 1) const {
    if (item_size != 0 && count > Remaining() / item_size) ThrowEndOfFile();
  }
  size_t Position() const { return pos_; }

  // Storing: makes room for this many bytes in advance.
  void Reserve(size_t bytes) {
    if (out_.size() < bytes) out_.resize(bytes);
  }
  // Storing: the bytes written so far.
  const std::vector<uint8_t>& Bytes() {
    out_.resize(written_);
    return out_;
  }
  std::vector<uint8_t> TakeBytes() {
    out_.resize(written_);
    written_ = 0;
    return std::move(out_);
  }

  // Storing: the texts given to Text are replaced by what the file holds,
  // so that the records show what was saved.
  void SetKeepStoredTexts(bool keep) { keep_stored_texts_ = keep; }
  // A UTF-8 text as it reads back from a file: every character that
  // Windows-1252 cannot represent is a "?".
  static std::string StoredForm(const std::string& utf8);

  // Storing: texts that held characters Windows-1252 cannot represent; each
  // such character was written as "?". Listed once per distinct text.
  int ReplacedCharacterCount() const { return replaced_chars_; }
  const std::vector<std::string>& ReplacedTexts() const { return replaced_texts_; }

 private:
  // Loading: the next n bytes, checked to lie inside the data.
  const uint8_t* Take(size_t n) {
    if (n > Remaining()) ThrowEndOfFile();
    const uint8_t* p = data_.data() + pos_;
    pos_ += n;
    return p;
  }
  // Storing: appends n bytes. A large document is written a few bytes at a
  // time, so the buffer is sized ahead (doubling) and each write is a plain
  // copy behind the bytes written so far.
  void Put(const void* bytes, size_t n) { std::memcpy(Extend(n), bytes, n); }
  // Storing: n more bytes written, left for the caller to fill.
  uint8_t* Extend(size_t n) {
    if (out_.size() - written_ < n) out_.resize(std::max(out_.size() * 2, written_ + n));
    uint8_t* at = out_.data() + written_;
    written_ += n;
    return at;
  }
  [[noreturn]] static void ThrowEndOfFile();
  [[noreturn]] static void ThrowFutureVersion();
  // Loading: the length prefix of a text, checked against the data left.
  size_t ReadTextLength();

  bool storing_;
  // Storing: the buffer, of which the first written_ bytes are the file.
  std::vector<uint8_t> out_;
  size_t written_ = 0;
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  int replaced_chars_ = 0;
  std::vector<std::string> replaced_texts_;
  bool keep_stored_texts_ = false;
  // The last text written had characters replaced.
  bool last_text_replaced_ = false;
};

}  // namespace scorvane

// The open document: one owner's whole tennis record, the ranking system it
// is written in, and the file it lives in.
//
// A document knows nothing of other documents: its owner tells it, and only
// it, of every change (see UTILISATEUR::MarkModified), so several documents
// may be open at once.
//
// Reading goes into a fresh owner that replaces the open one only when the
// whole file has been read and every reference resolved; a failed read
// leaves the document (and the active ranking system) as they were. Saving
// numbers the records afresh, encodes the file in memory and writes it with
// a crash-safe replace.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "records/owner.h"

namespace scorvane {

// How a read or a save ended.
struct FileResult {
  enum class Status {
    kOk,
    kBadFormat,      // message "Error : bad file format !"
    kFutureVersion,  // message "The document was saved by a future version ..."
    kFileError,      // the file could not be opened, read or written: `detail` says why
    kRefused,        // the document cannot be written as it is: `detail` says why
  };
  Status status = Status::kOk;
  // Never shown as the main message: the technical reason.
  std::string detail;
  // A success may still have something to tell: on reading, the shared file
  // of the document's own ranking system could not be opened (the reason);
  // on saving, that file could not be written.
  std::string notice;

  static FileResult Failure(Status status, std::string detail) {
    FileResult result;
    result.status = status;
    result.detail = std::move(detail);
    return result;
  }

  bool ok() const { return status == Status::kOk; }
  // The message to show in the interface language ("" for kOk; the detail
  // itself for file errors and refusals).
  std::string Message() const;
  // The message for a file that could not be read: for a damaged file or
  // one from a newer version, the message and a second line with the file's
  // name and the reason ("Error : bad file format !\nclub.ten: Unexpected
  // end of file"); otherwise the message alone (it names the file).
  std::string MessageForFile(std::string_view file_name) const;
};

// The bytes of a document ready to be written.
struct EncodedDocument {
  FileResult result;
  std::vector<uint8_t> bytes;
  // Texts holding characters the file cannot store; each such character is
  // written as "?". The user should be told before the file is written.
  std::vector<std::string> replaced_texts;
};

// The counts of the document-information dialog.
struct DocumentInfo {
  int seasons = 0;
  int events = 0;
  int matches = 0;
  int singles = 0;
  int doubles = 0;
  int players = 0;
  int anonymous = 0;
  int contacts = 0;
  // Title, a space, "[built-in]" or "[user-defined]".
  std::string ranking_system;
};

class PROJECT_DOC {
 public:
  static constexpr uint16_t kVersion = 4;

  PROJECT_DOC();
  ~PROJECT_DOC();
  PROJECT_DOC(const PROJECT_DOC&) = delete;
  PROJECT_DOC& operator=(const PROJECT_DOC&) = delete;

  UTILISATEUR& Owner() { return *owner_; }
  const UTILISATEUR& Owner() const { return *owner_; }

  // Replaces the owner by an empty one (sex 0), forgets the file.
  void DeleteContents();
  // Fills an empty document with the seven default surfaces and categories
  // in the interface language (front insertion, so "Resin" comes first).
  void AddDefaultContents();
  // The three steps of a new document. Start: an empty owner born
  // 1 January 1970. Owner defaults, for questions cancelled: owner "Moi"
  // and, when there is no season yet, a season of the current year with the
  // worst ranking of the system at its 1 January. Finish: the default
  // contents, and the title "first_last" (the first name alone when there
  // is no last name).
  void StartNewDocument();
  void GiveOwnerDefaults();
  void FinishNewDocument();
  // The usable document made when the new-document questions are skipped:
  // owner defaults, then finished.
  void MakeDefaultDocument();

  // Modification state and change notification.
  bool IsModified() const { return modified_; }
  // When true, views are refreshed first; the title is refreshed in all cases.
  void SetModifiedFlag(bool modified);
  // Every change to the records ends here; inside a batch the refresh waits.
  void MarkModified();
  void BeginUpdate();
  void EndUpdate();
  // Called to refresh every view, then to refresh the window title.
  std::function<void()> on_refresh_views;
  std::function<void()> on_title_changed;

  // The user declined to adapt the document to a changed ranking system: the
  // embedded copy stays in use and the shared file is never written.
  bool KeepsOwnSystem() const { return keeps_own_system_; }
  void SetKeepsOwnSystem(bool keep) { keeps_own_system_ = keep; }

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title);
  const std::filesystem::path& Path() const { return path_; }
  void SetPath(std::filesystem::path path) { path_ = std::move(path); }

  // Reads a document file. On success the document holds it, its title is
  // the file name without extension and it is not modified; the active
  // ranking system is the one embedded in the file and a pending system may
  // wait (see AdoptSameSystem). On failure nothing changed.
  FileResult Read(const std::filesystem::path& path);
  // The same from bytes in memory (no path is recorded).
  FileResult ReadBytes(std::span<const uint8_t> bytes);

  // Numbers the records and encodes the file; refuses (kRefused) a document
  // that could not be read back.
  EncodedDocument Encode();
  // Writes an encoded document: the user-defined system's ".cla" file first
  // (unless the document keeps its own system), then the document, safely.
  // On success the document takes the path and is no longer modified, and
  // every text written with "?" in place of some characters holds the "?"
  // too (the views are refreshed).
  FileResult Write(const std::filesystem::path& path, const EncodedDocument& encoded);
  // Encode and Write.
  FileResult Save(const std::filesystem::path& path);

  // After a read: when the pending system is the same as the active one, the
  // switch is made at once and nothing else changes; true when it happened.
  bool AdoptSameSystem();

  DocumentInfo Info() const;

  // The file name proposed at the first save: the title cut at the first of
  // " #%;/\\", plus ".ten", shortened (whole characters) to what a file
  // system holds.
  std::string ProposedFileName() const;

 private:
  // Replaces the characters a file cannot hold by "?" in every text.
  void KeepStoredTexts();
  // Makes `owner` this document's owner, which reports its changes here;
  // the previous owner is deleted first.
  void AdoptOwner(std::unique_ptr<UTILISATEUR> owner);
  void ReleaseOwner();

  std::unique_ptr<UTILISATEUR> owner_;
  bool keeps_own_system_ = false;
  int update_depth_ = 0;
  bool change_pending_ = false;
  bool modified_ = false;
  std::string title_;
  std::filesystem::path path_;
  // The size of the file last read or encoded, to encode without regrowing.
  size_t size_hint_ = 0;
};

}  // namespace scorvane

// What the window does with the one document: open (from a chooser, the
// recent list or the command line), save and save as, ask to save the
// changes before they would be lost, and start a new document. The document
// itself reads into a fresh owner and writes safely; this class adds the
// questions and messages around it, and tells the window when the document
// it shows was replaced.
#pragma once

#include <QObject>
#include <QString>

#include "records/document.h"

class QWidget;

namespace scorvane {

class DocumentSession : public QObject {
  Q_OBJECT

 public:
  DocumentSession(PROJECT_DOC& document, QString program_folder);

  PROJECT_DOC& Document() { return document_; }
  // The window message boxes are centred on (may be null).
  void SetParentWindow(QWidget* parent) { parent_ = parent; }

  // Reads the file; a failure shows why and keeps the document that was
  // open. On success the file heads the recent list and a changed ranking
  // system is dealt with.
  bool OpenPath(const QString& path);
  // The open chooser, in the program folder; the chosen name must end in
  // ".ten" (message 137 otherwise).
  bool OpenWithChooser();

  // Saves to the document's file, or asks where when it has none.
  bool Save();
  // Asks where, starting on the document's file or the proposed name in the
  // user's documents folder.
  bool SaveAs();
  // Writes to `path`; tells first when some characters cannot be stored.
  bool SaveTo(const QString& path);
  // That question: the first texts concerned, cut when long, and how many
  // more there are.
  static QString ReplacedTextsQuestion(const std::vector<std::string>& texts);

  // Before the changes would be lost: Yes saves, No goes on, Cancel stops.
  // True when the action in progress may go on.
  bool SaveModified();

  // A new document in place of the open one. From the main window this asks
  // first (message 138) and offers to save the changes; then the new-document
  // questions fill the new document. Cancelled from the welcome dialog, the
  // new document is left unmodified and the answer is false; cancelled from
  // the window, the default document is made ("Moi", this year's season).
  bool NewDocument(bool from_welcome);

  // Where the document's own ranking system was changed since the file was
  // written: the place to offer adapting the rankings. Until the translation
  // of rankings exists the answer is "keep the file's own system".
  bool AdaptToModifiedSystem();

 signals:
  // A document was opened or created: every view starts afresh.
  void DocumentReplaced();

 private:
  QString ProposedSavePath() const;

  PROJECT_DOC& document_;
  QString program_folder_;
  QWidget* parent_ = nullptr;
};

// A path as the file system wants it.
std::filesystem::path ToFsPath(const QString& path);
QString FromFsPath(const std::filesystem::path& path);

}  // namespace scorvane

// The tips file behind the tip of the day: one tip a line, read in turn and
// from the start again at the end; where the reading stopped is kept in the
// settings so that each start shows the next tip. Lines starting with a blank
// or ";" are comments; a line starting with "#F#" is a tip about the French
// ranking system, shown only while that system is in use.
#pragma once

#include <QFile>
#include <QSettings>
#include <QString>
#include <memory>

namespace scorvane {

class TipsFile {
 public:
  // The file name for the interface language: "tips_fr.txt" or "tips_eng.txt".
  static QString FileName(bool french);
  // Where to look, in order: the program folder, the shared data folder
  // beside it, the current folder, then the copy built into the program.
  static QStringList Candidates(const QString& program_folder, bool french);

  // Opens the first candidate that exists and restores the reading position
  // from the settings (from the start when the file changed). False when no
  // file opened.
  bool Open(const QStringList& candidates, QSettings& store);
  bool IsOpen() const { return file_ && file_->isOpen(); }
  // True when the stored position could not be used.
  bool PositionFailed() const { return position_failed_; }

  // The next tip, without its line end. Empty when the file holds no usable
  // line at all: one full pass over the file is the most it reads.
  QString Next(bool french_system);
  qint64 Position() const;
  // "FilePos" = the current position.
  void StorePosition(QSettings& store) const;

  // The ctime-like text of a modification time ("Sun Dec  6 07:22:14 2026").
  static QString TimeStampText(const QDateTime& time);

 private:
  std::unique_ptr<QFile> file_;
  bool position_failed_ = false;
};

}  // namespace scorvane

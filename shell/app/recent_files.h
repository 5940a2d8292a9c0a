// The recent-file list: the last three documents opened or saved, most
// recent first, kept in the settings ("Recent File List"/"File1".."File3").
#pragma once

#include <QSettings>
#include <QStringList>

namespace scorvane {

class RecentFiles {
 public:
  static constexpr int kCount = 3;

  static QStringList Load(QSettings& store);
  // Puts the path first (once), keeps three.
  static void Add(QSettings& store, const QString& path);
  static void Remove(QSettings& store, const QString& path);

 private:
  static void Store(QSettings& store, const QStringList& paths);
};

}  // namespace scorvane

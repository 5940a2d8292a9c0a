#include "shell/app/recent_files.h"

#include <QFileInfo>

#include "widgets/settings.h"

namespace scorvane {
namespace {

QString Key(int index) {
  return QStringLiteral("%1/File%2")
      .arg(QLatin1String(settings::kRecentFileSection))
      .arg(index + 1);
}

// Two spellings of one file are one entry.
bool SameFile(const QString& a, const QString& b) {
  return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

QStringList RecentFiles::Load(QSettings& store) {
  QStringList paths;
  for (int i = 0; i < kCount; ++i) {
    const QString path = store.value(Key(i)).toString();
    if (!path.isEmpty()) paths << path;
  }
  return paths;
}

void RecentFiles::Add(QSettings& store, const QString& path) {
  QStringList paths = Load(store);
  paths.removeIf([&path](const QString& other) { return SameFile(other, path); });
  paths.prepend(QFileInfo(path).absoluteFilePath());
  Store(store, paths);
}

void RecentFiles::Remove(QSettings& store, const QString& path) {
  QStringList paths = Load(store);
  paths.removeIf([&path](const QString& other) { return SameFile(other, path); });
  Store(store, paths);
}

void RecentFiles::Store(QSettings& store, const QStringList& paths) {
  for (int i = 0; i < kCount; ++i) {
    if (i < paths.size()) {
      store.setValue(Key(i), paths[i]);
    } else {
      store.remove(Key(i));
    }
  }
}

}  // namespace scorvane

#include "shell/app/tips.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "widgets/settings.h"

namespace scorvane {
namespace {

// Lines are read in pieces of at most this many bytes, as fgets would.
constexpr qint64 kMaxLine = 999;

bool IsComment(const QByteArray& line) {
  if (line.isEmpty()) return true;
  const char first = line.front();
  return first == ' ' || first == '\t' || first == '\n' || first == '\r' || first == ';';
}

}  // namespace

QString TipsFile::FileName(bool french) {
  return french ? QStringLiteral("tips_fr.txt") : QStringLiteral("tips_eng.txt");
}

QStringList TipsFile::Candidates(const QString& program_folder, bool french) {
  const QString name = FileName(french);
  return {QDir(program_folder).filePath(name),
          QDir(program_folder).filePath(QStringLiteral("../share/scorvane/") + name),
          QDir::current().filePath(name), QStringLiteral(":/tips/") + name};
}

QString TipsFile::TimeStampText(const QDateTime& time) {
  const QLocale c = QLocale::c();
  return c.toString(time, QStringLiteral("ddd MMM ")) +
         QStringLiteral("%1").arg(time.date().day(), 2, 10, QLatin1Char(' ')) +
         c.toString(time, QStringLiteral(" hh:mm:ss yyyy"));
}

bool TipsFile::Open(const QStringList& candidates, QSettings& store) {
  file_.reset();
  position_failed_ = false;
  for (const QString& path : candidates) {
    auto file = std::make_unique<QFile>(path);
    if (file->open(QIODevice::ReadOnly)) {
      file_ = std::move(file);
      break;
    }
  }
  if (!file_) return false;

  const QFileInfo info(*file_);
  const QString stamp = TimeStampText(info.lastModified());
  const QString name = info.fileName();
  qint64 position = 0;
  if (store.value(settings::kTipTimeStamp).toString() != stamp ||
      store.value(settings::kTipLang).toString() != name) {
    store.setValue(settings::kTipTimeStamp, stamp);
    store.setValue(settings::kTipLang, name);
  } else {
    position = store.value(settings::kTipFilePos, 0).toLongLong();
  }
  if (position < 0 || position > file_->size() || !file_->seek(position)) {
    position_failed_ = true;
    file_->seek(0);
  }
  return true;
}

QString TipsFile::Next(bool french_system) {
  if (!IsOpen()) return {};
  // Reading from the current position to the end and then from the start
  // back to it covers every line once; a file without a usable line ends here
  // instead of going round forever.
  bool wrapped = false;
  const qint64 start = file_->pos();
  for (;;) {
    if (wrapped && file_->pos() >= start) return {};
    if (file_->atEnd()) {
      if (wrapped || !file_->seek(0)) return {};
      wrapped = true;
      if (start == 0) return {};
      continue;
    }
    QByteArray line = file_->readLine(kMaxLine + 1);
    if (IsComment(line)) continue;
    if (line.startsWith("#F#")) {
      if (!french_system) continue;
      line.remove(0, 3);
    }
    while (line.endsWith('\n') || line.endsWith('\r'))
      line.chop(1);
    if (line.isEmpty()) continue;
    return QString::fromUtf8(line);
  }
}

qint64 TipsFile::Position() const {
  return IsOpen() ? file_->pos() : 0;
}

void TipsFile::StorePosition(QSettings& store) const {
  if (IsOpen()) store.setValue(settings::kTipFilePos, Position());
}

}  // namespace scorvane

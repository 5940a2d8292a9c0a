#include "widgets/settings.h"

namespace scorvane::settings {

QSettings User() {
  return QSettings(QSettings::UserScope, kOrganisation, kApplication);
}

QSettings Machine() {
  return QSettings(QSettings::SystemScope, kOrganisation, kApplication);
}

QString RgbText(const QColor& colour) {
  return QStringLiteral("RGB(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

namespace {

// Reads an optionally signed decimal number after optional blanks, as %d does.
bool ScanNumber(const QString& text, qsizetype& at, int& value) {
  while (at < text.size() && text[at].isSpace())
    ++at;
  const qsizetype start = at;
  if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) ++at;
  const qsizetype digits = at;
  while (at < text.size() && text[at].isDigit() && at - digits < 9)
    ++at;
  if (at == digits) return false;
  bool ok = false;
  value = text.mid(start, at - start).toInt(&ok);
  return ok;
}

bool ScanLiteral(const QString& text, qsizetype& at, QStringView literal) {
  if (text.mid(at, literal.size()) != literal) return false;
  at += literal.size();
  return true;
}

}  // namespace

std::optional<QColor> ParseRgbText(const QString& text) {
  qsizetype at = 0;
  int red = 0;
  int green = 0;
  int blue = 0;
  if (!ScanLiteral(text, at, u"RGB(") || !ScanNumber(text, at, red) ||
      !ScanLiteral(text, at, u",") || !ScanNumber(text, at, green) ||
      !ScanLiteral(text, at, u",") || !ScanNumber(text, at, blue)) {
    return std::nullopt;
  }
  for (int value : {red, green, blue}) {
    if (value < 0 || value > 255) return std::nullopt;
  }
  return QColor(red, green, blue);
}

QColor ReadColour(QSettings& store, const char* key, const QColor& fallback) {
  const QString text = store.value(key, RgbText(fallback)).toString();
  return ParseRgbText(text).value_or(fallback);
}

void WriteColour(QSettings& store, const char* key, const QColor& colour) {
  store.setValue(key, RgbText(colour));
}

int ReadInt(QSettings& store, const char* key, int fallback) {
  bool ok = false;
  const int value = store.value(key, fallback).toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace scorvane::settings

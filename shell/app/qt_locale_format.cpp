#include "shell/app/qt_locale_format.h"

#include <QDate>
#include <QRegularExpression>

#include "base/catalogue/messages.h"

namespace scorvane {

std::string QtLocaleFormat::ShortDate(int day, int month, int year) const {
  QString format = locale_.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) {
    format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
  }
  const QDate date(year, month, day);
  if (!date.isValid()) return LocaleFormat::ShortDate(day, month, year);
  return locale_.toString(date, format).toStdString();
}

std::string QtLocaleFormat::DateInSentence(int day, int month, int year) const {
  const QDate date(year, month, day);
  if (!date.isValid()) return LocaleFormat::DateInSentence(day, month, year);
  const QLocale language = IsFrench() ? QLocale(QLocale::French, QLocale::France)
                                      : QLocale(QLocale::English, QLocale::UnitedKingdom);
  return language.toString(date, QStringLiteral("d MMM yyyy")).toStdString();
}

std::string QtLocaleFormat::Number(const std::string& plain) const {
  bool ok = false;
  const double value = QString::fromStdString(plain).toDouble(&ok);
  if (!ok) return plain;
  QString text = locale_.toString(value, 'f', 2);
  return text.toStdString();
}

std::string QtLocaleFormat::Currency(const std::string& plain) const {
  bool ok = false;
  const double value = QString::fromStdString(plain).toDouble(&ok);
  // Text the locale cannot read is shown as it is.
  if (!ok) return plain;
  return locale_.toCurrencyString(value, QString::fromStdString(CurrencySymbol()), 2).toStdString();
}

std::string QtLocaleFormat::CurrencySymbol() const {
  const QString symbol = locale_.currencySymbol(QLocale::CurrencySymbol);
  return symbol.isEmpty() ? LocaleFormat::CurrencySymbol() : symbol.toStdString();
}

}  // namespace scorvane

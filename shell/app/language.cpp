#include "shell/app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "base/catalogue/messages.h"
#include "widgets/settings.h"

namespace scorvane {

int ChooseLanguage(int stored, const QString& installation, QLocale::Language locale_language) {
  int language = stored;
  if (language == 0) {
    if (installation == QLatin1String("French")) {
      language = kLanguageFrench;
    } else if (installation == QLatin1String("English")) {
      language = kLanguageEnglish;
    }
  }
  if (language == 0 && locale_language == QLocale::French) language = kLanguageFrench;
  return language == kLanguageFrench ? kLanguageFrench : kLanguageEnglish;
}

int StartupLanguage(QSettings& user, QSettings& machine, const QLocale& locale) {
  const int stored = settings::ReadInt(user, settings::kLanguage, 0);
  const QString installation = machine.value(settings::kInstallationLanguage).toString();
  return ChooseLanguage(stored, installation, locale.language());
}

LanguageSwitch::LanguageSwitch() = default;

LanguageSwitch::~LanguageSwitch() {
  if (QCoreApplication::instance()) {
    if (program_) QCoreApplication::removeTranslator(program_.get());
    if (toolkit_) QCoreApplication::removeTranslator(toolkit_.get());
  }
}

LanguageSwitch& LanguageSwitch::Instance() {
  static LanguageSwitch instance;
  return instance;
}

bool LanguageSwitch::Apply(int language, QSettings& user) {
  language = language == kLanguageFrench ? kLanguageFrench : kLanguageEnglish;
  const bool french = language == kLanguageFrench;
  auto program = std::make_unique<QTranslator>();
  if (!program->load(french ? QStringLiteral(":/i18n/scorvane_fr.qm")
                            : QStringLiteral(":/i18n/scorvane_en.qm"))) {
    return false;
  }
  // The toolkit's own texts (standard buttons, file dialogs) when the
  // system has them; the program works without.
  auto toolkit = std::make_unique<QTranslator>();
  const bool toolkit_loaded =
      french && toolkit->load(QStringLiteral("qtbase_fr"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));

  if (program_) QCoreApplication::removeTranslator(program_.get());
  if (toolkit_) QCoreApplication::removeTranslator(toolkit_.get());
  program_ = std::move(program);
  toolkit_.reset();
  if (toolkit_loaded) {
    toolkit_ = std::move(toolkit);
    QCoreApplication::installTranslator(toolkit_.get());
  }
  // The catalogue first, so that widgets retranslating on LanguageChange
  // already read catalogue texts in the new language.
  SetLanguage(language);
  current_ = language;
  QCoreApplication::installTranslator(program_.get());
  user.setValue(settings::kLanguage, language);
  return true;
}

bool LanguageSwitch::Toggle(QSettings& user) {
  return Apply(current_ == kLanguageFrench ? kLanguageEnglish : kLanguageFrench, user);
}

}  // namespace scorvane

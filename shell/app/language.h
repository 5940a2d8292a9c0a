// The language of the user interface: which one to start in, and the switch
// between French and English at run time. The switch installs the program's
// built-in translation of menus and dialogs (a QTranslator on the embedded
// ".qm" files), moves the core's message catalogue to the same language and
// remembers the choice; widgets retranslate themselves on LanguageChange.
#pragma once

#include <QLocale>
#include <QSettings>
#include <QString>
#include <QTranslator>
#include <memory>

namespace scorvane {

// The start-up rule: a stored 12 or other non-zero value wins (anything but
// 12 means English); when nothing is stored, the machine-wide installation
// language ("French" / "English"); when that says nothing either, the user's
// locale. The answer is always kLanguageFrench or kLanguageEnglish.
int ChooseLanguage(int stored, const QString& installation, QLocale::Language locale_language);

// The rule applied to the settings and the user's locale.
int StartupLanguage(QSettings& user, QSettings& machine, const QLocale& locale);

class LanguageSwitch {
 public:
  LanguageSwitch();
  ~LanguageSwitch();
  LanguageSwitch(const LanguageSwitch&) = delete;
  LanguageSwitch& operator=(const LanguageSwitch&) = delete;

  // Installs the translation of `language` (replacing the one installed),
  // switches the catalogue and writes "Language"/"Language" to `user`.
  // False when the translation cannot be loaded: nothing changed then.
  bool Apply(int language, QSettings& user);
  // French when English is in force and the other way round.
  bool Toggle(QSettings& user);
  int Current() const { return current_; }

  // The process-wide switch (created on first use).
  static LanguageSwitch& Instance();

 private:
  std::unique_ptr<QTranslator> program_;
  std::unique_ptr<QTranslator> toolkit_;
  int current_ = 0;
};

}  // namespace scorvane

#include "tests/support/ui/widget_environment.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "base/locale.h"
#include "base/user_prompt.h"
#include "ranking/ranking_registry.h"
#include "shell/app/language.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/screen_colours.h"

namespace scorvane::testing {

WidgetEnvironment::WidgetEnvironment() : temp_(std::make_unique<TempDir>()) {
  const QString root = QString::fromStdString(temp_->Path().string());
  QDir(root).mkpath(QStringLiteral("user"));
  QDir(root).mkpath(QStringLiteral("system"));
  QDir(root).mkpath(QStringLiteral("data"));
  QDir(root).mkpath(QStringLiteral("RankSys"));
  qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toLocal8Bit());
  QStandardPaths::setTestModeEnabled(true);
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, root + QStringLiteral("/user"));
    QSettings::setPath(format, QSettings::SystemScope, root + QStringLiteral("/system"));
  }
  QLocale::setDefault(QLocale::c());
  Registry().Reset();
  Registry().SetFolder(temp_->Path() / "RankSys");
  SetLanguage(kLanguageEnglish);
  Currency::Reset();
  SetCurrentLocale(nullptr);
  SetUserPrompt(nullptr);
  SetTodayForTesting(DATE_SIMPLE(15, 6, 2001));
  QSettings defaults(QSettings::UserScope, QStringLiteral("Zezovu"), QStringLiteral("Scorvane"));
  ScreenColours::Load(defaults);
  MessageBoxes::ScriptAnswers({});
  FileChoosers::ScriptPaths({});
  ClearModalAnswers();
}

WidgetEnvironment::~WidgetEnvironment() {
  ClearModalAnswers();
  MessageBoxes::ClearScript();
  FileChoosers::ClearScript();
  SetUserPrompt(nullptr);
  SetCurrentLocale(nullptr);
  SetCurrentDocument(nullptr);
  SetTodayForTesting(std::nullopt);
  Registry().Reset();
  SetLanguage(kLanguageEnglish);
  QLocale::setDefault(QLocale::c());
}

QString WidgetEnvironment::Path(const QString& name) const {
  return QDir(QString::fromStdString(temp_->Path().string())).filePath(name);
}

QString LastSaid() {
  return MessageBoxes::Said().isEmpty() ? QString() : MessageBoxes::Said().back();
}

void WriteSampleDocument(const QString& path) {
  PROJECT_DOC* previous = CurrentDocument();
  {
    PROJECT_DOC document;
    SetCurrentDocument(&document);
    document.MakeDefaultDocument();
    DocumentBuilder builder(document.Owner());
    builder.Season(2000, "30/1");
    builder.Season(2001, "30");
    document.Save(path.toStdString());
    SetCurrentDocument(nullptr);
  }
  SetCurrentDocument(previous);
}

}  // namespace scorvane::testing

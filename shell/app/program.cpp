#include "shell/app/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QScreen>

#include "base/catalogue/messages.h"
#include "pages/common/matches/match_entry_flow.h"
#include "ranking/ranking_registry.h"
#include "shell/app/language.h"
#include "shell/app/recent_files.h"
#include "shell/app/splash.h"
#include "shell/app/tip_dialog.h"
#include "shell/app/welcome_dialog.h"
#include "shell/window/main_window.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/settings.h"

namespace scorvane {
StartupOptions ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Scorvane, a tennis record keeper"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption no_splash(QStringLiteral("no-splash"),
                                     QStringLiteral("Start without the splash picture and tip."));
  const QCommandLineOption measure(
      QStringLiteral("measure-startup"),
      QStringLiteral("Print the milliseconds until the main window is shown, then quit."));
  parser.addOption(no_splash);
  parser.addOption(measure);
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A .ten document to open."));
  StartupOptions options;
  parser.process(arguments);
  options.splash_allowed = !parser.isSet(no_splash) && !parser.isSet(measure);
  options.measure_startup = parser.isSet(measure);
  if (!parser.positionalArguments().isEmpty()) options.file = parser.positionalArguments().front();
  return options;
}

Program::Program(QString program_folder)
    : program_folder_(std::move(program_folder)),
      document_(std::make_unique<PROJECT_DOC>()),
      session_(std::make_unique<DocumentSession>(*document_, program_folder_)) {}

Program::~Program() {
  window_.reset();
  SetUserPrompt(nullptr);
  SetCurrentLocale(nullptr);
  if (CurrentDocument() == document_.get()) SetCurrentDocument(nullptr);
}

bool Program::Prepare() {
  RankingRegistry& registry = Registry();
  registry.Reset();
  registry.SetFolder(RankingRegistry::LocateFolder(ToFsPath(program_folder_)));

  QSettings user = settings::User();
  QSettings machine = settings::Machine();
  const int language = StartupLanguage(user, machine, QLocale());
  if (!LanguageSwitch::Instance().Apply(language, user)) {
    MessageBoxes::Warn(nullptr, CatalogueText(48));
    return false;
  }
  SetCurrentLocale(&locale_);
  SetUserPrompt(&prompt_);
  SetCurrentDocument(document_.get());
  InstallMatchViewerOpener();

  if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->depth() < 16) {
    MessageBoxes::Warn(nullptr, CatalogueText(135));
    return false;
  }
  return true;
}

bool Program::WelcomeLoop() {
  WelcomeDialog dialog;
  for (;;) {
    dialog.Prepare();
    switch (dialog.exec()) {
      case WelcomeDialog::kNewFile:
        if (session_->NewDocument(true)) return true;
        break;
      case WelcomeDialog::kLastFile: {
        QSettings store = settings::User();
        const QStringList recent = RecentFiles::Load(store);
        if (recent.isEmpty()) break;
        const QString path = recent.front();
        if (QFile file(path); !file.open(QIODevice::ReadOnly)) {
          MessageBoxes::Warn(&dialog, CatalogueText(136, {path.toStdString()}));
          break;
        }
        if (session_->OpenPath(path)) return true;
        RecentFiles::Remove(store, path);
        break;
      }
      case WelcomeDialog::kOpenFile:
        if (session_->OpenWithChooser()) return true;
        break;
      case WelcomeDialog::kLanguage: {
        QSettings store = settings::User();
        if (!LanguageSwitch::Instance().Toggle(store)) {
          MessageBoxes::Warn(&dialog, CatalogueText(48));
          return false;
        }
        break;
      }
      case WelcomeDialog::kQuit:
        return false;
      default:
        break;
    }
  }
}

bool Program::Start(const StartupOptions& options) {
  exit_code_ = 1;
  if (!Prepare()) return false;
  if (!options.file.isEmpty()) {
    if (!session_->OpenPath(options.file)) return false;
  } else if (!WelcomeLoop()) {
    exit_code_ = 0;
    return false;
  }
  OpenMainWindow(options.splash_allowed);
  exit_code_ = 0;
  return true;
}

void Program::OpenMainWindow(bool splash_allowed) {
  Splash* splash = nullptr;
  if (splash_allowed) {
    splash = new Splash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    QCoreApplication::processEvents();
  }
  window_ = std::make_unique<MainWindow>(*session_, program_folder_);
  prompt_.SetParentWindow(window_.get());
  window_->showMaximized();
  if (splash) splash->raise();
  if (splash_allowed && TipDialog::ShowAtStartUp()) {
    auto* tip = new TipDialog(program_folder_, ActiveSystem().IsFrench(), window_.get());
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->open();
  }
}

}  // namespace scorvane

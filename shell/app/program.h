// The program as a whole: the start-up sequence (ranking systems, folders,
// language, the core's formatting and questions, then the file of the
// command line or the welcome dialog), and the objects that live for the
// whole run: the document, what the window does with it, the main window.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "records/document.h"
#include "shell/app/qt_locale_format.h"
#include "shell/dialogs/dialog_prompt.h"
#include "shell/window/document_session.h"

namespace scorvane {

class MainWindow;

struct StartupOptions {
  QString file;                  // a document to open instead of the welcome dialog
  bool splash_allowed = true;    // also governs the tip of the day
  bool measure_startup = false;  // print the time to the window shown, then quit
};
// Reads the command line (program name first); unknown options are refused
// with a message on standard error and an empty file name.
StartupOptions ParseCommandLine(const QStringList& arguments);

class Program {
 public:
  explicit Program(QString program_folder);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Everything before a document is open: ranking systems and their folder,
  // language, formatting, questions. False when the program cannot go on.
  bool Prepare();
  // The welcome dialog until a document is open (true) or the user quits.
  bool WelcomeLoop();
  // Prepare, then the command-line file or the welcome loop, then the main
  // window (with the splash and the tip of the day when allowed). False:
  // the process ends without a window, with ExitCode().
  bool Start(const StartupOptions& options);
  // After a failed start: 1 when the program could not go on (the file of
  // the command line could not be opened, no language), 0 when the user
  // chose to quit; scripts tell them apart.
  int ExitCode() const { return exit_code_; }

  PROJECT_DOC& Document() { return *document_; }
  DocumentSession& Session() { return *session_; }
  MainWindow* Window() const { return window_.get(); }
  const QString& ProgramFolder() const { return program_folder_; }

 private:
  void OpenMainWindow(bool splash_allowed);

  QString program_folder_;
  std::unique_ptr<PROJECT_DOC> document_;
  std::unique_ptr<DocumentSession> session_;
  QtLocaleFormat locale_;
  DialogPrompt prompt_;
  std::unique_ptr<MainWindow> window_;
  int exit_code_ = 0;
};

}  // namespace scorvane

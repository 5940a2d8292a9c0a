// The set-up the Qt Test programs share: a clean world (WidgetEnvironment),
// an empty document made current, and on request the document session and
// the main window on it, all undone after each test. A test class derives
// from WindowFixture; an init() or cleanup() of its own calls the fixture's
// first.
#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <memory>

#include "shell/window/page_frame.h"
#include "tests/support/ui/widget_environment.h"
#include "widgets/current_document.h"

class QWidget;

namespace scorvane {
class DocumentSession;
class MainWindow;
}  // namespace scorvane

namespace scorvane::testing {

// Waits until the window is on screen; a warning when it never is.
void WaitUntilExposed(QWidget& window);

// A page of this kind on its own, shown at `size` and exposed; `started`
// gives it the initial update a window gives a page on a new document.
template <class Page>
std::unique_ptr<Page> ShownPage(QSize size, bool started = false) {
  auto page = std::make_unique<Page>();
  if (started) page->InitialUpdate();
  page->resize(size);
  page->show();
  WaitUntilExposed(*page);
  return page;
}

class WindowFixture : public QObject {
  Q_OBJECT

 public:
  WindowFixture();
  ~WindowFixture() override;

 protected:
  PROJECT_DOC& Doc() { return *document_; }
  UTILISATEUR& Owner() { return document_->Owner(); }
  // A path inside the temporary folder ("program" is the program's folder).
  QString Path(const QString& name) const { return environment_->Path(name); }
  DocumentSession& Session();
  // The main window on the session, shown; `pages` replaces the real pages.
  MainWindow& OpenWindow(PageFrame::Factory pages = {});
  MainWindow& Window() { return *window_; }

 protected slots:
  void init();
  // Fails the test when a queued modal answer found no window.
  void cleanup();

 private:
  std::unique_ptr<WidgetEnvironment> environment_;
  std::unique_ptr<PROJECT_DOC> document_;
  std::unique_ptr<DocumentSession> session_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace scorvane::testing

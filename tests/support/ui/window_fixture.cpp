#include "tests/support/ui/window_fixture.h"

#include <QTest>

#include "shell/window/document_session.h"
#include "shell/window/main_window.h"
#include "tests/support/ui/modal.h"

namespace scorvane::testing {

void WaitUntilExposed(QWidget& window) {
  if (!QTest::qWaitForWindowExposed(&window)) qWarning("the window was not exposed");
}

WindowFixture::WindowFixture() = default;
WindowFixture::~WindowFixture() = default;

void WindowFixture::init() {
  environment_ = std::make_unique<WidgetEnvironment>();
  document_ = std::make_unique<PROJECT_DOC>();
  SetCurrentDocument(document_.get());
}

void WindowFixture::cleanup() {
  const int pending = PendingModalAnswers();
  // Closing the window must not stop on the question about unsaved changes.
  if (document_) document_->SetModifiedFlag(false);
  window_.reset();
  session_.reset();
  SetCurrentDocument(nullptr);
  document_.reset();
  environment_.reset();
  QVERIFY2(pending == 0, "a queued answer found no modal window");
}

DocumentSession& WindowFixture::Session() {
  if (!session_) session_ = std::make_unique<DocumentSession>(*document_, Path("program"));
  return *session_;
}

MainWindow& WindowFixture::OpenWindow(PageFrame::Factory pages) {
  window_ = std::make_unique<MainWindow>(Session(), Path("program"), std::move(pages));
  window_->show();
  WaitUntilExposed(*window_);
  return *window_;
}

}  // namespace scorvane::testing

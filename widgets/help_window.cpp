#include "widgets/help_window.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"

namespace scorvane {

QString HelpAnchor(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::kContents:
      return QStringLiteral("contents");
    case HelpTopic::kBeforeStarting:
      return QStringLiteral("before-starting");
    case HelpTopic::kNavigation:
      return QStringLiteral("navigation");
    case HelpTopic::kDocuments:
      return QStringLiteral("documents");
    case HelpTopic::kPages:
      return QStringLiteral("pages");
    case HelpTopic::kPrinting:
      return QStringLiteral("printing");
    case HelpTopic::kSettings:
      return QStringLiteral("settings");
    case HelpTopic::kRankingSystems:
      return QStringLiteral("ranking-systems");
    case HelpTopic::kFrenchEstimate:
      return QStringLiteral("french-estimate");
    case HelpTopic::kOtherEstimates:
      return QStringLiteral("other-estimates");
  }
  return QStringLiteral("contents");
}

QString HelpPage(int language) {
  return language == kLanguageFrench ? QStringLiteral("qrc:/help/help_fr.html")
                                     : QStringLiteral("qrc:/help/help_en.html");
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("helpWindow"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 560);
  setWindowTitle(tr("Scorvane Help"));
  // Closed like any reading window: Escape, or the platform's close keys.
  QList<QKeySequence> close_keys = {QKeySequence(Qt::Key_Escape),
                                    QKeySequence(Qt::CTRL | Qt::Key_W)};
  for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Close))
    if (!close_keys.contains(keys)) close_keys.append(keys);
  for (const QKeySequence& keys : close_keys) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
  }
}

void HelpWindow::ShowTopic(HelpTopic topic) {
  topic_ = topic;
  QUrl url(HelpPage(CurrentLanguage()));
  url.setFragment(HelpAnchor(topic));
  browser_->setSource(url);
}

QString HelpWindow::Source() const {
  return browser_->source().toString();
}

namespace {

QPointer<HelpWindow>& TheHelpWindow() {
  static QPointer<HelpWindow> window;
  return window;
}

}  // namespace

HelpWindow* HelpWindow::Open(HelpTopic topic) {
  QPointer<HelpWindow>& the_window = TheHelpWindow();
  if (!the_window) {
    the_window = new HelpWindow;
    the_window->setAttribute(Qt::WA_DeleteOnClose);
    // The help alone does not keep the program running.
    the_window->setAttribute(Qt::WA_QuitOnClose, false);
  }
  HelpWindow& window = *the_window;
  window.ShowTopic(topic);
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window.modal_)
    window.FollowModalDialog(modal);
  window.show();
  window.raise();
  window.activateWindow();
  return &window;
}

void HelpWindow::CloseIfOpen() {
  if (QPointer<HelpWindow>& window = TheHelpWindow(); window) delete window.data();
}

void HelpWindow::FollowModalDialog(QWidget* modal) {
  if (modal_) modal_->removeEventFilter(this);
  const QRect place = geometry();
  const bool shown = isVisible();
  setParent(modal, windowFlags());
  modal_ = modal;
  modal_->installEventFilter(this);
  if (shown) {
    setGeometry(place);
    show();
  }
}

void HelpWindow::StandAlone() {
  modal_->removeEventFilter(this);
  modal_ = nullptr;
  const QRect place = geometry();
  setParent(nullptr, windowFlags());
  setGeometry(place);
  show();
}

bool HelpWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowBlocked) {
    // Told while the blocking dialog is being shown: followed once it runs.
    QMetaObject::invokeMethod(
        this,
        [this] {
          QWidget* modal = QApplication::activeModalWidget();
          if (modal && modal != modal_ && !isAncestorOf(modal)) FollowModalDialog(modal);
        },
        Qt::QueuedConnection);
  }
  return QWidget::event(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  // A dialog is hidden when it closes, before it may be deleted.
  if (watched == modal_ && event->type() == QEvent::Hide) StandAlone();
  return QWidget::eventFilter(watched, event);
}

void HelpWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setWindowTitle(tr("Scorvane Help"));
    ShowTopic(topic_);
  }
  QWidget::changeEvent(event);
}

}  // namespace scorvane

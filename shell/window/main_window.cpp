#include "shell/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QUrl>

#include "base/currency.h"
#include "records/document.h"
#include "records/season.h"
#include "shell/window/document_session.h"
#include "shell/window/lock_indicators.h"
#include "shell/window/navigation_bar.h"
#include "shell/window/navigation_pane.h"
#include "shell/window/page_rules.h"
#include "shell/window/season_lists.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/help_window.h"
#include "widgets/page_view.h"
#include "widgets/print/page_printer.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

namespace scorvane {

MainWindow::MainWindow(DocumentSession& session, QString program_folder, PageFrame::Factory pages)
    : session_(session),
      document_(session.Document()),
      program_folder_(std::move(program_folder)),
      printer_(new PagePrinter(this)) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowIcon(QIcon(QStringLiteral(":/pictures/scorvane.svg")));
  setAcceptDrops(true);
  LoadSettings();

  bar_ = new NavigationBar(this);
  CreateCommands();
  CreateMenus();
  CreateToolBars();

  locks_ = new LockIndicators(*statusBar());

  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->setObjectName(QStringLiteral("splitter"));
  splitter_->setChildrenCollapsible(false);
  pane_ = new NavigationPane;
  pane_scroll_ = new QScrollArea(splitter_);
  pane_scroll_->setObjectName(QStringLiteral("navigationScroll"));
  pane_scroll_->setWidget(pane_);
  pane_scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane_scroll_->setFrameShape(QFrame::NoFrame);
  // Below and beside the picture the pane keeps the picture's light blue.
  QPalette pane_palette = pane_scroll_->palette();
  pane_palette.setColor(QPalette::Window, QColor(173, 198, 255));
  pane_scroll_->setPalette(pane_palette);
  pane_scroll_->setBackgroundRole(QPalette::Window);
  pane_scroll_->viewport()->setAutoFillBackground(true);
  pane_scroll_->setMinimumWidth(kNavigationWidth + 16);
  pane_scroll_->setMaximumWidth(kNavigationWidth + 20);
  frame_ = new PageFrame(splitter_, std::move(pages));
  splitter_->addWidget(pane_scroll_);
  splitter_->addWidget(frame_);
  splitter_->setStretchFactor(1, 1);
  setCentralWidget(splitter_);

  connect(frame_, &PageFrame::PageCreated, this, [this](PageView* page) {
    connect(page, &PageView::ShowPageRequested, this, &MainWindow::ShowPage);
    connect(page, &PageView::PrintRequested, this, &MainWindow::PrintPage);
  });
  connect(pane_, &NavigationPane::ZoneClicked, this, &MainWindow::RunZone);
  connect(pane_, &NavigationPane::SeasonChosen, this,
          [this](int index) { ChooseSeason(*pane_->SeasonList(), index); });
  connect(bar_, &NavigationBar::SeasonChosen, this,
          [this](int index) { ChooseSeason(*bar_->SeasonList(), index); });
  connect(bar_, &NavigationBar::PageChosen, this, &MainWindow::ChoosePageFromList);
  connect(bar_, &NavigationBar::HelpRequested, this, &MainWindow::ShowHelp);
  connect(&session_, &DocumentSession::DocumentReplaced, this, &MainWindow::InitialUpdate);
  session_.SetParentWindow(this);

  document_.on_refresh_views = [this] {
    frame_->RefreshAll();
    FillSeasonLists();
  };
  document_.on_title_changed = [this] {
    UpdateTitle();
    UpdateCommands();
  };

  Retranslate();
  resize(1100, 760);
  QSettings store = settings::User();
  restoreState(store.value(settings::kToolbars).toByteArray());
  Command(QStringLiteral("actionStatusBar"))
      ->setChecked(store.value(settings::kStatusBarShown, true).toBool());
  InitialUpdate();
}

MainWindow::~MainWindow() {
  HelpWindow::CloseIfOpen();
  document_.on_refresh_views = nullptr;
  document_.on_title_changed = nullptr;
  session_.SetParentWindow(nullptr);
  StoreSettings();
}

void MainWindow::LoadSettings() {
  QSettings store = settings::User();
  ScreenColours::Load(store);
  Currency::SetCurrent(settings::ReadInt(store, settings::kCurrencyInUse, Currency::Current()));
  // A value that is no euro value the program can use leaves the default.
  const QString euro = store.value(settings::kEuroValue).toString();
  if (const auto value = Currency::ReadEuroValue(euro.toStdString()))
    Currency::SetEuroValue(*value);
}

void MainWindow::StoreSettings() {
  QSettings store = settings::User();
  store.setValue(settings::kCurrencyInUse, Currency::Current());
  store.setValue(settings::kEuroValue, QString::asprintf("%f", Currency::EuroValue()));
}

QAction* MainWindow::Command(const QString& name) const {
  const auto found = commands_.find(name);
  return found == commands_.end() ? nullptr : found->second;
}

bool MainWindow::ShowPage(int number) {
  if (!frame_->ShowPage(number)) return false;
  UpdateTitle();
  UpdateCommands();
  pane_->SetLitZone(LitZone(number));
  bar_->FollowPage(number);
  return true;
}

void MainWindow::InitialUpdate() {
  frame_->InitialUpdateAll(PageView::kOwnPage);
  FillSeasonLists();
  ShowPage(PageView::kOwnPage);
  pane_->SetLitZone(LitZone(frame_->CurrentPage()));
  bar_->FollowPage(frame_->CurrentPage());
  UpdateTitle();
  UpdateCommands();
}

void MainWindow::UpdateTitle() {
  const SAISON_JOUEUR* season = document_.Owner().GetActiveSeason();
  setWindowTitle(WindowTitle(QStringLiteral("Scorvane"), true,
                             QString::fromStdString(document_.Title()), document_.IsModified(),
                             frame_->CurrentPage(), season ? season->Year() : 0));
}

void MainWindow::FillSeasonLists() {
  FillSeasonList(*pane_->SeasonList(), &document_.Owner());
  FillSeasonList(*bar_->SeasonList(), &document_.Owner());
}

void MainWindow::ChooseSeason(QComboBox& list, int index) {
  // The document's change notice refreshes the pages and both lists.
  scorvane::ChooseSeason(list, index, &document_.Owner());
}

void MainWindow::RunZone(int zone) {
  const NavigationZone& target = Zone(zone);
  switch (target.action) {
    case NavigationZone::Action::kShowPage:
      ShowPage(target.page);
      break;
    case NavigationZone::Action::kNewSeason:
      NewSeason();
      break;
    case NavigationZone::Action::kDeleteSeason:
      DeleteSeason();
      break;
    case NavigationZone::Action::kAbout:
      ShowAbout();
      break;
  }
}

void MainWindow::SwitchPane() {
  // Two panes: the next one and the previous one are the same.
  QWidget* focus = QApplication::focusWidget();
  if (focus && frame_->isAncestorOf(focus)) {
    pane_->setFocus(Qt::OtherFocusReason);
    return;
  }
  PageView* page = frame_->CurrentView();
  if (!page) return;
  QWidget* target = page;
  for (QWidget* child : page->findChildren<QWidget*>()) {
    if (child->isVisible() && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus)) {
      target = child;
      break;
    }
  }
  target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ChoosePageFromList(int index) {
  if (PageListChoiceShowsPage(index, frame_->CurrentPage())) ShowPage(PageOfListEntry(index));
}

void MainWindow::UpdateCommands() {
  PageView* page = frame_->CurrentView();
  const bool printable = page && page->PrintContent();
  for (const char* name : {"actionPrint", "actionPreview", "actionExportPdf"}) {
    if (QAction* action = Command(QLatin1String(name))) action->setEnabled(printable);
  }
  if (QAction* remove = Command(QStringLiteral("actionDeleteSeason"))) {
    remove->setEnabled(document_.Owner().Seasons().Count() > 1);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!session_.SaveModified()) {
    event->ignore();
    return;
  }
  QSettings store = settings::User();
  store.setValue(settings::kToolbars, saveState());
  store.setValue(settings::kStatusBarShown, !statusBar()->isHidden());
  event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    UpdateTitle();
  }
  QMainWindow::changeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (!url.isLocalFile()) continue;
    event->acceptProposedAction();
    if (session_.SaveModified()) session_.OpenPath(url.toLocalFile());
    return;
  }
}

}  // namespace scorvane

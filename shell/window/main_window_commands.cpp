// The commands of the main window: the menus, the tool bars, their texts in
// the interface language, and what each command does.
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>

#include "base/catalogue/messages.h"
#include "pages/common/lists/item_editor_dialog.h"
#include "pages/common/rankings/ranking_history_dialog.h"
#include "pages/common/seasons/season_commands.h"
#include "pages/finances/currency_dialog.h"
#include "pages/rankings/system_commands.h"
#include "pages/service/service_odds_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "shell/app/about_dialog.h"
#include "shell/app/language.h"
#include "shell/app/recent_files.h"
#include "shell/app/tip_dialog.h"
#include "shell/dialogs/doc_info_dialog.h"
#include "shell/dialogs/import_preview_dialog.h"
#include "shell/window/document_session.h"
#include "shell/window/main_window.h"
#include "shell/window/navigation_bar.h"
#include "widgets/catalogue_text.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/help_window.h"
#include "widgets/page_view.h"
#include "widgets/print/page_printer.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

namespace scorvane {
QAction* MainWindow::AddCommand(const char* name, void (MainWindow::*slot)()) {
  auto* action = new QAction(this);
  action->setObjectName(QLatin1String(name));
  connect(action, &QAction::triggered, this, slot);
  commands_[action->objectName()] = action;
  return action;
}

void MainWindow::CreateCommands() {
  AddCommand("actionNew", &MainWindow::NewDocument)->setShortcut(QKeySequence::New);
  AddCommand("actionOpen", &MainWindow::OpenDocument)->setShortcut(QKeySequence::Open);
  AddCommand("actionSave", &MainWindow::SaveDocument)->setShortcut(QKeySequence::Save);
  AddCommand("actionSaveAs", &MainWindow::SaveDocumentAs);
  AddCommand("actionDocInfo", &MainWindow::ShowDocumentInfo)->setShortcut(Qt::SHIFT | Qt::Key_I);
  AddCommand("actionImportMatches", &MainWindow::ImportMatches);
  AddCommand("actionPrint", &MainWindow::PrintPage)->setShortcut(QKeySequence::Print);
  AddCommand("actionPreview", &MainWindow::PreviewPage);
  AddCommand("actionExportPdf", &MainWindow::ExportPagePdf);
  AddCommand("actionPrintSetup", &MainWindow::PrintSetup);
  AddCommand("actionQuit", &MainWindow::Quit);

  AddCommand("actionUndo", &MainWindow::Undo)
      ->setShortcuts(
          {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
  AddCommand("actionCut", &MainWindow::Cut)
      ->setShortcuts(
          {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
  AddCommand("actionCopy", &MainWindow::Copy)
      ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
  AddCommand("actionPaste", &MainWindow::Paste)
      ->setShortcuts(
          {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});

  AddCommand("actionNewSeason", &MainWindow::NewSeason);
  AddCommand("actionDeleteSeason", &MainWindow::DeleteSeason);

  const struct {
    const char* name;
    int page;
    QKeyCombination key;
  } pages[] = {
      {"actionOwnPage", PageView::kOwnPage, Qt::SHIFT | Qt::Key_A},
      {"actionPlayers", PageView::kPlayers, Qt::SHIFT | Qt::Key_J},
      {"actionFinances", PageView::kFinances, Qt::SHIFT | Qt::Key_F},
      {"actionSeasonSummary", PageView::kSeasonSummary, Qt::SHIFT | Qt::Key_B},
      {"actionMatches", PageView::kMatches, Qt::SHIFT | Qt::Key_P},
      {"actionStatistics", PageView::kStatistics, Qt::SHIFT | Qt::Key_S},
      {"actionClubs", PageView::kClubs, QKeyCombination()},
  };
  for (const auto& entry : pages) {
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(entry.name));
    if (entry.key != QKeyCombination()) action->setShortcut(entry.key);
    const int page = entry.page;
    connect(action, &QAction::triggered, this, [this, page] { ShowPage(page); });
    commands_[action->objectName()] = action;
  }

  AddCommand("actionBackgroundColour", &MainWindow::ChooseBackgroundColour);
  AddCommand("actionFrameColour", &MainWindow::ChooseFrameColour);
  AddCommand("actionDefaultColours", &MainWindow::RestoreColours);
  AddCommand("actionLanguage", &MainWindow::SwitchLanguage);

  AddCommand("actionServiceCalculator", &MainWindow::ShowServiceOdds);
  AddCommand("actionEditSurfaces", &MainWindow::EditSurfaces);
  AddCommand("actionEditCategories", &MainWindow::EditCategories);
  AddCommand("actionEditEvents", &MainWindow::EditEvents);
  AddCommand("actionEditClubs", &MainWindow::EditClubs);
  AddCommand("actionChangeRankingSystem", &MainWindow::ChangeRankingSystem);
  AddCommand("actionRankingSystems", &MainWindow::RankingSystems);
  AddCommand("actionRankingHistory", &MainWindow::EditRankingHistory);
  AddCommand("actionCurrency", &MainWindow::ChooseDisplayCurrency)
      ->setShortcut(Qt::SHIFT | Qt::Key_M);

  AddCommand("actionHelp", &MainWindow::ShowHelp)->setShortcut(QKeySequence::HelpContents);
  AddCommand("actionContextHelp", &MainWindow::ShowContextHelp)
      ->setShortcut(Qt::SHIFT | Qt::Key_F1);
  AddCommand("actionTip", &MainWindow::ShowTip);
  AddCommand("actionNextPane", &MainWindow::SwitchPane)->setShortcut(Qt::Key_F6);
  AddCommand("actionPreviousPane", &MainWindow::SwitchPane)->setShortcut(Qt::SHIFT | Qt::Key_F6);
  AddCommand("actionAbout", &MainWindow::ShowAbout);

  Command("actionNew")->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  Command("actionOpen")->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  Command("actionSave")->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  Command("actionPrint")->setIcon(QIcon(QStringLiteral(":/pictures/print.svg")));
  Command("actionServiceCalculator")->setIcon(QIcon(QStringLiteral(":/pictures/service.svg")));
  Command("actionCurrency")->setIcon(QIcon(QStringLiteral(":/pictures/currency.svg")));
  Command("actionHelp")->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
}

void MainWindow::CreateMenus() {
  file_menu_ = menuBar()->addMenu(QString());
  for (const char* name : {"actionNew", "actionOpen", "actionSave", "actionSaveAs"})
    file_menu_->addAction(Command(QLatin1String(name)));
  file_menu_->addSeparator();
  file_menu_->addAction(Command(QStringLiteral("actionDocInfo")));
  file_menu_->addAction(Command(QStringLiteral("actionImportMatches")));
  file_menu_->addSeparator();
  for (const char* name : {"actionPrint", "actionPreview", "actionExportPdf", "actionPrintSetup"})
    file_menu_->addAction(Command(QLatin1String(name)));
  file_menu_->addSeparator();
  recent_menu_ = file_menu_->addMenu(QString());
  recent_menu_->setObjectName(QStringLiteral("recentMenu"));
  connect(file_menu_, &QMenu::aboutToShow, this, &MainWindow::RebuildRecentMenu);
  file_menu_->addSeparator();
  file_menu_->addAction(Command(QStringLiteral("actionQuit")));

  edit_menu_ = menuBar()->addMenu(QString());
  for (const char* name : {"actionUndo", "actionCut", "actionCopy", "actionPaste"})
    edit_menu_->addAction(Command(QLatin1String(name)));

  season_menu_ = menuBar()->addMenu(QString());
  season_menu_->addAction(Command(QStringLiteral("actionNewSeason")));
  season_menu_->addAction(Command(QStringLiteral("actionDeleteSeason")));

  view_menu_ = menuBar()->addMenu(QString());
  for (const char* name :
       {"actionOwnPage", "actionPlayers", "actionFinances", "actionSeasonSummary", "actionMatches",
        "actionStatistics", "actionClubs"}) {
    view_menu_->addAction(Command(QLatin1String(name)));
  }
  view_menu_->addSeparator();
  standard_bar_ = new QToolBar(this);
  standard_bar_->setObjectName(QStringLiteral("standardBar"));
  QAction* toolbar_toggle = standard_bar_->toggleViewAction();
  toolbar_toggle->setObjectName(QStringLiteral("actionToolBar"));
  commands_[toolbar_toggle->objectName()] = toolbar_toggle;
  QAction* bar_toggle = bar_->toggleViewAction();
  bar_toggle->setObjectName(QStringLiteral("actionNavigationBar"));
  commands_[bar_toggle->objectName()] = bar_toggle;
  auto* status_toggle = new QAction(this);
  status_toggle->setObjectName(QStringLiteral("actionStatusBar"));
  status_toggle->setCheckable(true);
  status_toggle->setChecked(true);
  connect(status_toggle, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
  commands_[status_toggle->objectName()] = status_toggle;
  for (QAction* toggle : {toolbar_toggle, bar_toggle, status_toggle})
    view_menu_->addAction(toggle);
  view_menu_->addSeparator();
  for (const char* name : {"actionBackgroundColour", "actionFrameColour", "actionDefaultColours"})
    view_menu_->addAction(Command(QLatin1String(name)));
  view_menu_->addSeparator();
  view_menu_->addAction(Command(QStringLiteral("actionLanguage")));

  tools_menu_ = menuBar()->addMenu(QString());
  tools_menu_->addAction(Command(QStringLiteral("actionServiceCalculator")));
  tools_menu_->addSeparator();
  for (const char* name :
       {"actionEditSurfaces", "actionEditCategories", "actionEditEvents", "actionEditClubs"}) {
    tools_menu_->addAction(Command(QLatin1String(name)));
  }
  tools_menu_->addSeparator();
  tools_menu_->addAction(Command(QStringLiteral("actionChangeRankingSystem")));
  tools_menu_->addAction(Command(QStringLiteral("actionRankingSystems")));
  tools_menu_->addAction(Command(QStringLiteral("actionRankingHistory")));
  tools_menu_->addSeparator();
  tools_menu_->addAction(Command(QStringLiteral("actionCurrency")));

  help_menu_ = menuBar()->addMenu(QString());
  help_menu_->addAction(Command(QStringLiteral("actionHelp")));
  help_menu_->addAction(Command(QStringLiteral("actionTip")));
  help_menu_->addSeparator();
  help_menu_->addAction(Command(QStringLiteral("actionAbout")));
  for (const char* name : {"actionContextHelp", "actionNextPane", "actionPreviousPane"})
    addAction(Command(QLatin1String(name)));
}

void MainWindow::CreateToolBars() {
  standard_bar_->addAction(Command(QStringLiteral("actionNew")));
  standard_bar_->addAction(Command(QStringLiteral("actionOpen")));
  standard_bar_->addAction(Command(QStringLiteral("actionSave")));
  standard_bar_->addSeparator();
  standard_bar_->addAction(Command(QStringLiteral("actionPrint")));
  standard_bar_->addSeparator();
  standard_bar_->addAction(Command(QStringLiteral("actionServiceCalculator")));
  standard_bar_->addSeparator();
  standard_bar_->addAction(Command(QStringLiteral("actionCurrency")));
  addToolBar(Qt::TopToolBarArea, standard_bar_);
  addToolBar(Qt::TopToolBarArea, bar_);
}

void MainWindow::Retranslate() {
  file_menu_->setTitle(tr("&File"));
  edit_menu_->setTitle(tr("&Edit"));
  season_menu_->setTitle(tr("&Season"));
  view_menu_->setTitle(tr("&View"));
  tools_menu_->setTitle(tr("&Tools"));
  help_menu_->setTitle(tr("&Help"));
  recent_menu_->setTitle(tr("Recent files"));
  standard_bar_->setWindowTitle(CatalogueText(576));

  const struct {
    const char* name;
    QString text;
  } texts[] = {
      {"actionNew", tr("&New")},
      {"actionOpen", tr("&Open...")},
      {"actionSave", tr("&Save")},
      {"actionSaveAs", tr("Save &as...")},
      {"actionDocInfo", tr("&Document information")},
      {"actionImportMatches", tr("&Import matches...")},
      {"actionPrint", tr("&Print...")},
      {"actionPreview", tr("Print pre&view")},
      {"actionExportPdf", tr("&Export to PDF...")},
      {"actionPrintSetup", tr("P&rint setup...")},
      {"actionQuit", tr("&Quit")},
      {"actionUndo", tr("&Undo")},
      {"actionCut", tr("Cu&t")},
      {"actionCopy", tr("&Copy")},
      {"actionPaste", tr("&Paste")},
      {"actionNewSeason", tr("Add a new season")},
      {"actionDeleteSeason", tr("Delete the active season")},
      {"actionOwnPage", tr("Own p&age")},
      {"actionPlayers", tr("Registered &players")},
      {"actionFinances", tr("Active season &finances")},
      {"actionSeasonSummary", tr("Active season &summary")},
      {"actionMatches", tr("Active season &matches")},
      {"actionStatistics", tr("S&tatistics")},
      {"actionClubs", tr("Registered &clubs")},
      {"actionToolBar", tr("&Tool bar")},
      {"actionNavigationBar", tr("Light &navigation bar")},
      {"actionStatusBar", tr("Status &bar")},
      {"actionBackgroundColour", tr("Background colour...")},
      {"actionFrameColour", tr("Frame colour...")},
      {"actionDefaultColours", tr("Default colours")},
      {"actionLanguage", tr("Français")},
      {"actionServiceCalculator", tr("&Influence of service success")},
      {"actionEditSurfaces", tr("Edit &surfaces")},
      {"actionEditCategories", tr("Edit financial &categories")},
      {"actionEditEvents", tr("Edit &events")},
      {"actionEditClubs", tr("Edit c&lubs")},
      {"actionChangeRankingSystem", tr("Change the ranking system")},
      {"actionRankingSystems", tr("Ranking s&ystems")},
      {"actionRankingHistory", tr("My ranking &history...")},
      {"actionCurrency", tr("&Currency in use")},
      {"actionHelp", tr("&Help")},
      {"actionContextHelp", tr("Help on this page")},
      {"actionNextPane", tr("Next pane")},
      {"actionPreviousPane", tr("Previous pane")},
      {"actionTip", tr("&Tip of the day")},
      {"actionAbout", tr("&About Scorvane...")},
  };
  for (const auto& entry : texts) {
    if (QAction* action = Command(QLatin1String(entry.name))) action->setText(entry.text);
  }
  Command(QStringLiteral("actionLanguage"))->setToolTip(tr("Switch the program to French"));
}

void MainWindow::RebuildRecentMenu() {
  recent_menu_->clear();
  QSettings store = settings::User();
  const QStringList paths = RecentFiles::Load(store);
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    QAction* action = recent_menu_->addAction(
        QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
    connect(action, &QAction::triggered, this, [this, path] {
      if (!session_.SaveModified()) return;
      if (!QFileInfo::exists(path)) {
        MessageBoxes::Warn(this, CatalogueText(136, {path.toStdString()}));
        QSettings recent = settings::User();
        RecentFiles::Remove(recent, path);
        return;
      }
      session_.OpenPath(path);
    });
  }
  recent_menu_->setEnabled(!paths.isEmpty());
}

void MainWindow::Quit() {
  close();
}

void MainWindow::NewDocument() {
  session_.NewDocument(false);
}

void MainWindow::OpenDocument() {
  session_.OpenWithChooser();
}

void MainWindow::SaveDocument() {
  session_.Save();
}

void MainWindow::SaveDocumentAs() {
  session_.SaveAs();
}

void MainWindow::ShowDocumentInfo() {
  DLG_DOC_INFO dialog(document_.Info(), this);
  dialog.exec();
}

void MainWindow::ImportMatches() {
  ImportPreviewDialog::ImportInto(document_, this);
}

void MainWindow::PrintPage() {
  if (PageView* page = frame_->CurrentView(); page && page->PrintContent())
    printer_->Print(*page->PrintContent(), this);
}

void MainWindow::PreviewPage() {
  if (PageView* page = frame_->CurrentView(); page && page->PrintContent())
    printer_->Preview(*page->PrintContent(), this);
}

void MainWindow::ExportPagePdf() {
  if (PageView* page = frame_->CurrentView(); page && page->PrintContent())
    printer_->ExportToPdf(*page->PrintContent(), this);
}

void MainWindow::PrintSetup() {
  printer_->PageSetup(this);
}

// The editing commands act on the text field that has the focus.
void MainWindow::Undo() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) line->undo();
  if (auto* text = qobject_cast<QTextEdit*>(focus)) text->undo();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) plain->undo();
}

void MainWindow::Cut() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) line->cut();
  if (auto* text = qobject_cast<QTextEdit*>(focus)) text->cut();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) plain->cut();
}

void MainWindow::Copy() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) line->copy();
  if (auto* text = qobject_cast<QTextEdit*>(focus)) text->copy();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) plain->copy();
}

void MainWindow::Paste() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) line->paste();
  if (auto* text = qobject_cast<QTextEdit*>(focus)) text->paste();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) plain->paste();
}

void MainWindow::NewSeason() {
  RunNewSeasonCommand(this, document_);
}

void MainWindow::DeleteSeason() {
  RunDeleteSeasonCommand(this, document_);
}

// Surfaces and events appear on many pages: the views start afresh after
// their lists changed. Every edit refreshes the views through the document.
void MainWindow::EditSurfaces() {
  if (EditItemList(this, document_, ItemKind::kSurfaces)) InitialUpdate();
}

void MainWindow::EditEvents() {
  if (EditItemList(this, document_, ItemKind::kEvents)) InitialUpdate();
}

void MainWindow::EditClubs() {
  EditItemList(this, document_, ItemKind::kClubs);
}

void MainWindow::EditCategories() {
  EditItemList(this, document_, ItemKind::kCategories);
}

void MainWindow::ChooseBackgroundColour() {
  const QColor colour = QColorDialog::getColor(ScreenColours::Background(), this);
  if (!colour.isValid()) return;
  QSettings store = settings::User();
  ScreenColours::Set(colour, ScreenColours::Frame(), store);
  update();
  frame_->update();
  frame_->ApplyScreenColours();
}

void MainWindow::ChooseFrameColour() {
  const QColor colour = QColorDialog::getColor(ScreenColours::Frame(), this);
  if (!colour.isValid()) return;
  QSettings store = settings::User();
  ScreenColours::Set(ScreenColours::Background(), colour, store);
  frame_->ApplyScreenColours();
}

void MainWindow::RestoreColours() {
  QSettings store = settings::User();
  ScreenColours::RestoreDefaults(store);
  frame_->ApplyScreenColours();
}

// Stored amounts never change; the pages that show money show it again.
void MainWindow::ChooseDisplayCurrency() {
  if (!ChooseCurrency(this)) return;
  for (const int page : {PageView::kFinances, PageView::kOwnPage})
    frame_->RefreshPage(page);
}

void MainWindow::SwitchLanguage() {
  QSettings store = settings::User();
  if (!LanguageSwitch::Instance().Toggle(store)) MessageBoxes::Warn(this, CatalogueText(48));
}

void MainWindow::ShowHelp() {
  HelpWindow::Open(HelpTopic::kContents);
}

void MainWindow::ShowContextHelp() {
  HelpWindow::Open(HelpTopic::kPages);
}

void MainWindow::ShowTip() {
  TipDialog dialog(program_folder_, ActiveSystem().IsFrench(), this);
  dialog.exec();
}

void MainWindow::ShowAbout() {
  AboutDialog dialog(this);
  dialog.exec();
}

void MainWindow::ChangeRankingSystem() {
  if (!ChangeDocumentSystem(document_, this)) return;
  // Every page starts again from the rankings in their new system.
  frame_->InitialUpdateAll(frame_->CurrentPage());
  FillSeasonLists();
  UpdateTitle();
  UpdateCommands();
}

void MainWindow::RankingSystems() {
  ManageRankingSystems(this);
}

void MainWindow::EditRankingHistory() {
  DLG_EDIT_CLASSEMENTS dialog(document_, document_.Owner(), nullptr, this);
  dialog.exec();
}

void MainWindow::ShowServiceOdds() {
  ShowServiceCalculator(this);
}

}  // namespace scorvane

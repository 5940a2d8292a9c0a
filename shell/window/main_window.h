// The main window: menus and tool bars, the navigation pane on the left and
// the page frame on the right, the title that tells which document and page
// are shown, and every command of the program.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>

#include "shell/window/page_frame.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QScrollArea;
class QSplitter;

namespace scorvane {

class DocumentSession;
class LockIndicators;
class NavigationBar;
class NavigationPane;
class PagePrinter;
class PROJECT_DOC;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(DocumentSession& session, QString program_folder, PageFrame::Factory pages = {});
  ~MainWindow() override;

  // Shows page `number` and makes the window follow (title, lit zone, page
  // list). False when nothing changed.
  bool ShowPage(int number);
  int CurrentPage() const { return frame_->CurrentPage(); }
  PageFrame& Frame() const { return *frame_; }
  NavigationPane& Pane() const { return *pane_; }
  NavigationBar& Bar() const { return *bar_; }

  // A document was opened or created: pages start afresh on page 3.
  void InitialUpdate();
  // The window title for the document and page now shown.
  void UpdateTitle();
  // Both lists of seasons from the document.
  void FillSeasonLists();
  // The command with this object name ("actionOpen", ...), or null.
  QAction* Command(const QString& name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Built in main_window_commands.cpp.
  void CreateCommands();
  void CreateMenus();
  void CreateToolBars();
  void Retranslate();
  QAction* AddCommand(const char* name, void (MainWindow::*slot)());
  void RebuildRecentMenu();

  void RunZone(int zone);
  // F6 and Shift+F6: the keyboard goes from the navigation pane to the page
  // and back.
  void SwitchPane();
  void ChoosePageFromList(int index);
  void ChooseSeason(QComboBox& list, int index);
  void UpdateCommands();
  void LoadSettings();
  void StoreSettings();

  // Commands.
  void Quit();
  void NewDocument();
  void OpenDocument();
  void SaveDocument();
  void SaveDocumentAs();
  void ShowDocumentInfo();
  void ImportMatches();
  void PrintPage();
  void PreviewPage();
  void ExportPagePdf();
  void PrintSetup();
  void Undo();
  void Cut();
  void Copy();
  void Paste();
  void NewSeason();
  void DeleteSeason();
  void EditSurfaces();
  void EditEvents();
  void EditClubs();
  void EditCategories();
  void ChooseBackgroundColour();
  void ChooseFrameColour();
  void RestoreColours();
  void SwitchLanguage();
  void ChooseDisplayCurrency();
  void ShowHelp();
  void ShowContextHelp();
  void ShowTip();
  void ShowAbout();
  void ShowServiceOdds();
  void ChangeRankingSystem();
  void RankingSystems();
  void EditRankingHistory();

  DocumentSession& session_;
  PROJECT_DOC& document_;
  QString program_folder_;
  QSplitter* splitter_;
  QScrollArea* pane_scroll_;
  NavigationPane* pane_;
  PageFrame* frame_;
  NavigationBar* bar_;
  QToolBar* standard_bar_ = nullptr;
  PagePrinter* printer_;
  std::map<QString, QAction*> commands_;
  QMenu* file_menu_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  QMenu* edit_menu_ = nullptr;
  QMenu* season_menu_ = nullptr;
  QMenu* view_menu_ = nullptr;
  QMenu* tools_menu_ = nullptr;
  QMenu* help_menu_ = nullptr;
  LockIndicators* locks_ = nullptr;
};

}  // namespace scorvane

// PAGE_JOUEURS, page 2 of the page frame: the directory of every player met,
// partner or opponent (anonymous ones are never listed). Three filters narrow
// it (contacts, players met in the active season, the players of one club),
// the quick search goes to the first player whose first name or surname
// begins with what is typed, and the columns are chosen, arranged and sorted
// on several keys. From here the owner creates, edits and deletes players,
// opens a player's ranking evolution and prints the list as shown.
//
// The columns, their order, widths and sort are kept in the settings between
// runs: read when the page is made, written when it goes.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "pages/players/player_list_rules.h"
#include "widgets/listview/list_columns.h"
#include "widgets/listview/list_printout.h"
#include "widgets/page_view.h"
#include "widgets/print/printable.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace scorvane {

class MY_LIST_CONTROL;

class PAGE_JOUEURS : public PageView, public Printable {
  Q_OBJECT

 public:
  explicit PAGE_JOUEURS(QWidget* parent = nullptr);
  ~PAGE_JOUEURS() override;

  // A new document: no club chosen, no search, the list from the top.
  void InitialUpdate() override;
  // The records changed: the lines again, keeping the selection and place.
  // A hidden page waits until it is shown.
  void Refresh() override;
  Printable* PrintContent() override { return this; }

  // Printing: "first name surname - Players" over the list as shown.
  QString PrintTitle() const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  MY_LIST_CONTROL& List() const { return *list_; }
  QString TitleText() const;
  const ListColumnModel& Columns() const { return columns_; }
  // The player a line shows, or null.
  JOUEUR* PlayerAt(int row) const;
  // The line of a player, or -1.
  int RowOf(const JOUEUR* player) const;
  std::vector<JOUEUR*> SelectedPlayers() const;

  // The filters and the quick search.
  QCheckBox* ContactsBox() const { return contacts_; }
  QCheckBox* ActiveSeasonBox() const { return active_season_; }
  QCheckBox* ClubBox() const { return club_box_; }
  QComboBox* ClubList() const { return club_list_; }
  QLineEdit* SearchText() const { return search_; }
  QComboBox* SearchColumn() const { return search_column_; }
  // Shown, with the search field tinted, while no player begins with the text.
  QLabel* SearchNotFound() const { return search_not_found_; }

  // The commands of the buttons, the context menu and the keys.
  void NewPlayer();
  void EditPlayer(int row);
  void DeleteSelection();
  void ShowEvolution();
  void ChooseColumns();
  // Makes a column the first sort key (again: the other direction).
  void SortOn(int column);
  void SetSortDirection(bool ascending);
  // Selects and shows the first line whose chosen name begins with the
  // search text (the first line for an empty text).
  void Search();
  // The context menu the current selection calls for; its entries run the
  // commands when triggered.
  std::unique_ptr<QMenu> MakeContextMenu();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Retranslate();
  void ReadSettings();
  void WriteSettings();
  // Column titles in the interface language, then the columns and lines again.
  void RebuildColumns();
  // The club list from the document, keeping the club chosen while it exists.
  void FillClubList();
  PlayerListFilter Filter() const;
  // The lines worked out again from the records, then sorted and shown.
  void Fill();
  // The lines in the order of the sort keys, shown; the selection follows.
  void ShowSorted();
  // Fill, keeping the selected players selected and the scroll position.
  void FillKeepingSelection();
  void SelectPlayers(const std::vector<JOUEUR*>& players);
  void SelectOnly(int row);
  void AddSortMenu(QMenu& menu);

  ListColumnModel columns_;
  PlayerLineContext context_;
  HeadToHeadCounts head_to_head_;
  // The lines of the listed players (addresses stable until the next fill),
  // their cell texts, and the lines in the order shown.
  std::vector<PlayerLine> lines_;
  std::vector<std::vector<QString>> line_texts_;
  std::vector<const PlayerLine*> shown_lines_;
  int named_count_ = 0;
  // The records changed while the page was hidden.
  bool stale_ = false;
  // Counts the fills, so a command knows whether the document's refresh
  // already showed its change.
  int fills_ = 0;

  QLabel* title_;
  QFrame* filters_frame_;
  QCheckBox* contacts_;
  QCheckBox* active_season_;
  QCheckBox* club_box_;
  QComboBox* club_list_;
  QLabel* search_label_;
  QLineEdit* search_;
  QLabel* search_in_;
  QComboBox* search_column_;
  QLabel* search_not_found_;
  MY_LIST_CONTROL* list_;
  QFrame* buttons_frame_;
  QPushButton* new_player_;
  QPushButton* columns_button_;
  QPushButton* print_;
  ListPrintout printout_;
};

}  // namespace scorvane

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

#include <vector>

#include "pages/common/lists/list_page.h"
#include "pages/players/player_list_rules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace scorvane {

class PAGE_JOUEURS : public ListPage {
  Q_OBJECT

 public:
  explicit PAGE_JOUEURS(QWidget* parent = nullptr);

  // A new document: no club chosen, no search, the list from the top.
  void InitialUpdate() override;

  // The player a line shows, or null.
  JOUEUR* PlayerAt(int row) const;
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
  void DeleteSelection() override;
  void ShowEvolution();
  // Selects and shows the first line whose chosen name begins with the
  // search text (the first line for an empty text).
  void Search();
  std::unique_ptr<QMenu> MakeContextMenu() override;

 protected:
  // The lines worked out again from the records, then sorted and shown.
  void Fill() override;
  // The lines in the order of the sort keys, shown.
  void ShowSorted() override;
  ListColumnModel MakeColumns() const override;
  bool ChooseShownColumns(ListColumnModel& columns) override;
  void Retranslate() override;

 private:
  // The club list from the document, keeping the club chosen while it exists.
  void FillClubList();
  PlayerListFilter Filter() const;

  PlayerLineContext context_;
  HeadToHeadCounts head_to_head_;
  // The lines of the listed players (addresses stable until the next fill),
  // their cell texts, and the lines in the order shown.
  std::vector<PlayerLine> lines_;
  std::vector<std::vector<QString>> line_texts_;
  std::vector<const PlayerLine*> shown_lines_;
  int named_count_ = 0;
  // Counts the fills, so a command knows whether the document's refresh
  // already showed its change.
  int fills_ = 0;

  QCheckBox* contacts_;
  QCheckBox* active_season_;
  QCheckBox* club_box_;
  QComboBox* club_list_;
  QLabel* search_label_;
  QLineEdit* search_;
  QLabel* search_in_;
  QComboBox* search_column_;
  QLabel* search_not_found_;
  QPushButton* new_player_;
};

}  // namespace scorvane

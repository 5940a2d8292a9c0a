// DLG_SELECTION_JOUEUR, "Select a player": the players of the document
// (anonymous ones left out) by first name and surname, with two filters
// (contacts only, players of my club only), the sort by first names or
// surnames in either direction (the header follows the buttons and the
// buttons the header), a quick search, and the selected player named under
// the list. OK, a double click or Enter returns the player.
#pragma once

#include <QDialog>
#include <vector>

#include "pages/common/players/player_selection_rules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scorvane {

class MY_LIST_CONTROL;

class DLG_SELECTION_JOUEUR : public QDialog {
  Q_OBJECT

 public:
  explicit DLG_SELECTION_JOUEUR(const UTILISATEUR& owner, QWidget* parent = nullptr);

  // The player selected, or null.
  JOUEUR* Selected() const;

  MY_LIST_CONTROL* List() const { return list_; }
  QCheckBox* ContactsOnly() const { return contacts_only_; }
  QCheckBox* MyClubOnly() const { return my_club_only_; }
  QRadioButton* ByFirstNames() const { return by_first_names_; }
  QRadioButton* BySurnames() const { return by_surnames_; }
  QCheckBox* Ascending() const { return ascending_; }
  QLineEdit* SearchText() const { return search_; }
  QComboBox* SearchColumn() const { return search_column_; }
  QLabel* SelectionLabel() const { return selection_; }

 public slots:
  void accept() override;

 private:
  void Fill();
  void Sort();
  void HeaderClicked(int column);
  void Search();
  void ShowSelection();

  const UTILISATEUR& owner_;
  std::vector<JOUEUR*> players_;
  MY_LIST_CONTROL* list_;
  QCheckBox* contacts_only_;
  QCheckBox* my_club_only_;
  QRadioButton* by_first_names_;
  QRadioButton* by_surnames_;
  QCheckBox* ascending_;
  QLineEdit* search_;
  QComboBox* search_column_;
  QLabel* selection_;
  QPushButton* ok_;
};

// Runs the dialog; the player chosen, or null on Cancel.
JOUEUR* SelectPlayer(QWidget* parent, const UTILISATEUR& owner);

}  // namespace scorvane

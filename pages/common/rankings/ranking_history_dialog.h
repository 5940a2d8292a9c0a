// DLG_EDIT_CLASSEMENTS: a player's ranking history (the owner's or any
// other player's), one line per entry in date order, with the buttons to
// add an entry, change the one selected and delete it. Every change is made
// at once on the player's history and marks the document modified.
#pragma once

#include <QDialog>

class QPushButton;

namespace scorvane {

class CLASSEMENT_DATE;
class JOUEUR;
class MY_LIST_CONTROL;
class PROJECT_DOC;

class DLG_EDIT_CLASSEMENTS : public QDialog {
  Q_OBJECT

 public:
  // `preselected`: an entry of the history to select first, or null.
  DLG_EDIT_CLASSEMENTS(PROJECT_DOC& document, JOUEUR& player,
                       const CLASSEMENT_DATE* preselected = nullptr, QWidget* parent = nullptr);

  // The entry of the line selected, or null.
  CLASSEMENT_DATE* SelectedEntry() const;
  // Selects the line of an entry (null: none).
  void SelectEntry(const CLASSEMENT_DATE* entry);

  // The button actions.
  void NewEntry();
  void ModifySelected();
  void DeleteSelected();

  MY_LIST_CONTROL* List() const { return list_; }
  QPushButton* NewButton() const { return new_; }
  QPushButton* ModifyButton() const { return modify_; }
  QPushButton* DeleteButton() const { return delete_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // Fills the list from the history and selects `selected` (if still there).
  void Rebuild(const CLASSEMENT_DATE* selected);
  void FollowSelection();
  // The document changed: the views and title follow.
  void Changed();
  void Retranslate();

  PROJECT_DOC& document_;
  JOUEUR& player_;
  MY_LIST_CONTROL* list_;
  QPushButton* new_;
  QPushButton* modify_;
  QPushButton* delete_;
  QPushButton* close_;
};

}  // namespace scorvane

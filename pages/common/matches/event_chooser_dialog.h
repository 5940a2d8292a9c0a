// DLG_NOUVELLE_RENCONTRE, "New match": the season's events played (the
// friendly matches aside), sortable by name, start or end; a double click
// (or Enter) on one enters a new match in it, and the two buttons enter it
// in the season's friendly matches or in a new event. The dialog closes
// once a match was added; a cancelled match leaves it open.
#pragma once

#include <QDialog>
#include <vector>

#include "pages/common/matches/event_chooser_rules.h"

class QPushButton;

namespace scorvane {

class MatchEventChoice;
class MY_LIST_CONTROL;
class PROJECT_DOC;
class RENCONTRE;
class SAISON_JOUEUR;

class DLG_NOUVELLE_RENCONTRE : public QDialog {
  Q_OBJECT

 public:
  DLG_NOUVELLE_RENCONTRE(PROJECT_DOC& document, SAISON_JOUEUR& season, QWidget* parent = nullptr);

  // The match added, once the dialog closed with OK.
  RENCONTRE* Added() const { return added_; }

  MY_LIST_CONTROL* List() const { return list_; }
  QPushButton* FriendlyButton() const { return friendly_; }
  QPushButton* NewEventButton() const { return new_event_; }
  ChooserColumn SortColumn() const { return sort_column_; }
  bool SortsDescending() const { return descending_; }

  // A click on a heading: another column sorts ascending, the same one
  // again reverses the order.
  void HeaderClicked(int column);
  // Enters a new match in the event of a row.
  void OpenRow(int row);
  void AddToFriendlyMatches();
  void AddToNewEvent();

 private:
  void Fill();
  void Run(const MatchEventChoice& choice);

  PROJECT_DOC& document_;
  SAISON_JOUEUR& season_;
  std::vector<EPREUVE_JOUEE*> events_;
  MY_LIST_CONTROL* list_;
  QPushButton* friendly_;
  QPushButton* new_event_;
  ChooserColumn sort_column_ = ChooserColumn::kStart;
  bool descending_ = false;
  RENCONTRE* added_ = nullptr;
};

}  // namespace scorvane

// PAGE_PALMARES, page 1 of the page frame: the active season's matches, one
// line each, optionally grouped under the events played (an event without
// matches keeps its line so that matches can be added to it). From here the
// owner adds, changes and deletes matches and events, chooses and sorts the
// columns, and prints the list as shown.
//
// The columns, their order, widths and sort, and the grouping are kept in
// the settings between runs: read when the page is made, written when it
// goes.
#pragma once

#include <memory>

#include "pages/common/lists/list_page.h"

class QCheckBox;
class QMenu;
class QPushButton;

namespace scorvane {

class EPREUVE_JOUEE;
class RENCONTRE;

class PAGE_PALMARES : public ListPage {
  Q_OBJECT

 public:
  explicit PAGE_PALMARES(QWidget* parent = nullptr);
  ~PAGE_PALMARES() override;

  bool GroupsByEvents() const { return group_by_events_; }
  void SetGroupsByEvents(bool group);
  // What a line shows: its match, or its event for a group line (else null).
  RENCONTRE* MatchAt(int row) const;
  EPREUVE_JOUEE* EventAt(int row) const;

  // The commands of the buttons, the context menu and the keys.
  // A new match: in the selected event when an event line is selected,
  // else in the event the user chooses.
  void NewMatch();
  void NewEvent();
  void AddMatchToEvent(int row);
  void EditLine(int row);
  void DeleteSelection() override;
  std::unique_ptr<QMenu> MakeContextMenu() override;

 protected:
  void Fill() override;
  ListColumnModel MakeColumns() const override;
  bool ChooseShownColumns(ListColumnModel& columns) override;
  void Retranslate() override;
  int TitleYear() const override;

 private:
  bool group_by_events_ = false;
  // The tip that follows the first new event shows once per run: the page
  // lives as long as the window.
  bool event_tip_shown_ = false;
  QPushButton* new_match_;
  QPushButton* new_event_;
  QCheckBox* by_events_;
};

}  // namespace scorvane

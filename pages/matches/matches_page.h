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

#include <QString>
#include <memory>
#include <vector>

#include "widgets/listview/list_columns.h"
#include "widgets/listview/list_printout.h"
#include "widgets/page_view.h"
#include "widgets/print/printable.h"

class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace scorvane {

class EPREUVE_JOUEE;
class MY_LIST_CONTROL;
class RENCONTRE;
class SAISON_JOUEUR;

class PAGE_PALMARES : public PageView, public Printable {
  Q_OBJECT

 public:
  explicit PAGE_PALMARES(QWidget* parent = nullptr);
  ~PAGE_PALMARES() override;

  // A new document: the list from the top, nothing selected.
  void InitialUpdate() override;
  // The records changed: the lines again, keeping the selection and place.
  // A hidden page waits until it is shown.
  void Refresh() override;
  Printable* PrintContent() override { return this; }

  // Printing: "first name surname - Matches 2001" over the list as shown.
  QString PrintTitle() const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  bool WantsLandscape(double portrait_width) const override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  MY_LIST_CONTROL& List() const { return *list_; }
  QString TitleText() const;
  const ListColumnModel& Columns() const { return columns_; }
  bool GroupsByEvents() const { return group_by_events_; }
  void SetGroupsByEvents(bool group);
  // What a line shows: its match, or its event for a group line (else null).
  RENCONTRE* MatchAt(int row) const;
  EPREUVE_JOUEE* EventAt(int row) const;
  // The line of a match or event, or -1.
  int RowOf(const void* item) const;

  // The commands of the buttons, the context menu and the keys.
  // A new match: in the selected event when an event line is selected,
  // else in the event the user chooses.
  void NewMatch();
  void NewEvent();
  void AddMatchToEvent(int row);
  void EditLine(int row);
  void DeleteSelection();
  void ChooseColumns();
  // Makes a column the first sort key (again: the other direction).
  void SortOn(int column);
  void SetSortDirection(bool ascending);
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
  void Fill();
  void SelectOnly(int row);
  void AddSortMenu(QMenu& menu);

  ListColumnModel columns_;
  bool group_by_events_ = false;
  // The tip that follows the first new event shows once per run: the page
  // lives as long as the window.
  bool event_tip_shown_ = false;
  // The records changed while the page was hidden.
  bool stale_ = false;
  // For each line of the list: whether it is an event's group line.
  std::vector<bool> event_rows_;
  QLabel* title_;
  MY_LIST_CONTROL* list_;
  QFrame* buttons_frame_;
  QPushButton* new_match_;
  QPushButton* new_event_;
  QPushButton* columns_button_;
  QPushButton* print_;
  QCheckBox* by_events_;
  ListPrintout printout_;
};

}  // namespace scorvane

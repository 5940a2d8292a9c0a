// What the two list pages (matches, players) share: a bold title over a
// list of records whose columns the user chooses, arranges and sorts on
// several keys, a row of buttons ending with "Columns shown" and "Print",
// the Delete key and the context menu on the list, the column settings kept
// between runs, the selection kept while the lines are made again, and
// printing the list as shown. A page adds its lines, commands and menus.
#pragma once

#include <QString>
#include <initializer_list>
#include <memory>
#include <vector>

#include "widgets/listview/list_columns.h"
#include "widgets/listview/list_printout.h"
#include "widgets/listview/row_item.h"
#include "widgets/page_view.h"
#include "widgets/print/printable.h"

class QFrame;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QVBoxLayout;

namespace scorvane {

class MY_LIST_CONTROL;

class ListPage : public PageView, public Printable {
  Q_OBJECT

 public:
  ~ListPage() override;

  // A new document: nothing selected, the list from the top.
  void InitialUpdate() override;
  // The records changed: the lines again, keeping the selection and place.
  // A hidden page waits until it is shown.
  void Refresh() override;
  Printable* PrintContent() override { return this; }

  // Printing: "first name surname - page title" over the list as shown.
  QString PrintTitle() const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  MY_LIST_CONTROL& List() const { return *list_; }
  QString TitleText() const;
  const ListColumnModel& Columns() const { return columns_; }

  // Makes a column the first sort key (again: the other direction); the
  // selected lines stay selected and the first of them in sight.
  void SortOn(int column);
  void SetSortDirection(bool ascending);
  // Lets the user choose the columns shown, then shows them.
  void ChooseColumns();
  virtual void DeleteSelection() = 0;
  // The context menu the current selection calls for; its entries run the
  // commands when triggered.
  virtual std::unique_ptr<QMenu> MakeContextMenu() = 0;

 protected:
  // `columns` in the interface language; their settings are kept in the
  // settings section `settings_section`.
  ListPage(int number, ListColumnModel columns, const char* settings_section, QWidget* parent);

  // The end of the page's constructor: the texts, the columns and the lines.
  void ShowFirstTime();
  // The lines made again from the records, sorted, nothing selected.
  virtual void Fill() = 0;
  // The lines again in the current sort order (by default made again).
  virtual void ShowSorted() { Fill(); }
  // The page's columns, with their titles in the interface language.
  virtual ListColumnModel MakeColumns() const = 0;
  // Lets the user choose the columns shown; false when cancelled.
  virtual bool ChooseShownColumns(ListColumnModel& columns) = 0;
  virtual void Retranslate();
  // The season year the printed title names (none by default).
  virtual int TitleYear() const { return 0; }

  void SetTitle(const QString& text);
  // A widget between the title and the list.
  void AddAboveList(QWidget* widget);
  // A button of the page, placed before "Columns shown" (in the order added).
  void AddButton(QPushButton* button);
  // A widget at the far end of the button row.
  void AddAfterButtons(QWidget* widget);
  QFrame* ButtonFrame() const { return buttons_frame_; }

  // "Columns shown" and the "Sort the ..." submenu: the sort commands, each
  // making its column the first key, then both directions.
  struct SortCommand {
    QString text;
    int column;
  };
  void AddColumnEntries(QMenu& menu, const QString& sort_title,
                        std::initializer_list<SortCommand> commands);

  // The records of the selected lines, and selecting the lines of records.
  std::vector<RowItem> SelectedItems() const;
  void SelectItems(const std::vector<RowItem>& items);
  // Selects one line (none for -1) and shows it.
  void SelectOnly(int row);
  // Fill, keeping the selected lines selected and the scroll position.
  void FillKeepingSelection();

  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  ListColumnModel columns_;
  MY_LIST_CONTROL* list_;
  ListPrintout printout_;

 private:
  // Column titles in the interface language, then the columns and lines again.
  void RebuildColumns();
  // The lines in the new sort order, the selection kept and in sight.
  void Resort();

  const char* settings_section_;
  // The records changed while the page was hidden.
  bool stale_ = false;
  QLabel* title_;
  QVBoxLayout* layout_;
  QFrame* buttons_frame_;
  QHBoxLayout* buttons_;
  int buttons_added_ = 0;
  QPushButton* columns_button_;
  QPushButton* print_;
};

}  // namespace scorvane

// PAGE_CLUBS, page 7 of the page frame: the list of the clubs of the
// document. The list itself is read-only; a double-click opens the club in
// the club list editor, and the context menu offers the editor's commands
// (new, rename, delete) on their own.
#pragma once

#include <QColor>
#include <memory>

#include "pages/common/lists/item_editor_dialog.h"
#include "widgets/page_view.h"

class QFrame;
class QLabel;
class QMenu;

namespace scorvane {

class CLUB;
class MY_LIST_CONTROL;

class PAGE_CLUBS : public PageView {
  Q_OBJECT

 public:
  explicit PAGE_CLUBS(QWidget* parent = nullptr);

  // Rebuilds the columns, colours and title.
  void InitialUpdate() override;
  // Lists the current document's clubs again, in the document's order.
  void Refresh() override;
  // The clubs page has no printing.
  Printable* PrintContent() override { return nullptr; }

  MY_LIST_CONTROL& List() { return *list_; }
  // The context menu for the current selection (tests open it too).
  std::unique_ptr<QMenu> MakeContextMenu();

 protected:
  // Paints with the user's two screen colours, which may change at any time.
  void paintEvent(QPaintEvent* event) override;
  // The title and column titles follow a language switch.
  void changeEvent(QEvent* event) override;

 private:
  // The club of the first selected row, or null.
  CLUB* SelectedClub() const;
  void OpenInEditor(int row);
  void Run(ItemAction action);

  QLabel* title_;
  MY_LIST_CONTROL* list_;
  QFrame* bottom_frame_;
};

}  // namespace scorvane

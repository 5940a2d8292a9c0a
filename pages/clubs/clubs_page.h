// PAGE_CLUBS, page 7 of the page frame: a read-only list of the clubs of
// the document. Clubs are created, renamed and deleted elsewhere (the club
// list editor, the player page); this page only shows them.
#pragma once

#include <QColor>

#include "widgets/page_view.h"

class QFrame;
class QLabel;

namespace scorvane {

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

 protected:
  // Paints with the user's two screen colours, which may change at any time.
  void paintEvent(QPaintEvent* event) override;
  // The title and column titles follow a language switch.
  void changeEvent(QEvent* event) override;

 private:
  QLabel* title_;
  MY_LIST_CONTROL* list_;
  QFrame* bottom_frame_;
};

}  // namespace scorvane

// The right-hand pane: the eight pages, one shown at a time. Showing a page
// refreshes it first when its kind of page reads the document each time it is
// shown. A page not shown does no work: it is built the first time it is
// needed and kept for the whole run; a new document or a change only marks
// the pages not shown, which catch up when they are shown next. A large
// document thus opens at the cost of one page.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QStackedLayout;

namespace scorvane {

class PageView;

class PageFrame : public QWidget {
  Q_OBJECT

 public:
  using Factory = std::function<PageView*(int number, QWidget* parent)>;

  // The pages come from `factory` (the program's pages by default).
  explicit PageFrame(QWidget* parent = nullptr, Factory factory = {});

  // Shows page `number`; false (and nothing happens) when the number is
  // outside 1..8 or the page is already the one shown.
  bool ShowPage(int number);
  int CurrentPage() const { return current_; }
  // The page (built now if it was not yet); null outside 1..8.
  PageView* Page(int number);
  PageView* CurrentView() { return Page(current_); }

  // A document was opened or created: every page starts afresh, page
  // `shown_next` (about to be shown) at once, the others when they are shown.
  void InitialUpdateAll(int shown_next);
  // The document changed: every page shows it again, the current one at
  // once, the others when they are shown.
  void RefreshAll();
  // Page `number` shows the document again, at once when it is the current
  // page, else when it is shown.
  void RefreshPage(int number);
  // The screen colours changed: every page built so far takes them.
  void ApplyScreenColours();

 signals:
  void PageShown(int number);
  // A page was just built, before it shows anything.
  void PageCreated(PageView* page);

 private:
  // What a page owes for the time it was not shown.
  struct Owed {
    bool initial_update = false;
    bool refresh = false;
  };

  Factory factory_;
  QStackedLayout* stack_;
  std::array<PageView*, 8> pages_{};
  std::array<Owed, 8> owed_{};
  int current_ = 0;
};

}  // namespace scorvane

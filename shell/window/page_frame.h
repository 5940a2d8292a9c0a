// The right-hand pane: the eight pages, created once and kept for the whole
// run, one shown at a time. Showing a page refreshes it first when its kind
// of page reads the document each time it is shown.
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
  PageView* Page(int number) const;
  PageView* CurrentView() const { return Page(current_); }

  // A document was opened or created: every page starts afresh.
  void InitialUpdateAll();
  // The document changed: every page shows it again.
  void RefreshAll();

 signals:
  void PageShown(int number);

 private:
  QStackedLayout* stack_;
  std::array<PageView*, 8> pages_{};
  int current_ = 0;
};

}  // namespace scorvane

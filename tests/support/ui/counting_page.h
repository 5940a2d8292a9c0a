// A stand-in for a real page in the window tests: it counts its refreshes,
// so a test sees which pages were read again, and prints one sheet with its
// number, so the print path can be tested without a document.
#pragma once

#include "widgets/page_view.h"
#include "widgets/print/printable.h"

namespace scorvane::testing {

class CountingPage : public PageView, public Printable {
 public:
  explicit CountingPage(int number, QWidget* parent = nullptr) : PageView(number, parent) {}

  void InitialUpdate() override {
    ++initial_updates_;
    Refresh();
  }
  void Refresh() override { ++refresh_count_; }
  Printable* PrintContent() override { return this; }

  QString PrintTitle() const override;
  int Paginate(QPainter&, const QRectF&) override { return 1; }
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  // How many times the page was refreshed (initial updates included).
  int RefreshCount() const { return refresh_count_; }
  // How many times the page was started afresh on a document.
  int InitialUpdateCount() const { return initial_updates_; }

 private:
  int refresh_count_ = 0;
  int initial_updates_ = 0;
};

}  // namespace scorvane::testing

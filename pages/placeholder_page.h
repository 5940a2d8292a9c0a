// A page that later work fills: it shows its title and a one-line notice,
// follows the document like a real page (title with the season year) and
// prints the same two lines, so the window around it can be used and tested
// already.
#pragma once

#include "widgets/page_view.h"
#include "widgets/print/printable.h"

class QLabel;

namespace scorvane {

class PlaceholderPage : public PageView, public Printable {
  Q_OBJECT

 public:
  explicit PlaceholderPage(int number, QWidget* parent = nullptr);

  void InitialUpdate() override;
  void Refresh() override;
  Printable* PrintContent() override { return this; }

  QString PrintTitle() const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  // How many times the page was refreshed (initial updates included).
  int RefreshCount() const { return refresh_count_; }
  QString TitleText() const;

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowTexts();
  QString Notice() const;

  QLabel* title_;
  QLabel* notice_;
  int refresh_count_ = 0;
};

}  // namespace scorvane

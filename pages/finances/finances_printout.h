// The printed finances page: the page header says whose season it is, then
// the gains, prizes and expenses lists follow each other under their
// headings (with the totals), each continued over pages as needed, drawn
// as the lists show them.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "pages/finances/finance_print_layout.h"
#include "widgets/print/printable.h"

namespace scorvane {

class ListPrintout;
class MY_LIST_CONTROL;

class FinancesPrintout : public Printable {
 public:
  explicit FinancesPrintout(std::function<QString()> title);
  ~FinancesPrintout() override;

  // A list printed under a heading, after the lists added before it.
  void AddSection(std::function<QString()> heading, const MY_LIST_CONTROL& list);

  QString PrintTitle() const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  // The pieces of every page of the last layout.
  const std::vector<std::vector<PrintPiece>>& Pages() const { return pages_; }

 private:
  struct Section {
    std::function<QString()> heading;
    const MY_LIST_CONTROL* list;
    std::unique_ptr<ListPrintout> printout;
  };

  std::function<QString()> title_;
  std::vector<Section> sections_;
  std::vector<std::vector<PrintPiece>> pages_;
};

}  // namespace scorvane

#include "pages/finances/finances_printout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "widgets/listview/list_control.h"
#include "widgets/listview/list_printout.h"

namespace scorvane {
namespace {

QFont HeadingFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(11);
  font.setBold(true);
  return font;
}

double HeadingHeight(const QPainter& painter) {
  return QFontMetricsF(HeadingFont(), painter.device()).height() * 1.6;
}

}  // namespace

FinancesPrintout::FinancesPrintout(std::function<QString()> title) : title_(std::move(title)) {}

FinancesPrintout::~FinancesPrintout() = default;

void FinancesPrintout::AddSection(std::function<QString()> heading, const MY_LIST_CONTROL& list) {
  sections_.push_back({std::move(heading), &list, std::make_unique<ListPrintout>(list, nullptr)});
}

QString FinancesPrintout::PrintTitle() const {
  return title_ ? title_() : QString();
}

int FinancesPrintout::Paginate(QPainter& painter, const QRectF& area) {
  // One scale for every list, the widest one's, so that their texts match.
  int widest = 0;
  for (const Section& section : sections_) {
    section.printout->SetLogicalWidth(0);
    widest = std::max(widest, section.printout->LogicalWidth());
  }
  for (const Section& section : sections_)
    section.printout->SetLogicalWidth(widest);
  std::vector<PrintSection> sizes;
  for (const Section& section : sections_) {
    sizes.push_back({HeadingHeight(painter), section.printout->RowHeightOn(painter, area),
                     section.list->RowCount()});
  }
  pages_ = LayOutSections(area.height(), HeadingHeight(painter) / 2, sizes);
  return static_cast<int>(pages_.size());
}

void FinancesPrintout::PaintPage(QPainter& painter, const QRectF& area, int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) return;
  for (const PrintPiece& piece : pages_[static_cast<size_t>(index)]) {
    const Section& section = sections_[static_cast<size_t>(piece.section)];
    const double top = area.top() + piece.top;
    if (!piece.heading) {
      section.printout->PaintRows(painter, area, top, piece.first, piece.end);
      continue;
    }
    painter.save();
    painter.setFont(HeadingFont());
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), top, area.width(), HeadingHeight(painter)),
                     Qt::AlignLeft | Qt::AlignVCenter, section.heading());
    painter.restore();
  }
}

}  // namespace scorvane

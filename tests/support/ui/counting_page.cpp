#include "tests/support/ui/counting_page.h"

#include <QPainter>

namespace scorvane::testing {

QString CountingPage::PrintTitle() const {
  return QStringLiteral("Page %1").arg(PageNumber());
}

void CountingPage::PaintPage(QPainter& painter, const QRectF& area, int) {
  painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, PrintTitle());
}

}  // namespace scorvane::testing

// What a page hands to the printing code: a title for the page header and
// its content laid out over pages. The printing code draws the common header
// and footer around the area it gives and drives print, preview and PDF
// export alike.
#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace scorvane {

class Printable {
 public:
  virtual ~Printable() = default;

  // The title shown in the header band of every printed page.
  virtual QString PrintTitle() const = 0;
  // Lays the content out for pages whose content area is `area` (in the
  // painter's coordinates); returns the number of pages, at least 1.
  virtual int Paginate(QPainter& painter, const QRectF& area) = 0;
  // Paints page `index` (from 0) of the last layout inside `area`.
  virtual void PaintPage(QPainter& painter, const QRectF& area, int index) = 0;
  // Whether the content reads better on landscape sheets than on upright
  // ones whose printable area is `portrait_width` inches wide. Asked before
  // printing, so that the print dialog already shows the sheet turned.
  virtual bool WantsLandscape(double portrait_width) const {
    (void)portrait_width;
    return false;
  }
};

}  // namespace scorvane

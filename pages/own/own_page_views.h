// The two clickable pictures of the own page, also drawn on its printout:
// the photo scaled into its frame, and the description card (a heading with
// its coloured box, the facts lined up after their labels, and the
// next-grade sentence).
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "pages/own/own_card.h"

namespace scorvane {

// Draws the image as large as fits in `frame`, centred, keeping its shape;
// an empty frame for a null image.
void PaintPhoto(QPainter& painter, const QRectF& frame, const QImage& image);

// Draws the card in `frame` with `font` (Arial); returns the height used.
double PaintOwnCard(QPainter& painter, const QRectF& frame, const OwnCard& card,
                    const QString& advice, const QFont& font);

class PhotoView : public QWidget {
  Q_OBJECT

 public:
  explicit PhotoView(QWidget* parent = nullptr);
  void SetImage(const QImage& image);

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage image_;
};

class OwnCardView : public QWidget {
  Q_OBJECT

 public:
  explicit OwnCardView(QWidget* parent = nullptr);
  void SetCard(const OwnCard& card, const QString& advice);

  QSize sizeHint() const override;
  // Where the next-grade sentence was last painted (a click there plans its wins).
  QRectF AdviceArea() const {
    return QRectF(0, advice_top_, width(), advice_bottom_ - advice_top_);
  }

 signals:
  void Clicked();
  // The next-grade sentence was clicked.
  void AdviceClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  OwnCard card_;
  QString advice_;
  // Where the sentence lies, as last painted.
  double advice_top_ = 0;
  double advice_bottom_ = 0;
};

}  // namespace scorvane

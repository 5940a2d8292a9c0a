#include "pages/own/own_page_views.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

// Every value starts after the widest label the card may hold.
constexpr char kLabelWidthText[] = "Meilleur clst enregistré_____";
constexpr double kPadding = 10;

// Arial of lines 14 high.
QFont CardFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  return font;
}

}  // namespace

void PaintPhoto(QPainter& painter, const QRectF& frame, const QImage& image) {
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setPen(QPen(QColor(90, 90, 90), 1));
  painter.setBrush(QColor(250, 250, 250));
  painter.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
  if (!image.isNull()) {
    const QRectF inside = frame.adjusted(4, 4, -4, -4);
    QSizeF size = image.size();
    size.scale(inside.size(), Qt::KeepAspectRatio);
    const QRectF target(inside.center() - QPointF(size.width() / 2, size.height() / 2), size);
    painter.drawImage(target, image);
  }
  painter.restore();
}

double PaintOwnCard(QPainter& painter, const QRectF& frame, const OwnCard& card,
                    const QString& advice, const QFont& font) {
  painter.save();
  QFont heading_font = font;
  heading_font.setBold(true);
  heading_font.setPixelSize(font.pixelSize() + 3);
  const QFontMetricsF heading(heading_font, painter.device());
  const QFontMetricsF body(font, painter.device());
  const double line = body.height() * 1.35;
  const double label_width = body.horizontalAdvance(QString::fromUtf8(kLabelWidthText));

  double y = frame.top() + kPadding;
  const double x = frame.left() + kPadding;
  // A small coloured box before the heading.
  const double box = heading.ascent() * 0.7;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(46, 74, 140));
  painter.drawRect(QRectF(x, y + (heading.height() - box) / 2, box, box));
  painter.setPen(Qt::black);
  painter.setFont(heading_font);
  painter.drawText(QPointF(x + box * 1.8, y + heading.ascent()),
                   QString::fromStdString(card.heading));
  y += heading.height() * 1.6;

  for (const OwnCardLine& item : card.lines) {
    painter.setFont(font);
    painter.setPen(QColor(70, 70, 70));
    painter.drawText(QPointF(x, y + body.ascent()), QString::fromStdString(item.label));
    QFont value_font = font;
    value_font.setBold(true);
    painter.setFont(value_font);
    painter.setPen(Qt::black);
    // A value longer than the card ends in "…" rather than at the edge.
    const double room = frame.right() - kPadding - (x + label_width);
    const QString value =
        QFontMetricsF(value_font, painter.device())
            .elidedText(QString::fromStdString(item.value), Qt::ElideRight, std::max(room, 0.0));
    painter.drawText(QPointF(x + label_width, y + body.ascent()), value);
    y += line;
  }
  if (!advice.isEmpty()) {
    y += line * 0.3;
    QFont advice_font = font;
    advice_font.setItalic(true);
    painter.setFont(advice_font);
    painter.setPen(QColor(30, 60, 130));
    const QRectF text_box(x, y, frame.right() - kPadding - x, line * 3);
    QRectF used;
    painter.drawText(text_box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, advice, &used);
    y += used.height();
  }
  painter.restore();
  return y + kPadding - frame.top();
}

PhotoView::PhotoView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ownPhoto"));
  setCursor(Qt::PointingHandCursor);
  setFixedSize(180, 220);
}

void PhotoView::SetImage(const QImage& image) {
  image_ = image;
  update();
}

void PhotoView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPhoto(painter, rect(), image_);
}

void PhotoView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
}

OwnCardView::OwnCardView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ownCard"));
  setCursor(Qt::PointingHandCursor);
  setMinimumWidth(340);
}

void OwnCardView::SetCard(const OwnCard& card, const QString& advice) {
  card_ = card;
  advice_ = advice;
  updateGeometry();
  update();
}

QSize OwnCardView::sizeHint() const {
  // As PaintOwnCard lays it out: the heading, the lines, two lines of advice.
  const QFontMetricsF metrics(CardFont());
  const double line = metrics.height() * 1.35;
  double height =
      2 * kPadding + (metrics.height() + 3) * 1.6 + static_cast<double>(card_.lines.size()) * line;
  if (!advice_.isEmpty()) height += 2.3 * line;
  return QSize(380, static_cast<int>(height));
}

void OwnCardView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath shape;
  shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
  painter.setPen(ScreenColours::Frame().darker(140));
  painter.setBrush(ScreenColours::Frame());
  painter.drawPath(shape);
  advice_bottom_ = PaintOwnCard(painter, rect(), card_, advice_, CardFont()) - kPadding;
  // The card without its sentence ends where the sentence starts.
  QImage scratch(1, 1, QImage::Format_ARGB32);
  QPainter measure(&scratch);
  advice_top_ = PaintOwnCard(measure, rect(), card_, QString(), CardFont()) - kPadding;
}

void OwnCardView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const double y = event->position().y();
  if (!advice_.isEmpty() && y >= advice_top_ && y < advice_bottom_) {
    emit AdviceClicked();
  } else {
    emit Clicked();
  }
}

}  // namespace scorvane

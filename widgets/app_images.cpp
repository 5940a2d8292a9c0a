#include "widgets/app_images.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

#include "ranking/builtin_systems.h"
#include "ranking/ranking_registry.h"

namespace scorvane {
namespace {

// Pictures are drawn at twice their size so that they stay sharp on
// high-density screens and in print.
constexpr qreal kScale = 2.0;

// A transparent picture ready to be drawn on in 24 x 16 coordinates.
class Canvas {
 public:
  Canvas() : pixmap_(QSize(24, 16) * kScale) {
    pixmap_.setDevicePixelRatio(kScale);
    pixmap_.fill(Qt::transparent);
    painter_.begin(&pixmap_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
  }
  QPainter& Painter() { return painter_; }
  QPixmap Take() {
    painter_.end();
    return pixmap_;
  }

 private:
  QPixmap pixmap_;
  QPainter painter_;
};

QPen Stroke(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A rounded square badge in the middle of the picture.
void Badge(QPainter& painter, const QColor& fill) {
  painter.setPen(Stroke(fill.darker(140), 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(QRectF(4.5, 0.5, 15, 15), 3, 3);
}

QPixmap Won() {
  Canvas canvas;
  QPainter& p = canvas.Painter();
  Badge(p, QColor(46, 160, 67));
  p.setPen(Stroke(Qt::white, 2.2));
  p.drawPolyline(QPolygonF({{8, 8.5}, {11, 11.5}, {16.5, 4.5}}));
  return canvas.Take();
}

QPixmap Lost() {
  Canvas canvas;
  QPainter& p = canvas.Painter();
  Badge(p, QColor(200, 45, 45));
  p.setPen(Stroke(Qt::white, 2.2));
  p.drawLine(QPointF(8.5, 4.5), QPointF(15.5, 11.5));
  p.drawLine(QPointF(15.5, 4.5), QPointF(8.5, 11.5));
  return canvas.Take();
}

// A person: a head and shoulders, with a skirt for a woman.
QPixmap Person(const QColor& colour, bool woman) {
  Canvas canvas;
  QPainter& p = canvas.Painter();
  p.setPen(Stroke(colour.darker(150), 0.8));
  p.setBrush(colour);
  p.drawEllipse(QPointF(12, 4), 3.2, 3.2);
  QPainterPath body;
  if (woman) {
    body.moveTo(12, 7.8);
    body.lineTo(17, 15.5);
    body.lineTo(7, 15.5);
  } else {
    body.moveTo(7, 15.5);
    body.lineTo(7, 11.5);
    body.quadTo(7, 8, 12, 8);
    body.quadTo(17, 8, 17, 11.5);
    body.lineTo(17, 15.5);
  }
  body.closeSubpath();
  p.drawPath(body);
  return canvas.Take();
}

// A roof over a court with its net.
QPixmap Indoor() {
  Canvas canvas;
  QPainter& p = canvas.Painter();
  p.setPen(Stroke(QColor(120, 60, 30), 1));
  p.setBrush(QColor(196, 98, 45));
  p.drawPolygon(QPolygonF({{2, 7}, {12, 0.8}, {22, 7}}));
  p.setBrush(QColor(70, 140, 200));
  p.setPen(Stroke(QColor(40, 90, 140), 0.8));
  p.drawRect(QRectF(4.5, 8, 15, 7.5));
  p.setPen(Stroke(Qt::white, 1));
  p.drawLine(QPointF(12, 8.5), QPointF(12, 15));
  return canvas.Take();
}

// A cup.
QPixmap Event() {
  Canvas canvas;
  QPainter& p = canvas.Painter();
  const QColor gold(230, 176, 30);
  p.setPen(Stroke(gold.darker(150), 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(7.5, 5), 2.3, 2.3);
  p.drawEllipse(QPointF(16.5, 5), 2.3, 2.3);
  p.setBrush(gold);
  QPainterPath cup;
  cup.moveTo(7.5, 1);
  cup.lineTo(16.5, 1);
  cup.quadTo(16.5, 9, 12, 10);
  cup.quadTo(7.5, 9, 7.5, 1);
  p.drawPath(cup);
  p.drawRect(QRectF(11, 10, 2, 3));
  p.drawRoundedRect(QRectF(8, 13, 8, 2.5), 0.8, 0.8);
  return canvas.Take();
}

// An address card.
QPixmap Contact() {
  Canvas canvas;
  QPainter& p = canvas.Painter();
  p.setPen(Stroke(QColor(90, 90, 90), 1));
  p.setBrush(QColor(250, 246, 230));
  p.drawRoundedRect(QRectF(2.5, 2.5, 19, 12), 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(80, 110, 170));
  p.drawEllipse(QPointF(7.5, 7), 2, 2);
  p.drawRect(QRectF(5, 9.5, 5, 3));
  p.setPen(Stroke(QColor(120, 120, 120), 1));
  for (const qreal y : {5.5, 8.5, 11.5})
    p.drawLine(QPointF(12, y), QPointF(19, y));
  return canvas.Take();
}

// French grades by series: unranked grey, fourth series green, third blue,
// second red, first series and promotion purple.
QColor SeriesColour(int grade) {
  if (grade == 0) return QColor(128, 128, 128);
  if (grade <= 5) return QColor(34, 139, 84);
  if (grade <= 11) return QColor(30, 95, 190);
  if (grade <= 22) return QColor(190, 50, 40);
  return QColor(110, 40, 150);
}

// A badge in the grade's series colour with the grade written on it,
// squeezed sideways when it would not fit.
QPixmap Grade(int grade, const QString& name) {
  Canvas canvas;
  QPainter& p = canvas.Painter();
  const QColor colour = SeriesColour(grade);
  p.setPen(Stroke(colour.darker(150), 1));
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(0.5, 0.5, 23, 15), 3.5, 3.5);
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  const qreal room = 21;
  const qreal width = QFontMetricsF(font).horizontalAdvance(name);
  p.translate(12, 8);
  if (width > room) p.scale(room / width, 1);
  p.drawText(QRectF(-width / 2 - 1, -8, width + 2, 16), Qt::AlignCenter, name);
  return canvas.Take();
}

struct ImageList {
  QList<QPixmap> pictures;
  std::array<int, kAppIconCount> icon_index{};
  int first_grade = -1;
};

ImageList& Images() {
  static ImageList list;
  return list;
}

void Add(ImageList& list, QPixmap picture, int* index) {
  *index = static_cast<int>(list.pictures.size());
  list.pictures.append(std::move(picture));
}

}  // namespace

void AppImages::Load() {
  ImageList& list = Images();
  if (!list.pictures.isEmpty()) return;
  const QPixmap icons[kAppIconCount] = {Won(),
                                        Lost(),
                                        Person(QColor(225, 90, 150), true),
                                        Person(QColor(60, 110, 200), false),
                                        Indoor(),
                                        Event(),
                                        Contact()};
  for (int i = 0; i < kAppIconCount; ++i)
    Add(list, icons[i], &list.icon_index[static_cast<size_t>(i)]);
  // The grade pictures follow, in grade order from "NC".
  const SYSTEME_FRANCAIS french;
  list.first_grade = static_cast<int>(list.pictures.size());
  for (int grade = 0; grade < kGradePictureCount; ++grade) {
    int index = 0;
    Add(list, Grade(grade, QString::fromStdString(french.GradeName(grade))), &index);
  }
}

const QList<QPixmap>& AppImages::List() {
  Load();
  return Images().pictures;
}

int AppImages::IconIndex(AppIcon icon) {
  Load();
  return Images().icon_index[static_cast<size_t>(icon)];
}

int AppImages::GradeIndex(const CLASSEMENT& ranking) {
  Load();
  const int value = ranking.Value();
  if (!ActiveSystem().IsFrench() || value < 0 || value >= kGradePictureCount) return -1;
  return Images().first_grade + value;
}

}  // namespace scorvane

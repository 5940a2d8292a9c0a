#include "shell/window/navigation_pane.h"

#include <QComboBox>
#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "base/catalogue/messages.h"
#include "shell/window/page_rules.h"
#include "shell/window/smiley.h"

namespace scorvane {
namespace {

const QColor kPaneBackground(173, 198, 255);
const QColor kGroupFill(196, 214, 255);
const QColor kGroupEdge(146, 172, 232);
const QColor kOutline(46, 74, 140);
const QColor kText(20, 32, 70);
const QColor kBadge(255, 255, 255, 150);

// The panels behind each group of zones, a little inside the picture.
QRectF GroupPanel(int first_zone, int last_zone, int extra_below = 0) {
  const QRect first = Zone(first_zone).rect;
  const QRect last = Zone(last_zone).rect;
  return QRectF(first.left() - 4, first.top() - 6, first.width() + 8,
                last.bottom() + 1 - first.top() + 12 + extra_below);
}

// The small pictures of the zones, drawn in a 20 x 20 box so that the pane
// reads at a glance and stays sharp at any scale.
void DrawGlyph(QPainter& painter, int zone, const QRectF& box) {
  painter.save();
  painter.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  const QPointF c = box.center();
  switch (zone) {
    case 1:  // a head and shoulders
      painter.drawEllipse(QPointF(c.x(), c.y() - 3), 3.6, 3.6);
      painter.drawArc(QRectF(c.x() - 7, c.y() + 2, 14, 12), 20 * 16, 140 * 16);
      break;
    case 2:  // two people
      painter.drawEllipse(QPointF(c.x() - 4, c.y() - 3), 2.8, 2.8);
      painter.drawEllipse(QPointF(c.x() + 4, c.y() - 3), 2.8, 2.8);
      painter.drawArc(QRectF(c.x() - 9, c.y() + 1, 10, 10), 20 * 16, 140 * 16);
      painter.drawArc(QRectF(c.x() - 1, c.y() + 1, 10, 10), 20 * 16, 140 * 16);
      break;
    case 3:  // bars
      painter.setBrush(kOutline);
      painter.setPen(Qt::NoPen);
      painter.drawRect(QRectF(c.x() - 7, c.y() + 1, 3.5, 6));
      painter.drawRect(QRectF(c.x() - 1.75, c.y() - 6, 3.5, 13));
      painter.drawRect(QRectF(c.x() + 3.5, c.y() - 2, 3.5, 9));
      break;
    case 4:  // a calendar
      painter.drawRoundedRect(QRectF(c.x() - 7, c.y() - 6, 14, 13), 2, 2);
      painter.drawLine(QPointF(c.x() - 7, c.y() - 2), QPointF(c.x() + 7, c.y() - 2));
      painter.drawLine(QPointF(c.x() - 3, c.y() - 8), QPointF(c.x() - 3, c.y() - 4));
      painter.drawLine(QPointF(c.x() + 3, c.y() - 8), QPointF(c.x() + 3, c.y() - 4));
      break;
    case 5:  // a summary sheet
      painter.drawRoundedRect(QRectF(c.x() - 6, c.y() - 7, 12, 14), 1.5, 1.5);
      for (const double y : {-3.0, 0.5, 4.0})
        painter.drawLine(QPointF(c.x() - 3, c.y() + y), QPointF(c.x() + 3, c.y() + y));
      break;
    case 6:  // a ball
      painter.setBrush(QColor(214, 232, 60));
      painter.drawEllipse(c, 7.0, 7.0);
      painter.drawArc(QRectF(c.x() - 12, c.y() - 7, 10, 14), -60 * 16, 120 * 16);
      painter.drawArc(QRectF(c.x() + 2, c.y() - 7, 10, 14), 120 * 16, 120 * 16);
      break;
    case 7:  // a coin
      painter.setBrush(QColor(250, 214, 110));
      painter.drawEllipse(c, 7.0, 7.0);
      painter.drawLine(QPointF(c.x(), c.y() - 4), QPointF(c.x(), c.y() + 4));
      break;
    case 8:  // plus
      painter.drawLine(QPointF(c.x() - 5, c.y()), QPointF(c.x() + 5, c.y()));
      painter.drawLine(QPointF(c.x(), c.y() - 5), QPointF(c.x(), c.y() + 5));
      break;
    case 9:  // a bin
      painter.drawLine(QPointF(c.x() - 6, c.y() - 5), QPointF(c.x() + 6, c.y() - 5));
      painter.drawLine(QPointF(c.x() - 2, c.y() - 7), QPointF(c.x() + 2, c.y() - 7));
      painter.drawPolyline(
          QPolygonF({QPointF(c.x() - 5, c.y() - 3), QPointF(c.x() - 4, c.y() + 7),
                     QPointF(c.x() + 4, c.y() + 7), QPointF(c.x() + 5, c.y() - 3)}));
      break;
    case 10:  // "i"
      painter.drawEllipse(c, 7.0, 7.0);
      painter.drawLine(QPointF(c.x(), c.y() - 1), QPointF(c.x(), c.y() + 4));
      painter.drawPoint(QPointF(c.x(), c.y() - 4));
      break;
    default:
      break;
  }
  painter.restore();
}

}  // namespace

NavigationPane::NavigationPane(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("navigationPane"));
  setMouseTracking(true);
  setFixedSize(kNavigationWidth, kNavigationHeight);
  eyes_ = new Smiley(this);
  eyes_->resize(56, 28);
  eyes_->move(kNavigationWidth / 2 - eyes_->width() / 2, kEyesCentreY - eyes_->height() / 2);
  seasons_ = new QComboBox(this);
  seasons_->setObjectName(QStringLiteral("paneSeasonList"));
  seasons_->setFixedWidth(72);
  seasons_->setFixedHeight(24);
  seasons_->move(kNavigationWidth / 2 - 36, kSeasonListTop);
  connect(seasons_, &QComboBox::activated, this, &NavigationPane::SeasonChosen);
  Retranslate();
}

QSize NavigationPane::sizeHint() const {
  return QSize(kNavigationWidth, kNavigationHeight);
}

QColor NavigationPane::KeyColour() {
  return QColor(236, 243, 255);
}
QColor NavigationPane::HoverColour() {
  return QColor(255, 242, 215);
}
QColor NavigationPane::SelectionColour() {
  return QColor(255, 224, 175);
}

void NavigationPane::SetLitZone(int zone) {
  if (zone == lit_) return;
  lit_ = zone;
  update();
}

void NavigationPane::SetHovered(int zone) {
  if (zone == hovered_) return;
  hovered_ = zone;
  update();
}

QString NavigationPane::ZoneLabel(int zone) const {
  switch (zone) {
    case 1:
      return tr("Own page");
    case 2:
      return tr("Players");
    case 3:
      return tr("Statistics");
    case 4:
      return tr("Active season");
    case 5:
      return tr("Summary");
    case 6:
      return tr("Matches");
    case 7:
      return tr("Finances");
    case 8:
      return tr("New season");
    case 9:
      return tr("Delete season");
    case 10:
      return tr("About");
    default:
      return {};
  }
}

void NavigationPane::Retranslate() {
  seasons_->setToolTip(QString::fromUtf8(Msg(42)));
  eyes_->setToolTip(QString::fromUtf8(Msg(43)));
  update();
}

bool NavigationPane::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int zone = ZoneAt(help->pos());
    if (zone != 0) {
      QToolTip::showText(help->globalPos(), QString::fromUtf8(Msg(Zone(zone).tooltip_message)),
                         this, Zone(zone).rect);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void NavigationPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), kPaneBackground);
  painter.setPen(QPen(kGroupEdge, 1));
  painter.setBrush(kGroupFill);
  for (const QRectF& panel : {GroupPanel(1, 3), GroupPanel(4, 9), GroupPanel(10, 10)})
    painter.drawRoundedRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
  // The season's commands apart from its pages.
  const double rule_y =
      Zone(7).rect.bottom() + 1 + (kSeasonCommandsTop - Zone(7).rect.bottom()) / 2.0;
  painter.setPen(QPen(kGroupEdge, 1, Qt::DotLine));
  painter.drawLine(QPointF(kZoneLeft + 8, rule_y), QPointF(kZoneLeft + kZoneWidth - 8, rule_y));

  QFont font = painter.font();
  font.setPixelSize(12);
  QFont lit_font = font;
  lit_font.setBold(true);
  for (const NavigationZone& zone : NavigationZones()) {
    const QRectF box = QRectF(zone.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool lit = zone.number == lit_;
    QColor fill = KeyColour();
    if (lit) {
      fill = SelectionColour();
    } else if (zone.number == hovered_) {
      fill = HoverColour();
    }
    painter.setPen(QPen(lit ? kOutline : kGroupEdge.darker(115), lit ? 1.6 : 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 7, 7);
    // The picture on a round badge at the left, the label after it.
    const QRectF glyph(box.left() + 5, box.center().y() - 10, 20, 20);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBadge);
    painter.drawEllipse(glyph.adjusted(-1, -1, 1, 1));
    DrawGlyph(painter, zone.number, glyph);
    // A label too long for one line (some French ones) takes two, smaller.
    QFont label_font = lit ? lit_font : font;
    const QRectF text_box = box.adjusted(30, 0, -3, 0);
    const QString label = ZoneLabel(zone.number);
    int flags = Qt::AlignVCenter | Qt::AlignLeft;
    if (QFontMetricsF(label_font).horizontalAdvance(label) > text_box.width()) {
      label_font.setPixelSize(11);
      flags |= Qt::TextWordWrap;
    }
    painter.setFont(label_font);
    painter.setPen(kText);
    painter.drawText(text_box, flags, label);
  }
}

void NavigationPane::mouseMoveEvent(QMouseEvent* event) {
  SetHovered(ZoneAt(event->position().toPoint()));
  QWidget::mouseMoveEvent(event);
}

void NavigationPane::leaveEvent(QEvent* event) {
  SetHovered(0);
  QWidget::leaveEvent(event);
}

void NavigationPane::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const int zone = ZoneAt(event->position().toPoint());
    if (zone != 0) {
      emit ZoneClicked(zone);
      return;
    }
  }
  QWidget::mousePressEvent(event);
}

void NavigationPane::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

}  // namespace scorvane

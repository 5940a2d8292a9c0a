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
const QColor kOutline(46, 74, 140);
const QColor kText(20, 32, 70);

// Small pictures drawn in the zones, so the pane reads at a glance.
void DrawGlyph(QPainter& painter, int zone, const QRectF& box) {
  painter.save();
  painter.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  const QPointF c = box.center();
  switch (zone) {
    case 1:  // a face
      painter.drawEllipse(c, 7.0, 7.0);
      painter.drawArc(QRectF(c.x() - 4, c.y() - 2, 8, 6), 200 * 16, 140 * 16);
      break;
    case 2:  // two people
      painter.drawEllipse(QPointF(c.x() - 4, c.y() - 4), 3.0, 3.0);
      painter.drawEllipse(QPointF(c.x() + 4, c.y() - 4), 3.0, 3.0);
      painter.drawArc(QRectF(c.x() - 9, c.y(), 10, 10), 0, 180 * 16);
      painter.drawArc(QRectF(c.x() - 1, c.y(), 10, 10), 0, 180 * 16);
      break;
    case 3:  // bars
      painter.setBrush(kOutline);
      painter.drawRect(QRectF(c.x() - 8, c.y() + 1, 4, 6));
      painter.drawRect(QRectF(c.x() - 2, c.y() - 5, 4, 12));
      painter.drawRect(QRectF(c.x() + 4, c.y() - 2, 4, 9));
      break;
    case 5:  // a ball
    case 6:
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
    case 9:  // cross
      painter.drawLine(QPointF(c.x() - 4, c.y() - 4), QPointF(c.x() + 4, c.y() + 4));
      painter.drawLine(QPointF(c.x() - 4, c.y() + 4), QPointF(c.x() + 4, c.y() - 4));
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
  eyes_->move(65 - eyes_->width() / 2, 160 - eyes_->height() / 2);
  seasons_ = new QComboBox(this);
  seasons_->setObjectName(QStringLiteral("paneSeasonList"));
  seasons_->setFixedWidth(60);
  seasons_->move(72, 205);
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
  return QColor(255, 200, 120);
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
  // A court's lines behind the zones, faint.
  painter.setPen(QPen(QColor(255, 255, 255, 110), 2));
  painter.drawRect(QRectF(6, 140, 128, 40));
  painter.drawLine(QPointF(70, 140), QPointF(70, 180));

  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  for (const NavigationZone& zone : NavigationZones()) {
    const QRectF box = QRectF(zone.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = KeyColour();
    if (zone.number == lit_) {
      fill = SelectionColour();
    } else if (zone.number == hovered_) {
      fill = HoverColour();
    }
    QPainterPath shape;
    shape.addRoundedRect(box, 7, 7);
    painter.setPen(QPen(kOutline, zone.number == lit_ ? 2.0 : 1.0));
    painter.setBrush(fill);
    painter.drawPath(shape);
    const bool has_glyph = zone.number != 4;
    const QRectF glyph(box.left() + 3, box.top(), 20, box.height());
    if (has_glyph) DrawGlyph(painter, zone.number, glyph);
    const QRectF text_box = box.adjusted(has_glyph ? 24 : 6, 2, -4, -2);
    painter.setPen(kText);
    painter.drawText(text_box, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                     ZoneLabel(zone.number));
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

// The chart window: painting, clicks, tooltips, cursor and context menu.
#include "widgets/chart/chart_widget.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QToolTip>
#include <memory>
#include <utility>

#include "stats/chart/chart_layout.h"
#include "widgets/chart/chart_painting.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {

namespace {

Rgb ToRgb(const QColor& colour) {
  return Rgb(colour.red(), colour.green(), colour.blue());
}

bool IsSvgPath(const QString& path) {
  return QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
}

// A file name made of the chart's title, without the characters file
// systems refuse.
QString FileNameFor(const std::string& title) {
  QString name = QString::fromStdString(title).simplified();
  name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
  return name.isEmpty() ? QStringLiteral("Chart") : name;
}

}  // namespace

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent),
      copy_action_(new QAction(tr("Copy"), this)),
      save_action_(new QAction(tr("Save as…"), this)) {
  // Every pixel is painted each time: nothing to erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  TakeSystemColours();

  setContextMenuPolicy(Qt::ActionsContextMenu);
  addAction(copy_action_);
  addAction(save_action_);
  connect(copy_action_, &QAction::triggered, this, &ChartWidget::CopyToClipboard);
  connect(save_action_, &QAction::triggered, this, &ChartWidget::AskWhereToSave);
}

ChartWidget::~ChartWidget() = default;

ChartModel& ChartWidget::Model() {
  scene_.reset();
  update();
  return model_;
}

void ChartWidget::SetModel(ChartModel model) {
  model_ = std::move(model);
  TakeSystemColours();
  scene_.reset();
  update();
}

void ChartWidget::TakeSystemColours() {
  // Axes, labels and legends are written in black: under a dark desktop
  // theme the chart keeps a light grey of its own to stay readable.
  constexpr Rgb kLightGrey{240, 240, 240};
  constexpr Rgb kBlack{0, 0, 0};
  constexpr int kLightEnough = 160;
  const QColor face = palette().color(QPalette::Button);
  const bool light = face.lightness() >= kLightEnough;
  model_.SetBackground(light ? ToRgb(face) : kLightGrey);
  model_.SetTitleColour(light ? ToRgb(palette().color(QPalette::WindowText)) : kBlack);
}

const ChartScene& ChartWidget::Scene() {
  if (!scene_ || scene_->width != width() || scene_->height != height())
    scene_ = LayOutChart(model_, width(), height(), measurer_);
  return *scene_;
}

const ZONE_GRAPHIQUE* ChartWidget::ZoneAt(QPointF position) {
  const QPoint pixel = position.toPoint();
  return Scene().ZoneAt({pixel.x(), pixel.y()});
}

void ChartWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintScene(painter, Scene());
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
  scene_.reset();
  QWidget::resizeEvent(event);
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (const ZONE_GRAPHIQUE* zone = ZoneAt(event->position())) {
      emit zoneClicked(zone->Code(), static_cast<qint64>(zone->Id()));
      return;
    }
  }
  QWidget::mousePressEvent(event);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  // A hand over what answers a click, the cross-hair elsewhere.
  const Qt::CursorShape shape =
      ZoneAt(event->position()) != nullptr ? Qt::PointingHandCursor : Qt::CrossCursor;
  if (cursor().shape() != shape) setCursor(shape);
  QWidget::mouseMoveEvent(event);
}

void ChartWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    TakeSystemColours();
    scene_.reset();
    update();
  }
  QWidget::changeEvent(event);
}

bool ChartWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const ZONE_GRAPHIQUE* zone = ZoneAt(help->pos());
    if (zone != nullptr && !zone->Tooltip().empty()) {
      QToolTip::showText(help->globalPos(), QString::fromStdString(zone->Tooltip()), this);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void ChartWidget::Print(QPainter& painter, const QRectF& destination) const {
  PaintChartInto(painter, model_, destination, measurer_);
}

QImage ChartWidget::ToImage() const {
  return ChartImage(model_, size(), devicePixelRatioF(), measurer_);
}

bool ChartWidget::SaveAs(const QString& path) const {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (IsSvgPath(path)) {
    const QByteArray svg = ChartSvg(model_, size().expandedTo(QSize(1, 1)), measurer_);
    if (file.write(svg) != svg.size()) return false;
  } else if (!ToImage().save(&file, "PNG")) {
    return false;
  }
  return file.commit();
}

void ChartWidget::CopyToClipboard() {
  // As a picture, and as a drawing for the programs that take one.
  auto copied = std::make_unique<QMimeData>();
  copied->setImageData(ToImage());
  copied->setData(QStringLiteral("image/svg+xml"),
                  ChartSvg(model_, size().expandedTo(QSize(1, 1)), measurer_));
  QGuiApplication::clipboard()->setMimeData(copied.release());
}

void ChartWidget::AskWhereToSave() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  QString path =
      FileChoosers::ChooseSave(this, QDir(folder).filePath(FileNameFor(model_.Title()) + ".png"),
                               tr("PNG picture (*.png);;SVG drawing (*.svg)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
  if (!SaveAs(path)) {
    MessageBoxes::Warn(
        this, tr("The picture %1 could not be written.").arg(QDir::toNativeSeparators(path)));
  }
}

}  // namespace scorvane

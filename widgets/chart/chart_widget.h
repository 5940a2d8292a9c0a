// The chart window placed in pages and dialogs. The page fills its model
// (or hands it a finished one) and listens to zoneClicked; the widget lays
// the chart out for its size, paints it, answers clicks, shows what a bar or
// slice holds when the pointer rests on it, copies or saves the chart as a
// picture from its context menu, and prints it as vectors.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>

#include "stats/chart/chart_model.h"
#include "stats/chart/chart_scene.h"
#include "widgets/chart/chart_fonts.h"

class QAction;

namespace scorvane {

class ChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWidget(QWidget* parent = nullptr);
  ~ChartWidget() override;

  // The chart to fill. Asking for it plans a repaint, so a page that clears
  // and refills it sees the new chart at the next turn of the event loop.
  ChartModel& Model();
  const ChartModel& Model() const { return model_; }
  // Replaces the whole chart by one built elsewhere.
  void SetModel(ChartModel model);

  // Draws the chart as vectors filling `destination`, in the painter's
  // coordinates (a printed page, a PDF).
  void Print(QPainter& painter, const QRectF& destination) const;
  // The chart as the screen shows it, at the screen's pixel density.
  QImage ToImage() const;
  // Writes the chart to a PNG picture, or an SVG drawing when the path ends
  // in ".svg"; false when the file could not be written.
  bool SaveAs(const QString& path) const;

  QSize sizeHint() const override { return {480, 320}; }
  QSize minimumSizeHint() const override { return {160, 120}; }

  QAction* CopyAction() const { return copy_action_; }
  QAction* SaveAction() const { return save_action_; }

 signals:
  // A left press on a label (code 0 on the category axis, 1 on the value
  // axis) or on a value (code 2), with the id the page gave it.
  void zoneClicked(int code, qint64 id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The chart laid out for the widget's current size.
  const ChartScene& Scene();
  const ZONE_GRAPHIQUE* ZoneAt(QPointF position);
  // The window's own colours: button face behind the chart, window text for
  // its title (a light grey and black under a dark theme).
  void TakeSystemColours();
  void CopyToClipboard();
  void AskWhereToSave();

  ChartModel model_;
  QtTextMeasurer measurer_;
  std::optional<ChartScene> scene_;
  QAction* copy_action_;
  QAction* save_action_;
};

}  // namespace scorvane

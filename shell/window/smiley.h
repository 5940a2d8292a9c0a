// The pair of eyes in the navigation pane that follow the mouse pointer
// wherever it is on the screen.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QTimer>
#include <QWidget>

namespace scorvane {

class Smiley : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPollMs = 2;

  explicit Smiley(QWidget* parent = nullptr);

  // Where a pupil is drawn for an eye at `centre` of radius `eye` when the
  // pointer is at `pointer` (same coordinates): half-way to the pointer,
  // never further than eye - pupil from the centre.
  static QPointF PupilCentre(QPointF centre, double eye, double pupil, QPointF pointer);
  double EyeRadius() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Poll();

  QTimer timer_;
  QPoint last_pointer_;
};

}  // namespace scorvane

// The pair of eyes in the navigation pane that follow the mouse pointer
// wherever it is on the screen, without keeping the program awake: they move
// on the pointer's motion events while it is over one of the program's
// windows, and poll its position only while it moves elsewhere on the screen.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QWidget>

class QTimer;

namespace scorvane {

class Smiley : public QWidget {
  Q_OBJECT

 public:
  // About 30 looks a second while the pointer moves outside the program.
  static constexpr int kPollMs = 33;
  // The looking stops once the pointer has kept still this many looks.
  static constexpr int kStillPolls = 15;

  explicit Smiley(QWidget* parent = nullptr);
  ~Smiley() override;

  // Where a pupil is drawn for an eye at `centre` of radius `eye` when the
  // pointer is at `pointer` (same coordinates): half-way to the pointer,
  // never further than eye - pupil from the centre.
  static QPointF PupilCentre(QPointF centre, double eye, double pupil, QPointF pointer);
  double EyeRadius() const;
  // Whether the eyes are polling the pointer now.
  bool IsPolling() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Redraws when the pointer is somewhere new; true when it moved.
  bool Follow();
  void Poll();
  // Polls until the pointer keeps still, when looking can change anything.
  void StartPolling();
  // The eyes are seen and the program is the one in use.
  bool MayPoll() const;

  QTimer* timer_;
  QPoint last_pointer_;
  int still_polls_ = 0;
};

}  // namespace scorvane

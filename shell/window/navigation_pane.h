// The left-hand pane: a picture of ten zones (own page, players, statistics,
// active season, its summary, matches and finances, new and deleted season,
// information). The zone of the current page is lit, the zone under the
// pointer is highlighted, each has a tooltip, and a click runs its action.
// The pane also holds the eyes and a list of seasons.
#pragma once

#include <QWidget>

class QComboBox;

namespace scorvane {

class Smiley;

class NavigationPane : public QWidget {
  Q_OBJECT

 public:
  explicit NavigationPane(QWidget* parent = nullptr);

  void SetLitZone(int zone);
  int LitZone() const { return lit_; }
  int HoveredZone() const { return hovered_; }
  QComboBox* SeasonList() const { return seasons_; }
  Smiley* Eyes() const { return eyes_; }

  // The three colours of a zone: normal, under the pointer, lit.
  static QColor KeyColour();
  static QColor HoverColour();
  static QColor SelectionColour();

  QSize sizeHint() const override;

 signals:
  void ZoneClicked(int zone);
  void SeasonChosen(int index);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString ZoneLabel(int zone) const;
  void Retranslate();
  void SetHovered(int zone);

  int lit_ = 0;
  int hovered_ = 0;
  Smiley* eyes_;
  QComboBox* seasons_;
};

}  // namespace scorvane

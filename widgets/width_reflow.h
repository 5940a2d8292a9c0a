// Lets a page reflow on a small screen instead of growing the window: box
// layouts that lay their parts side by side while a widget is wide enough
// turn them one under the other once it is narrower.
#pragma once

#include <QBoxLayout>
#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace scorvane {

class WidthReflow : public QObject {
  Q_OBJECT

 public:
  // Watches `watched`, which is wide from `wide_from` pixels on.
  WidthReflow(QWidget* watched, int wide_from);

  // `layout` takes direction `wide` while the watched widget is wide and
  // `narrow` otherwise, starting now.
  void Follow(QBoxLayout* layout, QBoxLayout::Direction wide, QBoxLayout::Direction narrow);
  // Calls `arrange` with whether the widget is wide, now and at each change,
  // for what a direction does not say (a grid with fewer columns).
  void OnChange(std::function<void(bool wide)> arrange);
  bool IsWide() const { return wide_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Followed {
    QBoxLayout* layout;
    QBoxLayout::Direction wide;
    QBoxLayout::Direction narrow;
  };
  void Apply();

  QWidget* watched_;
  int wide_from_;
  bool wide_ = true;
  std::vector<Followed> followed_;
  std::vector<std::function<void(bool)>> arrangers_;
};

}  // namespace scorvane

// The light navigation bar: the page list, the active-season list and a help
// button. It docks at the top or the bottom only; laid out vertically, the
// page list gives way to a plain button.
#pragma once

#include <QToolBar>

class QComboBox;
class QLabel;
class QToolButton;

namespace scorvane {

class NavigationBar : public QToolBar {
  Q_OBJECT

 public:
  explicit NavigationBar(QWidget* parent = nullptr);

  QComboBox* PageList() const { return pages_; }
  QComboBox* SeasonList() const { return seasons_; }
  // Selects the entry that goes with `page` (page 7 leaves it as it is).
  void FollowPage(int page);

 signals:
  void PageChosen(int index);
  void SeasonChosen(int index);
  void HelpRequested();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void FollowOrientation(Qt::Orientation orientation);

  QComboBox* pages_;
  QAction* pages_action_;
  QAction* vertical_button_;
  QLabel* season_label_;
  QComboBox* seasons_;
  QAction* help_;
};

}  // namespace scorvane

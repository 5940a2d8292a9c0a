// DLG_BAREMES: one of the five tables of the French estimate (starting
// points, minimum victories kept, extra victories, points per victory, up
// and down norms) in a list, with the table's title as caption and its
// explanation under the list. Opened from the calculation report's buttons;
// it shows nothing unless the French system is active.
#pragma once

#include <QDialog>

#include "estimates/french_scales.h"

class QLabel;

namespace scorvane {

class MY_LIST_CONTROL;

class DLG_BAREMES : public QDialog {
  Q_OBJECT

 public:
  DLG_BAREMES(french::ScalesTableKind table, QWidget* parent = nullptr);

  MY_LIST_CONTROL* List() const { return list_; }
  QLabel* Explanation() const { return explanation_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The columns share the list's width less 16 pixels equally.
  void ShareColumnWidths();

  MY_LIST_CONTROL* list_;
  QLabel* explanation_;
};

}  // namespace scorvane

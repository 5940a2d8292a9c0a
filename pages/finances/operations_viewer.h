// DLG_VISUALISATION_OPERATIONS, "Financial operations": the expenses of the
// active season of one kind (the entry fees or the travel costs of its
// events) or of one category, in the expenses list's columns, under a
// heading with their total. A double click (or Enter) on a row opens the
// event dialog or the entry dialog for it, and the list is built again.
#pragma once

#include <QDialog>
#include <memory>

#include "finances/operations_view.h"

class QLabel;

namespace scorvane {

class FinanceListView;

class DLG_VISUALISATION_OPERATIONS : public QDialog {
  Q_OBJECT

 public:
  explicit DLG_VISUALISATION_OPERATIONS(const OperationsView& view, QWidget* parent = nullptr);
  ~DLG_VISUALISATION_OPERATIONS() override;

  // Lists the rows again from the records.
  void Rebuild();
  // Opens the dialog of the selected row's record; rebuilds after a change.
  void EditSelected();
  // True once a record was changed from here.
  bool ChangedRecords() const { return changed_; }

  QLabel* Heading() const { return heading_; }
  FinanceListView& ListView() const { return *list_; }

 private:
  OperationsView view_;
  bool changed_ = false;
  QLabel* heading_;
  std::unique_ptr<FinanceListView> list_;
};

}  // namespace scorvane

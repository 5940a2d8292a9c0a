// One finance list on screen: a MY_LIST_CONTROL with the columns of its
// kind (gains, prizes or expenses) in the display currency, its colours,
// and the rows it shows with the record behind each of them. The finances
// page has three of them and the operations viewer one.
#pragma once

#include <vector>

#include "finances/finance_lists.h"

class QWidget;

namespace scorvane {

class MY_LIST_CONTROL;

class FinanceListView {
 public:
  FinanceListView(FinanceListKind kind, QWidget* parent);

  MY_LIST_CONTROL& List() const { return *list_; }
  FinanceListKind Kind() const { return kind_; }

  // The column titles again (the currency symbol may have changed); empties the list.
  void SetUpColumns();
  // Shows these rows, in this order; the selected record stays selected
  // when it is still shown.
  void Show(std::vector<FinanceRow> rows);
  const std::vector<FinanceRow>& Rows() const { return rows_; }

  // The row shown at a list row, or null.
  const FinanceRow* RowAt(int row) const;
  // The first selected row, or null.
  const FinanceRow* Selected() const;

 private:
  FinanceListKind kind_;
  MY_LIST_CONTROL* list_;
  std::vector<FinanceRow> rows_;
};

}  // namespace scorvane

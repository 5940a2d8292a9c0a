// DLG_GRAPHIQUE_FINANCES, "Active season finances": the finance charts of
// the active season, chosen in a list ("Expenses" as a pie, "Expenses per
// category" as bars; the choice is kept while the dialog lives). A click on
// a slice or bar opens the operations viewer on what it stands for (the
// entry fees, the travel costs or one category), and the chart is built
// again when the viewer is closed with OK.
#pragma once

#include <QDialog>

#include "finances/finance_charts.h"

class QListWidget;

namespace scorvane {

class ChartWidget;

class DLG_GRAPHIQUE_FINANCES : public QDialog {
  Q_OBJECT

 public:
  explicit DLG_GRAPHIQUE_FINANCES(QWidget* parent = nullptr);

  // Shows a chart (the list follows).
  void Choose(FinanceChart chart);
  FinanceChart Chosen() const { return chosen_; }
  // Builds the chosen chart again from the records.
  void Rebuild();
  // What a click on a value does (the chart's zoneClicked).
  void OpenValue(int code, qint64 id);
  // True once a record was changed through the operations viewer.
  bool ChangedRecords() const { return changed_; }

  ChartWidget& Chart() const { return *chart_; }
  QListWidget& ChartList() const { return *choices_; }

 private:
  FinanceChart chosen_ = FinanceChart::kExpenses;
  bool changed_ = false;
  QListWidget* choices_;
  ChartWidget* chart_;
};

}  // namespace scorvane

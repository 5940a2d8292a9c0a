// PAGE_FINANCES, page 6 of the page frame: the money of the active season
// in three lists (gains, prizes in kind, expenses) with the two totals in
// the display currency, and the commands on them: a new expense, editing
// and deleting the record behind a row (buttons, double click, context
// menus, Insert and Delete keys), sorting the expenses by a column, the
// category editor, the finance charts and printing.
#pragma once

#include <memory>
#include <optional>

#include "finances/finance_lists.h"
#include "widgets/page_view.h"

class QLabel;
class QMenu;
class QPushButton;

namespace scorvane {

class FinanceListView;
class FinancesPrintout;
class MY_LIST_CONTROL;

class PAGE_FINANCES : public PageView {
  Q_OBJECT

 public:
  explicit PAGE_FINANCES(QWidget* parent = nullptr);
  ~PAGE_FINANCES() override;

  void InitialUpdate() override;
  // Lists the active season's money again (amounts in the display currency).
  void Refresh() override;
  Printable* PrintContent() override;

  // The commands, as the buttons, keys and menus run them.
  void NewExpense();
  void EditSelected(FinanceListKind list);
  void DeleteSelected(FinanceListKind list);
  void EditCategories();
  void ShowCharts();
  // A click on an expenses column header: that column ascending, or the
  // other way round when it is already the sort column.
  void SortExpensesBy(int column);

  FinanceListView& ListView(FinanceListKind list) const;
  MY_LIST_CONTROL& List(FinanceListKind list) const;
  QLabel* GainsTotal() const { return gains_total_; }
  QLabel* ExpensesTotal() const { return expenses_total_; }
  // The context menu of a list as it stands (selected row or none).
  std::unique_ptr<QMenu> ContextMenu(FinanceListKind list);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The buttons, notes, headings and column titles in the interface language.
  void WriteTexts();
  // After a command that changed the document: the lists again.
  void Changed(bool changed);
  void ShowRows(const SeasonFinances& money);
  QString HeadingOf(int message) const;
  // A printed list's heading: "2001 gains : 800.00 F ".
  QString SectionHeading(int message, std::int64_t total_cents) const;

  std::unique_ptr<FinanceListView> gains_;
  std::unique_ptr<FinanceListView> prizes_;
  std::unique_ptr<FinanceListView> expenses_;
  std::unique_ptr<FinancesPrintout> printout_;
  // The year of the season shown, 0 without an active season.
  int year_ = 0;
  // The currency symbol the column titles were written with.
  std::string symbol_;
  std::optional<ExpenseColumn> sort_column_;
  bool sort_ascending_ = true;
  // The totals as shown, in hundredths of the display currency.
  std::int64_t gains_total_value_ = 0;
  std::int64_t expenses_total_value_ = 0;

  QLabel* gains_heading_;
  QLabel* money_won_;
  QLabel* prizes_heading_;
  QLabel* gains_note_;
  QLabel* gains_total_;
  QLabel* expenses_heading_;
  QLabel* expenses_total_;
  QLabel* events_note_;
  QPushButton* new_expense_;
  QPushButton* categories_;
  QPushButton* charts_;
  QPushButton* print_;
};

}  // namespace scorvane

#include "pages/finances/finances_page.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "base/text_format.h"
#include "pages/common/lists/item_editor_dialog.h"
#include "pages/finances/finance_charts_dialog.h"
#include "pages/finances/finance_list_view.h"
#include "pages/finances/finances_printout.h"
#include "pages/finances/operation_commands.h"
#include "records/document.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

constexpr int kGainsHeading = 318;
constexpr int kExpensesHeading = 319;
constexpr int kPrizesSeason = 320;
constexpr int kFinancialSeason = 321;
constexpr int kMoneyWon = 322;
constexpr int kPrizesWon = 323;
constexpr int kGainsTotal = 324;
constexpr int kExpensesTotal = 325;
constexpr int kGainsNote = 326;

QLabel* HeadingLabel(QWidget* parent, const char* name, int pixels) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLabel* NoteLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  QFont font = label->font();
  font.setItalic(true);
  label->setFont(font);
  return label;
}

}  // namespace

PAGE_FINANCES::PAGE_FINANCES(QWidget* parent)
    : PageView(kFinances, parent),
      gains_(std::make_unique<FinanceListView>(FinanceListKind::kGains, this)),
      prizes_(std::make_unique<FinanceListView>(FinanceListKind::kPrizes, this)),
      expenses_(std::make_unique<FinanceListView>(FinanceListKind::kExpenses, this)),
      gains_heading_(HeadingLabel(this, "gainsHeading", 17)),
      money_won_(HeadingLabel(this, "moneyWonHeading", 13)),
      prizes_heading_(HeadingLabel(this, "prizesHeading", 13)),
      gains_note_(NoteLabel(this, "gainsNote")),
      gains_total_(HeadingLabel(this, "gainsTotal", 13)),
      expenses_heading_(HeadingLabel(this, "expensesHeading", 17)),
      expenses_total_(HeadingLabel(this, "expensesTotal", 13)),
      events_note_(NoteLabel(this, "eventsNote")),
      new_expense_(new QPushButton(this)),
      categories_(new QPushButton(this)),
      charts_(new QPushButton(this)),
      print_(new QPushButton(this)) {
  gains_->List().setObjectName(QStringLiteral("gainsList"));
  prizes_->List().setObjectName(QStringLiteral("prizesList"));
  expenses_->List().setObjectName(QStringLiteral("expensesList"));
  new_expense_->setObjectName(QStringLiteral("newExpenseButton"));
  categories_->setObjectName(QStringLiteral("editCategoriesButton"));
  charts_->setObjectName(QStringLiteral("chartsButton"));
  print_->setObjectName(QStringLiteral("printButton"));

  // Gains (left) and prizes (right) side by side over the expenses, which
  // take the width and the rest of the height.
  auto* top = new QGridLayout;
  top->addWidget(money_won_, 0, 0);
  top->addWidget(prizes_heading_, 0, 1);
  top->addWidget(&gains_->List(), 1, 0);
  top->addWidget(&prizes_->List(), 1, 1);
  top->addWidget(gains_total_, 2, 0);
  top->setColumnStretch(0, 1);
  top->setColumnStretch(1, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(expenses_total_);
  bottom->addStretch();
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {new_expense_, categories_, charts_, print_})
    buttons->addWidget(button);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->addWidget(gains_heading_);
  layout->addLayout(top, 2);
  layout->addWidget(gains_note_);
  layout->addSpacing(6);
  layout->addWidget(expenses_heading_);
  layout->addWidget(&expenses_->List(), 3);
  layout->addLayout(bottom);
  layout->addWidget(events_note_);
  layout->addLayout(buttons);

  connect(new_expense_, &QPushButton::clicked, this, &PAGE_FINANCES::NewExpense);
  connect(categories_, &QPushButton::clicked, this, &PAGE_FINANCES::EditCategories);
  connect(charts_, &QPushButton::clicked, this, &PAGE_FINANCES::ShowCharts);
  connect(print_, &QPushButton::clicked, this, &PAGE_FINANCES::PrintRequested);
  for (FinanceListView* view : {gains_.get(), prizes_.get(), expenses_.get()}) {
    MY_LIST_CONTROL* list = &view->List();
    const FinanceListKind kind = view->Kind();
    list->installEventFilter(this);
    connect(list, &MY_LIST_CONTROL::RowActivated, this, [this, kind] { EditSelected(kind); });
    connect(list, &QWidget::customContextMenuRequested, this, [this, list, kind](QPoint at) {
      const int row = list->rowAt(at.y());
      if (row >= 0) {
        list->SelectItem(row);
      } else {
        list->ClearSelection();
      }
      const std::unique_ptr<QMenu> menu = ContextMenu(kind);
      if (!menu->isEmpty()) menu->exec(list->viewport()->mapToGlobal(at));
    });
  }
  connect(&expenses_->List(), &MY_LIST_CONTROL::HeaderClicked, this,
          &PAGE_FINANCES::SortExpensesBy);

  printout_ = std::make_unique<FinancesPrintout>([this] {
    const UTILISATEUR* owner = CurrentOwner();
    const std::string name =
        owner ? FormatText("%s %s - ", {owner->GetFirstName(), owner->GetLastName()}) : "";
    return QString::fromStdString(name) + CatalogueText(kFinancialSeason, {year_});
  });
  printout_->AddSection([this] { return SectionHeading(kGainsHeading, gains_total_value_); },
                        gains_->List());
  printout_->AddSection([this] { return HeadingOf(kPrizesSeason); }, prizes_->List());
  printout_->AddSection([this] { return SectionHeading(kExpensesHeading, expenses_total_value_); },
                        expenses_->List());
  InitialUpdate();
}

PAGE_FINANCES::~PAGE_FINANCES() = default;

void PAGE_FINANCES::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
}

void PAGE_FINANCES::InitialUpdate() {
  sort_column_.reset();
  sort_ascending_ = true;
  WriteTexts();
  Refresh();
}

void PAGE_FINANCES::WriteTexts() {
  new_expense_->setText(tr("&New expense"));
  categories_->setText(tr("Edit &categories"));
  charts_->setText(tr("C&harts"));
  print_->setText(tr("&Print"));
  events_note_->setText(
      tr("Entry fees, travel costs, prize money and prizes belong to the events of the season: "
         "change them in the event, or delete them here."));
  money_won_->setText(CatalogueText(kMoneyWon));
  prizes_heading_->setText(CatalogueText(kPrizesWon));
  gains_note_->setText(CatalogueText(kGainsNote));
  symbol_ = Currency::Symbol();
  for (FinanceListView* view : {gains_.get(), prizes_.get(), expenses_.get()})
    view->SetUpColumns();
  QHeaderView* header = expenses_->List().horizontalHeader();
  header->setSortIndicatorShown(sort_column_.has_value());
  if (sort_column_) {
    header->setSortIndicator(static_cast<int>(*sort_column_),
                             sort_ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
  }
}

// The headings, columns and rows (whose event lines come from the
// catalogue) are written again in the new language.
void PAGE_FINANCES::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    WriteTexts();
    Refresh();
  }
  PageView::changeEvent(event);
}

void PAGE_FINANCES::Refresh() {
  // The amount columns name the display currency, which may have changed.
  if (symbol_ != Currency::Symbol()) {
    symbol_ = Currency::Symbol();
    for (FinanceListView* view : {gains_.get(), prizes_.get(), expenses_.get()})
      view->SetUpColumns();
  }
  const UTILISATEUR* owner = CurrentOwner();
  const SAISON_JOUEUR* season = owner ? owner->GetActiveSeason() : nullptr;
  year_ = season ? season->Year() : 0;
  new_expense_->setEnabled(season != nullptr);
  charts_->setEnabled(season != nullptr);
  categories_->setEnabled(owner != nullptr);
  ShowRows(season ? BuildSeasonFinances(*season) : SeasonFinances{});
}

void PAGE_FINANCES::ShowRows(const SeasonFinances& money) {
  gains_total_value_ = money.gains_total;
  expenses_total_value_ = money.expenses_total;
  std::vector<FinanceRow> expenses = money.expenses;
  if (sort_column_) SortExpenseRows(expenses, *sort_column_, sort_ascending_);
  gains_->Show(money.gains);
  prizes_->Show(money.prizes);
  expenses_->Show(std::move(expenses));
  gains_heading_->setText(year_ ? HeadingOf(kGainsHeading) : QString());
  expenses_heading_->setText(year_ ? HeadingOf(kExpensesHeading) : QString());
  const QString currency = QString::fromStdString(Currency::Name());
  const auto total = [&currency](int message, std::int64_t cents) {
    return CatalogueText(
        message, {Currency::FormatCents(cents, Currency::Style::kNumber), currency.toStdString()});
  };
  gains_total_->setText(total(kGainsTotal, money.gains_total));
  expenses_total_->setText(total(kExpensesTotal, money.expenses_total));
}

QString PAGE_FINANCES::HeadingOf(int message) const {
  return CatalogueText(message, {year_});
}

QString PAGE_FINANCES::SectionHeading(int message, std::int64_t total_cents) const {
  return QString::fromStdString(
      FormatText("%s : %s ", {HeadingOf(message).toStdString(),
                              Currency::FormatCents(total_cents, Currency::Style::kCurrency)}));
}

Printable* PAGE_FINANCES::PrintContent() {
  return year_ ? printout_.get() : nullptr;
}

FinanceListView& PAGE_FINANCES::ListView(FinanceListKind list) const {
  switch (list) {
    case FinanceListKind::kGains:
      return *gains_;
    case FinanceListKind::kPrizes:
      return *prizes_;
    case FinanceListKind::kExpenses:
      break;
  }
  return *expenses_;
}

MY_LIST_CONTROL& PAGE_FINANCES::List(FinanceListKind list) const {
  return ListView(list).List();
}

void PAGE_FINANCES::Changed(bool changed) {
  if (changed) Refresh();
}

void PAGE_FINANCES::NewExpense() {
  Changed(NewExpenseCommand(this));
}

void PAGE_FINANCES::EditSelected(FinanceListKind list) {
  const FinanceRow* row = ListView(list).Selected();
  if (!row) return;
  const ELEM_LISTE_FINANCES element = row->element;
  Changed(EditFinanceRowCommand(this, element));
}

void PAGE_FINANCES::DeleteSelected(FinanceListKind list) {
  const FinanceRow* row = ListView(list).Selected();
  if (!row) return;
  const ELEM_LISTE_FINANCES element = row->element;
  Changed(DeleteFinanceRowCommand(element));
}

void PAGE_FINANCES::EditCategories() {
  PROJECT_DOC* document = CurrentDocument();
  if (!document) return;
  Changed(EditItemList(this, *document, ItemKind::kCategories));
}

void PAGE_FINANCES::ShowCharts() {
  if (!year_) return;
  DLG_GRAPHIQUE_FINANCES dialog(this);
  dialog.exec();
  Changed(dialog.ChangedRecords());
}

void PAGE_FINANCES::SortExpensesBy(int column) {
  if (column < 0 || column > static_cast<int>(ExpenseColumn::kDebtor)) return;
  const auto chosen = static_cast<ExpenseColumn>(column);
  sort_ascending_ = sort_column_ == chosen ? !sort_ascending_ : true;
  sort_column_ = chosen;
  QHeaderView* header = expenses_->List().horizontalHeader();
  header->setSortIndicatorShown(true);
  header->setSortIndicator(column, sort_ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
  std::vector<FinanceRow> rows = expenses_->Rows();
  SortExpenseRows(rows, chosen, sort_ascending_);
  expenses_->Show(std::move(rows));
}

std::unique_ptr<QMenu> PAGE_FINANCES::ContextMenu(FinanceListKind list) {
  auto menu = std::make_unique<QMenu>(this);
  const bool selected = ListView(list).Selected() != nullptr;
  if (!selected) {
    if (list == FinanceListKind::kExpenses && year_) {
      menu->addAction(tr("&New expense"), this, &PAGE_FINANCES::NewExpense);
    }
    return menu;
  }
  QString edit;
  QString remove;
  switch (list) {
    case FinanceListKind::kGains:
      edit = tr("&Edit the operation");
      remove = tr("&Delete the operation");
      break;
    case FinanceListKind::kPrizes:
      edit = tr("&Edit the matching event");
      remove = tr("&Delete the prize won");
      break;
    case FinanceListKind::kExpenses:
      edit = tr("&Edit the expense");
      remove = tr("&Delete the expense");
      break;
  }
  menu->addAction(edit, this, [this, list] { EditSelected(list); });
  menu->addAction(remove, this, [this, list] { DeleteSelected(list); });
  return menu;
}

bool PAGE_FINANCES::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return PageView::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  for (FinanceListView* view : {gains_.get(), prizes_.get(), expenses_.get()}) {
    if (watched != &view->List()) continue;
    if (key == Qt::Key_Insert && view->Kind() == FinanceListKind::kExpenses) {
      NewExpense();
      return true;
    }
    if (key == Qt::Key_Delete) {
      DeleteSelected(view->Kind());
      return true;
    }
  }
  return PageView::eventFilter(watched, event);
}

}  // namespace scorvane

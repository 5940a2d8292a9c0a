// The list pages' shared layout, settings, selection, sort commands and
// printing.
#include "pages/common/lists/list_page.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QVBoxLayout>
#include <unordered_set>

#include "base/text_format.h"
#include "records/owner.h"
#include "widgets/app_images.h"
#include "widgets/current_document.h"
#include "widgets/listview/column_settings_store.h"
#include "widgets/listview/list_cell_painter.h"
#include "widgets/listview/list_control.h"
#include "widgets/page_title.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

namespace scorvane {

ListPage::ListPage(int number, ListColumnModel columns, const char* settings_section,
                   QWidget* parent)
    : PageView(number, parent),
      columns_(std::move(columns)),
      list_(new MY_LIST_CONTROL(/*multiple_selection=*/true, /*row_height_from_font=*/true, this)),
      printout_(*list_, [this] { return PrintTitle(); }),
      settings_section_(settings_section),
      title_(NewTitleLabel()),
      layout_(new QVBoxLayout(this)),
      buttons_frame_(NewSunkenFrame()),
      buttons_(new QHBoxLayout(buttons_frame_)),
      columns_button_(new QPushButton(buttons_frame_)),
      print_(new QPushButton(buttons_frame_)) {
  columns_button_->setObjectName(QStringLiteral("columnsButton"));
  print_->setObjectName(QStringLiteral("printButton"));

  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  list_->SetImageList(AppImages::List());
  list_->SetShowSelectionAlways(true);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  list_->installEventFilter(this);

  buttons_->setContentsMargins(8, 6, 8, 6);
  buttons_->addWidget(columns_button_);
  buttons_->addWidget(print_);
  buttons_->addStretch();

  layout_->setContentsMargins(8, 4, 8, 8);
  layout_->setSpacing(6);
  layout_->addWidget(title_);
  layout_->addWidget(list_, 1);
  layout_->addWidget(buttons_frame_);

  connect(columns_button_, &QPushButton::clicked, this, &ListPage::ChooseColumns);
  connect(print_, &QPushButton::clicked, this, &PageView::PrintRequested);
  connect(list_, &MY_LIST_CONTROL::HeaderClicked, this, &ListPage::SortOn);
  connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (std::unique_ptr<QMenu> menu = MakeContextMenu())
      menu->exec(list_->viewport()->mapToGlobal(at));
  });

  WidenForListFont(columns_);
  QSettings store = settings::User();
  ReadColumnSettings(store, QString::fromUtf8(settings_section_), columns_);
}

ListPage::~ListPage() {
  list_->ReadColumnLayout(columns_);
  QSettings store = settings::User();
  WriteColumnSettings(store, QString::fromUtf8(settings_section_), columns_);
}

void ListPage::ShowFirstTime() {
  Retranslate();
  list_->ApplyColumns(columns_);
  Fill();
}

void ListPage::Retranslate() {
  columns_button_->setText(tr("&Columns shown"));
  print_->setText(tr("&Print"));
}

void ListPage::SetTitle(const QString& text) {
  title_->setText(text);
}

QString ListPage::TitleText() const {
  return title_->text();
}

void ListPage::AddAboveList(QWidget* widget) {
  layout_->insertWidget(layout_->indexOf(list_), widget);
}

void ListPage::AddButton(QPushButton* button) {
  buttons_->insertWidget(buttons_added_++, button);
}

void ListPage::AddAfterButtons(QWidget* widget) {
  buttons_->addWidget(widget);
}

void ListPage::RebuildColumns() {
  list_->ReadColumnLayout(columns_);
  const ListColumnModel fresh = MakeColumns();
  for (int column = 0; column < columns_.Count(); ++column)
    columns_.Column(column).title = fresh.Column(column).title;
  list_->ApplyColumns(columns_);
  FillKeepingSelection();
}

void ListPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    RebuildColumns();
  }
  PageView::changeEvent(event);
}

void ListPage::showEvent(QShowEvent* event) {
  PageView::showEvent(event);
  if (stale_) Refresh();
}

void ListPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
}

bool ListPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
      static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
    DeleteSelection();
    return true;
  }
  return PageView::eventFilter(watched, event);
}

void ListPage::InitialUpdate() {
  stale_ = false;
  list_->ClearSelection();
  Fill();
  list_->scrollToTop();
}

void ListPage::Refresh() {
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  stale_ = false;
  FillKeepingSelection();
}

void ListPage::FillKeepingSelection() {
  const std::vector<RowItem> selected = SelectedItems();
  const int scrolled = list_->verticalScrollBar()->value();
  Fill();
  SelectItems(selected);
  list_->verticalScrollBar()->setValue(scrolled);
}

std::vector<RowItem> ListPage::SelectedItems() const {
  std::vector<RowItem> items;
  for (const int row : list_->SelectedRows()) {
    if (RowItem item = list_->Item(row); !item.IsEmpty()) items.push_back(item);
  }
  return items;
}

void ListPage::SelectItems(const std::vector<RowItem>& items) {
  list_->ClearSelection();
  if (items.empty()) return;
  const std::unordered_set<RowItem, RowItem::Hash> wanted(items.begin(), items.end());
  // One selection of whole runs of rows: selecting tens of thousands of rows
  // one by one would cost far more.
  QItemSelection selection;
  const int columns = list_->ColumnCount();
  const int rows = list_->RowCount();
  int run_start = -1;
  const auto close_run = [&](int end) {
    if (run_start < 0) return;
    selection.select(list_->Model().index(run_start, 0), list_->Model().index(end, columns - 1));
    run_start = -1;
  };
  int first = -1;
  for (int row = 0; row < rows; ++row) {
    if (wanted.count(list_->Item(row))) {
      if (run_start < 0) run_start = row;
      if (first < 0) first = row;
    } else {
      close_run(row - 1);
    }
  }
  close_run(rows - 1);
  if (first < 0 || columns == 0) return;
  list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  list_->selectionModel()->setCurrentIndex(list_->Model().index(first, 0),
                                           QItemSelectionModel::NoUpdate);
}

void ListPage::SelectOnly(int row) {
  list_->ClearSelection();
  if (row < 0) return;
  list_->SelectItem(row);
  list_->scrollTo(list_->Model().index(row, 0));
}

void ListPage::ChooseColumns() {
  list_->ReadColumnLayout(columns_);
  if (!ChooseShownColumns(columns_)) return;
  const std::vector<RowItem> selected = SelectedItems();
  list_->ApplyColumns(columns_);
  Fill();
  SelectItems(selected);
}

void ListPage::SortOn(int column) {
  list_->ReadColumnLayout(columns_);
  if (columns_.MakePrimary(column)) Resort();
}

void ListPage::SetSortDirection(bool ascending) {
  columns_.SetDirection(ascending);
  Resort();
}

void ListPage::Resort() {
  const std::vector<RowItem> selected = SelectedItems();
  ShowSorted();
  SelectItems(selected);
  // The first selected line stays in sight; without one, the list starts
  // from the top of its new order.
  const int first = list_->FirstSelectedRow();
  if (first >= 0) {
    list_->scrollTo(list_->Model().index(first, 0));
  } else {
    list_->scrollToTop();
  }
}

void ListPage::AddColumnEntries(QMenu& menu, const QString& sort_title,
                                std::initializer_list<SortCommand> commands) {
  connect(menu.addAction(tr("Columns shown")), &QAction::triggered, this, &ListPage::ChooseColumns);
  QMenu* sort = menu.addMenu(sort_title);
  const int primary = columns_.PrimaryColumn();
  for (const SortCommand& command : commands) {
    QAction* action = sort->addAction(command.text);
    action->setCheckable(true);
    action->setChecked(primary == command.column);
    const int column = command.column;
    connect(action, &QAction::triggered, this, [this, column] { SortOn(column); });
  }
  sort->addSeparator();
  const bool reversed = primary >= 0 && columns_.Column(primary).reverse;
  QAction* ascending = sort->addAction(tr("In ascending order"));
  QAction* descending = sort->addAction(tr("In descending order"));
  ascending->setCheckable(true);
  descending->setCheckable(true);
  ascending->setChecked(primary >= 0 && !reversed);
  descending->setChecked(reversed);
  connect(ascending, &QAction::triggered, this, [this] { SetSortDirection(true); });
  connect(descending, &QAction::triggered, this, [this] { SetSortDirection(false); });
}

QString ListPage::PrintTitle() const {
  const QString page = PageTitle(PageNumber(), TitleYear());
  const UTILISATEUR* owner = CurrentOwner();
  if (!owner) return page;
  return QString::fromStdString(
      FormatText("%s %s - %s", {owner->GetFirstName(), owner->GetLastName(), page.toStdString()}));
}

int ListPage::Paginate(QPainter& painter, const QRectF& area) {
  return printout_.Paginate(painter, area);
}

void ListPage::PaintPage(QPainter& painter, const QRectF& area, int index) {
  printout_.PaintPage(painter, area, index);
}

}  // namespace scorvane

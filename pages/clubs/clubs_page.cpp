#include "pages/clubs/clubs_page.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>
#include <vector>

#include "records/club.h"
#include "records/document.h"
#include "widgets/current_document.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"

namespace scorvane {

PAGE_CLUBS::PAGE_CLUBS(QWidget* parent)
    : PageView(kClubs, parent),
      title_(NewTitleLabel()),
      list_(new MY_LIST_CONTROL(/*multiple_selection=*/true, /*row_height_from_font=*/true, this)),
      bottom_frame_(NewSunkenFrame()) {
  bottom_frame_->setFixedHeight(16);

  // The title keeps its height at the top, the frame its height at the
  // bottom, and the list takes the rest over the full width.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->setSpacing(6);
  layout->addWidget(title_);
  layout->addWidget(list_, 1);
  layout->addWidget(bottom_frame_);
  // Codes, telephone numbers and names are shown whole while the page has room.
  list_->SetColumnsFollowContents(true);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list_, &MY_LIST_CONTROL::RowActivated, this, &PAGE_CLUBS::OpenInEditor);
  connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    MakeContextMenu()->exec(list_->viewport()->mapToGlobal(at));
  });
  InitialUpdate();
}

CLUB* PAGE_CLUBS::SelectedClub() const {
  return list_->Item(list_->FirstSelectedRow()).As<CLUB>();
}

std::unique_ptr<QMenu> PAGE_CLUBS::MakeContextMenu() {
  auto menu = std::make_unique<QMenu>();
  menu->addAction(tr("&New club"), this, [this] { Run(ItemAction::kAdd); });
  const bool one = SelectedClub() != nullptr;
  menu->addAction(tr("&Rename the club"), this, [this] { Run(ItemAction::kRename); })
      ->setEnabled(one);
  menu->addAction(tr("&Delete the club"), this, [this] { Run(ItemAction::kDelete); })
      ->setEnabled(one);
  return menu;
}

void PAGE_CLUBS::OpenInEditor(int row) {
  PROJECT_DOC* document = CurrentDocument();
  if (!document || row < 0) return;
  EditItemList(this, *document, ItemKind::kClubs,
               static_cast<const CObject*>(list_->Item(row).As<CLUB>()));
  Refresh();
}

void PAGE_CLUBS::Run(ItemAction action) {
  PROJECT_DOC* document = CurrentDocument();
  if (!document) return;
  RunItemAction(this, *document, ItemKind::kClubs, action, SelectedClub());
  Refresh();
}

void PAGE_CLUBS::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ScreenColours::Background());
}

void PAGE_CLUBS::InitialUpdate() {
  list_->RemoveAllColumns();
  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  title_->setText(tr("Recorded clubs"));
  list_->InsertColumn(0, tr("Club code"), ColumnAlignment::kLeft, 60);
  list_->InsertColumn(1, tr("Club name"), ColumnAlignment::kLeft, 200);
  list_->InsertColumn(2, tr("Club phone"), ColumnAlignment::kLeft, 60);
  list_->InsertColumn(3, tr("Club address"), ColumnAlignment::kLeft, 250);
}

void PAGE_CLUBS::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    InitialUpdate();
    Refresh();
  }
  PageView::changeEvent(event);
}

void PAGE_CLUBS::Refresh() {
  std::vector<ListRow> rows;
  if (const UTILISATEUR* owner = CurrentOwner()) {
    rows.reserve(static_cast<size_t>(owner->Clubs().Count()));
    for (CLUB* club : owner->Clubs()) {
      ListRow row;
      row.texts = {QString::fromStdString(club->CodeText()), QString::fromStdString(club->Name()),
                   QString::fromStdString(club->Phone()), QString::fromStdString(club->Address())};
      row.item = club;
      rows.push_back(std::move(row));
    }
  }
  list_->SetRows(std::move(rows));
}

}  // namespace scorvane

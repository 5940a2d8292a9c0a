#include "pages/common/matches/match_viewer.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "base/catalogue/messages.h"
#include "records/match.h"
#include "widgets/hint_box.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

DLG_VISU_RENCONTRES::MatchOpener& Opener() {
  static DLG_VISU_RENCONTRES::MatchOpener opener;
  return opener;
}

struct ColumnLook {
  int title;  // catalogue number
  int width;
  ColumnAlignment alignment;
};

// In the order of ViewerColumn.
constexpr ColumnLook kColumns[kViewerColumnCount] = {
    {547, 25, ColumnAlignment::kCentre}, {548, 135, ColumnAlignment::kLeft},
    {277, 58, ColumnAlignment::kCentre}, {305, 66, ColumnAlignment::kCentre},
    {296, 68, ColumnAlignment::kLeft},   {298, 100, ColumnAlignment::kLeft},
    {301, 82, ColumnAlignment::kLeft},
};

}  // namespace

void DLG_VISU_RENCONTRES::SetMatchOpener(MatchOpener opener) {
  Opener() = std::move(opener);
}

void DLG_VISU_RENCONTRES::ShowGroup(const MatchGroups& groups, std::int64_t id, QWidget* parent) {
  const GROUPE_RENCONTRES* group = FindGroup(groups, id);
  if (!group) return;
  List<RENCONTRE*> matches;
  for (RENCONTRE* match : group->matches)
    matches.Append(match);
  DLG_VISU_RENCONTRES viewer(QString::fromStdString(group->label), matches, parent);
  viewer.exec();
}

DLG_VISU_RENCONTRES::DLG_VISU_RENCONTRES(const QString& title, const List<RENCONTRE*>& matches,
                                         QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("matchViewer"));
  setWindowTitle(tr("Match viewer"));
  FillBackground(*this, ScreenColours::DialogBackground());

  // Copied the way the list was always copied: each match at the front, so
  // the rows start in the reverse order before the first sort.
  int won = 0;
  for (RENCONTRE* match : matches) {
    matches_.Add(match);
    if (match->Result().IsWon()) ++won;
  }

  auto* heading = new QLabel(title, this);
  heading->setObjectName(QStringLiteral("viewerTitle"));
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  heading->setWordWrap(true);

  list_ = new MY_LIST_CONTROL(/*multiple_selection=*/false, /*row_height_from_font=*/true, this);
  list_->setObjectName(QStringLiteral("viewerList"));
  QPalette list_palette = list_->palette();
  list_palette.setColor(QPalette::Base, QColor(255, 216, 176));
  list_->setPalette(list_palette);
  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  list_->SetShowSelectionAlways(true);
  list_->horizontalHeader()->setSectionsMovable(false);
  // The result column is narrower than the header's usual minimum.
  list_->horizontalHeader()->setMinimumSectionSize(16);
  list_->RemoveAllColumns();
  for (int column = 0; column < kViewerColumnCount; ++column) {
    const ColumnLook& look = kColumns[column];
    list_->InsertColumn(column, QString::fromUtf8(Msg(look.title)), look.alignment, look.width);
  }
  connect(list_, &MY_LIST_CONTROL::HeaderClicked, this, &DLG_VISU_RENCONTRES::HeadingClicked);
  connect(list_, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { OpenRow(index.row()); });

  total_ = new QLabel(
      QString::fromStdString(MatchViewerTotal(static_cast<int>(matches_.Count()), won)), this);
  total_->setObjectName(QStringLiteral("viewerTotal"));

  QFrame* hint = MakeHintBox(this, QString(),
                             tr("To see one of the matches in detail, \"double-click\" on it!"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("okButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(list_, 1);
  layout->addWidget(total_);
  layout->addWidget(hint);
  layout->addWidget(buttons);
  Fill();
  // Wide enough for every column, as far as the screen allows.
  int columns_width = 0;
  for (int column = 0; column < kViewerColumnCount; ++column)
    columns_width += list_->columnWidth(column);
  const int frame = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
  resize(std::max(600, columns_width + frame + layout->contentsMargins().left() +
                           layout->contentsMargins().right()),
         420);
}

QString DLG_VISU_RENCONTRES::TotalText() const {
  return total_->text();
}

void DLG_VISU_RENCONTRES::HeadingClicked(int column) {
  if (column < 0 || column >= kViewerColumnCount) return;
  const auto clicked = static_cast<ViewerColumn>(column);
  if (clicked == sort_column_) {
    descending_ = !descending_;
  } else {
    sort_column_ = clicked;
    descending_ = false;
  }
  Sort();
}

void DLG_VISU_RENCONTRES::OpenRow(int row) {
  if (row < 0 || row >= list_->RowCount() || !Opener()) return;
  RENCONTRE* match = list_->Item(row).As<RENCONTRE>();
  if (!match) return;
  RENCONTRE* changed = Opener()(this, *match);
  if (!changed) return;
  if (changed != match) matches_.Replace(match, changed);
  Fill();
}

void DLG_VISU_RENCONTRES::Fill() {
  std::vector<ListRow> rows;
  rows.reserve(static_cast<size_t>(matches_.Count()));
  for (RENCONTRE* match : matches_) {
    ListRow row;
    for (int column = 0; column < kViewerColumnCount; ++column) {
      row.texts.push_back(
          QString::fromStdString(ViewerCellText(*match, static_cast<ViewerColumn>(column))));
    }
    row.item = match;
    rows.push_back(std::move(row));
  }
  list_->SetRows(std::move(rows));
  FitColumns();
  Sort();
}

void DLG_VISU_RENCONTRES::FitColumns() {
  // The widths are those of the list's first small font: a column grows
  // when its heading or its texts need more room.
  for (int column = 0; column < kViewerColumnCount; ++column)
    list_->setColumnWidth(column, std::max(kColumns[column].width, list_->FittingWidth(column)));
}

void DLG_VISU_RENCONTRES::Sort() {
  std::vector<const RENCONTRE*> shown;
  for (const RowItem& item : list_->Model().Items())
    shown.push_back(item.As<RENCONTRE>());
  list_->Model().Reorder(ViewerOrder(shown, sort_column_, descending_));
}

}  // namespace scorvane

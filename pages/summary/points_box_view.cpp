#include "pages/summary/points_box_view.h"

#include "pages/common/rules_choice.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/catalogue_text.h"
#include "widgets/listview/list_control.h"
#include "widgets/width_reflow.h"

namespace scorvane {
namespace {

// From this width the lines and the list stand side by side.
constexpr int kWideFrom = 700;

enum : int {
  kMsgKeptForCalculation = 159,
  kMsgCalculationDetails = 161,
};

}  // namespace

PointsBoxView::PointsBoxView(QWidget* parent)
    : QFrame(parent),
      title_(new QLabel(this)),
      lines_(new QWidget(this)),
      lines_grid_(new QGridLayout(lines_)),
      list_(new MY_LIST_CONTROL(/*multiple_selection=*/false, /*row_height_from_font=*/true, this)),
      details_(new QPushButton(this)),
      rules_(new RulesComboBox(this)) {
  setObjectName(QStringLiteral("pointsBox"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  title_->setObjectName(QStringLiteral("pointsTitle"));
  list_->setObjectName(QStringLiteral("pointsList"));
  details_->setObjectName(QStringLiteral("calculationDetails"));
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  // Names, dates, events and points are shown whole while the box has room;
  // a group heading runs across the whole list and takes no column's room.
  list_->SetColumnsFollowContents(true);
  list_->SetGroupHeadingsSpanRow(true);
  lines_grid_->setContentsMargins(0, 0, 0, 0);
  lines_grid_->setVerticalSpacing(1);

  auto* left = new QVBoxLayout;
  left->addWidget(title_);
  left->addWidget(rules_);
  left->addWidget(lines_);
  left->addStretch();
  left->addWidget(details_);
  auto* layout = new QBoxLayout(QBoxLayout::LeftToRight, this);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->addLayout(left);
  layout->addWidget(list_, 1);
  // A narrow box shows the list under the lines, as wide as the box, so
  // that names and events are not cut.
  list_->setMinimumHeight(90);
  (new WidthReflow(this, kWideFrom))
      ->Follow(layout, QBoxLayout::LeftToRight, QBoxLayout::TopToBottom);
  connect(details_, &QPushButton::clicked, this, &PointsBoxView::DetailsRequested);
  connect(rules_, &RulesComboBox::rulesChosen, this, &PointsBoxView::rulesChosen);
  Retranslate();
  Show(PointsBox());
}

void PointsBoxView::ShowRulesChoice(bool shown) {
  rules_->Reload();
  rules_->setVisible(shown);
}

void PointsBoxView::Retranslate() {
  details_->setText(CatalogueText(kMsgCalculationDetails));
  details_->setToolTip(CatalogueText(kMsgCalculationDetails));
  list_->setToolTip(CatalogueText(kMsgKeptForCalculation));
}

void PointsBoxView::Show(const PointsBox& box) {
  box_ = box;
  title_->setText(QString::fromStdString(box.title));
  while (QLayoutItem* item = lines_grid_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (size_t i = 0; i < box.lines.size(); ++i) {
    const auto row = static_cast<int>(i);
    lines_grid_->addWidget(new QLabel(QString::fromStdString(box.lines[i].label), lines_), row, 0);
    auto* value = new QLabel(QString::fromStdString(box.lines[i].value), lines_);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lines_grid_->addWidget(value, row, 1);
  }

  list_->RemoveAllColumns();
  for (size_t i = 0; i < box.columns.size(); ++i) {
    list_->InsertColumn(
        static_cast<int>(i), QString::fromStdString(box.columns[i]),
        i + 1 == box.columns.size() ? ColumnAlignment::kCentre : ColumnAlignment::kLeft);
    // The last six columns are the opponent, rank, date, score, event and
    // points (after the result, when shown): names, scores and events give
    // up room, the codes, dates and points never.
    const size_t from_end = box.columns.size() - i;
    list_->SetColumnKeptWhole(static_cast<int>(i), from_end != 6 && from_end != 3 && from_end != 2);
  }
  std::vector<ListRow> rows;
  list_->ClearGroupStarts();
  list_->ClearGroupColours();
  for (const PointsRow& row : box.rows) {
    ListRow list_row;
    for (const std::string& cell : row.cells)
      list_row.texts.push_back(QString::fromStdString(cell));
    list_row.texts.resize(box.columns.size());
    if (row.heading) list_->AddGroupStart(static_cast<int>(rows.size()));
    rows.push_back(std::move(list_row));
  }
  if (!rows.empty()) {
    list_->AddGroupColours(list_pairs::kCream);
    list_->AddGroupColours(list_pairs::kYellow);
    list_->AddGroupColours(list_pairs::kGreen);
    list_->AddGroupColours(list_pairs::kBlue);
  }
  list_->SetRows(std::move(rows));

  title_->setVisible(box.shown);
  lines_->setVisible(box.shown);
  list_->setVisible(box.shown);
  details_->setVisible(box.shown);
}

QStringList PointsBoxView::LineTexts() const {
  QStringList texts;
  for (const std::string& line : box_.TextLines())
    texts << QString::fromStdString(line);
  return texts;
}

void PointsBoxView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QFrame::changeEvent(event);
}

}  // namespace scorvane

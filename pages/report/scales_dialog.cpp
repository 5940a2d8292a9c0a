#include "pages/report/scales_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"

namespace scorvane {

DLG_BAREMES::DLG_BAREMES(french::ScalesTableKind table, QWidget* parent)
    : QDialog(parent),
      list_(new MY_LIST_CONTROL(/*multiple_selection=*/false, /*row_height_from_font=*/true, this)),
      explanation_(new QLabel(this)) {
  setObjectName(QStringLiteral("scalesDialog"));
  FillBackground(*this, ScreenColours::DialogBackground());
  list_->setObjectName(QStringLiteral("scalesList"));
  list_->setMinimumSize(470, 340);
  list_->horizontalHeader()->setStretchLastSection(false);
  list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
  explanation_->setObjectName(QStringLiteral("scalesExplanation"));
  explanation_->setWordWrap(true);
  explanation_->setAlignment(Qt::AlignCenter);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(explanation_);
  layout->addWidget(buttons);

  if (!french::ScalesTablesShown()) return;
  const french::ScalesTable scales = french::BuildScalesTable(table);
  setWindowTitle(QString::fromStdString(scales.caption));
  // The explanations start or end with a line break of their own: the label
  // keeps only the text.
  explanation_->setText(QString::fromStdString(scales.explanation).trimmed());
  for (size_t column = 0; column < scales.columns.size(); ++column) {
    list_->InsertColumn(static_cast<int>(column), QString::fromStdString(scales.columns[column]),
                        column == 0 ? ColumnAlignment::kLeft : ColumnAlignment::kCentre, 80);
  }
  std::vector<ListRow> rows;
  rows.reserve(scales.rows.size());
  for (const std::vector<std::string>& cells : scales.rows) {
    ListRow row;
    for (const std::string& cell : cells)
      row.texts.push_back(QString::fromStdString(cell));
    rows.push_back(std::move(row));
  }
  list_->SetRows(std::move(rows));
  ShareColumnWidths();
}

void DLG_BAREMES::ShareColumnWidths() {
  const int columns = list_->ColumnCount();
  if (columns == 0) return;
  const int width = (list_->width() - 16) / columns;
  for (int column = 0; column < columns; ++column)
    list_->setColumnWidth(column, width);
}

void DLG_BAREMES::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ShareColumnWidths();
}

}  // namespace scorvane

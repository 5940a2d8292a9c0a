#include "pages/matches/match_columns_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/matches/match_columns.h"
#include "widgets/screen_colours.h"

namespace scorvane {

DLG_COLONNES_PALMARES::DLG_COLONNES_PALMARES(const ListColumnModel& columns, bool french_system,
                                             QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("matchColumnsDialog"));
  setWindowTitle(tr("Columns shown"));
  FillBackground(*this, ScreenColours::DialogBackground());

  auto* group = new QGroupBox(this);
  FillBackground(*group, ScreenColours::DialogFrame());
  auto* grid = new QGridLayout(group);
  // Two columns of boxes, in column order down the first then the second.
  const int rows = (columns.Count() + 1) / 2;
  for (int column = 0; column < columns.Count(); ++column) {
    auto* box = new QCheckBox(QString::fromStdString(columns.Column(column).title), group);
    box->setObjectName(QStringLiteral("column%1Box").arg(column));
    box->setChecked(columns.Column(column).shown);
    grid->addWidget(box, column % rows, column / rows);
    boxes_.push_back(box);
    shown_.push_back(columns.Column(column).shown);
  }
  if (match_column::kFutureRank < columns.Count())
    boxes_[match_column::kFutureRank]->setVisible(french_system);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);
}

std::vector<bool> DLG_COLONNES_PALMARES::ShownFlags() const {
  std::vector<bool> flags = shown_;
  for (size_t column = 0; column < boxes_.size(); ++column) {
    if (!boxes_[column]->isHidden()) flags[column] = boxes_[column]->isChecked();
  }
  return flags;
}

bool DLG_COLONNES_PALMARES::Choose(QWidget* parent, ListColumnModel& columns, bool french_system) {
  DLG_COLONNES_PALMARES dialog(columns, french_system, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const std::vector<bool> flags = dialog.ShownFlags();
  for (int column = 0; column < columns.Count(); ++column)
    columns.Column(column).shown = flags[static_cast<size_t>(column)];
  return true;
}

}  // namespace scorvane

#include "pages/finances/operations_viewer.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/finances/finance_list_view.h"
#include "pages/finances/operation_commands.h"
#include "widgets/current_document.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"
#include "widgets/translated_texts.h"

namespace scorvane {

DLG_VISUALISATION_OPERATIONS::DLG_VISUALISATION_OPERATIONS(const OperationsView& view,
                                                           QWidget* parent)
    : QDialog(parent),
      view_(view),
      heading_(new QLabel(this)),
      list_(std::make_unique<FinanceListView>(FinanceListKind::kExpenses, this)) {
  setObjectName(QStringLiteral("operationsViewer"));
  FillBackground(*this, ScreenColours::DialogBackground());
  heading_->setObjectName(QStringLiteral("viewerHeading"));
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  list_->List().setObjectName(QStringLiteral("viewerList"));
  connect(&list_->List(), &MY_LIST_CONTROL::RowActivated, this,
          &DLG_VISUALISATION_OPERATIONS::EditSelected);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(&list_->List(), 1);
  layout->addWidget(buttons);
  resize(760, 360);
  KeepTranslated(this, [this] {
    setWindowTitle(tr("Financial operations"));
    list_->SetUpColumns();
    Rebuild();
  });
}

DLG_VISUALISATION_OPERATIONS::~DLG_VISUALISATION_OPERATIONS() = default;

void DLG_VISUALISATION_OPERATIONS::Rebuild() {
  const UTILISATEUR* owner = CurrentOwner();
  const SAISON_JOUEUR* season = owner ? owner->GetActiveSeason() : nullptr;
  std::vector<FinanceRow> rows =
      season ? OperationsViewRows(*season, view_) : std::vector<FinanceRow>();
  heading_->setText(QString::fromStdString(OperationsViewHeading(view_, rows)));
  list_->Show(std::move(rows));
}

void DLG_VISUALISATION_OPERATIONS::EditSelected() {
  const FinanceRow* row = list_->Selected();
  if (!row) return;
  const ELEM_LISTE_FINANCES element = row->element;
  if (!EditFinanceRowCommand(this, element)) return;
  changed_ = true;
  Rebuild();
}

}  // namespace scorvane

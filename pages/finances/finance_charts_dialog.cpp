#include "pages/finances/finance_charts_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/finances/operations_viewer.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/current_document.h"
#include "widgets/screen_colours.h"
#include "widgets/translated_texts.h"

namespace scorvane {
namespace {

constexpr int kValueZone = 2;

}  // namespace

DLG_GRAPHIQUE_FINANCES::DLG_GRAPHIQUE_FINANCES(QWidget* parent)
    : QDialog(parent), choices_(new QListWidget(this)), chart_(new ChartWidget(this)) {
  setObjectName(QStringLiteral("financeChartsDialog"));
  FillBackground(*this, ScreenColours::DialogBackground());
  choices_->setObjectName(QStringLiteral("chartList"));
  chart_->setObjectName(QStringLiteral("financeChart"));
  for (int index = 0; index < kFinanceChartCount; ++index)
    choices_->addItem(QString());
  choices_->setMaximumWidth(190);
  connect(choices_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < kFinanceChartCount) Choose(static_cast<FinanceChart>(row));
  });
  connect(chart_, &ChartWidget::zoneClicked, this, &DLG_GRAPHIQUE_FINANCES::OpenValue);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* body = new QHBoxLayout;
  body->addWidget(choices_);
  body->addWidget(chart_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);
  resize(820, 480);
  choices_->setCurrentRow(static_cast<int>(chosen_));
  KeepTranslated(this, [this] {
    setWindowTitle(tr("Active season finances"));
    for (int index = 0; index < kFinanceChartCount; ++index) {
      choices_->item(index)->setText(
          QString::fromStdString(FinanceChartName(static_cast<FinanceChart>(index))));
    }
    Rebuild();
  });
}

void DLG_GRAPHIQUE_FINANCES::Choose(FinanceChart chart) {
  chosen_ = chart;
  if (choices_->currentRow() != static_cast<int>(chart)) {
    choices_->setCurrentRow(static_cast<int>(chart));
  }
  Rebuild();
}

void DLG_GRAPHIQUE_FINANCES::Rebuild() {
  const UTILISATEUR* owner = CurrentOwner();
  const SAISON_JOUEUR* season = owner ? owner->GetActiveSeason() : nullptr;
  if (!season) {
    chart_->Model().Clear();
    return;
  }
  BuildFinanceChart(chart_->Model(), chosen_, *owner, *season);
}

void DLG_GRAPHIQUE_FINANCES::OpenValue(int code, qint64 id) {
  const UTILISATEUR* owner = CurrentOwner();
  if (code != kValueZone || !owner) return;
  const std::optional<OperationsView> view = ViewOfChartId(*owner, id);
  if (!view) return;
  DLG_VISUALISATION_OPERATIONS viewer(*view, this);
  const bool accepted = viewer.exec() == QDialog::Accepted;
  changed_ = changed_ || viewer.ChangedRecords();
  if (accepted || viewer.ChangedRecords()) Rebuild();
}

}  // namespace scorvane

#include "pages/common/rankings/ranking_evolution_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "pages/common/rankings/ranking_history_dialog.h"
#include "records/document.h"
#include "records/player.h"
#include "stats/evolution_charts.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/current_document.h"
#include "widgets/screen_colours.h"

namespace scorvane {

DLG_EVOLUTION_CLASSEMENT::DLG_EVOLUTION_CLASSEMENT(PROJECT_DOC& document, JOUEUR& player,
                                                   QWidget* parent)
    : QDialog(parent),
      document_(document),
      player_(player),
      chart_(new ChartWidget(this)),
      edit_(new QPushButton(this)) {
  setObjectName(QStringLiteral("rankingEvolution"));
  FillBackground(*this, ScreenColours::DialogBackground());
  chart_->setObjectName(QStringLiteral("evolutionChart"));
  chart_->setMinimumSize(560, 380);
  connect(chart_, &ChartWidget::zoneClicked, this, &DLG_EVOLUTION_CLASSEMENT::ChartClicked);
  edit_->setObjectName(QStringLiteral("editButton"));
  edit_->setText(tr("&Edit"));
  edit_->setAutoDefault(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
  buttons->addButton(edit_, QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(edit_, &QPushButton::clicked, this, &DLG_EVOLUTION_CLASSEMENT::EditHistory);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chart_, 1);
  layout->addWidget(buttons);
  Rebuild();
}

DLG_EVOLUTION_CLASSEMENT::~DLG_EVOLUTION_CLASSEMENT() = default;

const ChartModel& DLG_EVOLUTION_CLASSEMENT::ChartData() const {
  return chart_->Model();
}

void DLG_EVOLUTION_CLASSEMENT::Rebuild() {
  const std::string title = FormatText(Msg(480), {player_.GetFirstName(), player_.GetLastName()});
  setWindowTitle(QString::fromStdString(title));
  BuildRankingEvolution(chart_->Model(), player_, title);
}

void DLG_EVOLUTION_CLASSEMENT::OpenEditor(qint64 entry) {
  const CLASSEMENT_DATE* selected = nullptr;
  qint64 index = 0;
  for (const CLASSEMENT_DATE* candidate : player_.History().Entries()) {
    if (index++ == entry) selected = candidate;
  }
  DLG_EDIT_CLASSEMENTS dialog(document_, player_, selected, this);
  dialog.exec();
  Rebuild();
}

void DLG_EVOLUTION_CLASSEMENT::EditHistory() {
  OpenEditor(-1);
}

void DLG_EVOLUTION_CLASSEMENT::ChartClicked(int, qint64 id) {
  if (id >= 0 && id < player_.History().Count()) OpenEditor(id);
}

void ShowRankingEvolution(QWidget* parent, JOUEUR& player) {
  PROJECT_DOC* document = CurrentDocument();
  if (!document) return;
  DLG_EVOLUTION_CLASSEMENT dialog(*document, player, parent);
  dialog.exec();
}

}  // namespace scorvane

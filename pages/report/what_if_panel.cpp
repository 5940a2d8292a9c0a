#include "pages/report/what_if_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "estimates/modern/echelons.h"
#include "pages/common/rules_choice.h"

namespace scorvane {

using modern::PlannedMatch;

WhatIfPanel::WhatIfPanel(QWidget* parent)
    : QFrame(parent),
      heading_(new QLabel(this)),
      result_(new QComboBox(this)),
      opponent_(new QComboBox(this)),
      kind_(new QComboBox(this)),
      format_(new QComboBox(this)),
      add_(new QPushButton(this)),
      change_(new QPushButton(this)),
      remove_(new QPushButton(this)),
      clear_(new QPushButton(this)),
      list_(new QListWidget(this)),
      changes_(new QLabel(this)) {
  setObjectName(QStringLiteral("whatIfPanel"));
  setFrameShape(QFrame::StyledPanel);
  result_->setObjectName(QStringLiteral("plannedResult"));
  opponent_->setObjectName(QStringLiteral("plannedOpponent"));
  kind_->setObjectName(QStringLiteral("plannedKind"));
  format_->setObjectName(QStringLiteral("plannedFormat"));
  add_->setObjectName(QStringLiteral("addPlanned"));
  change_->setObjectName(QStringLiteral("changePlanned"));
  remove_->setObjectName(QStringLiteral("removePlanned"));
  clear_->setObjectName(QStringLiteral("clearPlanned"));
  list_->setObjectName(QStringLiteral("plannedMatches"));
  changes_->setObjectName(QStringLiteral("plannedChanges"));
  changes_->setWordWrap(true);
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  for (int echelon = modern::kNC; echelon <= modern::kTopB; ++echelon)
    opponent_->addItem(QString::fromStdString(modern::EchelonText(echelon, false)), echelon);

  auto* editors = new QGridLayout;
  editors->addWidget(result_, 0, 0);
  editors->addWidget(opponent_, 0, 1);
  editors->addWidget(kind_, 1, 0);
  editors->addWidget(format_, 1, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {add_, change_, remove_, clear_})
    buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addLayout(editors);
  layout->addLayout(buttons);
  layout->addWidget(list_, 1);
  layout->addWidget(changes_);

  connect(add_, &QPushButton::clicked, this, &WhatIfPanel::Add);
  connect(change_, &QPushButton::clicked, this, &WhatIfPanel::ChangeSelected);
  connect(remove_, &QPushButton::clicked, this, &WhatIfPanel::RemoveSelected);
  connect(clear_, &QPushButton::clicked, this, &WhatIfPanel::Clear);
  connect(list_, &QListWidget::currentRowChanged, this, &WhatIfPanel::LoadSelected);
  Retranslate();
  ShowPlan();
}

void WhatIfPanel::Retranslate() {
  heading_->setText(tr("What if... (planned matches, not saved)"));
  const auto refill = [](QComboBox* box, const QStringList& texts) {
    const int current = std::max(0, box->currentIndex());
    box->clear();
    box->addItems(texts);
    box->setCurrentIndex(current);
  };
  refill(result_, {tr("Won against"), tr("Lost against")});
  refill(kind_, {tr("Tournament"), tr("Individual championship"), tr("Team event")});
  refill(format_, {tr("Classic format"), tr("No-ad"), tr("Four games a set"),
                   tr("Tie-break for the 3rd set")});
  add_->setText(tr("&Add"));
  change_->setText(tr("C&hange"));
  remove_->setText(tr("&Remove"));
  clear_->setText(tr("C&lear all"));
}

QString WhatIfPanel::Describe(const PlannedMatch& match) const {
  return QStringLiteral("%1 %2 · %3 · %4")
      .arg(result_->itemText(match.won ? 0 : 1),
           QString::fromStdString(modern::EchelonText(match.opponent, false)),
           kind_->itemText(static_cast<int>(match.kind)),
           format_->itemText(static_cast<int>(match.format)));
}

void WhatIfPanel::ShowPlan() {
  const int row = list_->currentRow();
  const QSignalBlocker blocker(list_);
  list_->clear();
  for (const PlannedMatch& match : PlannedMatches())
    list_->addItem(Describe(match));
  list_->setCurrentRow(std::min(row, list_->count() - 1));
  change_->setEnabled(list_->currentRow() >= 0);
  remove_->setEnabled(list_->currentRow() >= 0);
  clear_->setEnabled(list_->count() > 0);
}

void WhatIfPanel::SetChanges(const QString& text) {
  changes_->setText(text);
}

PlannedMatch WhatIfPanel::Edited() const {
  PlannedMatch match;
  match.won = result_->currentIndex() == 0;
  match.opponent = opponent_->currentData().toInt();
  match.kind = static_cast<PlannedMatch::Kind>(kind_->currentIndex());
  match.format = static_cast<PlannedMatch::Format>(format_->currentIndex());
  return match;
}

void WhatIfPanel::LoadSelected() {
  const int row = list_->currentRow();
  change_->setEnabled(row >= 0);
  remove_->setEnabled(row >= 0);
  if (row < 0) return;
  const PlannedMatch& match = PlannedMatches()[static_cast<size_t>(row)];
  result_->setCurrentIndex(match.won ? 0 : 1);
  opponent_->setCurrentIndex(opponent_->findData(match.opponent));
  kind_->setCurrentIndex(static_cast<int>(match.kind));
  format_->setCurrentIndex(static_cast<int>(match.format));
}

void WhatIfPanel::Add() {
  PlannedMatches().push_back(Edited());
  ShowPlan();
  list_->setCurrentRow(list_->count() - 1);
  emit planChanged();
}

void WhatIfPanel::ChangeSelected() {
  const int row = list_->currentRow();
  if (row < 0) return;
  PlannedMatches()[static_cast<size_t>(row)] = Edited();
  ShowPlan();
  emit planChanged();
}

void WhatIfPanel::RemoveSelected() {
  const int row = list_->currentRow();
  if (row < 0) return;
  PlannedMatches().erase(PlannedMatches().begin() + row);
  ShowPlan();
  emit planChanged();
}

void WhatIfPanel::Clear() {
  PlannedMatches().clear();
  ShowPlan();
  emit planChanged();
}

void WhatIfPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    ShowPlan();
  }
  QFrame::changeEvent(event);
}

}  // namespace scorvane

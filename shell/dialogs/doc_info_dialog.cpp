#include "shell/dialogs/doc_info_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace scorvane {

DLG_DOC_INFO::DLG_DOC_INFO(const DocumentInfo& info, QWidget* parent) : QDialog(parent) {
  auto* form = new QFormLayout;
  const std::array<int, kFieldCount - 1> counts = {info.seasons,   info.events,  info.matches,
                                                   info.singles,   info.doubles, info.players,
                                                   info.anonymous, info.contacts};
  for (int i = 0; i < kFieldCount; ++i) {
    labels_[static_cast<size_t>(i)] = new QLabel(this);
    auto* field = new QLineEdit(this);
    field->setReadOnly(true);
    field->setObjectName(QStringLiteral("infoField%1").arg(i));
    field->setText(i < kFieldCount - 1 ? QString::number(counts[static_cast<size_t>(i)])
                                       : QString::fromStdString(info.ranking_system));
    if (i < kFieldCount - 1) {
      field->setAlignment(Qt::AlignRight);
      field->setMaximumWidth(80);
    } else {
      field->setMinimumWidth(220);
    }
    fields_[static_cast<size_t>(i)] = field;
    form->addRow(labels_[static_cast<size_t>(i)], field);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  Retranslate();
}

QString DLG_DOC_INFO::FieldText(int index) const {
  if (index < 0 || index >= kFieldCount) return {};
  return fields_[static_cast<size_t>(index)]->text();
}

void DLG_DOC_INFO::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void DLG_DOC_INFO::Retranslate() {
  setWindowTitle(tr("Information about the current document"));
  const std::array<QString, kFieldCount> texts = {tr("Number of seasons :"),
                                                  tr("Number of different events :"),
                                                  tr("Total number of matches :"),
                                                  tr("Singles :"),
                                                  tr("Doubles :"),
                                                  tr("Number of listed players :"),
                                                  tr("Number of anonymous players :"),
                                                  tr("Number of contacts :"),
                                                  tr("Ranking system used :")};
  for (int i = 0; i < kFieldCount; ++i)
    labels_[static_cast<size_t>(i)]->setText(texts[static_cast<size_t>(i)]);
}

}  // namespace scorvane

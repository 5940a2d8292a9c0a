#include "pages/common/lists/item_name_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/catalogue/messages.h"
#include "records/item_editing.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/elided_label.h"
#include "widgets/screen_colours.h"

namespace scorvane {
namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QLineEdit* MakeNameEdit(QDialog* dialog) {
  auto* edit = new QLineEdit(dialog);
  edit->setObjectName(QStringLiteral("nameEdit"));
  edit->setMinimumWidth(260);
  return edit;
}

}  // namespace

DLG_NOUVELLE_RUBRIQUE::DLG_NOUVELLE_RUBRIQUE(const QString& heading, QWidget* parent)
    : QDialog(parent), name_(MakeNameEdit(this)) {
  setObjectName(QStringLiteral("newItemDialog"));
  setWindowTitle(tr("Adding a new item"));
  FillBackground(*this, ScreenColours::DialogBackground());
  auto* title = new QLabel(heading, this);
  title->setObjectName(QStringLiteral("heading"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(name_);
  layout->addWidget(OkCancel(this));
  name_->setFocus();
}

std::string DLG_NOUVELLE_RUBRIQUE::Name() const {
  return CleanItemName(name_->text().toStdString());
}

std::optional<std::string> DLG_NOUVELLE_RUBRIQUE::Ask(QWidget* parent, const QString& heading) {
  DLG_NOUVELLE_RUBRIQUE dialog(heading, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Name();
}

void DLG_NOUVELLE_RUBRIQUE::accept() {
  if (Name().empty()) {
    MessageBoxes::Warn(this, QString::fromUtf8(Msg(503)));
    name_->setFocus();
    return;
  }
  QDialog::accept();
}

DLG_RENOMMAGE::DLG_RENOMMAGE(const std::string& current_name, QWidget* parent)
    : QDialog(parent), name_(MakeNameEdit(this)) {
  setObjectName(QStringLiteral("renameDialog"));
  setWindowTitle(tr("New name"));
  FillBackground(*this, ScreenColours::DialogBackground());
  auto* current = new ElidedLabel(this);
  current->setObjectName(QStringLiteral("currentName"));
  current->SetFullText(QString::fromStdString(current_name));
  name_->setText(QString::fromStdString(current_name));
  name_->selectAll();
  auto* form = new QFormLayout;
  form->addRow(tr("Current name :"), current);
  form->addRow(tr("New name :"), name_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this));
  name_->setFocus();
}

std::string DLG_RENOMMAGE::Name() const {
  return CleanItemName(name_->text().toStdString());
}

std::optional<std::string> DLG_RENOMMAGE::Ask(QWidget* parent, const std::string& current_name) {
  DLG_RENOMMAGE dialog(current_name, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Name();
}

void DLG_RENOMMAGE::accept() {
  if (Name().empty()) {
    MessageBoxes::Warn(this, QString::fromUtf8(Msg(504)));
    name_->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace scorvane

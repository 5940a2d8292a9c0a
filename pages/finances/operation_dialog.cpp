#include "pages/finances/operation_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "base/text_compare.h"
#include "widgets/amount_validator.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/leave_check.h"
#include "widgets/screen_colours.h"
#include "widgets/translated_texts.h"

namespace scorvane {
namespace {

constexpr int kNoCategoryMessage = 527;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

DLG_SAISIE_OPERATION::DLG_SAISIE_OPERATION(const UTILISATEUR& owner, const QString& heading,
                                           const OperationEntry& entry, QWidget* parent)
    : QDialog(parent),
      owner_(owner),
      loaded_(entry),
      heading_(new QLabel(heading, this)),
      payee_(new QLineEdit(Text(entry.payee), this)),
      purpose_(new QLineEdit(Text(entry.purpose), this)),
      date_(new DateField(this)),
      amount_(new QLineEdit(Text(entry.amount), this)),
      currency_(new QLabel(Text(Currency::Name()), this)),
      category_(new QComboBox(this)) {
  setObjectName(QStringLiteral("operationDialog"));
  FillBackground(*this, ScreenColours::DialogBackground());
  heading_->setObjectName(QStringLiteral("operationHeading"));
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  payee_->setObjectName(QStringLiteral("payeeEdit"));
  purpose_->setObjectName(QStringLiteral("purposeEdit"));
  date_->setObjectName(QStringLiteral("dateEdit"));
  amount_->setObjectName(QStringLiteral("amountEdit"));
  currency_->setObjectName(QStringLiteral("currencyLabel"));
  category_->setObjectName(QStringLiteral("categoryBox"));

  date_->SetDate(entry.date);

  amount_->setAlignment(Qt::AlignRight);
  amount_->setValidator(new AmountValidator(amount_));
  amount_->setMaximumWidth(120);
  // A readable amount is written back with two decimals ("12,5" shows 12.50).
  CheckOnLeaving(amount_,
                 [this] { amount_->setText(Text(RewriteAmount(amount_->text().toStdString()))); });

  // The categories in name order; the box completes by itself (the
  // combo's own completer would follow Qt's case rules, not the program's).
  std::vector<const CATEGORIE_FINANCIERE*> categories(owner.Categories().begin(),
                                                      owner.Categories().end());
  std::stable_sort(categories.begin(), categories.end(),
                   [](const CATEGORIE_FINANCIERE* a, const CATEGORIE_FINANCIERE* b) {
                     return CompareListTexts(a->Name(), b->Name()) < 0;
                   });
  category_->setEditable(true);
  category_->setInsertPolicy(QComboBox::NoInsert);
  category_->setCompleter(nullptr);
  category_->setMaxVisibleItems(20);
  category_->setMinimumWidth(200);
  for (const CATEGORIE_FINANCIERE* category : categories)
    category_->addItem(Text(category->Name()));
  category_->setCurrentIndex(category_->findText(Text(entry.category), Qt::MatchExactly));
  category_->setEditText(Text(entry.category));
  connect(category_->lineEdit(), &QLineEdit::textEdited, this,
          &DLG_SAISIE_OPERATION::CompleteCategory);

  auto* frame = new QGroupBox(this);
  FillBackground(*frame, ScreenColours::DialogFrame());
  auto* amount_row = new QHBoxLayout;
  amount_row->addWidget(amount_);
  amount_row->addWidget(currency_);
  amount_row->addStretch();
  auto* date_row = new QHBoxLayout;
  date_row->addWidget(date_);
  date_row->addStretch();
  auto* form = new QFormLayout(frame);
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* payee_label = new QLabel(frame);
  auto* purpose_label = new QLabel(frame);
  auto* date_label = new QLabel(frame);
  auto* amount_label = new QLabel(frame);
  auto* category_label = new QLabel(frame);
  form->addRow(payee_label, payee_);
  form->addRow(purpose_label, purpose_);
  form->addRow(date_label, date_row);
  form->addRow(amount_label, amount_row);
  form->addRow(category_label, category_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_SAISIE_OPERATION::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(frame);
  layout->addWidget(buttons);
  setMinimumWidth(420);
  KeepTranslated(this, [=, this] {
    setWindowTitle(tr("Financial operation"));
    payee_label->setText(tr("Paid to"));
    purpose_label->setText(tr("Purpose"));
    date_label->setText(tr("Date"));
    amount_label->setText(tr("Amount"));
    category_label->setText(tr("Category"));
  });
  payee_->setFocus();
}

OperationEntry DLG_SAISIE_OPERATION::Entry() const {
  OperationEntry entry = loaded_;
  entry.payee = payee_->text().toStdString();
  entry.purpose = purpose_->text().toStdString();
  entry.date = date_->Date();
  entry.amount = amount_->text().toStdString();
  entry.category = category_->currentText().toStdString();
  return entry;
}

void DLG_SAISIE_OPERATION::CompleteCategory(const QString& typed) {
  // Deleting never completes again what the user has just taken away.
  const bool grew = typed.size() > typed_category_.size();
  typed_category_ = typed;
  if (!grew) return;
  const CATEGORIE_FINANCIERE* found = CategoryCompleting(owner_, typed.toStdString());
  if (!found) return;
  const QString name = Text(found->Name());
  QLineEdit* line = category_->lineEdit();
  // What was typed stays as typed; the rest of the name is added, selected,
  // so that typing on replaces it.
  line->setText(typed + name.mid(typed.size()));
  line->setSelection(static_cast<int>(typed.size()), static_cast<int>(name.size() - typed.size()));
}

void DLG_SAISIE_OPERATION::accept() {
  amount_->setText(Text(RewriteAmount(amount_->text().toStdString())));
  const OperationEntry entry = Entry();
  switch (CheckOperationEntry(entry)) {
    case EntryProblem::kNone:
      QDialog::accept();
      return;
    case EntryProblem::kNoCategory:
      MessageBoxes::Warn(this, QString::fromUtf8(Msg(kNoCategoryMessage)));
      category_->setFocus();
      return;
    case EntryProblem::kAmount:
      break;
  }
  // Whatever is wrong, the message says what the field takes.
  MessageBoxes::Warn(this,
                     tr("Amount: enter an amount from 0 to %1 %2, for example 1 500,50.")
                         .arg(Text(CentsText(kLargestOperationCents)), Text(Currency::Name())));
  amount_->setFocus();
  amount_->selectAll();
}

}  // namespace scorvane

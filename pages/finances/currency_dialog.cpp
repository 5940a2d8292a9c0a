#include "pages/finances/currency_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/currency.h"
#include "base/locale.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/screen_colours.h"
#include "widgets/translated_texts.h"

namespace scorvane {
namespace {

// The euro value with up to six decimals, without trailing zeros ("6.55957").
QString EuroValueText(double value) {
  QString text = QString::number(value, 'f', 6);
  while (text.endsWith(u'0'))
    text.chop(1);
  if (text.endsWith(u'.')) text.chop(1);
  return text;
}

}  // namespace

DLG_DEVISE::DLG_DEVISE(QWidget* parent)
    : QDialog(parent),
      shown_value_(EuroValueText(Currency::EuroValue())),
      base_(new QRadioButton(this)),
      euros_(new QRadioButton(this)),
      euro_value_(new QLineEdit(shown_value_, this)),
      unit_(new QLabel(this)) {
  setObjectName(QStringLiteral("currencyDialog"));
  FillBackground(*this, ScreenColours::DialogBackground());
  base_->setObjectName(QStringLiteral("baseCurrencyButton"));
  euros_->setObjectName(QStringLiteral("euroButton"));
  euro_value_->setObjectName(QStringLiteral("euroValueEdit"));
  unit_->setObjectName(QStringLiteral("unitLabel"));
  const QString symbol = QString::fromStdString(CurrentLocale().CurrencySymbol());
  base_->setText(symbol);
  unit_->setText(symbol);
  (Currency::Current() == Currency::kEuros ? euros_ : base_)->setChecked(true);
  euro_value_->setAlignment(Qt::AlignRight);
  euro_value_->setMaximumWidth(110);

  auto* choice = new QGroupBox(this);
  FillBackground(*choice, ScreenColours::DialogFrame());
  auto* choice_layout = new QVBoxLayout(choice);
  choice_layout->addWidget(base_);
  choice_layout->addWidget(euros_);

  auto* value_row = new QHBoxLayout;
  auto* value_label = new QLabel(this);
  value_row->addWidget(value_label);
  value_row->addWidget(euro_value_);
  value_row->addWidget(unit_);
  value_row->addStretch();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DLG_DEVISE::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(choice);
  layout->addLayout(value_row);
  layout->addWidget(buttons);
  setMinimumWidth(320);
  KeepTranslated(this, [this, choice, value_label] {
    setWindowTitle(tr("Currency"));
    euros_->setText(tr("Euros"));
    choice->setTitle(tr("Amounts are shown and entered in"));
    value_label->setText(tr("Value of the euro"));
  });
}

void DLG_DEVISE::accept() {
  const QString typed = euro_value_->text().trimmed();
  // The value left as shown keeps the rate exactly as it was.
  if (typed != shown_value_) {
    const std::optional<double> value = Currency::ReadEuroValue(typed.toStdString());
    if (!value) {
      const QLocale c_locale = QLocale::c();
      MessageBoxes::Warn(
          this, tr("The value of the euro must be a number of francs from %1 to %2, for example "
                   "6.55957.")
                    .arg(c_locale.toString(Currency::kLowestEuroValue, 'f', 4),
                         c_locale.toString(Currency::kHighestEuroValue, 'f', 0)));
      euro_value_->setFocus();
      euro_value_->selectAll();
      return;
    }
    Currency::SetEuroValue(*value);
  }
  Currency::SetCurrent(euros_->isChecked() ? Currency::kEuros : Currency::kFrancs);
  QDialog::accept();
}

bool ChooseCurrency(QWidget* parent) {
  DLG_DEVISE dialog(parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace scorvane

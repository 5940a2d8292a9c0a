// DLG_SAISIE_OPERATION, "Financial operation": one expense or gain with its
// payee, purpose, date, amount (in the display currency, the currency's name
// beside it) and category. The category box lists the document's categories
// in name order; typing completes with the first one whose name begins with
// the text, whatever the case, and a name that is no category becomes a new
// one when the entry is stored. OK refuses an entry without category, and an
// amount that is no number in range, with a message.
//
// The dialog works on a copy of the fields (an OperationEntry); the commands
// of operation_commands.h store it.
#pragma once

#include <QDialog>

#include "finances/operation_entry.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace scorvane {

class DateField;

class DLG_SAISIE_OPERATION : public QDialog {
  Q_OBJECT

 public:
  // `heading` is the line above the fields ("New expense for season 2001").
  DLG_SAISIE_OPERATION(const UTILISATEUR& owner, const QString& heading,
                       const OperationEntry& entry, QWidget* parent = nullptr);

  // The fields as they stand (after OK: as confirmed).
  OperationEntry Entry() const;

  QLabel* Heading() const { return heading_; }
  QLineEdit* PayeeEdit() const { return payee_; }
  QLineEdit* PurposeEdit() const { return purpose_; }
  DateField* DateEdit() const { return date_; }
  QLineEdit* AmountEdit() const { return amount_; }
  QLabel* CurrencyLabel() const { return currency_; }
  QComboBox* CategoryBox() const { return category_; }

 public slots:
  void accept() override;

 private:
  // Completes the typed category name with the first category it begins.
  void CompleteCategory(const QString& typed);

  const UTILISATEUR& owner_;
  OperationEntry loaded_;
  QString typed_category_;
  QLabel* heading_;
  QLineEdit* payee_;
  QLineEdit* purpose_;
  DateField* date_;
  QLineEdit* amount_;
  QLabel* currency_;
  QComboBox* category_;
};

}  // namespace scorvane

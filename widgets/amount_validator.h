// What an amount field lets the user type: digits, one decimal comma or
// point with at most two decimals, blanks between thousands. Letters, "/"
// and the like never reach the field.
#pragma once

#include <QValidator>

namespace scorvane {

class AmountValidator : public QValidator {
  Q_OBJECT

 public:
  explicit AmountValidator(QObject* parent = nullptr) : QValidator(parent) {}
  State validate(QString& input, int& position) const override;
};

}  // namespace scorvane

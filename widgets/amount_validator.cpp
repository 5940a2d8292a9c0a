#include "widgets/amount_validator.h"

#include "base/amount_text.h"

namespace scorvane {

QValidator::State AmountValidator::validate(QString& input, int& /*position*/) const {
  const std::string typed = input.toStdString();
  if (ReadAmountCents(typed)) return Acceptable;
  return CouldBecomeAmount(typed) ? Intermediate : Invalid;
}

}  // namespace scorvane

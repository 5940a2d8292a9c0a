#include "records/finance_records.h"

#include "base/currency.h"
#include "base/record_lists.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(CATEGORIE_FINANCIERE, CObject);
SCORVANE_IMPLEMENT_RECORD(OPERATION_FINANCIERE, CObject);
SCORVANE_IMPLEMENT_RECORD(FINANCES_SAISON, CObject);

namespace {

SOMME Total(const List<OPERATION_FINANCIERE*>& operations) {
  float total = 0.0f;
  for (const OPERATION_FINANCIERE* operation : operations)
    total += operation->Amount().Get();
  return Currency::RoundTrip(total);
}

}  // namespace

void CATEGORIE_FINANCIERE::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Value(kind_);
  ar.Value(id_);
  if (ar.IsLoading() && id_ < 0) throw ArchiveError::BadFormat("Negative category identifier");
  ar.Text(name_);
}

void OPERATION_FINANCIERE::Serialize(Archive& ar) {
  ar.Version(0);
  amount_.Serialize(ar);
  date_.Serialize(ar);
  ar.Text(payee_);
  ar.Text(purpose_);
  if (ar.IsStoring()) {
    if (!category_ || category_->Id() < 0) {
      throw ArchiveError::BadFormat("Financial operation without category");
    }
    ar.WriteU16(static_cast<uint16_t>(category_->Id()));
  } else {
    pending_category_ref = static_cast<int16_t>(ar.ReadU16()) + 1;
  }
}

OPERATION_FINANCIERE* FINANCES_SAISON::AddGain(std::unique_ptr<OPERATION_FINANCIERE> operation) {
  return gains_.Append(std::move(operation));
}

OPERATION_FINANCIERE* FINANCES_SAISON::AddExpense(std::unique_ptr<OPERATION_FINANCIERE> operation) {
  return expenses_.Append(std::move(operation));
}

bool FINANCES_SAISON::RemoveGain(OPERATION_FINANCIERE* operation) {
  return gains_.Delete(operation);
}

bool FINANCES_SAISON::RemoveExpense(OPERATION_FINANCIERE* operation) {
  return expenses_.Delete(operation);
}

SOMME FINANCES_SAISON::GainsTotal() const {
  return Total(gains_.Items());
}

SOMME FINANCES_SAISON::ExpensesTotal() const {
  return Total(expenses_.Items());
}

void FINANCES_SAISON::Serialize(Archive& ar) {
  ar.Version(0);
  SerializeRecordList(ar, gains_);
  SerializeRecordList(ar, expenses_);
}

}  // namespace scorvane

// The money of a season: expenses and gains entered by the owner, each filed
// under a financial category.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/amount.h"
#include "base/dates.h"
#include "base/list.h"
#include "base/record.h"

namespace scorvane {

class CATEGORIE_FINANCIERE : public CObject {
  SCORVANE_DECLARE_RECORD(CATEGORIE_FINANCIERE)
 public:
  CATEGORIE_FINANCIERE() = default;
  explicit CATEGORIE_FINANCIERE(std::string name, int32_t kind = 0)
      : name_(std::move(name)), kind_(kind) {}

  int16_t Id() const { return id_; }
  void SetId(int16_t id) { id_ = id; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // Kept with the category and written back unchanged; 0 for new ones.
  int32_t Kind() const { return kind_; }

  void Serialize(Archive& ar) override;

 private:
  int16_t id_ = -1;
  std::string name_;
  int32_t kind_ = 0;
};

class OPERATION_FINANCIERE : public CObject {
  SCORVANE_DECLARE_RECORD(OPERATION_FINANCIERE)
 public:
  OPERATION_FINANCIERE() = default;

  const SOMME& Amount() const { return amount_; }
  void SetAmount(const SOMME& amount) { amount_ = amount; }
  CATEGORIE_FINANCIERE* Category() const { return category_; }
  void SetCategory(CATEGORIE_FINANCIERE* category) { category_ = category; }
  // Shown as "Debtor", entered as "Payé à".
  const std::string& Payee() const { return payee_; }
  void SetPayee(std::string text) { payee_ = std::move(text); }
  // Shown as "Purchase", entered as "Objet".
  const std::string& Purpose() const { return purpose_; }
  void SetPurpose(std::string text) { purpose_ = std::move(text); }
  const DATE_SIMPLE& Date() const { return date_; }
  void SetDate(const DATE_SIMPLE& date) { date_ = date; }

  void Serialize(Archive& ar) override;

  // While a document is read: the category as identifier + 1.
  int32_t pending_category_ref = 0;

 private:
  SOMME amount_;
  CATEGORIE_FINANCIERE* category_ = nullptr;
  std::string payee_;
  std::string purpose_;
  DATE_SIMPLE date_;
};

class FINANCES_SAISON : public CObject {
  SCORVANE_DECLARE_RECORD(FINANCES_SAISON)
 public:
  FINANCES_SAISON() = default;
  FINANCES_SAISON(const FINANCES_SAISON&) = delete;
  FINANCES_SAISON& operator=(const FINANCES_SAISON&) = delete;

  const List<OPERATION_FINANCIERE*>& Gains() const { return gains_.Items(); }
  const List<OPERATION_FINANCIERE*>& Expenses() const { return expenses_.Items(); }
  // Appended at the end; returns the operation.
  OPERATION_FINANCIERE* AddGain(std::unique_ptr<OPERATION_FINANCIERE> operation);
  OPERATION_FINANCIERE* AddExpense(std::unique_ptr<OPERATION_FINANCIERE> operation);
  // Remove and delete; false when the operation is not in that list.
  bool RemoveGain(OPERATION_FINANCIERE* operation);
  bool RemoveExpense(OPERATION_FINANCIERE* operation);

  // Sums of one list, in francs (converted to the display currency and back).
  SOMME GainsTotal() const;
  SOMME ExpensesTotal() const;

  void Serialize(Archive& ar) override;

 private:
  OwningList<OPERATION_FINANCIERE> gains_;
  OwningList<OPERATION_FINANCIERE> expenses_;
};

}  // namespace scorvane

// The table of record classes, looked up by their run-time class name.
#include <array>

#include "records/finance_records.h"
#include "records/palmares.h"
#include "records/document.h"
#include "records/season.h"

namespace scorvane {

const RuntimeClass CObject::kRuntimeClass{"CObject", nullptr, nullptr};

bool RuntimeClass::IsDerivedFrom(const RuntimeClass& other) const {
  for (const RuntimeClass* cls = this; cls; cls = cls->base) {
    if (cls == &other) return true;
  }
  return false;
}

const RuntimeClass* RuntimeClass::FromName(std::string_view name) {
  static const std::array<const RuntimeClass*, 22> kClasses = {
      &ANNEE::kRuntimeClass,
      &DATE_SIMPLE::kRuntimeClass,
      &CLASSEMENT::kRuntimeClass,
      &CLASSEMENT_DATE::kRuntimeClass,
      &HISTORIQUE_CLASSEMENTS::kRuntimeClass,
      &SOMME::kRuntimeClass,
      &CLUB::kRuntimeClass,
      &SURFACE::kRuntimeClass,
      &JOUEUR::kRuntimeClass,
      &UTILISATEUR::kRuntimeClass,
      &INFOS_COMPLEMENT_JOUEUR::kRuntimeClass,
      &SAISON_JOUEUR::kRuntimeClass,
      &EPREUVE::kRuntimeClass,
      &EPREUVE_JOUEE::kRuntimeClass,
      &RENCONTRE::kRuntimeClass,
      &RENCONTRE_SIMPLE::kRuntimeClass,
      &RENCONTRE_DOUBLE::kRuntimeClass,
      &RESULTAT_RENCONTRE::kRuntimeClass,
      &PALMARES::kRuntimeClass,
      &FINANCES_SAISON::kRuntimeClass,
      &OPERATION_FINANCIERE::kRuntimeClass,
      &CATEGORIE_FINANCIERE::kRuntimeClass,
  };
  for (const RuntimeClass* cls : kClasses) {
    if (name == cls->name) return cls;
  }
  return nullptr;
}

}  // namespace scorvane

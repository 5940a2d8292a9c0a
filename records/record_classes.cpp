// The table of record classes, looked up by their run-time class name.
#include "records/record_classes.h"

#include <array>

#include "records/document.h"
#include "records/finance_records.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {

const RuntimeClass* RecordClassNamed(std::string_view name) {
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

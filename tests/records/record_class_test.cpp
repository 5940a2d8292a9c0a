// Guards the record classes: each is found by its name and makes a record
// of that class, and the derivations the reading relies on hold.
#include <gtest/gtest.h>

#include <sstream>

#include "records/document.h"
#include "records/record_classes.h"
#include "records/season.h"

namespace scorvane {
namespace {

TEST(RecordClassTest, EveryRecordClassIsFoundByNameWithItsBase) {
  std::istringstream names(
      "ANNEE DATE_SIMPLE CLASSEMENT CLASSEMENT_DATE HISTORIQUE_CLASSEMENTS SOMME CLUB SURFACE "
      "JOUEUR UTILISATEUR INFOS_COMPLEMENT_JOUEUR SAISON_JOUEUR EPREUVE EPREUVE_JOUEE "
      "RENCONTRE_SIMPLE RENCONTRE_DOUBLE RESULTAT_RENCONTRE PALMARES FINANCES_SAISON "
      "OPERATION_FINANCIERE CATEGORIE_FINANCIERE");
  for (std::string name; names >> name;) {
    const RuntimeClass* cls = RecordClassNamed(name);
    ASSERT_NE(cls, nullptr) << name;
    ASSERT_NE(cls->create, nullptr) << name;
    const std::unique_ptr<CObject> object = cls->create();
    EXPECT_EQ(object->GetRuntimeClass().name, name);
    EXPECT_TRUE(object->IsKindOf(CObject::kRuntimeClass));
  }
  EXPECT_EQ(RecordClassNamed("RENCONTRE")->create, nullptr);
  EXPECT_EQ(RecordClassNamed("joueur"), nullptr);
  EXPECT_TRUE(UTILISATEUR::kRuntimeClass.IsDerivedFrom(JOUEUR::kRuntimeClass));
  EXPECT_TRUE(RENCONTRE_DOUBLE::kRuntimeClass.IsDerivedFrom(RENCONTRE::kRuntimeClass));
  EXPECT_FALSE(JOUEUR::kRuntimeClass.IsDerivedFrom(UTILISATEUR::kRuntimeClass));
}

}  // namespace
}  // namespace scorvane

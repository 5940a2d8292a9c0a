#include <gtest/gtest.h>

#include "records/document.h"
#include "records/record_classes.h"
#include "records/season.h"

namespace scorvane {
namespace {

TEST(RecordClassTest, EveryRecordClassIsFoundByNameWithItsBase) {
  const char* names[] = {"ANNEE",
                         "DATE_SIMPLE",
                         "CLASSEMENT",
                         "CLASSEMENT_DATE",
                         "HISTORIQUE_CLASSEMENTS",
                         "SOMME",
                         "CLUB",
                         "SURFACE",
                         "JOUEUR",
                         "UTILISATEUR",
                         "INFOS_COMPLEMENT_JOUEUR",
                         "SAISON_JOUEUR",
                         "EPREUVE",
                         "EPREUVE_JOUEE",
                         "RENCONTRE_SIMPLE",
                         "RENCONTRE_DOUBLE",
                         "RESULTAT_RENCONTRE",
                         "PALMARES",
                         "FINANCES_SAISON",
                         "OPERATION_FINANCIERE",
                         "CATEGORIE_FINANCIERE"};
  for (const char* name : names) {
    const RuntimeClass* cls = RecordClassNamed(name);
    ASSERT_NE(cls, nullptr) << name;
    ASSERT_NE(cls->create, nullptr) << name;
    const std::unique_ptr<CObject> object = cls->create();
    EXPECT_STREQ(object->GetRuntimeClass().name, name);
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

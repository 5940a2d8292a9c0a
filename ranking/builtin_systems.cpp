// The eight built-in ranking systems: grades, titles, code names and
// descriptions, and the grades by which each recognises an old-format record.
#include "ranking/builtin_systems.h"

#include <algorithm>

namespace scorvane {

void SYSTEME_REFERENCE::DefineGrades(std::initializer_list<const char*> names) {
  for (const char* name : names)
    AddGrade(name);
}

bool SYSTEME_REFERENCE::Recognises(const SYSTEME_CLASSEMENT& other) const {
  if (!other.IsOldFormat()) return other.CodeName() == CodeName();
  const std::vector<std::string> required = RecognitionGrades();
  if (required.empty()) return false;
  return std::all_of(required.begin(), required.end(),
                     [&other](const std::string& name) { return other.IndexOfGrade(name) >= 0; });
}

namespace {

// The grades of a built-in from index `first` to index `last`, both included.
std::vector<std::string> GradesOf(const SYSTEME_CLASSEMENT& system, int first, int last) {
  std::vector<std::string> names;
  for (int i = first; i <= last; ++i)
    names.push_back(system.GradeName(i));
  return names;
}

}  // namespace

SYSTEME_FRANCAIS::SYSTEME_FRANCAIS() {
  SetTitle("France");
  SetCodeName("FRA");
  SetFrenchDescription(
      "Système de classement français\nÉchelons:   NC, 30/5, 30/4, 30/3, 30/2, 30/1, 30, 15/5, "
      "15/4, 15/3, 15/2, 15/1,\n                  15, 5/6, 4/6, 3/6, 2/6, 1/6, 0, -2/6, -4/6, -15, "
      "-30, PROM, 1S");
  SetEnglishDescription(
      "French ranking system\nGrades:   NC, 30/5, 30/4, 30/3, 30/2, 30/1, 30, 15/5, 15/4, 15/3, "
      "15/2, 15/1,\n          15, 5/6, 4/6, 3/6, 2/6, 1/6, 0, -2/6, -4/6, -15, -30, PROM, 1S");
  DefineGrades({"NC",   "30/5", "30/4", "30/3", "30/2", "30/1", "30",  "15/5", "15/4",
                "15/3", "15/2", "15/1", "15",   "5/6",  "4/6",  "3/6", "2/6",  "1/6",
                "0",    "-2/6", "-4/6", "-15",  "-30",  "PROM", "1S"});
  SetYearly(true);
}

std::vector<std::string> SYSTEME_FRANCAIS::RecognitionGrades() const {
  return GradesOf(*this, 0, 22);
}

SYSTEME_SUISSE::SYSTEME_SUISSE() {
  SetTitle("Suisse");
  SetCodeName("SWI");
  SetFrenchDescription("Système de classement Suisse\n");
  SetEnglishDescription(
      "Swiss Rankings\nGrades:    R9, R8, R7, R6, R5, R4, R3, R2, R1, N4, N3, N2, N1");
  DefineGrades({"R9", "R8", "R7", "R6", "R5", "R4", "R3", "R2", "R1", "N4", "N3", "N2", "N1"});
  SetYearly(false);
}

std::vector<std::string> SYSTEME_SUISSE::RecognitionGrades() const {
  return GradesOf(*this, 0, 12);
}

SYSTEME_NTRP::SYSTEME_NTRP() {
  SetTitle("NTRP");
  SetCodeName("NTRP");
  SetFrenchDescription(
      "Système de classement US\nRangs: 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5, 5.0, 5.5, 6.0, "
      "6.5, 7.0");
  SetEnglishDescription(
      "USA Rankings (USTA)\nGrades: 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5, 5.0, 5.5, 6.0, 6.5, "
      "7.0");
  DefineGrades(
      {"1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0", "5.5", "6.0", "6.5", "7.0"});
  SetYearly(false);
}

std::vector<std::string> SYSTEME_NTRP::RecognitionGrades() const {
  return GradesOf(*this, 3, 12);
}

SYSTEME_PAYSBAS::SYSTEME_PAYSBAS() {
  SetTitle("Netherlands");
  SetCodeName("NETHER");
  SetFrenchDescription(
      "Système de classement des Pays-Bas\nÉchelons : A1, A2, B1, B2, C1, C2, D1, D2");
  SetEnglishDescription("Netherlands Rankings\nGrades:    A1, A2, B1, B2, C1, C2, D1, D2");
  DefineGrades({"D2", "D1", "C2", "C1", "B2", "B1", "A2", "A1"});
  SetYearly(true);
}

std::vector<std::string> SYSTEME_PAYSBAS::RecognitionGrades() const {
  return GradesOf(*this, 0, 7);
}

SYSTEME_LUXEMBOURG::SYSTEME_LUXEMBOURG() {
  SetTitle("Luxembourg");
  SetCodeName("LUX");
  SetFrenchDescription(
      "Système de classement Luxembourgeois\nÉchelons : Cat 1, Cat 2, Cat 3, Cat 4, Cat 5");
  SetEnglishDescription("Luxembourger Rankings\nGrades:   Cat 1, Cat 2, Cat 3, Cat 4, Cat 5");
  DefineGrades({"Cat 5", "Cat 4", "Cat 3", "Cat 2", "Cat 1"});
  SetYearly(true);
}

std::vector<std::string> SYSTEME_LUXEMBOURG::RecognitionGrades() const {
  return GradesOf(*this, 0, 4);
}

SYSTEME_BELGE::SYSTEME_BELGE() {
  SetTitle("Belge");
  SetCodeName("BEL");
  SetFrenchDescription(
      "Système de classement belge.\nSéries : C : NC, 30.4, 30.2, 30, 15.4, 15.2, 15\n         B : "
      "+4/6, +2/6, 0, -2/6, -4/6, -15, -15/1, -15/2, -15/4\n         A:  A");
  SetEnglishDescription(
      "Belgian ranking system.\nSeries : C : NC, 30.4, 30.2, 30, 15.4, 15.2, 15\n         B : "
      "+4/6, +2/6, 0, -2/6, -4/6, -15, -15/1, -15/2, -15/4\n         A:  A");
  DefineGrades({"NC", "30.4", "30.2", "30", "15.4", "15.2", "15", "+4/6", "+2/6", "0", "-2/6",
                "-4/6", "-15", "-15/1", "-15/2", "-15/4", "A"});
  SetYearly(true);
}

std::vector<std::string> SYSTEME_BELGE::RecognitionGrades() const {
  return GradesOf(*this, 1, 16);
}

SYSTEME_ATP::SYSTEME_ATP() {
  SetTitle("ATP Tour");
  SetCodeName("ATP");
  SetFrenchDescription("Système de classement utilisé sur l'ATP Tour");
  SetEnglishDescription("System used for the ATP Tour");
  SetScale(1, 1400, false);
  SetYearly(false);
}

SYSTEME_WTA::SYSTEME_WTA() {
  SetTitle("WTA Tour");
  SetCodeName("WTA");
  SetFrenchDescription("Système de classement utilisé sur le WTA Tour");
  SetEnglishDescription("WTA Tour ranking system");
  SetScale(1, 1400, false);
  SetYearly(false);
}

}  // namespace scorvane

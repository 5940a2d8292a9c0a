// What the ranking-system editor holds while the user defines a system: the
// values it opens with, the checks made before the system is saved (each
// returning the text the user is shown), the rule for one grade label, and
// the system built from the values. The editor dialog only shows these
// values and calls these functions, so every rule is tested without widgets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ranking/ranking_system.h"

namespace scorvane {

struct SystemDefinition {
  std::string name;
  // The description in the interface language.
  std::string description;
  bool yearly = false;
  // Grades (true) or a range of numbers (false).
  bool grades = false;
  // The two number fields, as typed.
  int32_t strongest = 1000;
  int32_t weakest = 1;
  // The grade list as shown: the strongest grade first.
  std::vector<std::string> grade_lines;
};

// A grade label holds at most this many characters.
inline constexpr int kMaxGradeLabelLength = 5;

// The values the editor opens with for `system`: its title, description and
// yearly flag; a grade system lists its grades strongest first and presets
// the number fields to 1000 and 1; a number system puts its best value in
// the strongest field and its worst value in the weakest one.
SystemDefinition DefinitionOf(const SYSTEME_CLASSEMENT& system);

// The system "New" starts from: numbers 1 to 1000, 1 the best, no title.
SYSTEME_CLASSEMENT NewUserSystem();

// The first problem in the order the editor checks them (name, a name that
// cannot name the system's file, numbers, number of grades), as the text
// shown; empty when none.
std::string DefinitionProblem(const SystemDefinition& definition);
// Why a name cannot name a ranking-system file, in the interface language.
std::string UnusableSystemNameMessage();

// The first text of the definition (name, description, then grades from the
// top) holding a character that a ranking-system file cannot store; empty
// when every text can be stored as typed.
std::string UnstorableDefinitionText(const SystemDefinition& definition);

// The system the definition describes. Descriptions start from `edited`'s
// two, the one of the interface language then takes the edited text; no
// code name. Grades are added from the bottom line up (the bottom line is
// the weakest, index 0); numbers run from the smaller to the larger field,
// a larger number stronger when the strongest field is the larger one.
SYSTEME_CLASSEMENT BuildSystem(const SystemDefinition& definition,
                               const SYSTEME_CLASSEMENT& edited);

// What becomes of a label typed for a grade.
struct GradeLabel {
  // An empty label is refused: the grade keeps its name.
  bool refused = false;
  // The label was longer than kMaxGradeLabelLength characters and is cut.
  bool cut = false;
  std::string text;
};
GradeLabel CheckGradeLabel(const std::string& typed);
// "Sorry, only 5 characters are allowed!" in the interface language.
std::string GradeLabelTooLongMessage();

}  // namespace scorvane

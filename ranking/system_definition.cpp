#include "ranking/system_definition.h"

#include <algorithm>

#include "base/catalogue/messages.h"
#include "base/cp1252.h"
#include "base/text_format.h"

namespace scorvane {
namespace {

// Byte length of the first `count` characters of a UTF-8 text (the whole
// text when it is shorter). Continuation bytes never start a character.
size_t Utf8Prefix(const std::string& text, int count) {
  size_t at = 0;
  int seen = 0;
  while (at < text.size()) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if ((byte & 0xC0) != 0x80) {
      if (seen == count) return at;
      ++seen;
    }
    ++at;
  }
  return at;
}

}  // namespace

SystemDefinition DefinitionOf(const SYSTEME_CLASSEMENT& system) {
  SystemDefinition definition;
  definition.name = system.Title();
  definition.description = system.Description();
  definition.yearly = system.IsYearly();
  definition.grades = system.HasGrades();
  if (system.HasGrades()) {
    definition.strongest = 1000;
    definition.weakest = 1;
    for (int32_t value = system.Highest(); value >= 0 && value >= system.Lowest(); --value)
      definition.grade_lines.push_back(system.GradeName(value));
  } else {
    definition.strongest = system.BestValue();
    definition.weakest = system.WorstValue();
  }
  return definition;
}

SYSTEME_CLASSEMENT NewUserSystem() {
  SYSTEME_CLASSEMENT system;
  system.SetScale(1, 1000, false);
  return system;
}

std::string DefinitionProblem(const SystemDefinition& definition) {
  if (definition.name.empty()) return Msg(571);
  if (SYSTEME_CLASSEMENT::FileFor(definition.name).empty()) return UnusableSystemNameMessage();
  if (!definition.grades) {
    const bool negative = definition.strongest < 0 || definition.weakest < 0;
    if (!negative && definition.strongest == definition.weakest) return Msg(569);
    if (negative) return Msg(570);
  } else if (definition.grade_lines.size() < 2) {
    return Msg(569);
  }
  return {};
}

std::string UnstorableDefinitionText(const SystemDefinition& definition) {
  for (const std::string* text : {&definition.name, &definition.description}) {
    if (!cp1252::CanEncode(*text)) return *text;
  }
  if (definition.grades) {
    for (const std::string& line : definition.grade_lines) {
      if (!cp1252::CanEncode(line)) return line;
    }
  }
  return {};
}

SYSTEME_CLASSEMENT BuildSystem(const SystemDefinition& definition,
                               const SYSTEME_CLASSEMENT& edited) {
  SYSTEME_CLASSEMENT system;
  system.SetTitle(definition.name);
  system.SetFrenchDescription(edited.FrenchDescription());
  system.SetEnglishDescription(edited.EnglishDescription());
  system.SetDescription(definition.description);
  system.SetYearly(definition.yearly);
  if (definition.grades) {
    for (auto line = definition.grade_lines.rbegin(); line != definition.grade_lines.rend(); ++line)
      system.AddGrade(*line);
  } else {
    system.SetScale(std::min(definition.strongest, definition.weakest),
                    std::max(definition.strongest, definition.weakest),
                    definition.strongest > definition.weakest);
  }
  return system;
}

std::string UnusableSystemNameMessage() {
  return IsFrench() ? "Le nom d'un système de classement est aussi celui de son fichier : il ne "
                      "peut pas contenir \"/\", ni être \".\" ou \"..\"."
                    : "The name of a ranking system is also the name of its file: it cannot hold "
                      "\"/\", nor be \".\" or \"..\".";
}

GradeLabel CheckGradeLabel(const std::string& typed) {
  GradeLabel label;
  if (typed.empty()) {
    label.refused = true;
    return label;
  }
  const size_t kept = Utf8Prefix(typed, kMaxGradeLabelLength);
  label.cut = kept < typed.size();
  label.text = typed.substr(0, kept);
  return label;
}

std::string GradeLabelTooLongMessage() {
  return FormatText(Msg(567), {kMaxGradeLabelLength});
}

}  // namespace scorvane

// A ranking system: either a list of named grades (weakest first) or a range
// of numbers, with the flags that say how its values compare and whether a
// ranking holds for a whole season. Systems are read from and written to
// ".cla" files and embedded in documents, in one record layout.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/archive.h"
#include "ranking/ranking_value.h"

namespace scorvane {

class SYSTEME_CLASSEMENT {
 public:
  static constexpr int kMaxGrades = 300;
  static constexpr uint16_t kVersion = 2;
  static constexpr const char* kTag = "SYS.CLASS";

  SYSTEME_CLASSEMENT() = default;
  SYSTEME_CLASSEMENT(const SYSTEME_CLASSEMENT&) = default;
  SYSTEME_CLASSEMENT& operator=(const SYSTEME_CLASSEMENT&) = default;
  virtual ~SYSTEME_CLASSEMENT() = default;

  // A user-defined system has a code name only when read from a built-in's copy.
  virtual bool HasCodeName() const { return !code_name_.empty(); }
  virtual bool IsFrench() const { return false; }
  virtual bool IsBelgian() const { return false; }
  // Whether the estimates layer computes next-season rankings under this
  // system (estimates/season_estimate.h).
  virtual bool CanEstimate() const { return false; }
  // True for the eight systems built into the program.
  virtual bool IsBuiltIn() const { return false; }

  // Fields.
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  const std::string& CodeName() const { return code_name_; }
  void SetCodeName(std::string code) { code_name_ = std::move(code); }
  const std::string& FrenchDescription() const { return description_fr_; }
  const std::string& EnglishDescription() const { return description_en_; }
  void SetFrenchDescription(std::string text) { description_fr_ = std::move(text); }
  void SetEnglishDescription(std::string text) { description_en_ = std::move(text); }
  bool HasGrades() const { return has_grades_; }
  bool HigherIsBetter() const { return higher_is_better_; }
  int32_t Lowest() const { return lowest_; }
  int32_t Highest() const { return highest_; }
  bool IsYearly() const { return yearly_; }
  void SetYearly(bool yearly) { yearly_ = yearly; }
  bool IsOldFormat() const { return old_format_; }
  // Number of named grades (grade systems).
  int GradeCount() const { return static_cast<int>(grades_.size()); }
  // Name of grade i, "" outside the named grades.
  const std::string& GradeName(int index) const;

  // Operations.
  void SetScale(int32_t lowest, int32_t highest, bool higher_is_better);
  // Appends a grade above the others (up to kMaxGrades); makes this a grade system.
  void AddGrade(const std::string& name);
  bool IsValid(int32_t value) const { return value >= lowest_ && value <= highest_; }
  int32_t BestValue() const { return higher_is_better_ ? highest_ : lowest_; }
  int32_t WorstValue() const { return higher_is_better_ ? lowest_ : highest_; }
  // The first grade with exactly this name, or -1.
  int32_t IndexOfGrade(const std::string& name) const;
  // The grade name of a valid value, else the value in decimal.
  std::string TextOfValue(int32_t value) const;
  // The description in the language of the user interface.
  const std::string& Description() const;
  void SetDescription(std::string text);
  // Same scale, grades (or direction) and yearly flag; titles, code names
  // and descriptions are not compared.
  bool IsSameAs(const SYSTEME_CLASSEMENT& other) const;

  // The record layout shared by ".cla" files and documents.
  void Serialize(Archive& ar);

  // ".cla" files in the ranking-systems folder, named by the title.
  // Writing is crash-safe (temporary file, then rename); false on failure,
  // with the file and the system's reason in *error.
  bool WriteFile(std::string* error = nullptr) const;
  // Reads the file named by `title`; false for an empty title, a file that
  // cannot be opened (reason in *open_error) or contents that do not read.
  bool ReadFile(const std::string& title, std::string* open_error = nullptr);
  // Removes the file; errors are ignored and the result is always true.
  bool DeleteFile() const;
  // The ".cla" path of a title in the ranking-systems folder; empty when the
  // title cannot name a file (empty, ".", "..", or holding "/").
  static std::filesystem::path FileFor(const std::string& title);

 protected:
  void ClearGradesAndScale();

 private:
  std::vector<std::string> grades_;
  bool has_grades_ = false;
  int32_t lowest_ = 0;
  int32_t highest_ = -1;
  bool higher_is_better_ = false;
  std::string code_name_;
  bool old_format_ = false;
  std::string title_;
  std::string description_fr_;
  std::string description_en_;
  bool yearly_ = false;
};

}  // namespace scorvane

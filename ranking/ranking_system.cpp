#include "ranking/ranking_system.h"

#include <system_error>

#include "base/catalogue/messages.h"
#include "base/safe_file.h"
#include "ranking/ranking_registry.h"

namespace scorvane {

const std::string& SYSTEME_CLASSEMENT::GradeName(int index) const {
  static const std::string kEmpty;
  if (index < 0 || index >= GradeCount()) return kEmpty;
  return grades_[static_cast<size_t>(index)];
}

void SYSTEME_CLASSEMENT::SetScale(int32_t lowest, int32_t highest, bool higher_is_better) {
  lowest_ = lowest;
  highest_ = highest;
  higher_is_better_ = higher_is_better;
}

void SYSTEME_CLASSEMENT::AddGrade(const std::string& name) {
  has_grades_ = true;
  higher_is_better_ = true;
  if (highest_ >= kMaxGrades - 1) return;
  ++highest_;
  if (highest_ < 0) return;
  if (GradeCount() <= highest_) grades_.resize(static_cast<size_t>(highest_) + 1);
  grades_[static_cast<size_t>(highest_)] = name;
}

void SYSTEME_CLASSEMENT::ClearGradesAndScale() {
  grades_.clear();
  has_grades_ = false;
  lowest_ = 0;
  highest_ = -1;
  higher_is_better_ = false;
}

int32_t SYSTEME_CLASSEMENT::IndexOfGrade(const std::string& name) const {
  if (!has_grades_ || highest_ < 0) return -1;
  for (int32_t i = 0; i <= highest_ && i < GradeCount(); ++i) {
    if (grades_[static_cast<size_t>(i)] == name) return i;
  }
  return -1;
}

std::string SYSTEME_CLASSEMENT::TextOfValue(int32_t value) const {
  if (has_grades_ && IsValid(value)) return GradeName(value);
  return std::to_string(value);
}

const std::string& SYSTEME_CLASSEMENT::Description() const {
  return scorvane::IsFrench() ? description_fr_ : description_en_;
}

void SYSTEME_CLASSEMENT::SetDescription(std::string text) {
  (scorvane::IsFrench() ? description_fr_ : description_en_) = std::move(text);
}

bool SYSTEME_CLASSEMENT::IsSameAs(const SYSTEME_CLASSEMENT& other) const {
  if (lowest_ != other.lowest_ || highest_ != other.highest_ || has_grades_ != other.has_grades_) {
    return false;
  }
  if (has_grades_) {
    for (int32_t i = 0; i <= highest_; ++i) {
      if (GradeName(i) != other.GradeName(i)) return false;
    }
  } else if (higher_is_better_ != other.higher_is_better_) {
    return false;
  }
  return yearly_ == other.yearly_;
}

void SYSTEME_CLASSEMENT::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    ar.WriteText(kTag);
    ar.WriteU16(kVersion);
    std::string title = title_, french = description_fr_, english = description_en_;
    std::string code = code_name_;
    ar.Text(title);
    ar.Text(french);
    ar.Text(english);
    ar.Text(code);
    bool grades = has_grades_, higher = higher_is_better_, yearly = yearly_;
    int32_t lowest = lowest_, highest = highest_;
    ar.Flag16(grades);
    ar.Flag16(higher);
    ar.Value(lowest);
    ar.Value(highest);
    if (grades) {
      for (int32_t i = 0; i <= highest && i < kMaxGrades; ++i)
        ar.WriteText(GradeName(i));
    }
    ar.Flag16(yearly);
    return;
  }

  if (ar.ReadText() != kTag) throw ArchiveError::BadFormat("Not a ranking system record");
  const uint16_t version = ar.ReadU16();
  if (version > kVersion) throw ArchiveError::FutureVersion("Ranking system from a newer version");

  SYSTEME_CLASSEMENT read;
  read.title_ = ar.ReadText();
  read.description_fr_ = ar.ReadText();
  read.description_en_ = ar.ReadText();
  if (version >= 2) {
    read.code_name_ = ar.ReadText();
    read.old_format_ = false;
  } else {
    ar.ReadU16();
    read.old_format_ = true;
  }
  ar.Flag16(read.has_grades_);
  ar.Flag16(read.higher_is_better_);
  if (read.has_grades_) read.higher_is_better_ = true;
  ar.Value(read.lowest_);
  ar.Value(read.highest_);
  if (read.has_grades_) {
    // Grade values are indexes into at most 300 names; a larger scale could
    // not be shown or written back.
    if (read.highest_ >= kMaxGrades) throw ArchiveError::BadFormat("Too many grades");
    const int32_t count = read.highest_ + 1;
    if (count > 0) {
      ar.Require(static_cast<size_t>(count));  // at least one length byte each
      read.grades_.reserve(static_cast<size_t>(count));
      for (int32_t i = 0; i < count; ++i)
        read.grades_.push_back(ar.ReadText());
    }
  }
  if (version >= 1) ar.Flag16(read.yearly_);
  *this = read;
}

std::filesystem::path SYSTEME_CLASSEMENT::FileFor(const std::string& title) {
  if (title.empty() || title == "." || title == ".." ||
      title.find_first_of(std::string("/\0", 2)) != std::string::npos) {
    return {};
  }
  return Registry().Folder() / (title + ".cla");
}

bool SYSTEME_CLASSEMENT::WriteFile(std::string* error) const {
  const std::filesystem::path path = FileFor(title_);
  if (path.empty()) return false;
  std::error_code ignored;
  std::filesystem::create_directories(path.parent_path(), ignored);
  Archive ar;
  SYSTEME_CLASSEMENT copy = *this;
  copy.Serialize(ar);
  return WriteFileSafely(path, ar.Bytes(), error);
}

bool SYSTEME_CLASSEMENT::ReadFile(const std::string& title, std::string* open_error) {
  const std::filesystem::path path = FileFor(title);
  if (path.empty()) return false;
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, open_error)) return false;
  try {
    Archive ar(bytes);
    SYSTEME_CLASSEMENT read;
    read.Serialize(ar);
    *this = read;
    return true;
  } catch (const ArchiveError&) {
    return false;
  }
}

bool SYSTEME_CLASSEMENT::DeleteFile() const {
  const std::filesystem::path path = FileFor(title_);
  std::error_code ignored;
  if (!path.empty()) std::filesystem::remove(path, ignored);
  return true;
}

}  // namespace scorvane

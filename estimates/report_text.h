// Building the texts of the ranking estimates' reports: the plural mark of
// the French report and the sink a calculation writes its report into.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/text_format.h"

namespace scorvane {

// "s" unless the number is exactly 1 (the plural mark of the French report).
inline const char* PluralMark(int64_t count) {
  return count == 1 ? "" : "s";
}

// Where a calculation writes its report: a string, or nowhere when the
// calculation is run only for its result (the texts are then not built).
class ReportSink {
 public:
  explicit ReportSink(std::string* target) : target_(target) {}

  bool IsWriting() const { return target_ != nullptr; }
  // Appends a text as it is.
  void Text(std::string_view text) {
    if (target_) target_->append(text);
  }
  // Appends a format filled by FormatText.
  void Format(std::string_view format, std::initializer_list<TextArg> args) {
    if (target_) target_->append(FormatText(format, args));
  }

 private:
  std::string* target_;
};

}  // namespace scorvane

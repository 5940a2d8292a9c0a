// The words of the next-grade advice: the section printed under the
// calculation report ("what would take you up, and what you can still
// afford to lose") and the one sentence of the own page's card. The advice
// itself comes from the estimate (estimates/next_grade_advice.h).
#pragma once

#include <QString>
#include <string>

namespace scorvane {

struct NextGradeAdvice;

// The section in the report's markup, starting with a rule; empty when the
// advice is not available.
std::string NextGradeSection(const NextGradeAdvice& advice);

// "2 wins over 15/4 or better would take you to 15/3": the option that needs
// the weakest opponents; empty when no option is known.
QString NextGradeSentence(const NextGradeAdvice& advice);

}  // namespace scorvane

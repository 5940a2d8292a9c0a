// The French federation's scales of the 2000 season, as used by the
// next-season estimate: series, starting capital, minimum and extra
// victories kept, points per victory and the up / down norms. Also the five
// tables of the scales dialog, as ready-made texts, so that the dialog only
// has to show them.
//
// Grades are French grade indexes: 0 "NC" ... 23 "PROM", 24 "1S".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scorvane::french {

inline constexpr int32_t kNC = 0;
inline constexpr int32_t k30_3 = 3;
inline constexpr int32_t k30_1 = 5;
inline constexpr int32_t k15_1 = 11;
inline constexpr int32_t k15 = 12;
inline constexpr int32_t k0 = 18;
inline constexpr int32_t kMinus2_6 = 19;
inline constexpr int32_t kPromotion = 23;
inline constexpr int32_t kFirstSeries = 24;
inline constexpr int kGradeCount = 25;
// The norm that can never be reached ("PROM" up, "1S" up and down).
inline constexpr int kUnreachableNorm = 9999;

// True for 0..24.
inline bool IsGrade(int32_t grade) {
  return grade >= kNC && grade <= kFirstSeries;
}
// The grade one step better / worse, staying within "NC".."1S".
inline int32_t OneBetter(int32_t grade) {
  return grade < kFirstSeries ? grade + 1 : grade;
}
inline int32_t OneWorse(int32_t grade) {
  return grade > kNC ? grade - 1 : grade;
}

// The grade's name ("NC", "30/5", ... "1S"); a value outside the grades in decimal.
std::string GradeText(int32_t grade);

// 4 up to "30/1", 3 up to "15/1", 2 above.
int Series(int32_t grade);

// Points a player starts the calculation with, by his or her grade.
int StartingCapital(int32_t grade);
// Victories kept whatever the balance of the season.
int MinimumVictories(int32_t grade);
// Norms of the grade for men or women: a pass total at or above the up norm
// proposes a rise, at or below the down norm a descent.
int UpNorm(int32_t grade, bool woman);
int DownNorm(int32_t grade, bool woman);

// Points of one kept victory over an opponent `difference` grades above
// (negative: below) the trial grade.
int VictoryPoints(int difference);
// Victories kept beyond the minimum, by the trial grade and n = V - E - 2I.
int ExtraVictories(int32_t grade, int balance);

// The scales dialog's tables.
enum class ScalesTableKind {
  kCapital = 0,
  kMinimumVictories = 1,
  kExtraVictories = 2,
  kVictoryScale = 3,
  kNorms = 4,
};
inline constexpr int kScalesTableCount = 5;

struct ScalesTable {
  std::string caption;      // the dialog's title
  std::string explanation;  // the text under the list
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;  // one text per column
};

// The table in the interface language (some texts are French in both).
ScalesTable BuildScalesTable(ScalesTableKind kind);
// The dialog shows its tables only while the French system is active.
bool ScalesTablesShown();

}  // namespace scorvane::french

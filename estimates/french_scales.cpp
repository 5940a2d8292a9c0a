#include "estimates/french_scales.h"

#include <algorithm>
#include <array>

#include "base/catalogue/messages.h"
#include "estimates/report_text.h"
#include "ranking/ranking_registry.h"

namespace scorvane::french {
namespace {

// One row of the grade table of the 2000 season.
struct GradeScale {
  int capital;
  int minimum_victories;
  int men_up;
  int men_down;
  int women_up;
  int women_down;
};

constexpr std::array<GradeScale, kGradeCount> kGradeScales = {{
    {0, 5, 100, 0, 100, 0},             // NC
    {5, 5, 155, 54, 155, 54},           // 30/5
    {10, 5, 260, 90, 240, 90},          // 30/4
    {20, 6, 340, 145, 320, 145},        // 30/3
    {30, 6, 410, 205, 390, 185},        // 30/2
    {50, 6, 480, 245, 450, 235},        // 30/1
    {80, 6, 510, 290, 510, 280},        // 30
    {120, 6, 600, 325, 580, 330},       // 15/5
    {160, 6, 660, 415, 640, 380},       // 15/4
    {200, 7, 730, 465, 740, 430},       // 15/3
    {240, 7, 770, 525, 780, 530},       // 15/2
    {280, 7, 890, 565, 860, 570},       // 15/1
    {330, 7, 950, 640, 930, 630},       // 15
    {370, 7, 990, 700, 970, 690},       // 5/6
    {410, 7, 1050, 740, 1060, 730},     // 4/6
    {450, 8, 1150, 790, 1150, 795},     // 3/6
    {490, 8, 1220, 890, 1220, 890},     // 2/6
    {530, 8, 1320, 945, 1320, 945},     // 1/6
    {570, 9, 1550, 1010, 1430, 1010},   // 0
    {620, 10, 1750, 1170, 1610, 1090},  // -2/6
    {660, 12, 1920, 1290, 1800, 1230},  // -4/6
    {700, 14, 2090, 1430, 2020, 1350},  // -15
    {740, 16, 2210, 1540, 2100, 1510},  // -30
    {780, 18, 9999, 1630, 9999, 1580},  // PROM
    {840, 0, 9999, 9999, 9999, 9999},   // 1S
}};

// Values outside the grades read as the nearest grade, so that a table
// lookup can never leave the table.
const GradeScale& ScaleOf(int32_t grade) {
  return kGradeScales[static_cast<size_t>(std::clamp(grade, kNC, kFirstSeries))];
}

// Points by difference of grades, from +2 (or more) down to -4 (or less).
constexpr std::array<int, 7> kVictoryPoints = {150, 100, 50, 30, 20, 15, 0};

// Extra victories: the lowest n of each row, then one column per group of grades.
struct ExtraRow {
  int from;
  std::array<int, 4> extra;  // series 4, series 3, "15".."0", "-2/6" and better
};
constexpr std::array<ExtraRow, 12> kExtraRows = {{
    {0, {1, 1, 1, 1}},
    {5, {2, 1, 1, 1}},
    {8, {2, 1, 2, 1}},
    {10, {3, 2, 2, 2}},
    {15, {4, 2, 3, 2}},
    {20, {5, 3, 3, 3}},
    {23, {5, 3, 4, 3}},
    {25, {6, 3, 4, 4}},
    {30, {6, 4, 5, 5}},
    {35, {6, 4, 5, 6}},
    {40, {6, 5, 6, 6}},
    {45, {6, 5, 6, 7}},
}};

int ExtraColumn(int32_t grade) {
  switch (Series(grade)) {
    case 4:
      return 0;
    case 3:
      return 1;
    default:
      return grade < kMinus2_6 ? 2 : 3;
  }
}

}  // namespace

std::string GradeText(int32_t grade) {
  return Registry().French().TextOfValue(grade);
}

int Series(int32_t grade) {
  if (grade <= k30_1) return 4;
  if (grade <= k15_1) return 3;
  return 2;
}

int StartingCapital(int32_t grade) {
  return ScaleOf(grade).capital;
}

int MinimumVictories(int32_t grade) {
  return ScaleOf(grade).minimum_victories;
}

int UpNorm(int32_t grade, bool woman) {
  return woman ? ScaleOf(grade).women_up : ScaleOf(grade).men_up;
}

int DownNorm(int32_t grade, bool woman) {
  return woman ? ScaleOf(grade).women_down : ScaleOf(grade).men_down;
}

int VictoryPoints(int difference) {
  const int limited = std::clamp(difference, -4, 2);
  return kVictoryPoints[static_cast<size_t>(2 - limited)];
}

int ExtraVictories(int32_t grade, int balance) {
  if (balance < 0) return 0;
  const ExtraRow* row = &kExtraRows.front();
  for (const ExtraRow& candidate : kExtraRows) {
    if (balance >= candidate.from) row = &candidate;
  }
  return row->extra[static_cast<size_t>(ExtraColumn(grade))];
}

// The scales dialog. Captions, explanations and most column titles come from
// the catalogue. The catalogue's English table holds French for the captions
// of the last three tables (472 to 476), and the row texts are the
// program's own: both are written here in the interface language.
namespace {

// "Rank", the first column of the tables by grade.
constexpr int kMsgRank = 78;

std::string InLanguage(const char* english, const char* french) {
  return IsFrench() ? french : english;
}

ScalesTable CapitalTable() {
  ScalesTable table{Msg(467), Msg(468), {Msg(kMsgRank), Msg(458)}, {}};
  for (int32_t grade = kNC; grade <= kFirstSeries; ++grade) {
    table.rows.push_back({GradeText(grade), FormatText("%d points", {StartingCapital(grade)})});
  }
  return table;
}

ScalesTable MinimumVictoriesTable() {
  ScalesTable table{Msg(469), Msg(470), {Msg(kMsgRank), Msg(459)}, {}};
  for (int32_t grade = kNC; grade <= kFirstSeries; ++grade) {
    // "1S" is not calculated: it has no minimum to show.
    const std::string cell =
        grade == kFirstSeries ? std::string() : FormatText(Msg(81), {MinimumVictories(grade)});
    table.rows.push_back({GradeText(grade), cell});
  }
  return table;
}

ScalesTable ExtraVictoriesTable() {
  ScalesTable table{
      Msg(471),
      InLanguage("Number of extra victories\n(At each pass it depends on the total "
                 "V-E-2I, where V is the number of victories (walkovers included) "
                 "and E, I the numbers of defeats at the same and at a lower grade "
                 "(walkovers excluded))",
                 Msg(472)),
      {"V-E-2I", InLanguage("4th series", "4ème série"), InLanguage("3rd series", "3ème série"),
       InLanguage("15 to 0", "15 à 0"), InLanguage("-2/6 to PROM", "-2/6 à PROM")},
      {}};
  // A representative grade of each column.
  const std::array<int32_t, 4> columns = {kNC, k30_1 + 1, k15, kMinus2_6};
  const auto row = [&columns](std::string first, int balance) {
    std::vector<std::string> cells{std::move(first)};
    for (const int32_t grade : columns)
      cells.push_back(std::to_string(ExtraVictories(grade, balance)));
    return cells;
  };
  table.rows.push_back(row(InLanguage("0 to 4", "0 à 4"), 0));
  for (int balance = 5; balance <= 45; ++balance)
    table.rows.push_back(row(std::to_string(balance), balance));
  table.rows.push_back(row(InLanguage("over 45", "+ de 45"), 46));
  return table;
}

ScalesTable VictoryScaleTable() {
  ScalesTable table{InLanguage("Points for a victory kept", Msg(473)),
                    InLanguage("\nScale for one victory", Msg(474)),
                    {Msg(460), Msg(461)},
                    {}};
  const std::array<std::string, 7> labels = {
      Msg(462),
      InLanguage("1 grade over", "1 échelon au dessus"),
      InLanguage("same grade", "échelon égal"),
      InLanguage("1 grade under", "1 échelon en dessous"),
      InLanguage("2 grades under", "2 échelons en dessous"),
      InLanguage("3 grades under", "3 échelons en dessous"),
      InLanguage("4 grades under or more", "4 échelons et plus en dessous")};
  for (size_t i = 0; i < labels.size(); ++i) {
    const int points = kVictoryPoints[i];
    table.rows.push_back(
        {labels[i], points == 0 ? std::string("0 points") : FormatText("+ %d points", {points})});
  }
  return table;
}

ScalesTable NormsTable() {
  ScalesTable table{
      InLanguage("Upgrade and downgrade norms (norms used for the 2000 season)", Msg(475)),
      InLanguage("Upgrade and downgrade norms\n(norms used for the 2000 season)\n", Msg(476)),
      {Msg(kMsgRank), Msg(463), Msg(464), Msg(465), Msg(466)},
      {}};
  // The bottom down norm (0) and the unreachable 9999 are left blank.
  const std::string up = InLanguage("%d or more", "%d et +");
  const std::string down = InLanguage("%d or less", "%d et -");
  const auto cell = [](int norm, const std::string& format) {
    return norm == 0 || norm == kUnreachableNorm ? std::string() : FormatText(format, {norm});
  };
  for (int32_t grade = kNC; grade <= kFirstSeries; ++grade) {
    table.rows.push_back({GradeText(grade), cell(UpNorm(grade, true), up),
                          cell(DownNorm(grade, true), down), cell(UpNorm(grade, false), up),
                          cell(DownNorm(grade, false), down)});
  }
  return table;
}

}  // namespace

ScalesTable BuildScalesTable(ScalesTableKind kind) {
  switch (kind) {
    case ScalesTableKind::kCapital:
      return CapitalTable();
    case ScalesTableKind::kMinimumVictories:
      return MinimumVictoriesTable();
    case ScalesTableKind::kExtraVictories:
      return ExtraVictoriesTable();
    case ScalesTableKind::kVictoryScale:
      return VictoryScaleTable();
    case ScalesTableKind::kNorms:
      return NormsTable();
  }
  return {};
}

bool ScalesTablesShown() {
  return ActiveSystem().IsFrench();
}

}  // namespace scorvane::french

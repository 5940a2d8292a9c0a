// The points box of the season summary: under the French or the Belgian
// system, the points the season is worth as the next-season estimate counts
// them, line by line, and the list of the matches kept for the calculation.
// Every figure comes from the estimate itself, so the box and the report
// view can never disagree.
#pragma once

#include <string>
#include <vector>

namespace scorvane {

namespace modern {
struct RulesEstimate;
}  // namespace modern
class SAISON_JOUEUR;
class SYSTEME_CLASSEMENT;
class UTILISATEUR;

struct PointsLine {
  std::string label;
  std::string value;  // empty for a line that is all label
};

struct PointsRow {
  std::vector<std::string> cells;  // one per column
  bool heading = false;            // a group line: its text is the first cell
};

struct PointsBox {
  // False when the system makes no estimate: the page hides the box.
  bool shown = false;
  std::string title;
  std::vector<PointsLine> lines;
  std::vector<std::string> columns;
  std::vector<PointsRow> rows;

  // Each line as one text: "label : value", or "label value" when the
  // label ends with its own colon.
  std::vector<std::string> TextLines() const;
};

// The box of `season` (normally the active one) under `system`, in the
// interface language; the document is not changed.
PointsBox BuildPointsBox(const SYSTEME_CLASSEMENT& system, const UTILISATEUR& owner,
                         const SAISON_JOUEUR* season);

// The box of an estimate under today's French rules (of the 2000 rules,
// the box above): the bilan at the échelon reached, piece by piece, and
// the victories kept there.
PointsBox BuildRulesPointsBox(const modern::RulesEstimate& estimate);

}  // namespace scorvane

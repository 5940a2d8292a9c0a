// The French rules the estimate follows (the 2000 rules, or today's rules
// of a sports year), a user setting shared by the report page, the
// summary's points box and the own page; the matches planned in the report
// page's "what if" panel, kept while the program runs and never written
// into the document; and the estimate under both.
#pragma once

#include <QComboBox>
#include <vector>

#include "estimates/modern/rules_estimate.h"

namespace scorvane {

class UTILISATEUR;
class SAISON_JOUEUR;

// 2000 or a year whose scale can be read; a stored year that can no longer
// be read falls back to 2000.
int ChosenFrenchRules();
void ChooseFrenchRules(int rules);
// A new French document starts on the latest shipped year.
void ChooseLatestFrenchRules();

// The planned matches, the same for every page while the program runs.
std::vector<modern::PlannedMatch>& PlannedMatches();

// The estimate of the season under the chosen rules, with the planned
// matches when `with_plan` (today's report in the interface language).
modern::RulesEstimate EstimateUnderChosenRules(const UTILISATEUR& owner,
                                               const SAISON_JOUEUR* season, bool with_plan);

// "2000 rules" and "Rules of YEAR" for each readable year; choosing one
// stores it and emits rulesChosen.
class RulesComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit RulesComboBox(QWidget* parent = nullptr);
  // Lists the years again and shows the stored choice.
  void Reload();

 signals:
  void rulesChosen(int rules);

 protected:
  void changeEvent(QEvent* event) override;
};

}  // namespace scorvane

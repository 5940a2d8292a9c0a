#include "pages/common/rules_choice.h"

#include <QEvent>
#include <QSettings>
#include <QSignalBlocker>
#include <algorithm>

#include "base/catalogue/messages.h"
#include "widgets/settings.h"

namespace scorvane {
namespace {

QSettings Store() {
  return QSettings(settings::kOrganisation, settings::kApplication);
}

}  // namespace

int ChosenFrenchRules() {
  const int rules = Store().value(settings::kFrenchRules, modern::kRules2000).toInt();
  const std::vector<int> years = modern::ScaleYears();
  return std::find(years.begin(), years.end(), rules) != years.end() ? rules : modern::kRules2000;
}

void ChooseFrenchRules(int rules) {
  Store().setValue(settings::kFrenchRules, rules);
}

void ChooseLatestFrenchRules() {
  ChooseFrenchRules(modern::LatestShippedYear());
}

std::vector<modern::PlannedMatch>& PlannedMatches() {
  static std::vector<modern::PlannedMatch> planned;
  return planned;
}

modern::RulesEstimate EstimateUnderChosenRules(const UTILISATEUR& owner,
                                               const SAISON_JOUEUR* season, bool with_plan) {
  static const std::vector<modern::PlannedMatch> none;
  return modern::EstimateUnderRules(ChosenFrenchRules(), owner, season,
                                    with_plan ? PlannedMatches() : none,
                                    CurrentLanguage() == kLanguageFrench);
}

RulesComboBox::RulesComboBox(QWidget* parent) : QComboBox(parent) {
  setObjectName(QStringLiteral("frenchRules"));
  setSizeAdjustPolicy(QComboBox::AdjustToContents);
  Reload();
  connect(this, &QComboBox::activated, this, [this](int index) {
    const int rules = itemData(index).toInt();
    ChooseFrenchRules(rules);
    emit rulesChosen(rules);
  });
}

void RulesComboBox::Reload() {
  const QSignalBlocker blocker(this);
  clear();
  addItem(tr("2000 rules"), modern::kRules2000);
  for (const int year : modern::ScaleYears())
    addItem(tr("Rules of %1").arg(year), year);
  setCurrentIndex(std::max(0, findData(ChosenFrenchRules())));
}

void RulesComboBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Reload();
  QComboBox::changeEvent(event);
}

}  // namespace scorvane

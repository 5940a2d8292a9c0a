#include "shell/window/season_lists.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "records/owner.h"
#include "records/season.h"

namespace scorvane {

void FillSeasonList(QComboBox& list, const UTILISATEUR* owner) {
  const QSignalBlocker blocker(list);
  list.clear();
  if (!owner || owner->Seasons().IsEmpty()) return;
  std::vector<QString> years;
  for (const SAISON_JOUEUR* season : owner->Seasons())
    years.push_back(QString::number(season->Year()));
  // The entries are sorted by their text, as a sorted list box would.
  std::sort(years.begin(), years.end());
  for (const QString& year : years)
    list.addItem(year, year.toInt());
  if (const SAISON_JOUEUR* active = owner->GetActiveSeason()) {
    list.setCurrentIndex(list.findData(active->Year()));
  }
}

bool ChooseSeason(const QComboBox& list, int index, UTILISATEUR* owner) {
  if (!owner || index < 0 || index >= list.count()) return false;
  SAISON_JOUEUR* season = owner->FindSeason(list.itemData(index).toInt());
  if (!season || season == owner->GetActiveSeason()) return false;
  owner->SetActiveSeason(season);
  return true;
}

}  // namespace scorvane

// The statistics page's chart and filters kept between runs in the
// "Statistiques" settings section, so that a user finds them as left.
#pragma once

#include <QSettings>

#include "stats/matches/match_filter.h"

namespace scorvane {

class UTILISATEUR;

struct StatisticsChoices {
  int chart = 0;
  StatisticsFilter filter;
};

void SaveStatisticsChoices(QSettings& store, const StatisticsChoices& choices);
// What was kept, each value checked: anything missing or out of range
// takes its initial value. The surface and the event are looked for by
// name among the owner's (none when absent).
StatisticsChoices LoadStatisticsChoices(QSettings& store, const UTILISATEUR* owner,
                                        const DATE_SIMPLE& today);

}  // namespace scorvane

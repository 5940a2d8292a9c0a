#include "pages/statistics/statistics_settings.h"

#include <QDate>

#include "records/club.h"
#include "records/owner.h"
#include "stats/matches/statistics_charts.h"
#include "widgets/settings.h"

namespace scorvane {
namespace {

using namespace settings;

QString DateText(const DATE_SIMPLE& date) {
  return QDate(date.Year(), date.Month(), date.Day()).toString(Qt::ISODate);
}

DATE_SIMPLE ReadDate(QSettings& store, const char* key, const DATE_SIMPLE& fallback) {
  const QDate date = QDate::fromString(store.value(key).toString(), Qt::ISODate);
  if (!date.isValid() || date.year() < 1900 || date.year() > 2100) return fallback;
  return DATE_SIMPLE(date.day(), date.month(), date.year());
}

int ReadIndex(QSettings& store, const char* key, int count) {
  const int value = ReadInt(store, key, 0);
  return value >= 0 && value < count ? value : 0;
}

template <class Record>
const Record* FindByName(const List<Record*>* records, const QString& name) {
  if (!records || name.isEmpty()) return nullptr;
  for (const Record* record : *records) {
    if (QString::fromStdString(record->Name()) == name) return record;
  }
  return nullptr;
}

}  // namespace

void SaveStatisticsChoices(QSettings& store, const StatisticsChoices& choices) {
  const StatisticsFilter& f = choices.filter;
  store.setValue(kStatisticsChart, choices.chart);
  store.setValue(kStatisticsDatesOn, f.dates_on);
  store.setValue(kStatisticsFirstDate, DateText(f.first_date));
  store.setValue(kStatisticsSecondDate, DateText(f.second_date));
  store.setValue(kStatisticsEventType, f.event_type);
  store.setValue(kStatisticsHomologation, f.homologation);
  store.setValue(kStatisticsAgeCategory, f.age_category);
  store.setValue(kStatisticsSinglesDoubles, f.singles_doubles);
  store.setValue(kStatisticsCorporate, f.corporate);
  store.setValue(kStatisticsSurface,
                 f.surface ? QString::fromStdString(f.surface->Name()) : QString());
  store.setValue(kStatisticsEvent, f.event ? QString::fromStdString(f.event->Name()) : QString());
  store.setValue(kStatisticsIndoor, f.indoor);
  store.setValue(kStatisticsWonLost, f.won_lost);
  store.setValue(kStatisticsSex, f.opponent_sex);
  store.setValue(kStatisticsHandedness, f.handedness);
  store.setValue(kStatisticsDoublesRule, f.doubles_rule);
  store.setValue(kStatisticsAgesOn, f.ages_on);
  store.setValue(kStatisticsAgeMin, f.age_min);
  store.setValue(kStatisticsAgeMax, f.age_max);
  store.setValue(kStatisticsComparisonOn, f.comparison_on);
  store.setValue(kStatisticsComparison, f.comparison);
  store.setValue(kStatisticsRangeOn, f.range_on);
  store.setValue(kStatisticsRangeLeft, f.range_left.Value());
  store.setValue(kStatisticsRangeRight, f.range_right.Value());
}

StatisticsChoices LoadStatisticsChoices(QSettings& store, const UTILISATEUR* owner,
                                        const DATE_SIMPLE& today) {
  StatisticsChoices choices;
  StatisticsFilter& f = choices.filter;
  f = StatisticsFilter::Initial(today);
  choices.chart = ReadIndex(store, kStatisticsChart, kStatisticsChartCount);
  f.dates_on = store.value(kStatisticsDatesOn, false).toBool();
  f.first_date = ReadDate(store, kStatisticsFirstDate, today);
  f.second_date = ReadDate(store, kStatisticsSecondDate, today);
  f.event_type = ReadIndex(store, kStatisticsEventType, 4);
  f.homologation = ReadIndex(store, kStatisticsHomologation, 4);
  f.age_category = ReadIndex(store, kStatisticsAgeCategory, 14);
  f.singles_doubles = ReadIndex(store, kStatisticsSinglesDoubles, 3);
  f.corporate = ReadIndex(store, kStatisticsCorporate, 3);
  f.surface =
      FindByName(owner ? &owner->Surfaces() : nullptr, store.value(kStatisticsSurface).toString());
  f.event =
      FindByName(owner ? &owner->Events() : nullptr, store.value(kStatisticsEvent).toString());
  f.indoor = ReadIndex(store, kStatisticsIndoor, 3);
  f.won_lost = ReadIndex(store, kStatisticsWonLost, 3);
  f.opponent_sex = ReadIndex(store, kStatisticsSex, 3);
  f.handedness = ReadIndex(store, kStatisticsHandedness, 3);
  f.doubles_rule = ReadIndex(store, kStatisticsDoublesRule, 2);
  f.ages_on = store.value(kStatisticsAgesOn, false).toBool();
  f.age_min = ReadIndex(store, kStatisticsAgeMin, 100);
  f.age_max = store.contains(kStatisticsAgeMax) ? ReadIndex(store, kStatisticsAgeMax, 100) : 99;
  f.comparison_on = store.value(kStatisticsComparisonOn, false).toBool();
  f.comparison = ReadIndex(store, kStatisticsComparison, 3);
  f.range_on = store.value(kStatisticsRangeOn, false).toBool();
  // Bounds outside the active system are put back by the filter panel.
  if (store.contains(kStatisticsRangeLeft)) {
    f.range_left = CLASSEMENT(ReadInt(store, kStatisticsRangeLeft, f.range_left.Value()));
    f.range_right = CLASSEMENT(ReadInt(store, kStatisticsRangeRight, f.range_right.Value()));
  }
  return choices;
}

}  // namespace scorvane

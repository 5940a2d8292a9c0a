#include "pages/statistics/statistics_filters.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "base/catalogue/messages.h"
#include "base/text_compare.h"
#include "pages/statistics/statistics_rules.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/event.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/date_field.h"
#include "widgets/ranking_entry.h"

namespace scorvane {
namespace {

// Catalogue texts of the lists.
enum : int {
  kMsgMatchesWon = 99,
  kMsgMatchesLost = 100,
  kMsgAllSurfaces = 381,
  kMsgAllEvents = 382,
  kMsgIndoorsAndOutdoors = 383,
  kMsgAllEventTypes = 386,
  kMsgCompetitionOrNot = 387,
  kMsgAllAgeCategories = 388,
  kMsgSinglesAndDoubles = 389,
  kMsgCorporateOrNot = 392,
  kMsgWonAndLost = 395,
  kMsgMenAndWomen = 396,
  kMsgOneOpponent = 399,
  kMsgLeftOrRight = 401,
  kMsgBetterRanked = 404,
};

// Lists keep the entry chosen when their texts are made again.
void FillWith(QComboBox* list, std::initializer_list<QString> texts) {
  const int index = list->currentIndex();
  list->clear();
  for (const QString& text : texts)
    list->addItem(text);
  list->setCurrentIndex(std::max(index, 0));
}

// The catalogue texts from `first`, `count` of them.
void FillFromCatalogue(QComboBox* list, int first, int count) {
  const int index = list->currentIndex();
  list->clear();
  for (int i = 0; i < count; ++i)
    list->addItem(CatalogueText(first + i));
  list->setCurrentIndex(std::max(index, 0));
}

// A sorted list of named records, with an entry carrying none.
template <class Record>
void FillRecords(QComboBox* list, const List<Record*>* records, int all_message) {
  std::vector<std::pair<std::string, const Record*>> entries;
  entries.emplace_back(Msg(all_message), nullptr);
  if (records) {
    for (const Record* record : *records)
      entries.emplace_back(record->Name(), record);
  }
  std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
    return CompareListTexts(a.first, b.first) < 0;
  });
  list->clear();
  for (const auto& [name, record] : entries)
    list->addItem(QString::fromStdString(name), QVariant::fromValue(record));
}

// The value a ranking control shows, read without clearing what is typed.
std::optional<CLASSEMENT> EntryValue(const RankingEntry& entry) {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  bool ok = false;
  const int value = entry.IsGradeList() ? entry.Grades()->currentData().toInt(&ok)
                                        : entry.Number()->text().trimmed().toInt(&ok);
  if (!ok || !system.IsValid(value)) return std::nullopt;
  return CLASSEMENT(value);
}

}  // namespace

StatisticsFilterPanel::StatisticsFilterPanel(QWidget* parent)
    : QFrame(parent),
      filter_(StatisticsFilter::Initial(Today())),
      grid_(new QGridLayout(this)),
      dates_box_(new QCheckBox(this)),
      first_date_(new DateField(this)),
      second_date_(new DateField(this)),
      and_date_(new QLabel(this)),
      event_type_(AddList("eventType")),
      homologation_(AddList("homologation")),
      age_category_(AddList("ageCategory")),
      singles_doubles_(AddList("singlesDoubles")),
      corporate_(AddList("corporate")),
      surface_(AddList("surface")),
      event_(AddList("event")),
      indoor_(AddList("indoor")),
      won_lost_(AddList("wonLost")),
      opponents_(new QLabel(this)),
      opponent_sex_(AddList("opponentSex")),
      handedness_(AddList("handedness")),
      doubles_rule_label_(new QLabel(this)),
      doubles_rule_(AddList("doublesRule")),
      ages_box_(new QCheckBox(this)),
      age_min_(new QLineEdit(this)),
      years_and_(new QLabel(this)),
      age_max_(new QLineEdit(this)),
      years_end_(new QLabel(this)),
      comparison_box_(new QCheckBox(this)),
      comparison_(AddList("comparison")),
      range_box_(new QCheckBox(this)),
      range_left_(new RankingEntry(this)),
      and_range_(new QLabel(this)),
      range_right_(new RankingEntry(this)) {
  setObjectName(QStringLiteral("statisticsFilters"));
  setFrameShape(QFrame::StyledPanel);
  dates_box_->setObjectName(QStringLiteral("datesBox"));
  first_date_->setObjectName(QStringLiteral("firstDate"));
  second_date_->setObjectName(QStringLiteral("secondDate"));
  ages_box_->setObjectName(QStringLiteral("agesBox"));
  age_min_->setObjectName(QStringLiteral("ageMin"));
  age_max_->setObjectName(QStringLiteral("ageMax"));
  comparison_box_->setObjectName(QStringLiteral("comparisonBox"));
  range_box_->setObjectName(QStringLiteral("rangeBox"));
  range_left_->setObjectName(QStringLiteral("rangeLeft"));
  range_right_->setObjectName(QStringLiteral("rangeRight"));
  for (DateField* picker : {first_date_, second_date_})
    picker->calendarWidget()->installEventFilter(this);
  for (QLineEdit* age : {age_min_, age_max_}) {
    age->setMaxLength(3);
    age->setFixedWidth(40);
    age->setAlignment(Qt::AlignCenter);
  }

  // The dates on the first line, the lists three by three, then the
  // opponents' conditions.
  grid_->setContentsMargins(8, 6, 8, 6);
  grid_->setHorizontalSpacing(8);
  grid_->setVerticalSpacing(4);
  auto* dates = new QHBoxLayout;
  dates->addWidget(dates_box_);
  dates->addWidget(first_date_);
  dates->addWidget(and_date_);
  dates->addWidget(second_date_);
  dates->addStretch();
  grid_->addLayout(dates, 0, 0, 1, 3);
  QComboBox* const lists[] = {event_type_,      homologation_, age_category_,
                              singles_doubles_, corporate_,    surface_,
                              event_,           indoor_,       won_lost_};
  for (int i = 0; i < 9; ++i) {
    lists[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lists[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid_->addWidget(lists[i], 1 + i / 3, i % 3);
  }
  for (int column = 0; column < 3; ++column)
    grid_->setColumnStretch(column, 1);
  auto* opponents = new QHBoxLayout;
  opponents->addWidget(opponents_);
  opponents->addWidget(opponent_sex_);
  opponents->addWidget(handedness_);
  opponents->addWidget(doubles_rule_label_);
  opponents->addWidget(doubles_rule_);
  opponents->addStretch();
  grid_->addLayout(opponents, 4, 0, 1, 3);
  auto* ages = new QHBoxLayout;
  for (QWidget* widget :
       std::initializer_list<QWidget*>{ages_box_, age_min_, years_and_, age_max_, years_end_})
    ages->addWidget(widget);
  ages->addStretch();
  grid_->addLayout(ages, 5, 0, 1, 3);
  auto* rankings = new QHBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{comparison_box_, comparison_, range_box_,
                                                         range_left_, and_range_, range_right_})
    rankings->addWidget(widget);
  rankings->addStretch();
  grid_->addLayout(rankings, 6, 0, 1, 3);

  const auto on_list = [this](QComboBox* list, int StatisticsFilter::*field, QCheckBox* box) {
    connect(list, &QComboBox::currentIndexChanged, this, [this, field, box](int index) {
      if (showing_ || index < 0) return;
      filter_.*field = index;
      Touched(box);
    });
  };
  on_list(event_type_, &StatisticsFilter::event_type, nullptr);
  on_list(homologation_, &StatisticsFilter::homologation, nullptr);
  on_list(age_category_, &StatisticsFilter::age_category, nullptr);
  on_list(singles_doubles_, &StatisticsFilter::singles_doubles, nullptr);
  on_list(corporate_, &StatisticsFilter::corporate, nullptr);
  on_list(indoor_, &StatisticsFilter::indoor, nullptr);
  on_list(won_lost_, &StatisticsFilter::won_lost, nullptr);
  on_list(opponent_sex_, &StatisticsFilter::opponent_sex, nullptr);
  on_list(handedness_, &StatisticsFilter::handedness, nullptr);
  on_list(doubles_rule_, &StatisticsFilter::doubles_rule, nullptr);
  on_list(comparison_, &StatisticsFilter::comparison, comparison_box_);
  connect(surface_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (showing_ || index < 0) return;
    filter_.surface = surface_->itemData(index).value<const SURFACE*>();
    Touched(nullptr);
  });
  connect(event_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (showing_ || index < 0) return;
    filter_.event = event_->itemData(index).value<const EPREUVE*>();
    Touched(nullptr);
  });
  const auto on_box = [this](QCheckBox* box, bool StatisticsFilter::*field) {
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
      if (showing_) return;
      filter_.*field = on;
      emit Changed();
    });
  };
  on_box(dates_box_, &StatisticsFilter::dates_on);
  on_box(ages_box_, &StatisticsFilter::ages_on);
  on_box(comparison_box_, &StatisticsFilter::comparison_on);
  on_box(range_box_, &StatisticsFilter::range_on);
  for (DateField* picker : {first_date_, second_date_}) {
    connect(picker, &QDateEdit::dateChanged, this, [this, picker] { DateChanged(picker); });
  }
  connect(age_min_, &QLineEdit::textEdited, this, [this] { AgeEdited(age_min_, filter_.age_min); });
  connect(age_max_, &QLineEdit::textEdited, this, [this] { AgeEdited(age_max_, filter_.age_max); });
  // Leaving an age box shows the age kept.
  connect(age_min_, &QLineEdit::editingFinished, this,
          [this] { age_min_->setText(QString::number(filter_.age_min)); });
  connect(age_max_, &QLineEdit::editingFinished, this,
          [this] { age_max_->setText(QString::number(filter_.age_max)); });
  connect(range_left_, &RankingEntry::ValueChanged, this,
          [this] { RankingChanged(range_left_, filter_.range_left); });
  connect(range_right_, &RankingEntry::ValueChanged, this,
          [this] { RankingChanged(range_right_, filter_.range_right); });

  Retranslate();
  FillLists();
}

QComboBox* StatisticsFilterPanel::AddList(const char* name) {
  auto* list = new QComboBox(this);
  list->setObjectName(QLatin1String(name));
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return list;
}

void StatisticsFilterPanel::Retranslate() {
  dates_box_->setText(tr("Only the matches played between"));
  and_date_->setText(tr("and", "between two dates"));
  opponents_->setText(tr("Opponents"));
  doubles_rule_label_->setText(tr("For a doubles, keep the match if"));
  ages_box_->setText(tr("Only the opponents aged on the day of the match between"));
  years_and_->setText(tr("years and"));
  years_end_->setText(tr("years (left out without an age)"));
  comparison_box_->setText(tr("Only"));
  range_box_->setText(tr("Only if ranked between"));
  and_range_->setText(tr("and"));
}

void StatisticsFilterPanel::FillFixedLists() {
  event_type_->clear();
  event_type_->addItem(CatalogueText(kMsgAllEventTypes));
  for (int32_t type = EPREUVE::kTournament; type <= EPREUVE::kTeamEvent; ++type)
    event_type_->addItem(QString::fromStdString(EventTypeName(type)));
  homologation_->clear();
  homologation_->addItem(CatalogueText(kMsgCompetitionOrNot));
  for (int32_t code = EPREUVE::kFriendly; code <= EPREUVE::kNonHomologated; ++code)
    homologation_->addItem(QString::fromStdString(HomologationName(code)));
  age_category_->clear();
  age_category_->addItem(CatalogueText(kMsgAllAgeCategories));
  for (int32_t code = 0; code < EPREUVE::kAgeCategoryCount; ++code)
    age_category_->addItem(QString::fromStdString(AgeCategoryName(code)));
  FillFromCatalogue(singles_doubles_, kMsgSinglesAndDoubles, 3);
  FillFromCatalogue(corporate_, kMsgCorporateOrNot, 3);
  FillFromCatalogue(indoor_, kMsgIndoorsAndOutdoors, 3);
  FillWith(won_lost_, {CatalogueText(kMsgWonAndLost), CatalogueText(kMsgMatchesWon),
                       CatalogueText(kMsgMatchesLost)});
  FillFromCatalogue(opponent_sex_, kMsgMenAndWomen, 3);
  FillFromCatalogue(handedness_, kMsgLeftOrRight, 3);
  FillFromCatalogue(doubles_rule_, kMsgOneOpponent, 2);
  FillFromCatalogue(comparison_, kMsgBetterRanked, 3);
}

void StatisticsFilterPanel::FillDocumentLists() {
  const UTILISATEUR* owner = CurrentOwner();
  FillRecords(surface_, owner ? &owner->Surfaces() : nullptr, kMsgAllSurfaces);
  FillRecords(event_, owner ? &owner->Events() : nullptr, kMsgAllEvents);
  range_left_->SetUp();
  range_right_->SetUp();
}

void StatisticsFilterPanel::FillLists() {
  showing_ = true;
  FillFixedLists();
  FillDocumentLists();
  showing_ = false;
  Show(filter_);
}

void StatisticsFilterPanel::Show(const StatisticsFilter& filter) {
  filter_ = filter;
  // A surface or an event of another document, or one deleted since, is no
  // filter; ranking bounds of another system are the ends of this one.
  if (surface_->findData(QVariant::fromValue(filter_.surface)) < 0) {
    filter_.surface = nullptr;
  }
  if (event_->findData(QVariant::fromValue(filter_.event)) < 0) filter_.event = nullptr;
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (!system.IsValid(filter_.range_left.Value())) filter_.range_left = CLASSEMENT::Worst();
  if (!system.IsValid(filter_.range_right.Value())) filter_.range_right = CLASSEMENT::Best();
  ShowControls();
}

void StatisticsFilterPanel::ShowControls() {
  showing_ = true;
  dates_box_->setChecked(filter_.dates_on);
  first_date_->SetDate(filter_.first_date);
  second_date_->SetDate(filter_.second_date);
  event_type_->setCurrentIndex(filter_.event_type);
  homologation_->setCurrentIndex(filter_.homologation);
  age_category_->setCurrentIndex(filter_.age_category);
  singles_doubles_->setCurrentIndex(filter_.singles_doubles);
  corporate_->setCurrentIndex(filter_.corporate);
  surface_->setCurrentIndex(surface_->findData(QVariant::fromValue(filter_.surface)));
  event_->setCurrentIndex(event_->findData(QVariant::fromValue(filter_.event)));
  indoor_->setCurrentIndex(filter_.indoor);
  won_lost_->setCurrentIndex(filter_.won_lost);
  opponent_sex_->setCurrentIndex(filter_.opponent_sex);
  handedness_->setCurrentIndex(filter_.handedness);
  doubles_rule_->setCurrentIndex(filter_.doubles_rule);
  ages_box_->setChecked(filter_.ages_on);
  age_min_->setText(QString::number(filter_.age_min));
  age_max_->setText(QString::number(filter_.age_max));
  comparison_box_->setChecked(filter_.comparison_on);
  comparison_->setCurrentIndex(filter_.comparison);
  range_box_->setChecked(filter_.range_on);
  range_left_->SetValue(filter_.range_left);
  range_right_->SetValue(filter_.range_right);
  showing_ = false;
}

void StatisticsFilterPanel::Touched(QCheckBox* box) {
  if (box && !box->isChecked()) {
    showing_ = true;
    box->setChecked(true);
    showing_ = false;
    if (box == dates_box_) filter_.dates_on = true;
    if (box == ages_box_) filter_.ages_on = true;
    if (box == comparison_box_) filter_.comparison_on = true;
    if (box == range_box_) filter_.range_on = true;
  }
  emit Changed();
}

void StatisticsFilterPanel::DateChanged(DateField* picker) {
  if (showing_) return;
  (picker == first_date_ ? filter_.first_date : filter_.second_date) = picker->Date();
  if (picker->calendarWidget()->isVisible()) {
    // Browsing the calendar: the page waits until it closes.
    date_waiting_ = true;
    if (!dates_box_->isChecked()) {
      showing_ = true;
      dates_box_->setChecked(true);
      showing_ = false;
      filter_.dates_on = true;
    }
    return;
  }
  date_waiting_ = false;
  Touched(dates_box_);
}

bool StatisticsFilterPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && date_waiting_ &&
      (watched == first_date_->calendarWidget() || watched == second_date_->calendarWidget())) {
    date_waiting_ = false;
    emit Changed();
  }
  return QFrame::eventFilter(watched, event);
}

void StatisticsFilterPanel::AgeEdited(QLineEdit* edit, int& kept) {
  const std::optional<int> age = ParseAge(edit->text().toStdString());
  if (!age || *age == kept) return;
  kept = *age;
  Touched(ages_box_);
}

void StatisticsFilterPanel::RankingChanged(RankingEntry* entry, CLASSEMENT& kept) {
  if (showing_) return;
  const std::optional<CLASSEMENT> value = EntryValue(*entry);
  if (!value || *value == kept) return;
  kept = *value;
  Touched(range_box_);
}

void StatisticsFilterPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    FillLists();
  }
  QFrame::changeEvent(event);
}

}  // namespace scorvane

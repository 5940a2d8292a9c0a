// DLG_SAISIE_EPREUVE, "Event": an event as played in a season. The name is
// chosen among the document's events (typing completes with the first name
// that begins with the text) or typed anew; a known event brings its kind,
// homologation, age category and corporate flag, and its played event of
// the season or the period of its latest participation. The start date
// stays in the season year or the year before and the end date follows it;
// "won" and the best ranking lost to follow the ranking system; the amounts
// take only what reads as an amount and are rewritten when left. OK refuses
// an amount out of range with a word, and asks before a period far outside
// the season.
//
// The dialog only collects an EventEntry; StoreEventEntry makes the records.
#pragma once

#include <QDialog>

#include "records/event_entry.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace scorvane {

class DateField;
class RankingEntry;

class DLG_SAISIE_EPREUVE : public QDialog {
  Q_OBJECT

 public:
  DLG_SAISIE_EPREUVE(const UTILISATEUR& owner, int season_year, const EventEntry& entry,
                     QWidget* parent = nullptr);
  ~DLG_SAISIE_EPREUVE() override;

  // What the dialog holds (after OK: what the user confirmed).
  EventEntry Entry();

  QComboBox* NameBox() const { return name_; }
  QComboBox* TypeBox() const { return type_; }
  QComboBox* AgeBox() const { return age_; }
  QComboBox* HomologationBox() const { return homologation_; }
  QCheckBox* CorporateBox() const { return corporate_; }
  DateField* StartDate() const { return start_; }
  DateField* EndDate() const { return end_; }
  QCheckBox* WonBox() const { return won_; }
  QLabel* BestRankingLabel() const { return best_label_; }
  RankingEntry* BestRanking() const { return best_ranking_; }
  QLineEdit* PrizeMoney() const { return prize_money_; }
  QLineEdit* Prizes() const { return prizes_; }
  QLineEdit* EntryFee() const { return entry_fee_; }
  QLineEdit* Travel() const { return travel_; }
  QPlainTextEdit* Comments() const { return comments_; }
  const QList<QLabel*>& CurrencyLabels() const { return currency_labels_; }

 public slots:
  // Refuses an empty name ("You must give the event a name !...").
  void accept() override;

 private:
  void ShowValues(const EventValues& values);
  void LoadEvent(EPREUVE* event);
  void NameLeft();
  void StartLeft();
  void EndLeft();
  void ShowWonParts();
  void ForgetLoadedEvent();
  bool AmountsAreValid();
  bool PeriodIsConfirmed();
  QLineEdit* AmountField(const char* name);

  const UTILISATEUR& owner_;
  int season_year_;
  EPREUVE* event_ = nullptr;
  EPREUVE_JOUEE* played_ = nullptr;
  // The played event the dialog was opened on (null for a new one): a new
  // name renames it, and another event chosen takes it over.
  EPREUVE_JOUEE* opened_played_ = nullptr;
  bool end_changed_ = false;
  // The start date as last shown or checked: only a new one is checked.
  DATE_SIMPLE shown_start_;
  bool showing_ = false;
  // The amounts as loaded, so that an untouched amount keeps its value.
  AmountEntry loaded_amounts_[3];

  QComboBox* name_;
  QComboBox* type_;
  QComboBox* age_;
  QComboBox* homologation_;
  QCheckBox* corporate_;
  DateField* start_;
  DateField* end_;
  QCheckBox* won_;
  QGroupBox* best_frame_;
  QLabel* best_label_;
  RankingEntry* best_ranking_;
  QLineEdit* prize_money_;
  QLineEdit* prizes_;
  QLineEdit* entry_fee_;
  QLineEdit* travel_;
  QPlainTextEdit* comments_;
  QList<QLabel*> currency_labels_;
};

}  // namespace scorvane

// PAGE_PROPRIETE_JOUEUR, the form that edits one player wherever a player is
// entered: the pages of the match dialog and the player dialog. It shows
// the names, sex, licence, anonymous and left-handed boxes, the club, the
// year of birth, the ranking for the season and (behind a box) the next
// one, strengths, weaknesses and a comment; "List" picks an existing player
// and "Details" opens the player dialog on what the form holds.
//
// The form works on values and on the PlayerSlot it holds (a player of the
// document, or a new one it owns); Save applies the saving rules.
#pragma once

#include <QWidget>
#include <optional>

#include "records/player_entry.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scorvane {

class COMBO_CLUBS;
class RankingEntry;

class PAGE_PROPRIETE_JOUEUR : public QWidget {
  Q_OBJECT

 public:
  PAGE_PROPRIETE_JOUEUR(UTILISATEUR& owner, QWidget* parent = nullptr);

  // Shows the slot's player, its rankings at the dates of the season year
  // and the date (the date counts only under a system without yearly
  // rankings).
  void SetPlayer(PlayerSlot slot, int season_year, const DATE_SIMPLE& date);
  // Shows other values for the same player (from the player dialog).
  void SetValues(const PlayerValues& values);
  // A new match date: rankings the user has not touched are shown again
  // for it.
  void SetDate(const DATE_SIMPLE& date);
  // The player dialog's form has no "List" and "Details" buttons.
  void SetPlayerButtonsShown(bool shown);

  PlayerValues Values();
  PlayerSlot& Slot() { return slot_; }
  const RankingDates& Dates() const { return dates_; }
  int SeasonYear() const { return season_year_; }

  // Runs the licence and year checks and checks the rankings; false (after
  // the message) when a field is refused.
  bool Validate();
  // Saves the values into their record (saving rules of PlayerSlot).
  JOUEUR* Save(bool in_match, const RENCONTRE* match, PlayerQuestions& questions);

  // The fields, for the dialogs around the form and for tests.
  QLineEdit* FirstName() const { return first_name_; }
  QLineEdit* LastName() const { return last_name_; }
  QRadioButton* Man() const { return man_; }
  QRadioButton* Woman() const { return woman_; }
  QLineEdit* Licence() const { return licence_; }
  QCheckBox* Anonymous() const { return anonymous_; }
  QCheckBox* LeftHanded() const { return left_handed_; }
  COMBO_CLUBS* Club() const { return club_; }
  QLineEdit* BirthYear() const { return birth_year_; }
  QLabel* RankingLabel() const { return ranking_label_; }
  RankingEntry* Ranking() const { return ranking_; }
  QCheckBox* NextRankingBox() const { return next_box_; }
  RankingEntry* NextRanking() const { return next_ranking_; }
  QLineEdit* Strengths() const { return strengths_; }
  QLineEdit* Weaknesses() const { return weaknesses_; }
  QLineEdit* Comment() const { return comment_; }
  QPushButton* ListButton() const { return list_button_; }
  QPushButton* DetailsButton() const { return details_button_; }

  // Tab goes first through the names and the ranking (what a quick entry
  // needs), then through the other fields; each returns the last field.
  QWidget* ChainMainTabOrder(QWidget* before);
  QWidget* ChainOtherTabOrder(QWidget* before);

 signals:
  // The sex changed (the player dialog words its texts for it).
  void SexChanged();

 private:
  void ShowValues(const PlayerValues& values);
  void ShowRankingLabels();
  void CheckLicenceField();
  void CheckBirthYearField();
  void AnonymousToggled();
  void PickFromList();
  void OpenDetails();

  UTILISATEUR& owner_;
  PlayerSlot slot_;
  int season_year_ = 0;
  RankingDates dates_;
  std::optional<ContactValues> contact_;
  bool rankings_touched_ = false;

  QLineEdit* first_name_;
  QLineEdit* last_name_;
  QRadioButton* man_;
  QRadioButton* woman_;
  QButtonGroup* sexes_;
  QLineEdit* licence_;
  QCheckBox* anonymous_;
  QCheckBox* left_handed_;
  COMBO_CLUBS* club_;
  QLineEdit* birth_year_;
  QLabel* ranking_label_;
  RankingEntry* ranking_;
  QCheckBox* next_box_;
  RankingEntry* next_ranking_;
  QLineEdit* strengths_;
  QLineEdit* weaknesses_;
  QLineEdit* comment_;
  QPushButton* list_button_;
  QPushButton* details_button_;
};

}  // namespace scorvane

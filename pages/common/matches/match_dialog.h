// DLG_SAISIE_RENCONTRE, the match dialog: date, event (the button and the
// two lines that describe it), place, surface, indoor, singles or doubles,
// the players on a tabbed sheet of player forms (the opponent in singles;
// opponent 1, opponent 2 and the partner in doubles), the result with its
// score, retirement, walk-overs (under the Belgian system) and short
// formats (under the French system), and three comments.
//
// The dialog holds values only: the match, its new players and the event
// it goes into are stored by Store, once the user confirmed, so a cancelled
// dialog changes nothing.
#pragma once

#include <QDialog>
#include <array>

#include "records/match_entry.h"
#include "records/match_event_choice.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace scorvane {

class DateField;
class PAGE_PROPRIETE_JOUEUR;

class DLG_SAISIE_RENCONTRE : public QDialog {
  Q_OBJECT

 public:
  // The player forms: opponent 1 (the opponent of a singles match),
  // opponent 2 and the partner.
  enum Role { kOpponent1 = 0, kOpponent2 = 1, kPartner = 2 };

  // A new match in the event chosen, to be retained in `season`.
  DLG_SAISIE_RENCONTRE(UTILISATEUR& owner, SAISON_JOUEUR& season, MatchEventChoice choice,
                       QWidget* parent = nullptr);
  // An existing match of `season`.
  DLG_SAISIE_RENCONTRE(UTILISATEUR& owner, SAISON_JOUEUR& season, RENCONTRE& match,
                       QWidget* parent = nullptr);

  // After OK: saves the players (asking the player questions), makes the
  // event when it is new, and stores the match. The match as it now stands.
  RENCONTRE* Store(PlayerQuestions& questions);

  MatchValues Values() const;
  const MatchEventChoice& EventChoice() const { return choice_; }

  DateField* Date() const { return date_; }
  QPushButton* EventButton() const { return event_button_; }
  QLabel* EventLine(int line) const { return event_lines_[static_cast<size_t>(line)]; }
  QLineEdit* Place() const { return place_; }
  QComboBox* Surface() const { return surface_; }
  QCheckBox* Indoor() const { return indoor_; }
  QCheckBox* Doubles() const { return doubles_; }
  QTabWidget* Sheet() const { return sheet_; }
  PAGE_PROPRIETE_JOUEUR* Page(Role role) const { return pages_[role]; }
  QGroupBox* ResultGroup() const { return result_group_; }
  QRadioButton* Victory() const { return victory_; }
  QRadioButton* Defeat() const { return defeat_; }
  QLineEdit* Score() const { return score_; }
  QCheckBox* Retirement() const { return retirement_; }
  QCheckBox* ExcusedWalkover() const { return excused_; }
  QCheckBox* NotExcusedWalkover() const { return not_excused_; }
  QCheckBox* HiddenWalkover() const { return walkover_; }
  QGroupBox* OptionsGroup() const { return options_group_; }
  QCheckBox* FourGames() const { return four_games_; }
  QCheckBox* NoAdvantage() const { return no_advantage_; }
  QCheckBox* TieBreakThirdSet() const { return tie_break_; }
  QCheckBox* NoLet() const { return no_let_; }
  QPlainTextEdit* Comment() const { return comment_; }
  QPlainTextEdit* StrongPoints() const { return strong_points_; }
  QPlainTextEdit* WeakPoints() const { return weak_points_; }
  QPushButton* OkButton() const { return ok_; }

  // Runs the event dialog on the match's event and takes what it returns.
  void ChooseEvent();

 public slots:
  // The checks, in order: the score, an event, the player forms, the players
  // that must be given, a question on an unusual score; any refusal keeps
  // the dialog open as it is, the focus on the field at fault.
  void accept() override;

 private:
  DLG_SAISIE_RENCONTRE(UTILISATEUR& owner, SAISON_JOUEUR& season, RENCONTRE* match,
                       MatchEventChoice choice, QWidget* parent);
  void Build();
  void ChainTabOrder();
  void ShowValues(const MatchValues& values);
  void ShowSheet();
  void ShowSystemParts();
  void ShowEventLines();
  void DateChanged();
  void CheckScoreField();
  void WarnBadScore();
  // Asks before a score a match rarely has (No keeps the dialog open).
  bool ScoreIsConfirmed();
  void FocusField(QWidget* field);
  void FocusMissingPlayer(int message);
  bool PagesAreValid();

  UTILISATEUR& owner_;
  SAISON_JOUEUR& season_;
  RENCONTRE* match_;
  MatchEventChoice choice_;

  DateField* date_;
  QPushButton* event_button_;
  std::array<QLabel*, 2> event_lines_{};
  QLineEdit* place_;
  QComboBox* surface_;
  QCheckBox* indoor_;
  QCheckBox* doubles_;
  QTabWidget* sheet_;
  std::array<PAGE_PROPRIETE_JOUEUR*, 3> pages_{};
  QHBoxLayout* result_row_;
  QGroupBox* result_group_;
  QRadioButton* victory_;
  QRadioButton* defeat_;
  QLineEdit* score_;
  QCheckBox* retirement_;
  QCheckBox* excused_;
  QCheckBox* not_excused_;
  QCheckBox* walkover_;
  QGroupBox* options_group_;
  QCheckBox* four_games_;
  QCheckBox* no_advantage_;
  QCheckBox* tie_break_;
  QCheckBox* no_let_;
  QPlainTextEdit* comment_;
  QPlainTextEdit* strong_points_;
  QPlainTextEdit* weak_points_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace scorvane

// DLG_SAISIE_JOUEUR, the player dialog: the player form, the contact
// details behind "Further information (the player becomes a 'contact')",
// how many matches were played with the player, the best ranking reached,
// and the buttons that show those matches and the ranking's evolution. OK
// needs a first name, a surname or a licence unless the player is
// anonymous.
//
// The dialog collects values; EditPlayerDialog and NewPlayerDialog
// (player_commands.h) save them, and the player form's "Details" takes them
// back into the form.
#pragma once

#include <QDialog>
#include <array>

#include "records/player_entry.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace scorvane {

class PAGE_PROPRIETE_JOUEUR;

class DLG_SAISIE_JOUEUR : public QDialog {
  Q_OBJECT

 public:
  // The slot's player is shown (its matches and best ranking too), or
  // `values` instead of its own values when given.
  DLG_SAISIE_JOUEUR(UTILISATEUR& owner, PlayerSlot slot, int season_year, const DATE_SIMPLE& date,
                    QWidget* parent = nullptr, const PlayerValues* values = nullptr);

  PlayerValues Values();
  PAGE_PROPRIETE_JOUEUR* Page() const { return page_; }
  QCheckBox* ContactBox() const { return contact_box_; }
  // Address, town, home phone, mobile phone, work phone, e-mail.
  const std::array<QLineEdit*, 6>& ContactFields() const { return contact_fields_; }
  QLabel* MatchCountLine() const { return match_count_; }
  QLabel* BestRankingLine() const { return best_ranking_; }
  QPushButton* MatchesButton() const { return matches_button_; }
  QPushButton* EvolutionButton() const { return evolution_button_; }

 public slots:
  void accept() override;

 private:
  void ShowSexTexts();
  void ContactToggled(bool on);
  void ShowMatches();
  void ShowEvolution();

  UTILISATEUR& owner_;
  PAGE_PROPRIETE_JOUEUR* page_;
  QCheckBox* contact_box_;
  std::array<QLineEdit*, 6> contact_fields_{};
  QLabel* match_count_;
  QLabel* best_ranking_;
  QPushButton* matches_button_;
  QPushButton* evolution_button_;
  int match_count_value_ = 0;
};

}  // namespace scorvane

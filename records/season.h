// One sports year of the owner: its palmares (the matches and events
// retained), its finances and a comment. Season Y runs from 1 November of
// Y-1 to 31 October of Y.
#pragma once

#include <memory>
#include <string>

#include "base/amount.h"
#include "base/dates.h"
#include "base/record.h"
#include "records/finance_records.h"

namespace scorvane {

class JOUEUR;
class PALMARES;
class RENCONTRE;

class SAISON_JOUEUR : public CObject {
  SCORVANE_DECLARE_RECORD(SAISON_JOUEUR)
 public:
  SAISON_JOUEUR();
  explicit SAISON_JOUEUR(int year);
  ~SAISON_JOUEUR() override;
  SAISON_JOUEUR(const SAISON_JOUEUR&) = delete;
  SAISON_JOUEUR& operator=(const SAISON_JOUEUR&) = delete;

  int Year() const { return year_.Get(); }
  const ANNEE& GetYear() const { return year_; }
  const std::string& Comment() const { return comment_; }
  void SetComment(std::string text) { comment_ = std::move(text); }

  // The palmares, or null before the first retained match.
  PALMARES* Palmares() const { return palmares_.get(); }
  // The palmares, created empty when missing.
  PALMARES& EnsurePalmares();
  // Retains a match in this season (creating the palmares when missing).
  void RetainMatch(RENCONTRE* match);

  FINANCES_SAISON& Finances() { return finances_; }
  const FINANCES_SAISON& Finances() const { return finances_; }
  // Gain operations plus the prize money of the retained played events.
  SOMME GetGains() const;
  // Expense operations plus entry fees and travel of the retained played events.
  SOMME GetExpenses() const;

  // The player whose list holds the season; set for seasons read from a file.
  JOUEUR* Player() const { return player_; }
  void SetPlayer(JOUEUR* player) { player_ = player; }

  void Serialize(Archive& ar) override;

 private:
  JOUEUR* player_ = nullptr;
  ANNEE year_;
  std::unique_ptr<PALMARES> palmares_;
  FINANCES_SAISON finances_;
  std::string comment_;
};

}  // namespace scorvane

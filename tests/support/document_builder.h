// Builds documents for tests through the owner's own operations, in a few
// readable lines:
//
//   DocumentBuilder b(Owner());
//   SAISON_JOUEUR* season = b.Season(2001, "30/2");
//   EPREUVE_JOUEE* open = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
//   b.Singles(open, b.Player("Paul", "Martin", {{2001, "30/1"}}), true, "6/4 6/3");
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "records/document.h"
#include "records/season.h"

namespace scorvane::testing {

class DocumentBuilder {
 public:
  explicit DocumentBuilder(UTILISATEUR& owner) : owner_(owner) {}

  // A season of the owner (made active) with the owner's ranking at its
  // 1 January given by grade name (or number text) in the active system.
  SAISON_JOUEUR* Season(int year, const std::string& ranking = {});
  // A player with rankings {year, grade} at 1 January of each year.
  JOUEUR* Player(const std::string& first, const std::string& last,
                 const std::vector<std::pair<int, std::string>>& rankings = {});
  // An event with one played instance over the given dates.
  EPREUVE_JOUEE* Event(const std::string& name, int32_t homologation, int32_t type,
                       const DATE_SIMPLE& start, const DATE_SIMPLE& end = DATE_SIMPLE());
  EPREUVE_JOUEE* Tournament(const std::string& name, const DATE_SIMPLE& start) {
    return Event(name, EPREUVE::kHomologated, EPREUVE::kTournament, start);
  }
  // A singles match in the played event, retained in the active season.
  RENCONTRE_SIMPLE* Singles(EPREUVE_JOUEE* played, JOUEUR* opponent, bool won,
                            const std::string& score, int32_t walkover = 0);
  RENCONTRE_DOUBLE* Doubles(EPREUVE_JOUEE* played, JOUEUR* partner, JOUEUR* first, JOUEUR* second,
                            bool won, const std::string& score);

  // The value of a grade name (or a number written in decimal) in the active system.
  static CLASSEMENT Rank(const std::string& text);

 private:
  UTILISATEUR& owner_;
};

}  // namespace scorvane::testing

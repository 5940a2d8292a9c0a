// Entering a player wherever one is entered (the pages of the match dialog,
// the player dialog): the values the player form shows and collects, the
// checks of its licence and birth-year fields, and the saving rules that
// decide which record the values go into: the record shown, a new record
// when a player met in other matches changed identity, or an existing
// player that a new one resembles.
//
// The form only holds values, and a player not yet in the document lives in
// a PlayerSlot owned by the dialog; nothing reaches the document until
// SavePlayer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/dates.h"
#include "ranking/ranking_value.h"

namespace scorvane {

class CLUB;
class JOUEUR;
class RENCONTRE;
class UTILISATEUR;

struct ContactValues {
  std::string address;
  std::string town;
  std::string home_phone;
  std::string work_phone;
  std::string mobile_phone;
  std::string email;
};

struct PlayerValues {
  std::string first_name;
  std::string last_name;
  int32_t sex = 0;
  std::string licence;
  bool anonymous = false;
  bool left_handed = false;
  // The club's name as chosen or typed ("" for none).
  std::string club;
  // The year of birth as the field holds it ("" for none).
  std::string birth_year;
  CLASSEMENT ranking;
  // The second ranking (the next one) is given only while its box is ticked.
  bool has_next_ranking = false;
  CLASSEMENT next_ranking;
  std::string strengths;
  std::string weaknesses;
  std::string comment;
  // Present when the player is a contact.
  std::optional<ContactValues> contact;
};

// The dates the form's two rankings stand for: under a yearly system
// 1 January of the season year and of the next year; otherwise the date of
// the match (or today) and 1 January of the following year.
struct RankingDates {
  DATE_SIMPLE current;
  DATE_SIMPLE next;
};
RankingDates RankingDatesFor(int season_year, const DATE_SIMPLE& date);

// The form filled from a player; the second ranking is given when the
// history holds an entry at its date.
PlayerValues ValuesOfPlayer(const JOUEUR& player, const RankingDates& dates);

// A player is missing from a match when no first name, surname or licence
// was given and the player is not anonymous.
bool IsEmptyPlayer(const PlayerValues& values);

// A field check: the text the field is to hold and the message to show
// (0 when the text is accepted).
struct FieldCheck {
  std::string text;
  int message = 0;
};
// The licence, under the French system: upper case; empty is accepted; 8 or
// more characters are cut to 8 and must be 7 digits and a letter (else 522
// and the field emptied); 1 to 7 characters give 521 and an empty field.
// Under other systems any text is accepted as it is.
FieldCheck CheckLicence(std::string_view typed, bool french_system);
// The year of birth: empty is accepted; 0..9 become 2000..2009, 10..99
// become 1910..1999; a year of 1900..2100 is written with four digits;
// anything else gives 523 and an empty field.
FieldCheck CheckBirthYear(std::string_view typed);

// The two questions saving may ask.
class PlayerQuestions {
 public:
  virtual ~PlayerQuestions() = default;
  // A player met in other matches had a name or licence changed: true to
  // make a new player for this match ("New player"), false when it is the
  // same person ("Same player").
  virtual bool AskNewPlayer(const JOUEUR& changed) = 0;
  // A new player resembles `existing`: true when it is the same person.
  // (The question may offer to look at the existing player, and edit it.)
  virtual bool AskSamePlayer(JOUEUR& existing) = 0;
};

// The player a form shows: a record of the document, or a new one owned
// here until it is saved.
struct PlayerSlot {
  JOUEUR* player = nullptr;
  std::unique_ptr<JOUEUR> fresh;

  // A new player (the owner's sex), or one of the document.
  static PlayerSlot New(const UTILISATEUR& owner);
  static PlayerSlot Of(JOUEUR* existing);
  // Shows another player of the document; a new player shown so far goes.
  void Choose(JOUEUR* existing);
  bool IsNew() const { return fresh && player == fresh.get(); }
};

// Where the form is saved: inside a match or not, the match (null for a
// match not stored yet) and the dates of its rankings.
struct PlayerSaveContext {
  bool in_match = false;
  const RENCONTRE* match = nullptr;
  RankingDates dates;
};

// Saves the form into the record it belongs to and returns that record,
// which is in the document afterwards (unless it is the owner):
// - an anonymous player keeps no first name, surname or licence;
// - a player of the document met in other matches, not anonymous, whose
//   identity is left empty gets a new record for this match; one whose name
//   or licence changed asks AskNewPlayer, and a new player gets a new record
//   for this match while the old one keeps the other matches;
// - the values are copied (birth year, rankings into the history, a typed
//   club name that is not a club becomes a new club);
// - a player not yet in the document that resembles one of its players asks
//   AskSamePlayer: the same person is the existing record (left as it is),
//   otherwise the new player is added.
JOUEUR* SavePlayer(UTILISATEUR& owner, PlayerSlot& slot, const PlayerValues& values,
                   const PlayerSaveContext& context, PlayerQuestions& questions);

// The club named by a typed text (on one line, blanks around it ignored):
// the club of that name (exactly, else without regard to case), a new club
// when there is none, null for an empty text. When the owner's clubs already
// fill their list no club can be made: `kept` (the club the record had) is
// returned, so the record does not lose its club.
CLUB* ClubNamed(UTILISATEUR& owner, std::string_view typed, CLUB* kept);

// How many matches of the document involve the player.
int CountMatchesWith(const UTILISATEUR& owner, const JOUEUR* player);

}  // namespace scorvane

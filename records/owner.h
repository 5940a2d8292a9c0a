// The owner of a document: a player who also holds every list of the
// document (events, players met, surfaces, clubs, financial categories) and
// the operations that keep the references between them consistent.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "records/club.h"
#include "records/event.h"
#include "records/finance_records.h"
#include "records/player.h"

namespace scorvane {

class PROJECT_DOC;

// The two "ask" flags of match and player deletion: a "yes to all" answer
// clears one for the rest of a user action; pages set them again before
// each action.
struct AskFlags {
  bool matches = true;
  bool players = true;
};

class UTILISATEUR : public JOUEUR {
  SCORVANE_DECLARE_RECORD(UTILISATEUR)
 public:
  // Counts written at the head of the owner record and checked on reading.
  struct Counts {
    int16_t matches = 0;
    int16_t players = 0;
    int16_t surfaces = 0;
    int16_t clubs = 0;
    int16_t played_events = 0;
    int16_t categories = 0;
  };

  // Born 1 January 1980.
  UTILISATEUR();
  ~UTILISATEUR() override;

  // The document this owner belongs to, told of every change; null for an
  // owner being read or built on its own, whose changes concern no one.
  void BelongTo(PROJECT_DOC* document) { document_ = document; }
  // Every change to the records of this owner ends here: it marks the
  // owner's document modified (MarkModified of the document).
  void MarkModified() const;

  // A player met by this owner, who takes the owner's sex until told otherwise.
  std::unique_ptr<JOUEUR> NewPlayer() const;
  // Moves the season to the front and marks the document modified.
  void SetActiveSeason(SAISON_JOUEUR* season);

  const List<EPREUVE*>& Events() const { return events_.Items(); }
  const List<JOUEUR*>& Players() const { return players_.Items(); }
  const List<SURFACE*>& Surfaces() const { return surfaces_.Items(); }
  const List<CLUB*>& Clubs() const { return clubs_.Items(); }
  const List<CATEGORIE_FINANCIERE*>& Categories() const { return categories_.Items(); }

  // Take a new record, at the front of its list; mark the document modified.
  EPREUVE* AddEvent(std::unique_ptr<EPREUVE> event);
  JOUEUR* AddPlayer(std::unique_ptr<JOUEUR> player);
  SURFACE* AddSurface(std::unique_ptr<SURFACE> surface);
  CLUB* AddClub(std::unique_ptr<CLUB> club);
  CATEGORIE_FINANCIERE* AddCategory(std::unique_ptr<CATEGORIE_FINANCIERE> category);
  // The same at the end of the list (categories created in the item editor).
  CATEGORIE_FINANCIERE* AppendCategory(std::unique_ptr<CATEGORIE_FINANCIERE> category);

  // Remove a record from its list and delete it; mark the document modified.
  // Matches that still name a removed surface lose it, players and the owner
  // a removed club, so no reference is left dangling.
  void RemoveEvent(EPREUVE* event);
  void RemoveSurface(SURFACE* surface);
  void RemoveClub(CLUB* club);
  void RemoveCategory(CATEGORIE_FINANCIERE* category);

  bool IsClubUsed(const CLUB* club) const;
  bool IsSurfaceUsed(const SURFACE* surface) const;
  bool IsEventUsed(const EPREUVE* event) const;
  bool IsCategoryUsed(const CATEGORIE_FINANCIERE* category) const;

  // The first player of the list similar to the description, or null.
  JOUEUR* FindSimilarPlayer(const std::string& first_name, const std::string& last_name,
                            const std::string& licence) const;
  // True when the player plays in a match other than `match`.
  bool IsPlayerInOtherMatch(const JOUEUR* player, const RENCONTRE* match) const;

  // Whether the deletions of the user action under way still ask.
  AskFlags& DeletionAskFlags() { return ask_flags_; }
  const AskFlags& DeletionAskFlags() const { return ask_flags_; }
  void ResetDeletionAskFlags() { ask_flags_ = AskFlags{}; }

  // Asks (unless told not to) and deletes a match; false when the user said No.
  // Ask mode 0 uses the yes/no/all question, any other mode the yes/no one.
  bool RemoveMatch(RENCONTRE* match, int ask_mode);
  // RemoveMatch, then offers to delete the players left without a match.
  bool DeleteMatch(RENCONTRE* match, int flag);
  // Asks (for a named player, while asking is on) and deletes a player of the list.
  void DestroyPlayer(JOUEUR* player, int ask_mode);
  // Deletes the players of the list among `players` without asking, in one
  // walk of the list, and marks the document modified when one went; the
  // caller has made sure no match names them. Returns how many went.
  int DestroyPlayers(const std::vector<JOUEUR*>& players);
  // Deletes the season's retained matches, then the season.
  void DeleteSeason(SAISON_JOUEUR* season);

  // The event gathering the friendly matches, created when missing.
  EPREUVE* GetFriendlyGroup();

  // Every match of every event, in event / played instance / match order.
  template <class F>
  void ForEachMatch(F&& visit) const {
    for (EPREUVE* event : events_) {
      for (EPREUVE_JOUEE* played : event->Played()) {
        for (RENCONTRE* match : played->Matches())
          visit(match);
      }
    }
  }

  Counts& FileCounts() { return counts_; }
  const Counts& FileCounts() const { return counts_; }

  void Serialize(Archive& ar) override;

 private:
  OwningList<EPREUVE> events_;
  OwningList<JOUEUR> players_;
  OwningList<SURFACE> surfaces_;
  OwningList<CLUB> clubs_;
  OwningList<CATEGORIE_FINANCIERE> categories_;
  Counts counts_;
  PROJECT_DOC* document_ = nullptr;
  AskFlags ask_flags_;
};

}  // namespace scorvane

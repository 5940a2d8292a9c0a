#include "records/owner.h"

#include <unordered_set>
#include <vector>

#include "base/catalogue/messages.h"
#include "base/record_lists.h"
#include "base/text_format.h"
#include "base/user_prompt.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/reading_index.h"
#include "records/season.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(UTILISATEUR, JOUEUR);

namespace {

// Every season of the owner and of the other players, owner first.
template <class F>
void ForEachSeason(const UTILISATEUR& owner, F&& visit) {
  for (SAISON_JOUEUR* season : owner.Seasons())
    visit(*season);
  for (JOUEUR* player : owner.Players()) {
    for (SAISON_JOUEUR* season : player->Seasons())
      visit(*season);
  }
}

}  // namespace

UTILISATEUR::UTILISATEUR() {
  SetBirthDate(DATE_SIMPLE(1, 1, 1980));
  SetSex(kMan);
}

UTILISATEUR::~UTILISATEUR() {
  // Seasons go first: a palmares lets go of all its matches at once, whereas
  // a match deleted while still retained must search its palmares' list,
  // which for a large document would cost the square of its size. Events
  // follow: their matches point at players and surfaces.
  DeleteAllSeasons();
  for (JOUEUR* player : players_)
    player->DeleteAllSeasons();
  events_.DeleteAll();
}

void UTILISATEUR::MarkModified() const {
  if (document_) document_->MarkModified();
}

std::unique_ptr<JOUEUR> UTILISATEUR::NewPlayer() const {
  auto player = std::make_unique<JOUEUR>();
  player->SetSex(Sex());
  return player;
}

void UTILISATEUR::SetActiveSeason(SAISON_JOUEUR* season) {
  if (MoveSeasonToFront(season)) MarkModified();
}

EPREUVE* UTILISATEUR::AddEvent(std::unique_ptr<EPREUVE> event) {
  EPREUVE* added = events_.Add(std::move(event));
  MarkModified();
  return added;
}

JOUEUR* UTILISATEUR::AddPlayer(std::unique_ptr<JOUEUR> player) {
  JOUEUR* added = players_.Add(std::move(player));
  MarkModified();
  return added;
}

SURFACE* UTILISATEUR::AddSurface(std::unique_ptr<SURFACE> surface) {
  SURFACE* added = surfaces_.Add(std::move(surface));
  MarkModified();
  return added;
}

CLUB* UTILISATEUR::AddClub(std::unique_ptr<CLUB> club) {
  CLUB* added = clubs_.Add(std::move(club));
  MarkModified();
  return added;
}

CATEGORIE_FINANCIERE* UTILISATEUR::AddCategory(std::unique_ptr<CATEGORIE_FINANCIERE> category) {
  CATEGORIE_FINANCIERE* added = categories_.Add(std::move(category));
  MarkModified();
  return added;
}

CATEGORIE_FINANCIERE* UTILISATEUR::AppendCategory(std::unique_ptr<CATEGORIE_FINANCIERE> category) {
  CATEGORIE_FINANCIERE* added = categories_.Append(std::move(category));
  MarkModified();
  return added;
}

void UTILISATEUR::RemoveEvent(EPREUVE* event) {
  // Played instances and matches go with the event; make sure no palmares
  // keeps pointing at them.
  for (EPREUVE_JOUEE* played : event->Played()) {
    ForEachSeason(*this, [played](SAISON_JOUEUR& season) {
      if (season.Palmares()) season.Palmares()->RemovePlayedEvent(played);
    });
  }
  events_.Delete(event);
  MarkModified();
}

void UTILISATEUR::RemoveSurface(SURFACE* surface) {
  ForEachMatch([surface](RENCONTRE* match) {
    if (match->GetSurface() == surface) match->SetSurface(nullptr);
  });
  surfaces_.Delete(surface);
  MarkModified();
}

void UTILISATEUR::RemoveClub(CLUB* club) {
  if (Club() == club) SetClub(nullptr);
  for (JOUEUR* player : players_) {
    if (player->Club() == club) player->SetClub(nullptr);
  }
  clubs_.Delete(club);
  MarkModified();
}

void UTILISATEUR::RemoveCategory(CATEGORIE_FINANCIERE* category) {
  ForEachSeason(*this, [category](SAISON_JOUEUR& season) {
    for (const auto* list : {&season.Finances().Gains(), &season.Finances().Expenses()}) {
      for (OPERATION_FINANCIERE* operation : *list) {
        if (operation->Category() == category) operation->SetCategory(nullptr);
      }
    }
  });
  categories_.Delete(category);
  MarkModified();
}

bool UTILISATEUR::IsClubUsed(const CLUB* club) const {
  if (Club() == club) return true;
  for (const JOUEUR* player : players_) {
    if (player->Club() == club) return true;
  }
  return false;
}

bool UTILISATEUR::IsSurfaceUsed(const SURFACE* surface) const {
  bool used = false;
  ForEachSeason(*this, [&](SAISON_JOUEUR& season) {
    if (used || !season.Palmares()) return;
    for (const RENCONTRE* match : season.Palmares()->Matches()) {
      if (match->GetSurface() == surface) used = true;
    }
  });
  return used;
}

bool UTILISATEUR::IsEventUsed(const EPREUVE* event) const {
  bool used = false;
  ForEachSeason(*this, [&](SAISON_JOUEUR& season) {
    if (used || !season.Palmares()) return;
    for (const EPREUVE_JOUEE* played : season.Palmares()->PlayedEvents()) {
      if (played->Event() == event) used = true;
    }
  });
  return used;
}

bool UTILISATEUR::IsCategoryUsed(const CATEGORIE_FINANCIERE* category) const {
  bool used = false;
  ForEachSeason(*this, [&](SAISON_JOUEUR& season) {
    for (const auto* list : {&season.Finances().Gains(), &season.Finances().Expenses()}) {
      for (const OPERATION_FINANCIERE* operation : *list) {
        if (operation->Category() == category) used = true;
      }
    }
  });
  return used;
}

JOUEUR* UTILISATEUR::FindSimilarPlayer(const std::string& first_name, const std::string& last_name,
                                       const std::string& licence) const {
  for (JOUEUR* player : players_) {
    if (player->IsSimilar(first_name, last_name, licence)) return player;
  }
  return nullptr;
}

bool UTILISATEUR::IsPlayerInOtherMatch(const JOUEUR* player, const RENCONTRE* match) const {
  bool found = false;
  ForEachMatch([&](const RENCONTRE* other) {
    if (other != match && other->InvolvesPlayer(player)) found = true;
  });
  return found;
}

bool UTILISATEUR::RemoveMatch(RENCONTRE* match, int ask_mode) {
  if (ask_flags_.matches) {
    const std::string question = Msg(292);
    if (ask_mode == 0) {
      bool all = false;
      if (!AskYesNoAll(question, all)) return false;
      if (all) ask_flags_.matches = false;
    } else if (!AskYesNo(question)) {
      return false;
    }
  }
  if (PALMARES* palmares = match->GetPalmares()) palmares->RemoveMatch(match);
  if (EPREUVE_JOUEE* played = match->GetPlayedEvent()) {
    played->ReleaseMatch(match).reset();
  } else {
    delete match;
  }
  MarkModified();
  return true;
}

bool UTILISATEUR::DeleteMatch(RENCONTRE* match, int flag) {
  std::vector<JOUEUR*> players;
  bool singles = match->IsSingles();
  if (singles) {
    players.push_back(static_cast<RENCONTRE_SIMPLE*>(match)->Opponent());
  } else {
    const auto* doubles = static_cast<RENCONTRE_DOUBLE*>(match);
    players = {doubles->Partner(), doubles->FirstOpponent(), doubles->SecondOpponent()};
  }
  if (!RemoveMatch(match, flag)) return false;
  for (JOUEUR* player : players) {
    if (!player || IsPlayerInOtherMatch(player, nullptr)) continue;
    DestroyPlayer(player, singles && flag != 0 ? 1 : 0);
  }
  return true;
}

void UTILISATEUR::DestroyPlayer(JOUEUR* player, int ask_mode) {
  if (!players_.Contains(player)) return;
  const bool named = !player->GetRawLastName().empty() || !player->GetRawFirstName().empty() ||
                     !player->Licence().empty();
  if (!player->IsAnonymous() && ask_flags_.players && named) {
    const std::string question = FormatText(Msg(player->IsWoman() ? 268 : 267),
                                            {player->GetFirstName(), player->GetLastName()});
    if (ask_mode == 1) {
      if (!AskYesNo(question, UserPrompt::Style::kMessageBox)) return;
    } else {
      bool all = false;
      if (!AskYesNoAll(question, all)) return;
      if (all) ask_flags_.players = false;
    }
  }
  players_.Delete(player);
  MarkModified();
}

int UTILISATEUR::DestroyPlayers(const std::vector<JOUEUR*>& players) {
  const std::unordered_set<const JOUEUR*> going(players.begin(), players.end());
  const int gone =
      players_.DeleteIf([&going](const JOUEUR* player) { return going.count(player) != 0; });
  if (gone > 0) MarkModified();
  return gone;
}

void UTILISATEUR::DeleteSeason(SAISON_JOUEUR* season) {
  if (PALMARES* palmares = season->Palmares()) {
    std::vector<RENCONTRE*> matches(palmares->Matches().begin(), palmares->Matches().end());
    for (RENCONTRE* match : matches)
      DeleteMatch(match, 0);
  }
  DeleteSeasonRecord(season);
  MarkModified();
}

EPREUVE* UTILISATEUR::GetFriendlyGroup() {
  EPREUVE* group = nullptr;
  for (EPREUVE* event : events_) {
    if (event->IsFriendlyGroup()) group = event;
  }
  if (group) return group;
  auto created = std::make_unique<EPREUVE>();
  created->MakeFriendlyGroup();
  return AddEvent(std::move(created));
}

void UTILISATEUR::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Value(counts_.matches);
  ar.Value(counts_.players);
  ar.Value(counts_.surfaces);
  ar.Value(counts_.clubs);
  ar.Value(counts_.played_events);
  ar.Value(counts_.categories);
  if (ReadingIndex* index = ar.IsLoading() ? ReadingIndex::Current() : nullptr) {
    index->Reserve(counts_.matches, counts_.played_events);
  }
  JOUEUR::Serialize(ar);
  SerializeRecordList(ar, events_);
  SerializeRecordList(ar, surfaces_);
  SerializeRecordList(ar, clubs_);
  SerializeRecordList(ar, players_);
  SerializeRecordList(ar, categories_);
}

}  // namespace scorvane

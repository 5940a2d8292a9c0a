// Writing a document: identifiers are assigned afresh, every reference is
// checked to name a record of the document (so the file always reads back),
// the file is encoded in memory and then written with a crash-safe replace.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "base/catalogue/messages.h"
#include "base/safe_file.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {
namespace {

constexpr int kMaxRecords = List<int>::kMaxCount;

// A refusal in the interface language.
std::string Text(const std::string& english, const std::string& french) {
  return IsFrench() ? french : english;
}

// Why a document cannot be written; thrown while numbering and checking.
struct Refusal {
  std::string reason;
};

// True when `record` is the record its identifier gives in `table`.
template <class T>
bool IsListed(const T* record, const std::vector<T*>& table) {
  return record && record->Id() >= 0 && static_cast<size_t>(record->Id()) < table.size() &&
         table[static_cast<size_t>(record->Id())] == record;
}

// Assigns identifiers 0, 1, 2... in walk order and keeps the table.
template <class T>
class Numbering {
 public:
  Numbering(const char* kind_en, const char* kind_fr, int16_t expected = 0)
      : en_(kind_en), fr_(kind_fr) {
    records_.reserve(static_cast<size_t>(std::max<int16_t>(expected, 0)));
  }

  // Refuses ahead a document that holds more records than identifiers.
  void CheckRoomFor(size_t count) const {
    if (count > static_cast<size_t>(kMaxRecords)) RefuseTooMany();
  }
  void Assign(T* record) {
    if (static_cast<int>(records_.size()) >= kMaxRecords) RefuseTooMany();
    record->SetId(static_cast<int16_t>(records_.size()));
    records_.push_back(record);
  }
  const std::vector<T*>& Table() const { return records_; }
  int16_t Count() const { return static_cast<int16_t>(records_.size()); }

 private:
  [[noreturn]] void RefuseTooMany() const {
    throw Refusal{
        Text("The document holds more than 32767 " + en_ + " and cannot be saved.",
             "Le document contient plus de 32767 " + fr_ + " et ne peut pas être enregistré.")};
  }

  std::string en_;
  std::string fr_;
  std::vector<T*> records_;
};

std::string MatchLabel(const RENCONTRE& match) {
  std::string label = match.GetDate().Format();
  if (const EPREUVE_JOUEE* played = match.GetPlayedEvent()) {
    label += " (" + played->Event()->Name() + ")";
  }
  return label;
}

void CheckMatchPlayers(const RENCONTRE& match, const std::vector<JOUEUR*>& players) {
  bool complete = true;
  if (match.IsSingles()) {
    complete = IsListed(static_cast<const RENCONTRE_SIMPLE&>(match).Opponent(), players);
  } else {
    const auto& doubles = static_cast<const RENCONTRE_DOUBLE&>(match);
    for (const JOUEUR* player :
         {doubles.Partner(), doubles.FirstOpponent(), doubles.SecondOpponent()}) {
      complete = complete && IsListed(player, players);
    }
  }
  if (!complete) {
    throw Refusal{
        Text("The match " + MatchLabel(match) + " lacks a player of the player list.",
             "Il manque un joueur de la liste à la rencontre " + MatchLabel(match) + ".")};
  }
}

void CheckSeasons(const JOUEUR& player, const std::vector<RENCONTRE*>& matches,
                  const std::vector<EPREUVE_JOUEE*>& played_events,
                  const std::vector<CATEGORIE_FINANCIERE*>& categories) {
  for (const SAISON_JOUEUR* season : player.Seasons()) {
    for (const auto* list : {&season->Finances().Gains(), &season->Finances().Expenses()}) {
      for (const OPERATION_FINANCIERE* operation : *list) {
        if (IsListed(operation->Category(), categories)) continue;
        const std::string what =
            "\"" + operation->Purpose() + "\" (" + std::to_string(season->Year()) + ")";
        throw Refusal{Text("The financial operation " + what +
                               " has no financial category; give it one before saving.",
                           "L'opération financière " + what +
                               " n'a pas de catégorie financière ; attribuez-lui en une "
                               "avant d'enregistrer.")};
      }
    }
    const PALMARES* palmares = season->Palmares();
    if (!palmares) continue;
    for (const RENCONTRE* match : palmares->Matches()) {
      if (!IsListed(match, matches)) throw Refusal{"A retained match is not in any event."};
    }
    for (const EPREUVE_JOUEE* played : palmares->PlayedEvents()) {
      if (!IsListed(played, played_events)) throw Refusal{"A retained event is not in the list."};
    }
  }
}

// Every ranking written must be a value of the active system, which the
// reader checks; a value left outside it (for example by a translation the
// user cancelled) is refused here rather than written into a file that
// would not open again.
template <class Where>
void CheckRanking(const SYSTEME_CLASSEMENT& system, const CLASSEMENT& ranking, Where&& where) {
  if (system.IsValid(ranking.Value())) return;
  // The texts naming the record are only built for a refusal.
  const auto [where_en, where_fr] = where();
  const std::string value = std::to_string(ranking.Value());
  throw Refusal{Text(where_en + " holds the ranking " + value + ", which the ranking system \"" +
                         system.Title() + "\" does not have; correct it before saving.",
                     where_fr + " contient le classement " + value +
                         ", que le système de classement \"" + system.Title() +
                         "\" ne connaît pas ; corrigez-le avant d'enregistrer.")};
}

void CheckHistory(const SYSTEME_CLASSEMENT& system, const JOUEUR& player) {
  for (const CLASSEMENT_DATE* entry : player.History().Entries()) {
    CheckRanking(system, entry->Ranking(), [&player] {
      return std::pair("The ranking history of " + player.DisplayName(),
                       "L'historique des classements de " + player.DisplayName());
    });
  }
}

void CheckSystem() {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (system.HasGrades() && system.Highest() >= SYSTEME_CLASSEMENT::kMaxGrades) {
    throw Refusal{
        Text("The ranking system \"" + system.Title() + "\" has more than 300 grades.",
             "Le système de classement \"" + system.Title() + "\" a plus de 300 classements.")};
  }
}

}  // namespace

EncodedDocument PROJECT_DOC::Encode() {
  EncodedDocument encoded;
  UTILISATEUR& owner = *owner_;
  try {
    // The counts of the last reading or saving size the tables.
    const UTILISATEUR::Counts& last = owner.FileCounts();
    Numbering<RENCONTRE> matches("matches", "rencontres", last.matches);
    Numbering<JOUEUR> players("players", "joueurs", last.players);
    Numbering<SURFACE> surfaces("surfaces", "surfaces");
    Numbering<CLUB> clubs("clubs", "clubs");
    Numbering<CATEGORIE_FINANCIERE> categories("categories", "catégories");
    Numbering<EPREUVE_JOUEE> played_events("played events", "épreuves jouées");

    // Too many matches is told first, before any match is checked.
    size_t match_count = 0;
    for (const EPREUVE* event : owner.Events()) {
      for (const EPREUVE_JOUEE* played : event->Played())
        match_count += static_cast<size_t>(played->Matches().Count());
    }
    matches.CheckRoomFor(match_count);
    for (JOUEUR* player : owner.Players())
      players.Assign(player);
    owner.SetId(players.Count());
    for (SURFACE* surface : owner.Surfaces())
      surfaces.Assign(surface);
    for (CLUB* club : owner.Clubs())
      clubs.Assign(club);
    for (CATEGORIE_FINANCIERE* category : owner.Categories())
      categories.Assign(category);
    for (EPREUVE* event : owner.Events()) {
      for (EPREUVE_JOUEE* played : event->Played())
        played_events.Assign(played);
    }

    // The matches last, each checked as it is numbered: a large document
    // holds tens of thousands, and every walk over them costs a cache miss
    // for each.
    owner.ForEachMatch([&](RENCONTRE* match) {
      matches.Assign(match);
      CheckMatchPlayers(*match, players.Table());
      if (match->GetSurface() && !IsListed(match->GetSurface(), surfaces.Table())) {
        throw Refusal{"The match " + MatchLabel(*match) + " names a deleted surface."};
      }
    });
    CheckSystem();
    const SYSTEME_CLASSEMENT& active = ActiveSystem();
    for (const EPREUVE_JOUEE* played : played_events.Table()) {
      CheckRanking(active, played->BestRanking(), [played] {
        const std::string name =
            played->Event()->Name() + " (" + played->StartDate().Format() + ")";
        return std::pair("The event " + name, "L'épreuve " + name);
      });
    }
    const auto check_player = [&](const JOUEUR& player) {
      CheckHistory(active, player);
      if (player.Club() && !IsListed(player.Club(), clubs.Table())) {
        throw Refusal{"The player " + player.DisplayName() + " names a deleted club."};
      }
      CheckSeasons(player, matches.Table(), played_events.Table(), categories.Table());
    };
    check_player(owner);
    for (const JOUEUR* player : owner.Players())
      check_player(*player);

    UTILISATEUR::Counts& counts = owner.FileCounts();
    counts.matches = matches.Count();
    counts.players = players.Count();
    counts.surfaces = surfaces.Count();
    counts.clubs = clubs.Count();
    counts.played_events = played_events.Count();
    counts.categories = categories.Count();

    Archive ar;
    // A document is encoded again at about the size it had last time.
    ar.Reserve(size_hint_ + size_hint_ / 8 + 4096);
    ar.WriteU16(kVersion);
    SYSTEME_CLASSEMENT system = ActiveSystem();
    system.Serialize(ar);
    owner.Serialize(ar);
    encoded.replaced_texts = ar.ReplacedTexts();
    encoded.bytes = ar.TakeBytes();
    size_hint_ = encoded.bytes.size();
  } catch (const Refusal& refusal) {
    encoded.result = FileResult::Failure(FileResult::Status::kRefused, refusal.reason);
  } catch (const ArchiveError& error) {
    encoded.result = FileResult::Failure(FileResult::Status::kRefused, error.detail());
  }
  return encoded;
}

FileResult PROJECT_DOC::Write(const std::filesystem::path& path, const EncodedDocument& encoded) {
  if (!encoded.result.ok()) return encoded.result;
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  FileResult result;
  if (!keeps_own_system_ && !system.HasCodeName() && !system.WriteFile()) {
    // The shared file of a user-defined system follows the document that
    // uses it; the document itself carries the system, so it is still saved.
    result.notice =
        Text("The ranking system file \"" + system.Title() + ".cla\" could not be written.",
             "Le fichier du système de classement \"" + system.Title() +
                 ".cla\" n'a pas pu être écrit.");
  }
  std::string error;
  if (!WriteFileSafely(path, encoded.bytes, &error)) {
    return FileResult::Failure(FileResult::Status::kFileError, error);
  }
  path_ = path;
  title_ = path.stem().string();
  if (!encoded.replaced_texts.empty()) {
    // The user accepted the "?": from now on the records hold what the file
    // holds, the views show it and the next save has nothing to ask.
    KeepStoredTexts();
    if (on_refresh_views) on_refresh_views();
  }
  SetModifiedFlag(false);
  return result;
}

void PROJECT_DOC::KeepStoredTexts() {
  Archive ar;
  ar.Reserve(size_hint_);
  ar.SetKeepStoredTexts(true);
  owner_->Serialize(ar);
}

FileResult PROJECT_DOC::Save(const std::filesystem::path& path) {
  return Write(path, Encode());
}

}  // namespace scorvane

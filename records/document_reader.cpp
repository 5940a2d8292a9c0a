// Reading a document file: the version, the embedded ranking system, the
// owner with every record, then the resolution of the identifiers that
// records use to refer to each other.
#include <algorithm>
#include <unordered_set>
#include <vector>

#include "base/record_memory.h"
#include "base/safe_file.h"
#include "ranking/builtin_systems.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {
namespace {

// The records of one kind, indexed by identifier. A table is only as large
// as the records actually read, so a count field claiming more than the file
// holds costs nothing before it is refused.
template <class T>
class IdTable {
 public:
  struct Texts {
    const char* out_of_range;
    const char* duplicate;
    const char* missing;
  };

  IdTable(int16_t declared, const std::vector<T*>& records, const Texts& texts) {
    if (declared < 0) throw ArchiveError::BadFormat("Negative record count");
    const size_t count = static_cast<size_t>(declared);
    if (count > records.size()) {
      // Some entry must stay empty: find the first failure the full table
      // would have met, without allocating it.
      std::unordered_set<int16_t> seen;
      for (T* record : records) {
        if (record->Id() < 0 || static_cast<size_t>(record->Id()) >= count) {
          throw ArchiveError::BadFormat(texts.out_of_range);
        }
        if (!seen.insert(record->Id()).second) throw ArchiveError::BadFormat(texts.duplicate);
      }
      throw ArchiveError::BadFormat(texts.missing);
    }
    entries_.assign(count, nullptr);
    for (T* record : records) {
      if (record->Id() < 0 || static_cast<size_t>(record->Id()) >= count) {
        throw ArchiveError::BadFormat(texts.out_of_range);
      }
      T*& entry = entries_[static_cast<size_t>(record->Id())];
      if (entry) throw ArchiveError::BadFormat(texts.duplicate);
      entry = record;
    }
    for (T* entry : entries_) {
      if (!entry) throw ArchiveError::BadFormat(texts.missing);
    }
  }

  int Size() const { return static_cast<int>(entries_.size()); }
  bool InRange(int id) const { return id >= 0 && id < Size(); }
  T* At(int id) const { return entries_[static_cast<size_t>(id)]; }
  // Gives up an entry so that it cannot be taken twice.
  T* Take(int id) {
    T* record = entries_[static_cast<size_t>(id)];
    entries_[static_cast<size_t>(id)] = nullptr;
    return record;
  }

 private:
  std::vector<T*> entries_;
};

template <class T>
std::vector<T*> ToVector(const List<T*>& list) {
  return std::vector<T*>(list.begin(), list.end());
}

void ResolveSeason(SAISON_JOUEUR& season, IdTable<RENCONTRE>& matches,
                   const IdTable<EPREUVE_JOUEE>& played_events,
                   const IdTable<CATEGORIE_FINANCIERE>& categories,
                   std::vector<const PALMARES*>& played_marks) {
  for (const auto* list : {&season.Finances().Gains(), &season.Finances().Expenses()}) {
    for (OPERATION_FINANCIERE* operation : *list) {
      const int id = operation->pending_category_ref - 1;
      if (!categories.InRange(id)) {
        throw ArchiveError::BadFormat("Erreur de lecture: perte de d'une catégorie");
      }
      operation->SetCategory(categories.At(id));
    }
  }

  PALMARES* palmares = season.Palmares();
  if (!palmares) return;
  palmares->ReserveResolved();
  for (int16_t id : palmares->pending_match_ids) {
    // A match belongs to the first palmares that names it.
    if (matches.InRange(id) && matches.At(id)) palmares->AppendResolved(matches.Take(id));
  }
  // played_marks[id] names the palmares that last took played event `id`, so
  // that each one is listed once without searching the list (a palmares may
  // hold thousands of them).
  const auto take_played = [&](EPREUVE_JOUEE* played, bool at_end) {
    const PALMARES*& mark = played_marks[static_cast<size_t>(played->Id())];
    if (mark == palmares) return;
    mark = palmares;
    if (at_end) {
      palmares->AppendResolved(played);
    } else {
      palmares->PrependResolved(played);
    }
  };
  for (int16_t id : palmares->pending_played_ids) {
    if (played_events.InRange(id)) take_played(played_events.At(id), true);
  }
  for (RENCONTRE* match : palmares->Matches()) {
    if (EPREUVE_JOUEE* played = match->GetPlayedEvent()) take_played(played, false);
  }
  palmares->pending_match_ids.clear();
  palmares->pending_match_ids.shrink_to_fit();
  palmares->pending_played_ids.clear();
  palmares->pending_played_ids.shrink_to_fit();
}

void ResolvePlayer(JOUEUR& player, const IdTable<CLUB>& clubs, IdTable<RENCONTRE>& matches,
                   const IdTable<EPREUVE_JOUEE>& played_events,
                   const IdTable<CATEGORIE_FINANCIERE>& categories,
                   std::vector<const PALMARES*>& played_marks) {
  const int club = player.pending_club_ref - 1;
  player.SetClub(clubs.InRange(club) ? clubs.At(club) : nullptr);
  player.pending_club_ref = 0;
  for (SAISON_JOUEUR* season : player.Seasons()) {
    ResolveSeason(*season, matches, played_events, categories, played_marks);
  }
}

// Replaces every identifier read by the record it names.
void ResolveReferences(UTILISATEUR& owner) {
  const UTILISATEUR::Counts& counts = owner.FileCounts();

  // The counts are 16-bit, so trusting them for the room costs little even
  // when a damaged file claims more than it holds.
  std::vector<RENCONTRE*> all_matches;
  std::vector<EPREUVE_JOUEE*> all_played;
  all_matches.reserve(static_cast<size_t>(std::max<int16_t>(counts.matches, 0)));
  all_played.reserve(static_cast<size_t>(std::max<int16_t>(counts.played_events, 0)));
  for (EPREUVE* event : owner.Events()) {
    for (EPREUVE_JOUEE* played : event->Played()) {
      all_played.push_back(played);
      for (RENCONTRE* match : played->Matches())
        all_matches.push_back(match);
    }
  }

  IdTable<RENCONTRE> matches(
      counts.matches, all_matches,
      {"Erreur de lecture des données: mauvais identifiant de rencontre",
       "Erreur de lecture: rencontre en double", "Erreur de lecture: perte de rencontres !!!"});
  const IdTable<JOUEUR> players(counts.players, ToVector(owner.Players()),
                                {"", "Erreur de lecture: joueur double", ""});
  const IdTable<CLUB> clubs(
      counts.clubs, ToVector(owner.Clubs()),
      {"", "Erreur de lecture: club double", "Erreur de lecture: perte de clubs !!!"});
  const IdTable<SURFACE> surfaces(
      counts.surfaces, ToVector(owner.Surfaces()),
      {"", "Erreur de lecture: surface double", "Erreur de lecture: perte de surfaces !!!"});
  const IdTable<EPREUVE_JOUEE> played_events(counts.played_events, all_played,
                                             {"", "Erreur de lecture: épreuve jouée double",
                                              "Erreur de lecture: perte d'épreuves jouées !!!"});
  const IdTable<CATEGORIE_FINANCIERE> categories(
      counts.categories, ToVector(owner.Categories()),
      {"", "Erreur de lecture: catégorie financière double",
       "Erreur de lecture: perte de catégories financières !!!"});

  for (RENCONTRE* match : all_matches) {
    if (match->IsSingles()) {
      auto* singles = static_cast<RENCONTRE_SIMPLE*>(match);
      if (!players.InRange(singles->pending_opponent_id)) {
        throw ArchiveError::BadFormat("Erreur de lecture: perte de d'un adv. de simple !!!");
      }
      singles->SetOpponent(players.At(singles->pending_opponent_id));
    } else {
      auto* doubles = static_cast<RENCONTRE_DOUBLE*>(match);
      for (int16_t id : doubles->pending_ids) {
        if (!players.InRange(id)) {
          throw ArchiveError::BadFormat("Erreur de lecture: perte de d'un adv. de double !!!");
        }
      }
      doubles->SetPartner(players.At(doubles->pending_ids[0]));
      doubles->SetFirstOpponent(players.At(doubles->pending_ids[1]));
      doubles->SetSecondOpponent(players.At(doubles->pending_ids[2]));
    }
    const int surface = match->pending_surface_ref - 1;
    match->SetSurface(surfaces.InRange(surface) ? surfaces.At(surface) : nullptr);
    match->pending_surface_ref = 0;
  }

  std::vector<const PALMARES*> played_marks(static_cast<size_t>(played_events.Size()), nullptr);
  ResolvePlayer(owner, clubs, matches, played_events, categories, played_marks);
  for (JOUEUR* player : owner.Players()) {
    ResolvePlayer(*player, clubs, matches, played_events, categories, played_marks);
  }
}

// Reads the embedded system and chooses the active and pending systems;
// returns why the system's shared file could not be opened, if it could not.
std::string ReadRankingSystem(Archive& ar, uint16_t version) {
  RankingRegistry& registry = Registry();
  registry.SetPending(nullptr);
  if (version < 2) {
    registry.SetActive(&registry.French());
    return {};
  }
  SYSTEME_CLASSEMENT& embedded = registry.FreeWorkingSystem();
  embedded.Serialize(ar);
  registry.SetActive(&embedded);
  if (SYSTEME_REFERENCE* built_in = registry.Recognise(embedded)) {
    registry.SetPending(built_in);
    return {};
  }
  SYSTEME_CLASSEMENT& shared = registry.FreeWorkingSystem();
  std::string open_error;
  if (shared.ReadFile(embedded.Title(), &open_error) && !shared.IsSameAs(embedded)) {
    registry.SetPending(&shared);
  }
  return open_error;
}

FileResult FromArchiveError(const ArchiveError& error) {
  FileResult result;
  result.status = error.kind() == ArchiveError::Kind::kFutureVersion
                      ? FileResult::Status::kFutureVersion
                      : FileResult::Status::kBadFormat;
  result.detail = error.detail();
  return result;
}

}  // namespace

FileResult PROJECT_DOC::ReadBytes(std::span<const uint8_t> bytes) {
  RankingRegistry& registry = Registry();
  const auto saved_systems = registry.SaveState();
  try {
    Archive ar(bytes);
    const uint16_t version = ar.ReadU16();
    if (version > kVersion) throw ArchiveError::FutureVersion("Document from a newer version");
    const std::string notice = ReadRankingSystem(ar, version);

    std::unique_ptr<UTILISATEUR> owner;
    {
      // The records read take about four times the bytes of their file.
      record_memory::ArenaScope arena(bytes.size() * 4);
      owner = std::make_unique<UTILISATEUR>();
      owner->Serialize(ar);
    }
    ResolveReferences(*owner);

    AdoptOwner(std::move(owner));
    size_hint_ = bytes.size();
    keeps_own_system_ = false;
    update_depth_ = 0;
    change_pending_ = false;
    path_.clear();
    title_.clear();
    SetModifiedFlag(false);
    FileResult result;
    result.notice = notice;
    return result;
  } catch (const ArchiveError& error) {
    registry.RestoreState(*saved_systems);
    return FromArchiveError(error);
  } catch (const ListFullError&) {
    registry.RestoreState(*saved_systems);
    return FileResult::Failure(FileResult::Status::kBadFormat, "Too many records in a list");
  }
}

FileResult PROJECT_DOC::Read(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadWholeFile(path, bytes, &error))
    return FileResult::Failure(FileResult::Status::kFileError, error);
  FileResult result = ReadBytes(bytes);
  if (result.ok()) {
    path_ = path;
    SetTitle(path.stem().string());
  }
  return result;
}

}  // namespace scorvane

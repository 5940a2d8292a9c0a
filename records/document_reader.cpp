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
#include "records/reading_index.h"
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

  // `records` holds entries with the record's `id` and the `record`.
  template <class Entry>
  IdTable(int16_t declared, const std::vector<Entry>& records, const Texts& texts) {
    if (declared < 0) throw ArchiveError::BadFormat("Negative record count");
    const size_t count = static_cast<size_t>(declared);
    if (count > records.size()) {
      // Some entry must stay empty: find the first failure the full table
      // would have met, without allocating it.
      std::unordered_set<int16_t> seen;
      for (const Entry& read : records) {
        if (read.id < 0 || static_cast<size_t>(read.id) >= count) {
          throw ArchiveError::BadFormat(texts.out_of_range);
        }
        if (!seen.insert(read.id).second) throw ArchiveError::BadFormat(texts.duplicate);
      }
      throw ArchiveError::BadFormat(texts.missing);
    }
    entries_.assign(count, nullptr);
    for (const Entry& read : records) {
      if (read.id < 0 || static_cast<size_t>(read.id) >= count) {
        throw ArchiveError::BadFormat(texts.out_of_range);
      }
      T*& entry = entries_[static_cast<size_t>(read.id)];
      if (entry) throw ArchiveError::BadFormat(texts.duplicate);
      entry = read.record;
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
std::vector<IdentifiedRecord<T>> Identified(const List<T*>& list) {
  std::vector<IdentifiedRecord<T>> records;
  records.reserve(static_cast<size_t>(list.Count()));
  for (T* record : list)
    records.push_back({record->Id(), record});
  return records;
}

// What is known of a match by its identifier once the matches are resolved.
struct MatchLinks {
  PALMARES* palmares = nullptr;
  EPREUVE_JOUEE* played_event = nullptr;
};

// What resolving one player's seasons needs besides the player.
struct SeasonTables {
  const IdTable<EPREUVE_JOUEE>& played_events;
  const IdTable<CATEGORIE_FINANCIERE>& categories;
  IdTable<RENCONTRE>& matches;
  const std::vector<MatchLinks>& match_links;
  // played_marks[id] names the palmares that last took played event `id`, so
  // that each one is listed once without searching the list (a palmares may
  // hold thousands of them).
  std::vector<const PALMARES*> played_marks;
  // The played events of the matches a palmares took, in match order.
  std::vector<EPREUVE_JOUEE*> played_of_matches;
};

void ResolveSeason(SAISON_JOUEUR& season, SeasonTables& tables) {
  for (const auto* list : {&season.Finances().Gains(), &season.Finances().Expenses()}) {
    for (OPERATION_FINANCIERE* operation : *list) {
      const int id = operation->pending_category_ref - 1;
      if (!tables.categories.InRange(id)) {
        throw ArchiveError::BadFormat("Erreur de lecture: perte de d'une catégorie");
      }
      operation->SetCategory(tables.categories.At(id));
    }
  }

  PALMARES* palmares = season.Palmares();
  if (!palmares) return;
  palmares->ReserveResolved();
  tables.played_of_matches.clear();
  for (int16_t id : palmares->pending_match_ids) {
    // A match belongs to the first palmares that names it (which claimed it).
    if (!tables.matches.InRange(id) || !tables.matches.At(id)) continue;
    palmares->AppendResolved(tables.matches.Take(id));
    tables.played_of_matches.push_back(tables.match_links[static_cast<size_t>(id)].played_event);
  }
  // The played events listed come first in their order; those only known
  // through a match are then put in front, as adding the match would.
  const auto take_played = [&](EPREUVE_JOUEE* played, bool at_end) {
    const PALMARES*& mark = tables.played_marks[static_cast<size_t>(played->Id())];
    if (mark == palmares) return;
    mark = palmares;
    if (at_end) {
      palmares->AppendResolved(played);
    } else {
      palmares->PrependResolved(played);
    }
  };
  for (int16_t id : palmares->pending_played_ids) {
    if (tables.played_events.InRange(id)) take_played(tables.played_events.At(id), true);
  }
  for (EPREUVE_JOUEE* played : tables.played_of_matches)
    take_played(played, false);
  palmares->pending_match_ids.clear();
  palmares->pending_match_ids.shrink_to_fit();
  palmares->pending_played_ids.clear();
  palmares->pending_played_ids.shrink_to_fit();
}

void ResolvePlayer(JOUEUR& player, const IdTable<CLUB>& clubs, SeasonTables& tables) {
  const int club = player.pending_club_ref - 1;
  player.SetClub(clubs.InRange(club) ? clubs.At(club) : nullptr);
  player.pending_club_ref = 0;
  for (SAISON_JOUEUR* season : player.Seasons())
    ResolveSeason(*season, tables);
}

// Replaces every identifier read by the record it names; `index` lists the
// matches and played events the reading made.
void ResolveReferences(UTILISATEUR& owner, const ReadingIndex& index) {
  const UTILISATEUR::Counts& counts = owner.FileCounts();

  IdTable<RENCONTRE> matches(
      counts.matches, index.matches,
      {"Erreur de lecture des données: mauvais identifiant de rencontre",
       "Erreur de lecture: rencontre en double", "Erreur de lecture: perte de rencontres !!!"});
  const IdTable<JOUEUR> players(counts.players, Identified(owner.Players()),
                                {"", "Erreur de lecture: joueur double", ""});
  const IdTable<CLUB> clubs(
      counts.clubs, Identified(owner.Clubs()),
      {"", "Erreur de lecture: club double", "Erreur de lecture: perte de clubs !!!"});
  const IdTable<SURFACE> surfaces(
      counts.surfaces, Identified(owner.Surfaces()),
      {"", "Erreur de lecture: surface double", "Erreur de lecture: perte de surfaces !!!"});
  const IdTable<EPREUVE_JOUEE> played_events(counts.played_events, index.played_events,
                                             {"", "Erreur de lecture: épreuve jouée double",
                                              "Erreur de lecture: perte d'épreuves jouées !!!"});
  const IdTable<CATEGORIE_FINANCIERE> categories(
      counts.categories, Identified(owner.Categories()),
      {"", "Erreur de lecture: catégorie financière double",
       "Erreur de lecture: perte de catégories financières !!!"});

  // The palmares that takes each match: the first to name it, in the order
  // the seasons are resolved below.
  std::vector<MatchLinks> match_links(static_cast<size_t>(matches.Size()));
  const auto claim_matches = [&](const JOUEUR& player) {
    for (const SAISON_JOUEUR* season : player.Seasons()) {
      PALMARES* palmares = season->Palmares();
      if (!palmares) continue;
      for (int16_t id : palmares->pending_match_ids) {
        if (!matches.InRange(id)) continue;
        PALMARES*& taker = match_links[static_cast<size_t>(id)].palmares;
        if (!taker) taker = palmares;
      }
    }
  };
  claim_matches(owner);
  for (const JOUEUR* player : owner.Players())
    claim_matches(*player);

  try {
    // The matches in the order they lie in memory, each read and written once.
    for (const ReadMatch& read : index.matches) {
      RENCONTRE* match = read.record;
      if (read.singles) {
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
      const int surface = read.surface_ref - 1;
      match->SetSurface(surfaces.InRange(surface) ? surfaces.At(surface) : nullptr);
      MatchLinks& links = match_links[static_cast<size_t>(read.id)];
      links.played_event = read.played_event;
      if (links.palmares) links.palmares->ClaimResolved(*match);
    }

    SeasonTables tables{played_events,
                        categories,
                        matches,
                        match_links,
                        std::vector<const PALMARES*>(static_cast<size_t>(played_events.Size())),
                        {}};
    ResolvePlayer(owner, clubs, tables);
    for (JOUEUR* player : owner.Players())
      ResolvePlayer(*player, clubs, tables);
  } catch (...) {
    // A match claimed by a palmares that does not list it yet would keep
    // pointing at it once the palmares is deleted: a failed reading leaves
    // no claim behind.
    for (const ReadMatch& read : index.matches)
      PALMARES::ForgetResolvedClaim(*read.record);
    throw;
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
    ReadingIndex index;
    {
      // The records read take about four times the bytes of their file; the
      // lists that resolving fills come from the same blocks.
      record_memory::ArenaScope arena(bytes.size() * 4);
      owner = std::make_unique<UTILISATEUR>();
      owner->Serialize(ar);
      ResolveReferences(*owner, index);
    }

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

#include "records/event.h"

#include "base/catalogue/messages.h"
#include "base/record_lists.h"
#include "records/reading_index.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(EPREUVE, CObject);
SCORVANE_IMPLEMENT_RECORD(EPREUVE_JOUEE, CObject);

namespace {

constexpr uint8_t kSinglesMark = 'S';
constexpr uint8_t kDoublesMark = 'D';

}  // namespace

std::string HomologationName(int32_t code) {
  if (code < EPREUVE::kFriendly || code > EPREUVE::kNonHomologated) return {};
  return Msg(21 + code);
}

std::string EventTypeName(int32_t code) {
  if (code < EPREUVE::kNoType || code > EPREUVE::kTeamEvent) return {};
  return Msg(16 + code);
}

std::string AgeCategoryName(int32_t code) {
  if (code < 0 || code >= EPREUVE::kAgeCategoryCount) return {};
  return Msg(2 + code);
}

EPREUVE::~EPREUVE() = default;

EPREUVE_JOUEE* EPREUVE::AddPlayed(const DATE_SIMPLE& start, const DATE_SIMPLE& end) {
  return played_.Add(std::make_unique<EPREUVE_JOUEE>(this, start, end));
}

void EPREUVE::DeletePlayed(EPREUVE_JOUEE* played) {
  played_.Delete(played);
}

void EPREUVE::TakePlayed(EPREUVE& from, EPREUVE_JOUEE* played) {
  if (&from == this) return;
  if (played_.Count() >= List<EPREUVE_JOUEE*>::kMaxCount && from.played_.Contains(played))
    throw ListFullError();
  std::unique_ptr<EPREUVE_JOUEE> moved = from.played_.Release(played);
  if (!moved) return;  // not one of `from`'s
  moved->event_ = this;
  played_.Add(std::move(moved));
}

EPREUVE_JOUEE* EPREUVE::FindPlayedInSeason(int season) const {
  for (EPREUVE_JOUEE* played : played_) {
    if (played->IsInSeason(season)) return played;
  }
  return nullptr;
}

EPREUVE_JOUEE* EPREUVE::GetLatestPlayed() const {
  EPREUVE_JOUEE* latest = nullptr;
  for (EPREUVE_JOUEE* played : played_) {
    if (!latest || played->StartDate().IsAfter(latest->StartDate())) latest = played;
  }
  return latest;
}

void EPREUVE::MakeFriendlyGroup() {
  name_ = Msg(20);
  homologation_ = kFriendly;
  type_ = kNoType;
  age_category_ = kSeniors;
  corporate_ = false;
  friendly_group_ = true;
}

void EPREUVE::Serialize(Archive& ar) {
  const uint16_t version = ar.Version(1);
  SerializeRecordList(ar, played_);
  ar.Text(name_);
  ar.Flag32(corporate_);
  ar.Value(homologation_);
  ar.Value(type_);
  ar.Value(age_category_);
  if (version >= 1) {
    ar.Flag32(friendly_group_);
  } else {
    friendly_group_ = false;
  }
  if (ar.IsLoading()) {
    for (EPREUVE_JOUEE* played : played_)
      played->event_ = this;
  }
}

EPREUVE_JOUEE::EPREUVE_JOUEE() : best_ranking_(CLASSEMENT::Worst()) {}

EPREUVE_JOUEE::EPREUVE_JOUEE(EPREUVE* event, const DATE_SIMPLE& start, const DATE_SIMPLE& end)
    : event_(event), start_(start), end_(end), best_ranking_(CLASSEMENT::Worst()) {}

EPREUVE_JOUEE::~EPREUVE_JOUEE() = default;

RENCONTRE* EPREUVE_JOUEE::AdoptMatch(std::unique_ptr<RENCONTRE> match) {
  match->played_event_ = this;
  return matches_.Add(std::move(match));
}

std::unique_ptr<RENCONTRE> EPREUVE_JOUEE::ReleaseMatch(RENCONTRE* match) {
  std::unique_ptr<RENCONTRE> released = matches_.Release(match);
  if (released) released->played_event_ = nullptr;
  return released;
}

std::unique_ptr<RENCONTRE> EPREUVE_JOUEE::ReplaceMatch(RENCONTRE* match,
                                                       std::unique_ptr<RENCONTRE> replacement) {
  RENCONTRE* incoming = replacement.get();
  std::unique_ptr<RENCONTRE> replaced = matches_.Replace(match, std::move(replacement));
  if (!replaced) return nullptr;
  incoming->played_event_ = this;
  replaced->played_event_ = nullptr;
  return replaced;
}

bool EPREUVE_JOUEE::IsInSeason(int season) const {
  return start_.IsInSeason(season) || end_.IsInSeason(season);
}

void EPREUVE_JOUEE::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Value(id_);
  if (ar.IsLoading() && id_ < 0) throw ArchiveError::BadFormat("Negative played event identifier");

  if (ar.IsStoring()) {
    for (RENCONTRE* match : matches_) {
      ar.WriteU16(kListEntryMarker);
      ar.WriteU8(match->IsSingles() ? kSinglesMark : kDoublesMark);
      match->Serialize(ar);
    }
    ar.WriteU16(kListEndMarker);
  } else {
    ReadingIndex* index = ReadingIndex::Current();
    if (index) index->played_events.push_back({id_, this});
    while (ar.ReadU16() != kListEndMarker) {
      CheckListRoom(matches_.Count());
      std::unique_ptr<RENCONTRE> match;
      if (ar.ReadU8() == kSinglesMark) {
        match = std::make_unique<RENCONTRE_SIMPLE>();
      } else {
        match = std::make_unique<RENCONTRE_DOUBLE>();
      }
      match->Serialize(ar);
      match->played_event_ = this;
      RENCONTRE* read = match.get();
      matches_.Append(std::move(match));
      if (index) {
        // The index carries the surface's identifier on to its resolution.
        index->matches.push_back(
            {read->Id(), read->IsSingles(), read->pending_surface_ref, read, this});
        read->pending_surface_ref = 0;
      }
    }
  }

  start_.Serialize(ar);
  end_.Serialize(ar);
  entry_fee_.Serialize(ar);
  travel_.Serialize(ar);
  prize_money_.Serialize(ar);
  ar.Text(reserved1_);
  ar.Text(reserved2_);
  ar.Text(comments_);
  ar.Text(prizes_);
  ar.Flag32(won_);
  best_ranking_.Serialize(ar);
}

}  // namespace scorvane

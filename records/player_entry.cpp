#include "records/player_entry.h"

#include <charconv>

#include "base/text_compare.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/entry_text.h"
#include "records/match.h"
#include "records/owner.h"
#include "records/player.h"

namespace scorvane {
namespace {

constexpr int kLicenceMissing = 521;
constexpr int kLicenceBadlyWritten = 522;
constexpr int kBadBirthYear = 523;
constexpr size_t kLicenceLength = 8;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The history entry dated exactly `date` (1 January of its year under a
// yearly system), or null.
CLASSEMENT_DATE* EntryDated(const HISTORIQUE_CLASSEMENTS& history, const DATE_SIMPLE& date) {
  const DATE_SIMPLE when = ActiveSystem().IsYearly() ? DATE_SIMPLE(1, 1, date.Year()) : date;
  for (CLASSEMENT_DATE* entry : history.Entries()) {
    if (entry->Date().IsEqual(when)) return entry;
  }
  return nullptr;
}

// Records a ranking at a date, keeping the note of an entry already there.
void RecordRanking(HISTORIQUE_CLASSEMENTS& history, const CLASSEMENT& ranking,
                   const DATE_SIMPLE& date) {
  if (ranking.IsNone()) return;
  if (CLASSEMENT_DATE* entry = EntryDated(history, date)) {
    entry->SetRanking(ranking);
  } else {
    history.Add(ranking, date, "");
  }
}

bool IdentityChanged(const JOUEUR& player, const PlayerValues& values) {
  return player.GetRawFirstName() != values.first_name ||
         player.GetRawLastName() != values.last_name || player.Licence() != values.licence;
}

// The values as they are stored: one-line texts cleaned, no identity for an
// anonymous player.
PlayerValues Cleaned(const PlayerValues& typed) {
  PlayerValues values = typed;
  values.first_name = OneLineText(typed.first_name);
  values.last_name = OneLineText(typed.last_name);
  values.licence = OneLineText(typed.licence);
  values.club = OneLineText(typed.club);
  if (values.anonymous) {
    values.first_name.clear();
    values.last_name.clear();
    values.licence.clear();
  }
  return values;
}

void CopyValues(UTILISATEUR& owner, JOUEUR& player, const PlayerValues& values,
                const RankingDates& dates) {
  player.SetFirstName(values.first_name);
  player.SetLastName(values.last_name);
  player.SetSex(values.sex == JOUEUR::kWoman ? JOUEUR::kWoman : JOUEUR::kMan);
  player.SetLicence(values.licence);
  player.SetAnonymous(values.anonymous);
  player.SetLeftHanded(values.left_handed);
  const FieldCheck year = CheckBirthYear(values.birth_year);
  const int birth_year = year.message == 0 && !year.text.empty() ? std::stoi(year.text) : 0;
  const DATE_SIMPLE& birth = player.BirthDate();
  player.SetBirthDate(DATE_SIMPLE(birth.Day(), birth.Month(), birth_year));
  player.SetClub(ClubNamed(owner, values.club, player.Club()));
  player.SetStrongPoints(MultiLineText(values.strengths));
  player.SetWeakPoints(MultiLineText(values.weaknesses));
  player.SetComment(MultiLineText(values.comment));
  if (values.contact) {
    auto contact = std::make_unique<INFOS_COMPLEMENT_JOUEUR>();
    contact->address = OneLineText(values.contact->address);
    contact->town = OneLineText(values.contact->town);
    contact->home_phone = OneLineText(values.contact->home_phone);
    contact->work_phone = OneLineText(values.contact->work_phone);
    contact->mobile_phone = OneLineText(values.contact->mobile_phone);
    contact->email = OneLineText(values.contact->email);
    player.SetContact(std::move(contact));
  } else {
    player.SetContact(nullptr);
  }

  HISTORIQUE_CLASSEMENTS& history = player.History();
  RecordRanking(history, values.ranking, dates.current);
  if (values.has_next_ranking) {
    RecordRanking(history, values.next_ranking, dates.next);
  } else if (CLASSEMENT_DATE* next = EntryDated(history, dates.next)) {
    history.Remove(next);
  }
  owner.MarkModified();
}

}  // namespace

RankingDates RankingDatesFor(int season_year, const DATE_SIMPLE& date) {
  if (ActiveSystem().IsYearly()) {
    return {DATE_SIMPLE(1, 1, season_year), DATE_SIMPLE(1, 1, season_year + 1)};
  }
  return {date, DATE_SIMPLE(1, 1, date.Year() + 1)};
}

PlayerValues ValuesOfPlayer(const JOUEUR& player, const RankingDates& dates) {
  PlayerValues values;
  values.first_name = player.GetRawFirstName();
  values.last_name = player.GetRawLastName();
  values.sex = player.Sex();
  values.licence = player.Licence();
  values.anonymous = player.IsAnonymous();
  values.left_handed = player.IsLeftHanded();
  values.club = player.Club() ? player.Club()->Name() : std::string();
  const int year = player.GetBirthYear();
  if (year >= ANNEE::kMin && year <= ANNEE::kMax) values.birth_year = std::to_string(year);
  values.ranking = player.History().RankingAt(dates.current);
  values.next_ranking = values.ranking;
  if (const CLASSEMENT_DATE* next = EntryDated(player.History(), dates.next)) {
    values.has_next_ranking = true;
    values.next_ranking = next->Ranking();
  }
  values.strengths = player.StrongPoints();
  values.weaknesses = player.WeakPoints();
  values.comment = player.Comment();
  if (const INFOS_COMPLEMENT_JOUEUR* contact = player.Contact()) {
    values.contact = ContactValues{contact->address,    contact->town,         contact->home_phone,
                                   contact->work_phone, contact->mobile_phone, contact->email};
  }
  return values;
}

bool IsEmptyPlayer(const PlayerValues& values) {
  return !values.anonymous && OneLineText(values.first_name).empty() &&
         OneLineText(values.last_name).empty() && OneLineText(values.licence).empty();
}

FieldCheck CheckLicence(std::string_view typed, bool french_system) {
  if (!french_system) return {std::string(typed), 0};
  std::string licence = ToUpperText(OneLineText(typed));
  if (licence.empty()) return {};
  if (licence.size() < kLicenceLength) return {std::string(), kLicenceMissing};
  licence.resize(kLicenceLength);
  for (size_t i = 0; i + 1 < kLicenceLength; ++i) {
    if (!IsDigit(licence[i])) return {std::string(), kLicenceBadlyWritten};
  }
  const char letter = licence[kLicenceLength - 1];
  if (letter < 'A' || letter > 'Z') return {std::string(), kLicenceBadlyWritten};
  return {licence, 0};
}

FieldCheck CheckBirthYear(std::string_view typed) {
  const std::string text = OneLineText(typed);
  if (text.empty()) return {};
  int64_t year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (error != std::errc() || end != text.data() + text.size())
    return {std::string(), kBadBirthYear};
  if (year >= 0 && year <= 9) year += 2000;
  if (year >= 10 && year <= 99) year += 1900;
  if (year < ANNEE::kMin || year > ANNEE::kMax) return {std::string(), kBadBirthYear};
  return {std::to_string(year), 0};
}

PlayerSlot PlayerSlot::New(const UTILISATEUR& owner) {
  PlayerSlot slot;
  slot.fresh = owner.NewPlayer();
  slot.player = slot.fresh.get();
  return slot;
}

PlayerSlot PlayerSlot::Of(JOUEUR* existing) {
  PlayerSlot slot;
  slot.player = existing;
  return slot;
}

void PlayerSlot::Choose(JOUEUR* existing) {
  player = existing;
  fresh.reset();
}

JOUEUR* SavePlayer(UTILISATEUR& owner, PlayerSlot& slot, const PlayerValues& typed,
                   const PlayerSaveContext& context, PlayerQuestions& questions) {
  const PlayerValues values = Cleaned(typed);
  JOUEUR* target = slot.player;
  std::unique_ptr<JOUEUR> replacement;
  const bool in_document = owner.Players().Contains(target);
  if (in_document && context.in_match && !target->IsAnonymous() &&
      owner.IsPlayerInOtherMatch(target, context.match)) {
    const bool identity_empty =
        values.first_name.empty() && values.last_name.empty() && values.licence.empty();
    if (identity_empty || (IdentityChanged(*target, values) && questions.AskNewPlayer(*target))) {
      replacement = owner.NewPlayer();
      target = replacement.get();
    }
  }

  const bool joins_document = target != &owner && !owner.Players().Contains(target);
  if (joins_document) {
    JOUEUR* similar = owner.FindSimilarPlayer(values.first_name, values.last_name, values.licence);
    if (similar && questions.AskSamePlayer(*similar)) return similar;
  }
  CopyValues(owner, *target, values, context.dates);
  if (!joins_document) return target;
  if (!replacement) {
    if (slot.fresh.get() != target) return target;
    replacement = std::move(slot.fresh);
  }
  slot.player = owner.AddPlayer(std::move(replacement));
  return slot.player;
}

CLUB* ClubNamed(UTILISATEUR& owner, std::string_view typed, CLUB* kept) {
  const std::string name = OneLineText(typed);
  if (name.empty()) return nullptr;
  for (CLUB* club : owner.Clubs()) {
    if (club->Name() == name) return club;
  }
  for (CLUB* club : owner.Clubs()) {
    if (EqualsIgnoringCase(club->Name(), name)) return club;
  }
  if (owner.Clubs().Count() >= List<CLUB*>::kMaxCount) return kept;
  return owner.AddClub(std::make_unique<CLUB>(name));
}

int CountMatchesWith(const UTILISATEUR& owner, const JOUEUR* player) {
  int count = 0;
  owner.ForEachMatch([&](const RENCONTRE* match) {
    if (match->InvolvesPlayer(player)) ++count;
  });
  return count;
}

}  // namespace scorvane

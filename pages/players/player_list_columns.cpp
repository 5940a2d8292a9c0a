#include "pages/players/player_list_columns.h"

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/player.h"

namespace scorvane {
namespace {

using namespace player_column;

int Order(bool less, bool greater) {
  return less ? -1 : (greater ? 1 : 0);
}

// No ranking first, then from the weakest ranking to the strongest.
int CompareRankings(const CLASSEMENT& a, const CLASSEMENT& b) {
  if (a.IsNone() || b.IsNone()) return Order(a.IsNone() && !b.IsNone(), b.IsNone() && !a.IsNone());
  return Order(b.IsBetterThan(a), a.IsBetterThan(b));
}

std::string RankingText(const CLASSEMENT& ranking, const PlayerLineContext& context) {
  if (ranking.IsNone()) return {};
  if (context.grade_pictures && HasGradePicture(ranking)) return {};
  return ranking.Text();
}

const std::string& ContactText(const JOUEUR& player, std::string INFOS_COMPLEMENT_JOUEUR::*field) {
  static const std::string kNone;
  const INFOS_COMPLEMENT_JOUEUR* contact = player.Contact();
  return contact ? contact->*field : kNone;
}

std::string ClubName(const JOUEUR& player) {
  return player.Club() ? player.Club()->Name() : std::string();
}

// Both directions of a column from one ascending order of the lines.
void SetOrder(ListColumn& column, int (*ascending)(const PlayerLine&, const PlayerLine&)) {
  SetRecordOrder<PlayerLine>(column, [ascending](const PlayerLine& a, const PlayerLine& b, int) {
    return ascending(a, b);
  });
}

void SetTextOrder(ListColumn& column, std::string (*text)(const JOUEUR&)) {
  SetRecordTextOrder<PlayerLine>(column,
                                 [text](const PlayerLine& line) { return text(*line.player); });
}

struct ColumnFacts {
  int title;  // catalogue number; 0 for the head-to-head columns
  int width;
  bool shown;
  bool centred;
};

constexpr ColumnFacts kColumns[kTotal] = {
    {270, 31, true, false},  {273, 41, true, true},    {271, 66, true, false},
    {272, 116, true, false}, {275, 43, false, false},  {276, 36, true, false},
    {280, 115, true, false}, {274, 62, false, false},  {277, 58, true, true},
    {278, 57, true, true},   {284, 130, false, false}, {285, 60, false, false},
    {286, 80, false, false}, {281, 88, true, false},   {282, 88, false, false},
    {283, 88, false, false}, {279, 140, false, false}, {0, 45, false, true},
    {0, 45, false, true},
};

}  // namespace

bool HasGradePicture(const CLASSEMENT& ranking) {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  return system.IsFrench() && !ranking.IsNone() && system.IsValid(ranking.Value());
}

PlayerLine MakePlayerLine(JOUEUR& player, const PlayerLineContext& context) {
  PlayerLine line;
  line.player = &player;
  const HISTORIQUE_CLASSEMENTS& history = player.History();
  const CLASSEMENT season_rank = history.RankingForYear(context.season_year);
  line.rank = context.yearly ? season_rank : history.RankingAt(context.today);
  const CLASSEMENT next = history.RankingForYear(context.season_year + 1);
  if (!next.Equals(season_rank)) line.future_rank = next;
  const int year = player.GetBirthYear();
  if (year >= ANNEE::kMin && year <= ANNEE::kMax) {
    line.birth_year = year;
    // A birth year after this one gives no age rather than a negative one.
    if (year <= context.current_year) line.age = (context.current_year - year) % 100;
  }
  if (context.head_to_head) {
    const auto found = context.head_to_head->find(&player);
    if (found != context.head_to_head->end()) line.record = found->second;
  }
  return line;
}

ListColumnModel MakePlayerColumns(const std::string& won_title, const std::string& lost_title) {
  ListColumnModel columns;
  for (int number = 0; number < kTotal; ++number) {
    const ColumnFacts& facts = kColumns[number];
    ListColumn column;
    column.title = number == kWon ? won_title : number == kLost ? lost_title : Msg(facts.title);
    column.width = facts.width;
    column.shown = facts.shown;
    column.alignment = facts.centred ? ColumnAlignment::kCentre : ColumnAlignment::kLeft;
    switch (number) {
      case kSex:
        // Men, then women.
        SetOrder(column, [](const PlayerLine& a, const PlayerLine& b) {
          return Order(a.player->Sex() < b.player->Sex(), a.player->Sex() > b.player->Sex());
        });
        break;
      case kFirstName:
        SetTextOrder(column, [](const JOUEUR& p) { return p.GetRawFirstName(); });
        column.priority = 1;
        break;
      case kSurname:
        SetTextOrder(column, [](const JOUEUR& p) { return p.GetRawLastName(); });
        column.priority = 0;
        break;
      case kBirthYear:
        SetOrder(column, [](const PlayerLine& a, const PlayerLine& b) {
          return Order(a.birth_year<b.birth_year, a.birth_year> b.birth_year);
        });
        break;
      case kAge:
        SetOrder(column, [](const PlayerLine& a, const PlayerLine& b) {
          return Order(a.age<b.age, a.age> b.age);
        });
        break;
      case kClub:
        SetTextOrder(column, ClubName);
        break;
      case kRank:
        SetOrder(column, [](const PlayerLine& a, const PlayerLine& b) {
          return CompareRankings(a.rank, b.rank);
        });
        break;
      case kFutureRank:
        SetOrder(column, [](const PlayerLine& a, const PlayerLine& b) {
          return CompareRankings(a.future_rank, b.future_rank);
        });
        break;
      case kWon:
        SetOrder(column, [](const PlayerLine& a, const PlayerLine& b) {
          return Order(a.record.won<b.record.won, a.record.won> b.record.won);
        });
        break;
      case kLost:
        SetOrder(column, [](const PlayerLine& a, const PlayerLine& b) {
          return Order(a.record.lost<b.record.lost, a.record.lost> b.record.lost);
        });
        break;
      default:
        break;
    }
    columns.Add(std::move(column));
  }
  return columns;
}

std::string PlayerCellText(const PlayerLine& line, int column, const PlayerLineContext& context) {
  const JOUEUR& player = *line.player;
  switch (column) {
    case kSex:
      // Shown by its picture alone.
      return {};
    case kFirstName:
      return player.GetFirstName();
    case kSurname:
      return player.GetLastName();
    case kBirthYear:
      return line.birth_year == 0 ? std::string() : FormatText("%d", {line.birth_year % 100});
    case kAge:
      return line.age < 0 ? std::string() : FormatText("%d", {line.age});
    case kClub:
      return ClubName(player);
    case kLicence:
      return player.Licence();
    case kRank:
      return RankingText(line.rank, context);
    case kFutureRank:
      return RankingText(line.future_rank, context);
    case kAddress:
      return ContactText(player, &INFOS_COMPLEMENT_JOUEUR::address);
    case kTown:
      return ContactText(player, &INFOS_COMPLEMENT_JOUEUR::town);
    case kEmail:
      return ContactText(player, &INFOS_COMPLEMENT_JOUEUR::email);
    case kHomePhone:
      return ContactText(player, &INFOS_COMPLEMENT_JOUEUR::home_phone);
    case kWorkPhone:
      return ContactText(player, &INFOS_COMPLEMENT_JOUEUR::work_phone);
    case kMobilePhone:
      return ContactText(player, &INFOS_COMPLEMENT_JOUEUR::mobile_phone);
    case kComment:
      return player.Comment();
    case kWon:
      return FormatText("%d", {line.record.won});
    case kLost:
      return FormatText("%d", {line.record.lost});
    default:
      return {};
  }
}

}  // namespace scorvane

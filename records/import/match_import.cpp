#include "records/import/match_import.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "base/catalogue/messages.h"
#include "base/text_compare.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/event.h"
#include "records/import/csv_reader.h"
#include "records/import/name_key.h"
#include "records/match_entry.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/player.h"
#include "records/season.h"

namespace scorvane {
namespace {

std::string Line(const ImportedMatch& match) {
  return "line " + std::to_string(match.line) + ": ";
}

std::string FullName(const std::string& first_name, const std::string& surname) {
  if (first_name.empty()) return surname;
  if (surname.empty()) return first_name;
  return first_name + " " + surname;
}

// Licences agree unless both are given and differ (letter case aside).
bool LicencesAgree(const std::string& a, const std::string& b) {
  return a.empty() || b.empty() || EqualsIgnoringCase(a, b);
}

bool IsFriendlyName(const std::string& name) {
  const std::string key = NameKey(name);
  return key.empty() || key == NameKey(MsgIn(20, kLanguageEnglish)) ||
         key == NameKey(MsgIn(20, kLanguageFrench));
}

// Dates in their calendar order.
int64_t DateKey(const DATE_SIMPLE& date) {
  return (int64_t{date.Year()} * 100 + date.Month()) * 100 + date.Day();
}

// Season of a date: November and December count for the next year.
int SeasonOfDate(const DATE_SIMPLE& date) {
  return date.Month() >= 11 ? date.Year() + 1 : date.Year();
}

class Planner {
 public:
  Planner(const UTILISATEUR& owner, const ImportOptions& options, ImportPlan& plan)
      : owner_(owner), options_(options), plan_(plan), yearly_(ActiveSystem().IsYearly()) {
    for (JOUEUR* player : owner.Players()) {
      if (player->IsAnonymous()) continue;
      const std::string surname = NameKey(player->GetRawLastName());
      by_name_.emplace(NameKey(player->GetRawFirstName()) + '\n' + surname, player);
      by_surname_.emplace(surname, player);
      if (!player->Licence().empty()) by_licence_.emplace(ListKey(player->Licence()), player);
    }
    for (EPREUVE* event : owner.Events()) {
      if (event->IsFriendlyGroup()) {
        friendly_ = event;
      } else {
        events_by_name_.emplace(NameKey(event->Name()), event);
      }
    }
    for (const SURFACE* surface : owner.Surfaces())
      surfaces_[ListKey(surface->Name())] = true;
  }

  void Plan(std::string_view bytes) {
    CsvResult csv = ReadCsv(bytes);
    if (!csv.table) {
      plan_.error = csv.error;
      return;
    }
    const std::vector<std::vector<std::string>>& rows = csv.table->rows;
    if (rows.empty()) {
      plan_.error = "The file is empty.";
      return;
    }
    std::optional<MatchColumns> columns = FindMatchColumns(rows.front(), &plan_.error);
    if (!columns) return;
    plan_.ignored_columns = columns->ignored;
    plan_.matches.reserve(rows.size() - 1);
    for (size_t i = 1; i < rows.size(); ++i) {
      const bool blank = std::all_of(rows[i].begin(), rows[i].end(), [](const std::string& cell) {
        return cell.find_first_not_of(" \t") == std::string::npos;
      });
      if (blank) continue;
      LineReading reading = ReadMatchLine(rows[i], i + 1, *columns, ActiveSystem());
      if (!reading.match) {
        plan_.refused.push_back(std::move(reading.refusal));
        continue;
      }
      PlanMatch(std::move(*reading.match));
    }
    CheckCapacity();
  }

 private:
  void PlanMatch(ImportedMatch values) {
    PlannedMatch match;
    match.season = options_.season ? *options_.season : SeasonOfDate(values.date);
    match.event = PlanEvent(values, match.season);
    PlanSeason(match.season);
    PlanSurface(values.surface);
    match.opponent = PlanPlayer(values.opponent, values);
    if (values.doubles) {
      match.second_opponent = PlanPlayer(values.second_opponent, values);
      match.partner = PlanPlayer(values.partner, values);
      if (!values.partner.IsNamed()) {
        plan_.warnings.push_back(Line(values) +
                                 "the partner is not named; an anonymous partner is recorded.");
      }
    }
    const DATE_SIMPLE at = yearly_ ? DATE_SIMPLE(1, 1, match.season) : values.date;
    const DATE_SIMPLE next(1, 1, match.season + 1);
    PlanRanking(match.opponent, values.opponent, values.opponent.ranking, at, values);
    PlanRanking(match.opponent, values.opponent, values.opponent.future_ranking, next, values);
    if (values.doubles) {
      const ImportedPlayer& second = values.second_opponent;
      PlanRanking(match.second_opponent, second, second.ranking, at, values);
      PlanRanking(match.second_opponent, second, second.future_ranking, next, values);
    }
    match.values = std::move(values);
    plan_.matches.push_back(std::move(match));
  }

  size_t PlanEvent(const ImportedMatch& values, int season) {
    const bool friendly = IsFriendlyName(values.event);
    const std::string key =
        (friendly ? std::string() : NameKey(values.event)) + '\n' + std::to_string(season);
    const auto [found, added] = planned_events_.emplace(key, plan_.events.size());
    if (!added) {
      PlannedEvent& event = plan_.events[found->second];
      if (values.date.IsBefore(event.start)) event.start = values.date;
      if (values.date.IsAfter(event.end)) event.end = values.date;
      return found->second;
    }
    PlannedEvent event;
    event.friendly = friendly;
    event.season = season;
    event.start = event.end = values.date;
    if (friendly) {
      event.existing = friendly_;
      event.name = friendly_ ? friendly_->Name() : Msg(20);
    } else {
      const auto recorded = events_by_name_.find(NameKey(values.event));
      event.existing = recorded == events_by_name_.end() ? nullptr : recorded->second;
      event.name = event.existing ? event.existing->Name() : values.event;
    }
    event.played_in_season = event.existing && event.existing->FindPlayedInSeason(season);
    plan_.events.push_back(std::move(event));
    return found->second;
  }

  void PlanSeason(int year) {
    if (owner_.FindSeason(year)) return;
    if (std::find(plan_.new_seasons.begin(), plan_.new_seasons.end(), year) ==
        plan_.new_seasons.end())
      plan_.new_seasons.push_back(year);
  }

  void PlanSurface(const std::string& name) {
    if (name.empty()) return;
    if (surfaces_.emplace(ListKey(name), true).second) plan_.new_surfaces.push_back(name);
  }

  PlannedPlayer PlanPlayer(const ImportedPlayer& player, const ImportedMatch& values) {
    if (!player.IsNamed()) {
      ++plan_.anonymous_players;
      return {};
    }
    const std::string key = NameKey(player.first_name) + '\n' + NameKey(player.surname);
    const auto [from, to] = new_by_name_.equal_range(key);
    for (auto it = from; it != to; ++it) {
      if (LicencesAgree(plan_.new_players[static_cast<size_t>(it->second)].licence, player.licence))
        return {nullptr, it->second};
    }
    const auto [first, last] = by_name_.equal_range(key);
    for (auto it = first; it != last; ++it) {
      if (LicencesAgree(it->second->Licence(), player.licence)) return {it->second, -1};
    }
    const int created = static_cast<int>(plan_.new_players.size());
    plan_.new_players.push_back(player);
    new_by_name_.emplace(key, created);
    if (JOUEUR* similar = SimilarPlayer(player, key))
      plan_.resemblances.push_back({created, similar, values.line});
    return {nullptr, created};
  }

  // A recorded player the entry dialog would ask about: same licence, same
  // surname and first name (or no first name), or same name with another licence.
  JOUEUR* SimilarPlayer(const ImportedPlayer& player, const std::string& key) const {
    if (const auto same = by_name_.find(key); same != by_name_.end()) return same->second;
    if (!player.licence.empty()) {
      const auto same = by_licence_.find(ListKey(player.licence));
      if (same != by_licence_.end()) return same->second;
    }
    const auto [first, last] = by_surname_.equal_range(NameKey(player.surname));
    for (auto it = first; it != last; ++it) {
      if (it->second->IsSimilar(player.first_name, player.surname, {})) return it->second;
    }
    return nullptr;
  }

  void PlanRanking(const PlannedPlayer& who, const ImportedPlayer& player,
                   const CLASSEMENT& ranking, const DATE_SIMPLE& date,
                   const ImportedMatch& values) {
    if (ranking.IsNone()) return;
    const std::string name = FullName(player.first_name, player.surname);
    const auto identity = who.existing ? reinterpret_cast<std::uintptr_t>(who.existing)
                                       : static_cast<std::uintptr_t>(who.created);
    const auto [given, added] =
        given_rankings_.emplace(std::make_pair(identity, DateKey(date)), ranking.Value());
    if (!added) {
      if (given->second != ranking.Value()) {
        plan_.warnings.push_back(Line(values) + "the ranking " + ranking.Text() + " of " + name +
                                 " differs from " + CLASSEMENT(given->second).Text() +
                                 " given before; " + CLASSEMENT(given->second).Text() +
                                 " is kept.");
      }
      return;
    }
    if (who.existing) {
      const HISTORIQUE_CLASSEMENTS& history = who.existing->History();
      const CLASSEMENT_DATE* entry = history.EntryAt(date);
      const bool same_date = entry && entry->Date() == date;
      // A yearly ranking is written down for each year (the next season's
      // ranking is the one of its own 1 January); a dated one only when it changes.
      if (entry && entry->Ranking() == ranking && (same_date || !yearly_)) return;
      if (same_date) {
        plan_.warnings.push_back(Line(values) + name + " is recorded as " +
                                 entry->Ranking().Text() + " on " + date.Format() +
                                 "; the file's " + ranking.Text() + " is not taken.");
        return;
      }
    }
    plan_.rankings.push_back({who, ranking, date});
  }

  void CheckCapacity() {
    constexpr size_t kMax = List<JOUEUR*>::kMaxCount;
    const size_t players = static_cast<size_t>(owner_.Players().Count()) +
                           plan_.new_players.size() + static_cast<size_t>(plan_.anonymous_players);
    if (players > kMax) {
      plan_.error = "The document cannot hold " + std::to_string(players) + " players (" +
                    std::to_string(kMax) + " at most).";
    }
  }

  const UTILISATEUR& owner_;
  const ImportOptions& options_;
  ImportPlan& plan_;
  const bool yearly_;
  std::unordered_multimap<std::string, JOUEUR*> by_name_, by_surname_, by_licence_;
  std::unordered_multimap<std::string, int> new_by_name_;
  std::unordered_map<std::string, EPREUVE*> events_by_name_;
  EPREUVE* friendly_ = nullptr;
  std::unordered_map<std::string, bool> surfaces_;
  std::unordered_map<std::string, size_t> planned_events_;
  std::map<std::pair<std::uintptr_t, int64_t>, int32_t> given_rankings_;
};

}  // namespace

ImportPlan PlanMatchImport(const UTILISATEUR& owner, std::string_view csv_bytes,
                           const ImportOptions& options) {
  ImportPlan plan;
  Planner(owner, options, plan).Plan(csv_bytes);
  return plan;
}

void TakeRecordedPlayer(ImportPlan& plan, size_t resemblance) {
  const ImportPlan::Resemblance same = plan.resemblances.at(resemblance);
  const auto redirect = [&same](PlannedPlayer& player) {
    if (player.created == same.created) player = {same.recorded, -1};
    if (player.created > same.created) --player.created;
  };
  for (PlannedMatch& match : plan.matches) {
    redirect(match.opponent);
    redirect(match.second_opponent);
    redirect(match.partner);
  }
  const HISTORIQUE_CLASSEMENTS& history = same.recorded->History();
  std::erase_if(plan.rankings, [&](PlannedRanking& ranking) {
    const bool was_new = ranking.player.created == same.created;
    redirect(ranking.player);
    const CLASSEMENT_DATE* entry = history.EntryAt(ranking.date);
    return was_new && entry && entry->Date() == ranking.date;
  });
  plan.new_players.erase(plan.new_players.begin() + same.created);
  plan.resemblances.erase(plan.resemblances.begin() + static_cast<std::ptrdiff_t>(resemblance));
  for (ImportPlan::Resemblance& other : plan.resemblances) {
    if (other.created > same.created) --other.created;
  }
}

std::string ResemblanceText(const ImportPlan& plan, const ImportPlan::Resemblance& resemblance) {
  const ImportedPlayer& player = plan.new_players.at(static_cast<size_t>(resemblance.created));
  const JOUEUR& similar = *resemblance.recorded;
  std::string recorded = FullName(similar.GetRawFirstName(), similar.GetRawLastName());
  if (!similar.Licence().empty()) recorded += " (licence " + similar.Licence() + ")";
  return "line " + std::to_string(resemblance.line) + ": the new player " +
         FullName(player.first_name, player.surname) + " looks like the recorded player " +
         recorded + ".";
}

int ApplyMatchImport(UTILISATEUR& owner, const ImportPlan& plan) {
  if (!plan.Readable() || plan.matches.empty()) return 0;
  SAISON_JOUEUR* const active = owner.GetActiveSeason();

  std::vector<JOUEUR*> created;
  created.reserve(plan.new_players.size());
  for (const ImportedPlayer& player : plan.new_players) {
    std::unique_ptr<JOUEUR> record = owner.NewPlayer();
    record->SetFirstName(player.first_name);
    record->SetLastName(player.surname);
    record->SetLicence(player.licence);
    created.push_back(owner.AddPlayer(std::move(record)));
  }
  const auto player_of = [&](const PlannedPlayer& planned) {
    if (planned.existing) return planned.existing;
    if (planned.created >= 0) return created[static_cast<size_t>(planned.created)];
    std::unique_ptr<JOUEUR> anonymous = owner.NewPlayer();
    anonymous->SetAnonymous(true);
    return owner.AddPlayer(std::move(anonymous));
  };

  // In date order, so that a later ranking never changes what an earlier one gave.
  std::vector<const PlannedRanking*> rankings;
  for (const PlannedRanking& ranking : plan.rankings)
    rankings.push_back(&ranking);
  std::stable_sort(rankings.begin(), rankings.end(), [](const auto* a, const auto* b) {
    return DateKey(a->date) < DateKey(b->date);
  });
  for (const PlannedRanking* ranking : rankings)
    player_of(ranking->player)->History().Add(ranking->ranking, ranking->date, "");

  std::vector<EPREUVE_JOUEE*> played;
  for (const PlannedEvent& planned : plan.events) {
    EPREUVE* event = planned.friendly   ? owner.GetFriendlyGroup()
                     : planned.existing ? planned.existing
                                        : owner.AddEvent(std::make_unique<EPREUVE>(planned.name));
    EPREUVE_JOUEE* instance = event->FindPlayedInSeason(planned.season);
    played.push_back(instance ? instance : event->AddPlayed(planned.start, planned.end));
  }

  for (const PlannedMatch& planned : plan.matches) {
    const ImportedMatch& values = planned.values;
    SAISON_JOUEUR* season = owner.FindSeason(planned.season);
    if (!season) season = owner.AddSeason(planned.season);
    MatchValues entry;
    entry.date = values.date;
    entry.place = values.place;
    entry.surface = values.surface;
    entry.doubles = values.doubles;
    entry.won = values.won;
    entry.score = values.score;
    entry.retirement = values.retirement;
    entry.walkover = entry.walkover_not_excused = values.walkover;
    entry.comment = values.comments;
    MatchPlayers players;
    players.opponent1 = player_of(planned.opponent);
    if (values.doubles) {
      players.opponent2 = player_of(planned.second_opponent);
      players.partner = player_of(planned.partner);
    }
    StoreMatch(owner, *season, nullptr, *played[planned.event], entry, players);
  }
  if (active) owner.SetActiveSeason(active);
  return static_cast<int>(plan.matches.size());
}

}  // namespace scorvane

#include "pages/own/own_card.h"

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/owner.h"
#include "records/season.h"

namespace scorvane {
namespace {

std::string Text(int number) {
  return Msg(number);
}

}  // namespace

int PlausibleAge(int birth_year, int this_year) {
  if (birth_year <= ANNEE::kMin || birth_year > this_year) return -1;
  return this_year - birth_year;
}

OwnCard BuildOwnCard(const UTILISATEUR& owner, const DATE_SIMPLE& today) {
  OwnCard card;
  card.heading = Text(248);
  card.lines.push_back({Text(249), owner.GetFirstName() + " " + owner.GetLastName()});
  card.lines.push_back({Text(250), Text(owner.IsWoman() ? 71 : 70)});
  const int age = PlausibleAge(owner.GetBirthYear(), today.Year());
  card.lines.push_back({Text(251), age < 0 ? Text(252) : FormatText(Msg(74), {age})});
  const CLUB* club = owner.Club();
  card.lines.push_back({Text(253), club ? club->Name() : Text(owner.IsWoman() ? 255 : 254)});

  const HISTORIQUE_CLASSEMENTS& history = owner.History();
  if (history.IsEmpty()) return card;
  const bool yearly = ActiveSystem().IsYearly();
  if (const SAISON_JOUEUR* latest = owner.GetLatestSeason()) {
    if (yearly) {
      card.lines.push_back(
          {FormatText(Msg(256), {latest->Year()}), history.RankingForYear(latest->Year()).Text()});
    } else {
      card.lines.push_back({Text(257), history.RankingAt(today).Text()});
    }
  }
  const CLASSEMENT_DATE* best = history.BestEntry();
  const std::string reached = yearly ? std::to_string(best->Date().Year()) : best->Date().Format();
  card.lines.push_back({Text(258), FormatText("%s (%s)", {best->Ranking().Text(), reached})});
  return card;
}

}  // namespace scorvane

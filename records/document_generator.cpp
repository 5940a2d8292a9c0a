// Builds a tennis record the way a user would, with names, events and scores
// that read well in English and French; see document_generator.h.
#include "records/document_generator.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {
namespace {

// Names that read well in English and in French alike, for men and for
// women: a player's first name goes with the sex recorded.
constexpr std::array kMenFirstNames = {"Paul",      "Pierre", "Marc",   "Thomas", "Nicolas",
                                       "Antoine",   "Lucas",  "Hugo",   "Louis",  "Mathieu",
                                       "Sébastien", "David",  "Julien", "Olivier"};
constexpr std::array kWomenFirstNames = {"Julie",    "Claire", "Sophie", "Camille",
                                         "Emma",     "Léa",    "Chloé",  "Isabelle",
                                         "Nathalie", "Anne",   "Marie",  "Céline"};
constexpr std::array kLastNames = {
    "Martin",   "Bernard",  "Dubois",  "Durand",   "Lefèvre", "Moreau", "Laurent", "Simon",
    "Michel",   "Garcia",   "Roux",    "Fournier", "Girard",  "Bonnet", "Dupont",  "Lambert",
    "Fontaine", "Rousseau", "Vincent", "Mercier",  "Blanc",   "Guérin", "Faure",   "Chevalier"};
constexpr std::array kTowns = {
    "Lyon",   "Villeurbanne", "Annecy",  "Grenoble",        "Chambéry", "Bron",   "Caluire",
    "Vienne", "Mâcon",        "Valence", "Bourg-en-Bresse", "Oullins",  "Écully", "Vaulx-en-Velin"};
constexpr std::array kStreets = {"rue Garibaldi",     "avenue des Sports",    "chemin du Stade",
                                 "boulevard du Parc", "rue de la République", "allée des Pins"};
constexpr std::array kPayees = {"Pro Shop", "Décathlon", "Tennis Warehouse", "Intersport",
                                "Club house"};
constexpr std::array kProducts = {"Babolat RPM Blast", "Wilson US Open x4",    "Head Sprint Pro",
                                  "Tecnifibre X-One",  "Asics Gel Resolution", "Lacoste polo",
                                  "Dunlop Fort x4",    "Yonex grip x3"};
constexpr std::array kMatchComments = {"",
                                       "",
                                       "",
                                       "Strong wind",
                                       "Great rally at 5/5",
                                       "Sous la pluie",
                                       "Night session",
                                       "Revers solide"};

struct EventModel {
  const char* name;
  int32_t homologation;
  int32_t type;
  int32_t age;
  bool corporate;
};
constexpr std::array kEvents = {
    EventModel{"Open de Lyon", EPREUVE::kHomologated, EPREUVE::kTournament, 5, false},
    EventModel{"Championnat individuel", EPREUVE::kHomologated, EPREUVE::kChampionship, 5, false},
    EventModel{"Interclubs", EPREUVE::kHomologated, EPREUVE::kTeamEvent, 5, false},
    EventModel{"Tournoi de Villeurbanne", EPREUVE::kHomologated, EPREUVE::kTournament, 5, false},
    EventModel{"Open d'Annecy", EPREUVE::kHomologated, EPREUVE::kTournament, 5, false},
    EventModel{"Championnat corporatif", EPREUVE::kHomologated, EPREUVE::kTeamEvent, 5, true},
    EventModel{"Tournoi +35 de Bron", EPREUVE::kHomologated, EPREUVE::kTournament, 6, false},
    EventModel{"Challenge du club", EPREUVE::kNonHomologated, EPREUVE::kNoType, 5, false},
};

class Generator {
 public:
  Generator(PROJECT_DOC& document, const GeneratorOptions& options)
      : doc_(document), owner_(document.Owner()), options_(options), random_(options.seed) {}

  void Run() {
    doc_.BeginUpdate();
    MakeOwner();
    doc_.AddDefaultContents();
    MakeClubs();
    MakePlayers();
    MakeEvents();
    for (int i = 0; i < Seasons(); ++i)
      MakeSeason(options_.first_season + i, Share(options_.matches, i));
    doc_.EndUpdate();
  }

 private:
  int Seasons() const { return std::max(1, options_.seasons); }
  // The part of `total` that falls to season `index`.
  int Share(int total, int index) const {
    const int n = Seasons();
    return total / n + (index < total % n ? 1 : 0);
  }

  uint32_t Next() { return static_cast<uint32_t>(random_()); }
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <class Array>
  const char* Pick(const Array& values) {
    return values[static_cast<size_t>(Below(static_cast<int>(values.size())))];
  }

  // A ranking value of the active system: grade systems stay within the
  // lowest fourteen grades, where club players are; numbers use the range.
  CLASSEMENT RandomRanking() {
    const SYSTEME_CLASSEMENT& system = ActiveSystem();
    const int64_t span = int64_t{system.Highest()} - system.Lowest() + 1;
    if (span <= 0) return CLASSEMENT(system.Lowest());
    const int64_t reach = system.HasGrades() ? std::min<int64_t>(span, 14) : span;
    const int64_t offset = static_cast<int64_t>(Next() % static_cast<uint64_t>(reach));
    if (system.HigherIsBetter()) return CLASSEMENT(static_cast<int32_t>(system.Lowest() + offset));
    return CLASSEMENT(static_cast<int32_t>(system.Highest() - offset));
  }
  CLASSEMENT Drift(CLASSEMENT ranking) {
    const int move = Below(5);
    if (move == 0) return ranking.OneStepWorse();
    if (move >= 3) return ranking.OneStepBetter();
    return ranking;
  }
  void GiveHistory(JOUEUR& player) {
    CLASSEMENT ranking = RandomRanking();
    for (int i = 0; i < Seasons() + 1; ++i) {
      player.History().Add(ranking, DATE_SIMPLE(1, 1, options_.first_season + i), "");
      ranking = Drift(ranking);
    }
  }
  std::string Phone() {
    std::string phone = "04";
    for (int i = 0; i < 4; ++i)
      phone += " " + std::to_string(10 + Below(90));
    return phone;
  }

  void MakeOwner() {
    owner_.SetFirstName("Julien");
    owner_.SetLastName("Morel");
    owner_.SetSex(JOUEUR::kMan);
    owner_.SetBirthDate(DATE_SIMPLE(1, 1, 1975));
    owner_.SetLicence("0512345K");
    owner_.SetStrongPoints("Coup droit, service");
    owner_.SetWeakPoints("Volée");
    GiveHistory(owner_);
    doc_.SetTitle("Julien_Morel");
  }

  void MakeClubs() {
    const int count = std::max<int>(static_cast<int>(kTowns.size()), options_.matches / 40);
    for (int i = 0; i < count; ++i) {
      const std::string town = kTowns[static_cast<size_t>(i) % kTowns.size()];
      const int round = i / static_cast<int>(kTowns.size());
      auto club = std::make_unique<CLUB>((i % 3 == 0 ? "Tennis Club de " : "TC ") + town +
                                         (round ? " " + std::to_string(round + 1) : ""));
      club->SetPhone(Phone());
      club->SetAddress(std::to_string(1 + Below(120)) + " " + Pick(kStreets) + ", " + town);
      club->SetCode(Chance(80) ? 60690000 + Below(9999) : 0);
      clubs_.push_back(owner_.AddClub(std::move(club)));
    }
    owner_.SetClub(clubs_.front());
  }

  void MakePlayers() {
    int count =
        options_.players > 0 ? options_.players : std::clamp(options_.matches / 3, 12, 8000);
    count = std::min(count, static_cast<int>(List<int>::kMaxCount));
    for (int i = 0; i < count; ++i) {
      auto player = std::make_unique<JOUEUR>();
      const bool woman = Chance(30);
      player->SetSex(woman ? JOUEUR::kWoman : JOUEUR::kMan);
      player->SetFirstName(woman ? Pick(kWomenFirstNames) : Pick(kMenFirstNames));
      player->SetLastName(Pick(kLastNames));
      if (i > 0 && i % 25 == 0) player->SetAnonymous(true);
      if (Chance(60)) {
        std::string licence = std::to_string(1000000 + Below(8999999));
        licence += static_cast<char>('A' + Below(26));
        player->SetLicence(licence);
      }
      if (Chance(70)) player->SetBirthDate(DATE_SIMPLE(1, 1, 1950 + Below(40)));
      player->SetLeftHanded(Chance(15));
      if (Chance(30)) player->SetComment(Chance(50) ? "Gros service" : "Plays from the baseline");
      if (Chance(75)) player->SetClub(clubs_[static_cast<size_t>(Below(Size(clubs_)))]);
      if (Chance(25)) {
        auto contact = std::make_unique<INFOS_COMPLEMENT_JOUEUR>();
        const std::string town = Pick(kTowns);
        contact->address = std::to_string(1 + Below(80)) + " " + Pick(kStreets);
        contact->town = town;
        contact->home_phone = Phone();
        contact->mobile_phone = "06" + Phone().substr(2);
        contact->email = "joueur" + std::to_string(i) + "@example.org";
        player->SetContact(std::move(contact));
      }
      GiveHistory(*player);
      players_.push_back(owner_.AddPlayer(std::move(player)));
    }
  }

  void MakeEvents() {
    const int count = std::max<int>(static_cast<int>(kEvents.size()), options_.matches / 12);
    for (int i = 0; i < count; ++i) {
      const EventModel& model = kEvents[static_cast<size_t>(i) % kEvents.size()];
      const int round = i / static_cast<int>(kEvents.size());
      std::string name = model.name;
      if (round > 0)
        name = "Tournoi de " + std::string(kTowns[static_cast<size_t>(round) % kTowns.size()]) +
               " " + std::to_string(round);
      auto event = std::make_unique<EPREUVE>(name);
      event->SetHomologation(round > 0 ? EPREUVE::kHomologated : model.homologation);
      event->SetType(round > 0 ? EPREUVE::kTournament : model.type);
      event->SetAgeCategory(model.age);
      event->SetCorporate(model.corporate);
      events_.push_back(owner_.AddEvent(std::move(event)));
    }
  }

  // A date of season `year`: from November of the year before to September.
  DATE_SIMPLE DateIn(int year) {
    const int month = 1 + Below(11);  // 1..11, where 10 and 11 stand for Nov and Dec
    if (month >= 10) return DATE_SIMPLE(1 + Below(28), month + 1, year - 1);
    return DATE_SIMPLE(1 + Below(28), month, year);
  }
  static DATE_SIMPLE Later(const DATE_SIMPLE& date, int days) {
    return DATE_SIMPLE(std::min(28, date.Day() + days), date.Month(), date.Year());
  }

  EPREUVE_JOUEE* Participate(EPREUVE& event, int year, SAISON_JOUEUR& season) {
    const DATE_SIMPLE start = DateIn(year);
    const bool team = event.Type() == EPREUVE::kTeamEvent;
    EPREUVE_JOUEE* played = event.AddPlayed(start, Later(start, team ? 0 : 2 + Below(8)));
    if (event.Homologation() != EPREUVE::kFriendly && !team) {
      played->SetEntryFee(SOMME(static_cast<float>(60 + 10 * Below(10))));
      if (Chance(40)) played->SetTravelExpenses(SOMME(static_cast<float>(20 + Below(180))));
      played->SetBestRanking(RandomRanking());
      if (Chance(12)) {
        played->SetWon(true);
        played->SetPrizeMoney(SOMME(static_cast<float>(300 + 50 * Below(10))));
        played->SetPrizes(Chance(50) ? "Coupe" : "Raquette");
      }
    }
    if (Chance(20)) played->SetComments("Bonne ambiance / good organisation");
    season.EnsurePalmares().AddPlayedEvent(played);
    return played;
  }

  // A score as the owner types it: the owner's games first.
  std::string Score(bool won, RESULTAT_RENCONTRE& result) {
    const bool three = Chance(30);
    const int sets = three ? 3 : 2;
    std::string text;
    for (int s = 0; s < sets; ++s) {
      // With three sets the owner loses the middle one when winning, and so on.
      const bool owner_takes = three && s == 1 ? !won : won;
      int winner = 6, loser = Below(5);
      if (Chance(15)) loser = 5, winner = 7;
      if (Chance(15)) loser = 6, winner = 7;  // a tie-break set
      const int mine = owner_takes ? winner : loser;
      const int theirs = owner_takes ? loser : winner;
      text += (s ? " " : "") + std::to_string(mine) + "/" + std::to_string(theirs);
    }
    // A comment in brackets now and then, in the document's language.
    if (Chance(5)) {
      text += " (" +
              std::string(Chance(50)   ? "vent"
                          : IsFrench() ? "longs échanges"
                                       : "long rallies") +
              ")";
    }
    if (Chance(3)) {
      text = won ? "6/3 2/0" : "3/6 0/2";
      result.SetRetirement(true);
    }
    return text;
  }

  JOUEUR* SomePlayer(std::initializer_list<const JOUEUR*> not_these = {}) {
    for (;;) {
      JOUEUR* player = players_[static_cast<size_t>(Below(Size(players_)))];
      if (std::find(not_these.begin(), not_these.end(), player) == not_these.end()) return player;
    }
  }

  void MakeMatch(EPREUVE_JOUEE& played, SAISON_JOUEUR& season) {
    const bool won = Chance(55);
    const bool singles = Chance(80) || players_.size() < 4;
    std::unique_ptr<RENCONTRE> match;
    const DATE_SIMPLE date = Later(played.StartDate(), Below(3));
    if (singles) {
      auto one = std::make_unique<RENCONTRE_SIMPLE>(date, won ? 1 : 0, "");
      one->SetOpponent(SomePlayer());
      match = std::move(one);
    } else {
      auto two = std::make_unique<RENCONTRE_DOUBLE>(date, won ? 1 : 0, "");
      JOUEUR* partner = SomePlayer();
      JOUEUR* first = SomePlayer({partner});
      two->SetPartner(partner);
      two->SetFirstOpponent(first);
      two->SetSecondOpponent(SomePlayer({partner, first}));
      two->Result().SetNoAdvantage(Chance(50));
      match = std::move(two);
    }
    RESULTAT_RENCONTRE& result = match->Result();
    if (Chance(4)) {
      result.SetWalkover(RESULTAT_RENCONTRE::kWalkover);
      result.SetScore("");
    } else {
      result.SetScore(Score(won, result));
    }
    const List<SURFACE*>& surfaces = owner_.Surfaces();
    match->SetSurface(surfaces.At(Below(surfaces.Count())));
    match->SetIndoorCode(Chance(35) ? RENCONTRE::kIndoor : RENCONTRE::kOutdoor);
    match->SetPlace(clubs_[static_cast<size_t>(Below(Size(clubs_)))]->Name());
    match->SetComment(Pick(kMatchComments));
    season.RetainMatch(played.AdoptMatch(std::move(match)));
  }

  void MakeSeason(int year, int matches) {
    SAISON_JOUEUR* season = owner_.AddSeason(year);
    owner_.SetActiveSeason(season);
    season->SetComment("Saison " + std::to_string(year));

    std::vector<EPREUVE_JOUEE*> played;
    for (EPREUVE* event : events_)
      played.push_back(Participate(*event, year, *season));
    EPREUVE* friendly = owner_.GetFriendlyGroup();
    played.push_back(Participate(*friendly, year, *season));
    for (int i = 0; i < matches; ++i)
      MakeMatch(*played[static_cast<size_t>(Below(Size(played)))], *season);

    const List<CATEGORIE_FINANCIERE*>& categories = owner_.Categories();
    for (int i = 0; i < options_.operations_per_season; ++i) {
      auto operation = std::make_unique<OPERATION_FINANCIERE>();
      operation->SetCategory(categories.At(Below(categories.Count())));
      operation->SetDate(DateIn(year));
      operation->SetPayee(Pick(kPayees));
      operation->SetPurpose(Pick(kProducts));
      operation->SetAmount(SOMME(static_cast<float>(5 + Below(200)) + 0.5f * Below(2)));
      if (i % 4 == 3) {
        season->Finances().AddGain(std::move(operation));
      } else {
        season->Finances().AddExpense(std::move(operation));
      }
    }
  }

  template <class T>
  static int Size(const std::vector<T>& values) {
    return static_cast<int>(values.size());
  }

  PROJECT_DOC& doc_;
  UTILISATEUR& owner_;
  GeneratorOptions options_;
  std::mt19937 random_;
  std::vector<CLUB*> clubs_;
  std::vector<JOUEUR*> players_;
  std::vector<EPREUVE*> events_;
};

}  // namespace

void GenerateDocument(PROJECT_DOC& document, const GeneratorOptions& options) {
  Generator(document, options).Run();
}

}  // namespace scorvane

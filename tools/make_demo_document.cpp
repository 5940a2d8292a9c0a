// Writes a small sample document (two seasons of a club player, with events,
// singles and doubles, players and clubs) for screenshots and start-up
// measurements, until the command-line tool makes the real demo document.
//
//   make_demo_document OUT.ten
#include <cstdio>
#include <memory>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "tests/support/document_builder.h"

using namespace scorvane;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo_document OUT.ten\n");
    return 2;
  }
  SetLanguage(kLanguageEnglish);
  Registry().Reset();
  PROJECT_DOC document;
  document.MakeDefaultDocument();
  UTILISATEUR& owner = document.Owner();
  owner.SetFirstName("Claire");
  owner.SetLastName("Morel");
  owner.SetSex(JOUEUR::kWoman);
  testing::DocumentBuilder b(owner);

  auto club = std::make_unique<CLUB>();
  club->SetName("TC des Lilas");
  CLUB* lilas = owner.AddClub(std::move(club));
  owner.SetClub(lilas);

  b.Season(2000, "30/1");
  JOUEUR* anne = b.Player("Anne", "Petit", {{2000, "30/2"}, {2001, "30/1"}});
  JOUEUR* lea = b.Player("Léa", "Garnier", {{2000, "30"}, {2001, "30"}});
  JOUEUR* sophie = b.Player("Sophie", "Roux", {{2000, "15/5"}, {2001, "15/4"}});
  JOUEUR* julie = b.Player("Julie", "Faure", {{2000, "30/3"}, {2001, "30/2"}});
  EPREUVE_JOUEE* spring = b.Tournament("Open de printemps", DATE_SIMPLE(8, 4, 2000));
  b.Singles(spring, anne, true, "6/3 6/4");
  b.Singles(spring, lea, false, "4/6 6/7");
  EPREUVE_JOUEE* teams = b.Event("Championnat par équipes", EPREUVE::kHomologated,
                                 EPREUVE::kTeamEvent, DATE_SIMPLE(14, 5, 2000));
  b.Singles(teams, julie, true, "6/2 6/1");
  b.Doubles(teams, anne, sophie, lea, false, "5/7 6/4 4/6");

  b.Season(2001, "30");
  EPREUVE_JOUEE* city = b.Tournament("Tournoi de la ville", DATE_SIMPLE(12, 3, 2001));
  b.Singles(city, julie, true, "7/5 6/3");
  b.Singles(city, sophie, false, "2/6 3/6");
  EPREUVE_JOUEE* summer = b.Tournament("Open d'été", DATE_SIMPLE(2, 6, 2001));
  b.Singles(summer, anne, true, "6/4 3/6 6/2");
  b.Singles(summer, lea, true, "6/4 7/6");

  const FileResult result = document.Save(argv[1]);
  if (!result.ok()) {
    std::fprintf(stderr, "%s\n", result.Message().c_str());
    return 1;
  }
  return 0;
}

#include "pages/page_factory.h"

#include "pages/clubs/clubs_page.h"
#include "pages/finances/finances_page.h"
#include "pages/matches/matches_page.h"
#include "pages/own/own_page.h"
#include "pages/players/players_page.h"
#include "pages/report/report_page.h"
#include "pages/statistics/statistics_page.h"
#include "pages/summary/summary_page.h"

namespace scorvane {

PageView* CreatePage(int number, QWidget* parent) {
  switch (number) {
    case PageView::kMatches:
      return new PAGE_PALMARES(parent);
    case PageView::kClubs:
      return new PAGE_CLUBS(parent);
    case PageView::kPlayers:
      return new PAGE_JOUEURS(parent);
    case PageView::kOwnPage:
      return new PAGE_PERSO(parent);
    case PageView::kCalculationReport:
      return new DETAILS_FFT(parent);
    case PageView::kSeasonSummary:
      return new PAGE_SAISON(parent);
    case PageView::kStatistics:
      return new PAGE_GRAPHIQUES(parent);
    case PageView::kFinances:
      return new PAGE_FINANCES(parent);
  }
  return nullptr;  // the frame asks only for the eight pages above
}

}  // namespace scorvane

#include "widgets/page_title.h"

#include <QCoreApplication>
#include <array>

#include "base/catalogue/messages.h"

namespace scorvane {
namespace {

struct TitleFacts {
  int message;  // 0: no title
  bool with_year;
};

// Indexed by page number - 1.
constexpr std::array<TitleFacts, kPageCount> kTitles = {{
    {122, true},   // 1 matches
    {123, false},  // 2 players
    {121, false},  // 3 own page
    {124, true},   // 4 season summary
    {120, true},   // 5 calculation report
    {125, true},   // 6 finances
    {0, false},    // 7 clubs
    {126, false},  // 8 statistics
}};

}  // namespace

QString PageTitle(int page, int season_year) {
  if (page < 1 || page > kPageCount) return {};
  // The clubs page has no catalogue title; it is named like its command.
  if (page == 7) return QCoreApplication::translate("PageTitle", "Registered clubs");
  const TitleFacts& facts = kTitles[static_cast<size_t>(page - 1)];
  if (facts.message == 0) return {};
  QString title = QString::fromUtf8(Msg(facts.message));
  if (facts.with_year && season_year > 0) title += QStringLiteral(" %1").arg(season_year);
  return title;
}

}  // namespace scorvane

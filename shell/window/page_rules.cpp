#include "shell/window/page_rules.h"

#include <QCoreApplication>

#include "base/catalogue/messages.h"

namespace scorvane {
namespace {

struct PageFacts {
  int lit_zone;
  bool refreshed;
};

// Indexed by page number - 1.
constexpr std::array<PageFacts, kPageCount> kPages = {{
    {6, true},   // 1 matches
    {2, true},   // 2 players
    {1, false},  // 3 own page
    {5, true},   // 4 season summary
    {5, false},  // 5 calculation report
    {7, true},   // 6 finances
    {0, true},   // 7 clubs
    {3, false},  // 8 statistics
}};

struct ListEntry {
  int message;
  int page;
};
constexpr std::array<ListEntry, kPageListCount> kPageList = {{
    {578, 3},
    {579, 2},
    {580, 8},
    {581, 4},
    {582, 1},
    {583, 6},
}};
constexpr int kSeasonSummaryEntry = 3;

QRect ZoneRect(int top) {
  return QRect(kZoneLeft, top, kZoneWidth, kZoneHeight);
}

bool ValidPage(int page) {
  return page >= 1 && page <= kPageCount;
}

QString CatalogueText(int number) {
  return QString::fromUtf8(Msg(number));
}

}  // namespace

int LitZone(int page) {
  return ValidPage(page) ? kPages[static_cast<size_t>(page - 1)].lit_zone : 0;
}

bool RefreshedWhenShown(int page) {
  return ValidPage(page) && kPages[static_cast<size_t>(page - 1)].refreshed;
}

QString WindowTitle(const QString& application, bool has_document, const QString& document_title,
                    bool modified, int page, int season_year) {
  QString title = application;
  if (!has_document) return title;
  title += QStringLiteral(" - ") + CatalogueText(51) + QStringLiteral(" : ") + document_title;
  if (modified) title += u'*';
  title += QStringLiteral(" - ") + PageTitle(page, season_year);
  return title;
}

int PageListText(int index) {
  return index >= 0 && index < kPageListCount ? kPageList[static_cast<size_t>(index)].message : 0;
}

int PageOfListEntry(int index) {
  return index >= 0 && index < kPageListCount ? kPageList[static_cast<size_t>(index)].page : 0;
}

int PageListSelection(int page, int selected_now) {
  // The clubs page has no entry: the list shows none rather than another page.
  if (page == 7) return -1;
  if (!ValidPage(page)) return selected_now;
  if (page == 5) return kSeasonSummaryEntry;
  for (int index = 0; index < kPageListCount; ++index) {
    if (kPageList[static_cast<size_t>(index)].page == page) return index;
  }
  return selected_now;
}

bool PageListChoiceShowsPage(int index, int current_page) {
  if (PageOfListEntry(index) == 0) return false;
  return !(index == kSeasonSummaryEntry && current_page == 5);
}

const std::array<NavigationZone, kZoneCount>& NavigationZones() {
  using A = NavigationZone::Action;
  // Three groups, one zone under the other, all of one size: the owner's
  // pages; the active season with its pages and commands (the list of
  // seasons under its heading); the information.
  static const std::array<NavigationZone, kZoneCount> zones = {{
      {1, ZoneRect(kOwnGroupTop), 29, A::kShowPage, 3},
      {2, ZoneRect(kOwnGroupTop + kZoneStep), 30, A::kShowPage, 2},
      {3, ZoneRect(kOwnGroupTop + 2 * kZoneStep), 41, A::kShowPage, 8},
      {4, ZoneRect(kSeasonGroupTop), 32, A::kShowPage, 4},
      {5, ZoneRect(kSeasonPagesTop), 33, A::kShowPage, 4},
      {6, ZoneRect(kSeasonPagesTop + kZoneStep), 26, A::kShowPage, 1},
      {7, ZoneRect(kSeasonPagesTop + 2 * kZoneStep), 40, A::kShowPage, 6},
      {8, ZoneRect(kSeasonCommandsTop), 35, A::kNewSeason, 0},
      {9, ZoneRect(kSeasonCommandsTop + kZoneStep), 34, A::kDeleteSeason, 0},
      {10, ZoneRect(kAboutTop), 36, A::kAbout, 0},
  }};
  return zones;
}

int ZoneAt(QPoint point) {
  for (const NavigationZone& zone : NavigationZones()) {
    if (zone.rect.contains(point)) return zone.number;
  }
  return 0;
}

const NavigationZone& Zone(int number) {
  return NavigationZones()[static_cast<size_t>(number - 1)];
}

}  // namespace scorvane

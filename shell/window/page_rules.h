// The fixed facts about the eight pages and the ten navigation zones, and the
// rules that follow from them: the window title, which zone is
// lit for which page, which pages refresh when shown, and how the page list
// follows the current page. Pure functions, so they are tested without a
// screen; the widgets only apply them.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>

#include "widgets/page_title.h"

namespace scorvane {

inline constexpr int kZoneCount = 10;

// The zone of the navigation picture lit while `page` is current (0: none).
int LitZone(int page);

// Pages 1, 2, 4, 6 and 7 read the document again each time they are shown.
bool RefreshedWhenShown(int page);

// The window title: the application title; with a document,
// " - " + "File" + " : " + its title, "*" when modified, then " - " and the
// current page's title text.
QString WindowTitle(const QString& application, bool has_document, const QString& document_title,
                    bool modified, int page, int season_year);

// The page list of the navigation bar: six entries in a fixed order.
inline constexpr int kPageListCount = 6;
// The catalogue text of entry `index`.
int PageListText(int index);
// The page entry `index` shows.
int PageOfListEntry(int index);
// The entry to select once `page` is current, given the entry selected now:
// page 7 has no entry (-1, none shown); page 5 shares "Season Summary" with
// page 4.
int PageListSelection(int page, int selected_now);
// Whether choosing entry `index` while `current_page` is shown changes page:
// "Season Summary" while the calculation report (page 5) is shown does not.
bool PageListChoiceShowsPage(int index, int current_page);

// A navigation zone: its rectangle in picture coordinates (right and bottom
// exclusive), its tooltip (catalogue) and what a click does.
struct NavigationZone {
  enum class Action { kShowPage, kNewSeason, kDeleteSeason, kAbout };
  int number;
  QRect rect;
  int tooltip_message;
  Action action;
  int page;  // for kShowPage
};
const std::array<NavigationZone, kZoneCount>& NavigationZones();
// The first zone containing the point, or 0.
int ZoneAt(QPoint point);
// Zone `number` (1..10).
const NavigationZone& Zone(int number);

// The navigation picture: its size, and where its groups of zones, the eyes
// and the list of seasons are. Every zone is kZoneWidth x kZoneHeight, the
// zones of a group kZoneStep apart.
inline constexpr int kNavigationWidth = 140;
inline constexpr int kNavigationHeight = 490;
inline constexpr int kZoneLeft = 8;
inline constexpr int kZoneWidth = 124;
inline constexpr int kZoneHeight = 32;
inline constexpr int kZoneStep = 36;
inline constexpr int kOwnGroupTop = 12;         // own page, players, statistics
inline constexpr int kEyesCentreY = 148;        // between the first two groups
inline constexpr int kSeasonGroupTop = 178;     // the active season's heading
inline constexpr int kSeasonListTop = 212;      // the list of seasons under it
inline constexpr int kSeasonPagesTop = 240;     // summary, matches, finances
inline constexpr int kSeasonCommandsTop = 352;  // new and deleted season
inline constexpr int kAboutTop = 446;           // information

}  // namespace scorvane

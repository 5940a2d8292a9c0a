// What the players page shows of each player: its nineteen columns (the
// seventeen of the directory and the two head-to-head counts), their titles,
// default widths, which are shown, their alignment and how each one sorts,
// and the text of every cell. A line's rankings, age and counts are worked
// out once when the list is filled, so that sorting tens of thousands of
// players never looks a ranking up again. Kept free of widgets so that the
// texts and orders are tested on their own.
#pragma once

#include <string>
#include <unordered_map>

#include "base/dates.h"
#include "ranking/ranking_value.h"
#include "widgets/listview/list_columns.h"

namespace scorvane {

class JOUEUR;

// The columns, by their number (also their identity in the settings).
namespace player_column {
inline constexpr int kCount = 0;
inline constexpr int kSex = 1;
inline constexpr int kFirstName = 2;
inline constexpr int kSurname = 3;
inline constexpr int kBirthYear = 4;
inline constexpr int kAge = 5;
inline constexpr int kClub = 6;
inline constexpr int kLicence = 7;
inline constexpr int kRank = 8;
inline constexpr int kFutureRank = 9;
inline constexpr int kAddress = 10;
inline constexpr int kTown = 11;
inline constexpr int kEmail = 12;
inline constexpr int kHomePhone = 13;
inline constexpr int kWorkPhone = 14;
inline constexpr int kMobilePhone = 15;
inline constexpr int kComment = 16;
// Matches the owner won and lost against the player, all seasons.
inline constexpr int kWon = 17;
inline constexpr int kLost = 18;
inline constexpr int kTotal = 19;
}  // namespace player_column

// The owner's record against one opponent.
struct HeadToHead {
  int won = 0;
  int lost = 0;
};
using HeadToHeadCounts = std::unordered_map<const JOUEUR*, HeadToHead>;

// What the lines are worked out for.
struct PlayerLineContext {
  // The active season's year (the current year without a season).
  int season_year = 0;
  // The current calendar year within 1900..2100, for ages.
  int current_year = 0;
  DATE_SIMPLE today;
  // Rankings in force on 1 January of the season's year under a yearly
  // system, else today.
  bool yearly = true;
  // Grades that have a picture show it instead of their text.
  bool grade_pictures = false;
  // Null: every count is 0.
  const HeadToHeadCounts* head_to_head = nullptr;
};

// One line of the list: its player and what its columns show and sort on.
struct PlayerLine {
  JOUEUR* player = nullptr;
  CLASSEMENT rank;
  // The ranking in force on 1 January of the next year when it differs from
  // the one of the season's year; none otherwise.
  CLASSEMENT future_rank;
  // 1900..2100, or 0.
  int birth_year = 0;
  // -1: none.
  int age = -1;
  HeadToHead record;
};

PlayerLine MakePlayerLine(JOUEUR& player, const PlayerLineContext& context);

// The columns with their titles in the interface language (the two
// head-to-head titles given by the page), default widths and shown flags,
// sorted by surname then first name, and comparisons on the lines (items
// are PlayerLine pointers). The count, licence, contact and comment
// columns cannot be sorted on.
ListColumnModel MakePlayerColumns(const std::string& won_title, const std::string& lost_title);

// The text of one cell of a line (the count column is the page's). A
// ranking that shows its picture has no text.
std::string PlayerCellText(const PlayerLine& line, int column, const PlayerLineContext& context);

// Whether a ranking is shown by its grade picture: a grade of the French
// scale while the French system is active.
bool HasGradePicture(const CLASSEMENT& ranking);

}  // namespace scorvane

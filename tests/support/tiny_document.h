// A small document written byte by byte: one event played once with a
// singles and a doubles match, two players, one surface, club and category,
// one season whose palmares retains both matches and whose finances hold one
// expense. Every identifier and count is a field, so a test changes exactly
// the one it is about and reads the result:
//
//   TinyDocument tiny;
//   tiny.opponent = 7;  // no such player
//   EXPECT_EQ(Doc().ReadBytes(tiny.Build()).detail, "...");
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace scorvane::testing {

struct TinyDocument {
  // 0 and 1 carry no ranking system (the French one applies); from 2 on the
  // French built-in's record is embedded.
  uint16_t version = 4;
  // Matches, players, surfaces, clubs, played events, categories.
  uint16_t match_count = 2;
  uint16_t player_count = 2;
  uint16_t surface_count = 1;
  uint16_t club_count = 1;
  uint16_t played_count = 1;
  uint16_t category_count = 1;

  uint16_t singles_id = 0;
  uint16_t doubles_id = 1;
  uint16_t opponent = 0;
  uint16_t doubles_players[3] = {0, 1, 1};
  std::optional<uint16_t> singles_surface = 0;
  uint16_t player_ids[2] = {0, 1};
  uint16_t surface_id = 0;
  uint16_t club_id = 0;
  uint16_t played_id = 0;
  uint16_t category_id = 0;
  uint16_t operation_category = 0;
  std::optional<uint16_t> owner_club = 0;
  std::optional<uint16_t> first_player_club;
  std::vector<uint16_t> palmares_matches = {0, 1};
  std::vector<uint16_t> palmares_played = {0};
  // A second record of a kind, with this identifier (counts are not changed).
  std::optional<uint16_t> second_club_id;
  std::optional<uint16_t> second_surface_id;
  std::optional<uint16_t> second_category_id;
  std::optional<uint16_t> second_played_id;
  // A second season, after the first, with its own palmares (none when empty).
  std::vector<uint16_t> second_palmares_matches;
  // A season of the first player (not the owner) with this palmares.
  std::vector<uint16_t> player_palmares_matches;

  std::vector<uint8_t> Build() const;
};

}  // namespace scorvane::testing

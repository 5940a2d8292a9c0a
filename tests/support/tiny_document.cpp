// The tiny document of tiny_document.h, written field by field in the order
// the file format gives.
#include "tests/support/tiny_document.h"

#include "tests/support/byte_writer.h"

namespace scorvane::testing {
namespace {

constexpr int32_t k30_2 = 5;  // "30/2" in the French system
constexpr int32_t k15 = 12;   // "15"

void Result(ByteWriter& w, const char* score) {
  w.U16(1).U32(1).Text(score).U16(0).U16(0).U16(0).U16(0).U16(0).U16(0);
}

void Common(ByteWriter& w, uint16_t id, std::optional<uint16_t> surface) {
  w.U16(1).U16(id).Text("").Text("").Text("").U32(0);
  if (surface) {
    w.Text("SURF:").U16(*surface);
  } else {
    w.Text("NO_SURF");
  }
  w.Text("Lyon").Date(3, 5, 2001);
  Result(w, "6/4 6/3");
}

void Palmares(ByteWriter& w, const std::vector<uint16_t>& matches,
              const std::vector<uint16_t>& played) {
  w.Text("PAL").U16(0);
  for (uint16_t id : matches)
    w.U16(id);
  w.End();
  for (uint16_t id : played)
    w.U16(id);
  w.End();
}

// A season of version 3 without finances.
void PlainSeason(ByteWriter& w, int year, const std::vector<uint16_t>& matches) {
  w.Entry().U16(3).U16(0).U16(static_cast<uint16_t>(year));
  w.U16(0).End().End();
  Palmares(w, matches, {});
  w.Text("");
}

void Player(ByteWriter& w, uint16_t id, const char* last, const char* first,
            std::optional<uint16_t> club, const std::vector<uint16_t>& palmares) {
  w.U16(3).U16(id).Text(last).Text(first).Date(1, 1, 1980).U32(0);
  w.Text("").Text("").Text("").Text("").Text("").U16(0);
  w.Text("COMPLEMENT: AUCUN").U16(0);
  if (!palmares.empty()) PlainSeason(w, 2001, palmares);
  w.End();
  w.U16(0).Entry().U16(1).Text("").Ranking(k15).Date(1, 1, 2001).End();
  if (club) {
    w.Text("CLUB").U16(*club);
  } else {
    w.Text("PC");
  }
}

}  // namespace

std::vector<uint8_t> TinyDocument::Build() const {
  ByteWriter w;
  w.U16(version);
  if (version >= 2) w.FrenchSystem();
  // UTILISATEUR: version, counts, then the owner's player part.
  w.U16(0).U16(match_count).U16(player_count).U16(surface_count).U16(club_count);
  w.U16(played_count).U16(category_count);
  w.U16(3).U16(2).Text("Morel").Text("Julien").Date(1, 1, 1975).U32(0);
  w.Text("0512345K").Text("").Text("").Text("").Text("").U16(0);
  w.Text("COMPLEMENT: AUCUN").U16(0);
  // Season 2001: finances with one expense, the palmares, a comment.
  w.Entry().U16(3).U16(0).U16(2001);
  w.U16(0).End();
  w.Entry().U16(0).Amount(100.0f).Date(2, 2, 2001).Text("Shop").Text("Balls");
  w.U16(operation_category).End();
  Palmares(w, palmares_matches, palmares_played);
  w.Text("");
  if (!second_palmares_matches.empty()) PlainSeason(w, 2000, second_palmares_matches);
  w.End();
  w.U16(0).Entry().U16(1).Text("").Ranking(k30_2).Date(1, 1, 2001).End();
  if (owner_club) {
    w.Text("CLUB").U16(*owner_club);
  } else {
    w.Text("PC");
  }

  // Events: "Open de Lyon" played once, homologated tournament.
  w.Entry().U16(1);
  w.Entry().U16(0).U16(played_id);
  w.Entry().U8('S').U16(0);
  Common(w, singles_id, singles_surface);
  w.U16(opponent);
  w.Entry().U8('D').U16(0);
  Common(w, doubles_id, std::nullopt);
  w.U16(doubles_players[0]).U16(doubles_players[1]).U16(doubles_players[2]);
  w.End();
  w.Date(1, 5, 2001).Date(5, 5, 2001).Amount(80.0f).Amount(20.0f).Amount(0.0f);
  w.Text("").Text("").Text("").Text("").U32(0).Ranking(0);
  if (second_played_id) {
    w.Entry().U16(0).U16(*second_played_id).End();
    w.Date(1, 6, 2001).Date(5, 6, 2001).Amount(0.0f).Amount(0.0f).Amount(0.0f);
    w.Text("").Text("").Text("").Text("").U32(0).Ranking(0);
  }
  w.End();
  w.Text("Open de Lyon").U32(0).U32(1).U32(1).U32(5).U32(0);
  w.End();

  w.Entry().U16(0).U16(surface_id).Text("Clay");
  if (second_surface_id) w.Entry().U16(0).U16(*second_surface_id).Text("Grass");
  w.End();
  w.Entry().U16(0).U16(club_id).Text("TC Lyon").Text("").Text("04 78").Text("rue").U32(12);
  if (second_club_id)
    w.Entry().U16(0).U16(*second_club_id).Text("TC").Text("").Text("").Text("").U32(0);
  w.End();
  w.Entry();
  Player(w, player_ids[0], "Martin", "Paul", first_player_club, player_palmares_matches);
  w.Entry();
  Player(w, player_ids[1], "Roux", "Anne", std::nullopt, {});
  w.End();
  w.Entry().U16(0).U32(0).U16(category_id).Text("Balls");
  if (second_category_id) w.Entry().U16(0).U32(0).U16(*second_category_id).Text("Shoes");
  w.End();
  return w.Get();
}

}  // namespace scorvane::testing

// The row colours of the grouped list: alternating pairs of colours, one
// pair for rows outside groups and a cycle of pairs for the groups, so that
// the eye can follow a line across a wide list and tell groups apart.
// Kept free of Qt so that the rule is tested on its own.
#pragma once

#include <cstdint>
#include <span>

#include "base/rgb.h"

namespace scorvane {

inline constexpr Rgb kWhite{255, 255, 255};

// A pair of row colours: colour A on even row offsets, colour B on odd ones.
struct GROUPE_LISTE {
  Rgb a = kWhite;
  Rgb b = kWhite;
  // Carried with the pair for the owner's use; the colouring ignores it.
  bool flag = false;

  Rgb ColourOfRow(int offset) const { return offset % 2 == 0 ? a : b; }

  friend bool operator==(const GROUPE_LISTE&, const GROUPE_LISTE&) = default;
};

// The eight shared pairs.
namespace list_pairs {
inline constexpr GROUPE_LISTE kYellow{{255, 255, 214}, {255, 255, 242}};
inline constexpr GROUPE_LISTE kViolet{{248, 234, 252}, {250, 242, 252}};
inline constexpr GROUPE_LISTE kPink{{255, 230, 230}, {255, 239, 239}};
inline constexpr GROUPE_LISTE kBlue{{213, 224, 244}, {239, 242, 250}};
inline constexpr GROUPE_LISTE kGreen{{207, 242, 206}, {235, 255, 234}};
inline constexpr GROUPE_LISTE kLavender{{230, 230, 253}, {241, 251, 253}};
inline constexpr GROUPE_LISTE kRose{{255, 236, 250}, {255, 245, 253}};
inline constexpr GROUPE_LISTE kCream{{236, 234, 208}, {254, 252, 222}};
}  // namespace list_pairs

// What decides the colour of a row.
struct RowColouring {
  // Off: every row is white.
  bool enabled = false;
  GROUPE_LISTE default_pair = list_pairs::kCream;
  // The rows at which a group begins, in increasing order.
  std::span<const int> group_starts;
  // The pairs the groups take in turn.
  std::span<const GROUPE_LISTE> cycle;
};

// The background colour of `row`. Without groups (or without a cycle) rows
// alternate the default pair from row 0. With groups, rows before the first
// group start take the first pair of the cycle, the first group the second
// pair, each further group the next pair (wrapping round), and every group
// begins with colour A of its pair.
Rgb RowColour(int row, const RowColouring& colouring);

// True when `row` begins a group (group_starts in increasing order).
bool IsGroupStart(int row, std::span<const int> group_starts);

}  // namespace scorvane

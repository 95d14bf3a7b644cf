// SPDX-License-Identifier: GPL-3.0-or-later
// Where everything lies on the board: 72 cells on an 11 x 11 grid, each a
// stack of images drawn bottom to top.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "game/state.h"

namespace quivalo {

inline constexpr int kCellCount = 72;

enum class CellKind : std::uint8_t { Track, House, Goal };

struct BoardCell {
  CellKind kind;
  Colour colour;  // house or goal colour; Blau for track fields
  int number;     // track field 1..40 or slot 1..4
  int column;
  int row;
};

// All 72 cells: track fields 1..40, then houses and goal lanes colour by colour.
const std::array<BoardCell, kCellCount>& boardCells();

// The images of a cell, bottom of the stack first.
std::vector<Image> stackOf(const BoardCell& cell);

// The topmost shown image of a cell, if any.
std::optional<Image> topmostShown(const State& s, const BoardCell& cell);

}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
// Where everything lies on the board: 72 cells on an 11 x 11 grid, each a
// stack of images drawn bottom to top.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "game/state.h"

namespace quivalo {

inline constexpr int kGridOrigin = 8;    // client-area pixel of column 0 / row 0
inline constexpr int kGridPitch = 32;    // distance between neighbouring cells
inline constexpr int kCellSize = 28;     // a raised cell
inline constexpr int kImageInset = 2;    // images lie at (2, 2) inside their cell
inline constexpr int kImageSize = 24;    // and are 24 x 24
inline constexpr int kPictureSize = 25;  // pictures are 25 x 25, drawn scaled
inline constexpr int kCellCount = 72;

enum class CellKind : std::uint8_t { Track, House, Goal };

struct BoardCell {
  CellKind kind;
  Colour colour;  // house or goal colour; Blau for track fields
  int number;     // track field 1..40 or slot 1..4
  int column;
  int row;
  int x() const { return kGridOrigin + kGridPitch * column; }
  int y() const { return kGridOrigin + kGridPitch * row; }
};

// All 72 cells: track fields 1..40, then houses and goal lanes colour by colour.
const std::array<BoardCell, kCellCount>& boardCells();

// The cell at a grid place, if the place belongs to the board.
std::optional<BoardCell> cellAt(int column, int row);

// The images of a cell, bottom of the stack first.
std::vector<Image> stackOf(const BoardCell& cell);

// The topmost shown image of a cell, if any.
std::optional<Image> topmostShown(const State& s, const BoardCell& cell);

// The cell whose square (28 x 28) contains the client-area point, if any.
std::optional<BoardCell> cellAtPoint(int x, int y);

// The grid place of a track field.
std::array<int, 2> fieldPlace(int field);

}  // namespace quivalo

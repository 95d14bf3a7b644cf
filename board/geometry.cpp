// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/geometry.h"

namespace quivalo {

namespace {

// Column and row of track fields 1..40: clockwise round the cross.
constexpr std::array<std::array<int, 2>, 40> kFieldPlaces{{
    {4, 10}, {4, 9}, {4, 8}, {4, 7}, {4, 6}, {3, 6}, {2, 6}, {1, 6}, {0, 6},  {0, 5},
    {0, 4},  {1, 4}, {2, 4}, {3, 4}, {4, 4}, {4, 3}, {4, 2}, {4, 1}, {4, 0},  {5, 0},
    {6, 0},  {6, 1}, {6, 2}, {6, 3}, {6, 4}, {7, 4}, {8, 4}, {9, 4}, {10, 4}, {10, 5},
    {10, 6}, {9, 6}, {8, 6}, {7, 6}, {6, 6}, {6, 7}, {6, 8}, {6, 9}, {6, 10}, {5, 10},
}};

// Column and row of house slot 1 (top left of the 2 x 2 block) per colour.
constexpr ByColour<std::array<int, 2>> kHouseCorner{{{{0, 9}, {0, 0}, {9, 0}, {9, 9}}}};

// Column and row of goal slots 1..4 per colour, from the last field towards the centre.
constexpr ByColour<std::array<std::array<int, 2>, 4>> kGoalPlaces{{{
    {{{5, 9}, {5, 8}, {5, 7}, {5, 6}}},  // Blau
    {{{1, 5}, {2, 5}, {3, 5}, {4, 5}}},  // Rot
    {{{5, 1}, {5, 2}, {5, 3}, {5, 4}}},  // Gelb
    {{{9, 5}, {8, 5}, {7, 5}, {6, 5}}},  // Green
}}};

std::array<BoardCell, kCellCount> makeCells() {
  std::array<BoardCell, kCellCount> cells{};
  std::size_t i = 0;
  for (int f = 1; f <= 40; ++f) {
    const auto& p = kFieldPlaces[f - 1];
    cells[i++] = {CellKind::Track, Colour::Blau, f, p[0], p[1]};
  }
  for (Colour c : kColours) {
    const auto& corner = kHouseCorner[c];
    for (int k = 1; k <= 4; ++k) {
      cells[i++] = {CellKind::House, c, k, corner[0] + (k - 1) % 2, corner[1] + (k - 1) / 2};
    }
    for (int k = 1; k <= 4; ++k) {
      const auto& p = kGoalPlaces[c][k - 1];
      cells[i++] = {CellKind::Goal, c, k, p[0], p[1]};
    }
  }
  return cells;
}

}  // namespace

const std::array<BoardCell, kCellCount>& boardCells() {
  static const std::array<BoardCell, kCellCount> cells = makeCells();
  return cells;
}

std::vector<Image> stackOf(const BoardCell& cell) {
  switch (cell.kind) {
    case CellKind::Track:
      return {Feld(cell.number), Stein(Colour::Blau, cell.number), Stein(Colour::Rot, cell.number),
              Stein(Colour::Gelb, cell.number), Stein(Colour::Green, cell.number)};
    case CellKind::House:
      return {HausLeer(cell.colour, cell.number), HausVoll(cell.colour, cell.number)};
    case CellKind::Goal:
      break;
  }
  return {ZielLeer(cell.colour, cell.number), ZielVoll(cell.colour, cell.number)};
}

std::optional<Image> topmostShown(const State& s, const BoardCell& cell) {
  const std::vector<Image> stack = stackOf(cell);
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    if (s.isShown(*it)) {
      return *it;
    }
  }
  return std::nullopt;
}

}  // namespace quivalo

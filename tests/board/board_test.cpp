// SPDX-License-Identifier: GPL-3.0-or-later
// The board's geometry.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "board/geometry.h"
#include "board/path.h"

namespace quivalo {
namespace {

// No two cells share a place, and each colour's way runs between neighbouring
// cells: from its start field once round the track, up its goal lane and on
// to the centre of the board.
TEST(Board, EveryWayRunsBetweenNeighbours) {
  std::set<std::pair<int, int>> places;
  for (const BoardCell& cell : boardCells()) places.insert({cell.column, cell.row});
  EXPECT_EQ(places.size(), boardCells().size());
  const auto place = [](CellKind kind, Colour c, int n) {
    for (const BoardCell& cell : boardCells())
      if (cell.kind == kind && cell.number == n && (kind == CellKind::Track || cell.colour == c))
        return std::pair{cell.column, cell.row};
    return std::pair{-9, -9};
  };
  for (Colour c : kColours) {
    std::vector<std::pair<int, int>> way;
    for (int p = 1; p <= 40; ++p) way.push_back(place(CellKind::Track, c, pathField(c, p)));
    for (int k = 1; k <= 4; ++k) way.push_back(place(CellKind::Goal, c, k));
    way.emplace_back(5, 5);
    for (std::size_t i = 1; i < way.size(); ++i)
      EXPECT_EQ(
          std::abs(way[i].first - way[i - 1].first) + std::abs(way[i].second - way[i - 1].second),
          1)
          << info(c).word << ", step " << i;
  }
}

}  // namespace
}  // namespace quivalo

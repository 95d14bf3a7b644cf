// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "board/geometry.h"

namespace quivalo {
namespace {

TEST(Geometry, CellsFieldsAndPlaces) {
  std::set<std::pair<int, int>> places;
  for (const BoardCell& c : boardCells()) {
    places.insert({c.column, c.row});
  }
  EXPECT_EQ(places.size(), 72u);
  for (int f = 1; f <= 40; ++f) {
    const auto a = fieldPlace(f);
    const auto b = fieldPlace(nextField(f));
    EXPECT_EQ(std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]), 1) << f;
  }
  // Field 1 lies at the bottom of column 4; the centre of the cross stays empty.
  EXPECT_EQ(cellAt(4, 10)->number, 1);
  EXPECT_EQ(cellAt(4, 10)->kind, CellKind::Track);
  EXPECT_FALSE(cellAt(5, 5).has_value());
  EXPECT_FALSE(cellAt(3, 3).has_value());
}

}  // namespace
}  // namespace quivalo

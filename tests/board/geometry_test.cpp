// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "board/geometry.h"

namespace quivalo {
namespace {

TEST(Geometry, CellsFieldsAndPoints) {
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
  // Field 1 is the 28 x 28 square from (136, 328): column 4, row 10.
  EXPECT_EQ(cellAtPoint(136, 328)->number, 1);
  EXPECT_EQ(cellAtPoint(163, 355)->number, 1);
  EXPECT_FALSE(cellAtPoint(164, 340).has_value());
  EXPECT_FALSE(cellAtPoint(7, 300).has_value());
  EXPECT_FALSE(cellAtPoint(178, 178).has_value());
}

}  // namespace
}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "board/geometry.h"

namespace quivalo {
namespace {

TEST(Geometry, CellsFieldsAndPlaces) {
  std::map<std::pair<int, int>, BoardCell> at;
  for (const BoardCell& c : boardCells()) {
    at.emplace(std::pair{c.column, c.row}, c);
  }
  EXPECT_EQ(at.size(), 72u);
  // Track field f is cell f - 1, and each field lies next to the one after it.
  for (int f = 1; f <= 40; ++f) {
    const BoardCell& a = boardCells()[static_cast<std::size_t>(f - 1)];
    const BoardCell& b = boardCells()[static_cast<std::size_t>(nextField(f) - 1)];
    EXPECT_TRUE(a.kind == CellKind::Track && a.number == f) << f;
    EXPECT_EQ(std::abs(a.column - b.column) + std::abs(a.row - b.row), 1) << f;
  }
  // Field 1 lies at the bottom of column 4; the centre of the cross stays empty.
  EXPECT_EQ(at.at({4, 10}).number, 1);
  EXPECT_FALSE(at.contains({5, 5}) || at.contains({3, 3}));
}

}  // namespace
}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "board/geometry.h"
#include "board/moves.h"
#include "support/fixture.h"

namespace quivalo {
namespace {

TEST(Geometry, SeventyTwoCellsOnDistinctPlacesOfTheCross) {
  std::set<std::pair<int, int>> places;
  for (const BoardCell& c : boardCells()) {
    EXPECT_GE(c.column, 0);
    EXPECT_LE(c.column, 10);
    EXPECT_GE(c.row, 0);
    EXPECT_LE(c.row, 10);
    places.insert({c.column, c.row});
  }
  EXPECT_EQ(places.size(), 72u);
  EXPECT_FALSE(cellAt(5, 5).has_value());  // the centre stays empty
  EXPECT_FALSE(cellAt(3, 3).has_value());
}

TEST(Geometry, PositionsFromTheTables) {
  struct Case {
    CellKind kind;
    Colour colour;
    int number;
    int x;
    int y;
  };
  const Case cases[] = {
      {CellKind::Track, Colour::Blau, 1, 136, 328},  {CellKind::Track, Colour::Blau, 10, 8, 168},
      {CellKind::Track, Colour::Blau, 20, 168, 8},   {CellKind::Track, Colour::Blau, 29, 328, 136},
      {CellKind::Track, Colour::Blau, 35, 200, 200}, {CellKind::Track, Colour::Blau, 40, 168, 328},
      {CellKind::House, Colour::Blau, 1, 8, 296},    {CellKind::House, Colour::Rot, 4, 40, 40},
      {CellKind::House, Colour::Gelb, 2, 328, 8},    {CellKind::House, Colour::Green, 3, 296, 328},
      {CellKind::Goal, Colour::Blau, 1, 168, 296},   {CellKind::Goal, Colour::Rot, 4, 136, 168},
      {CellKind::Goal, Colour::Gelb, 3, 168, 104},   {CellKind::Goal, Colour::Green, 1, 296, 168},
  };
  for (const Case& c : cases) {
    bool found = false;
    for (const BoardCell& b : boardCells()) {
      if (b.kind == c.kind && b.number == c.number &&
          (c.kind == CellKind::Track || b.colour == c.colour)) {
        EXPECT_EQ(8 + 32 * b.column, c.x) << c.number;  // the window's pixel grid
        EXPECT_EQ(8 + 32 * b.row, c.y) << c.number;
        found = true;
      }
    }
    EXPECT_TRUE(found);
  }
}

TEST(Geometry, EveryFieldIsNextToTheFollowingOne) {
  for (int f = 1; f <= 40; ++f) {
    const auto a = fieldPlace(f);
    const auto b = fieldPlace(nextField(f));
    EXPECT_EQ(std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]), 1) << f;
  }
}

TEST(Geometry, StacksPutPiecesAndFullSlotsOnTop) {
  State s;
  const BoardCell field = *cellAt(4, 6);  // field 5
  s.setShown(Feld(5), true);
  EXPECT_EQ(topmostShown(s, field), Feld(5));
  s.setShown(Stein(Colour::Gelb, 5), true);
  EXPECT_EQ(topmostShown(s, field), Stein(Colour::Gelb, 5));
  const BoardCell slot = *cellAt(9, 0);  // Gelb house slot 1
  s.setShown(HausLeer(Colour::Gelb, 1), true);
  EXPECT_EQ(topmostShown(s, slot), HausLeer(Colour::Gelb, 1));
  s.setShown(HausVoll(Colour::Gelb, 1), true);
  EXPECT_EQ(topmostShown(s, slot), HausVoll(Colour::Gelb, 1));
  EXPECT_FALSE(topmostShown(State{}, slot).has_value());
}

TEST(Geometry, ClickActions) {
  EXPECT_TRUE(Moves::clickable(Stein(Colour::Rot, 3)));
  EXPECT_TRUE(Moves::clickable(HausVoll(Colour::Rot, 4)));
  EXPECT_TRUE(Moves::clickable(ZielVoll(Colour::Rot, 3)));
  EXPECT_FALSE(Moves::clickable(ZielVoll(Colour::Rot, 4)));
  EXPECT_FALSE(Moves::clickable(Feld(3)));
  EXPECT_FALSE(Moves::clickable(HausLeer(Colour::Rot, 4)));
  EXPECT_FALSE(Moves::clickable(ZielLeer(Colour::Rot, 1)));
  EXPECT_FALSE(Moves::clickable(Zahl(3)));
}

}  // namespace
}  // namespace quivalo

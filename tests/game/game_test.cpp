// SPDX-License-Identifier: GPL-3.0-or-later
// The turn cycle's three-roll rule and house tidying. Worked stories of the turn
// cycle, remarks and timers are golden scenarios (tests/scenario/golden).
#include <gtest/gtest.h>

#include <bit>

#include "support/fixture.h"

namespace quivalo {
namespace {

// The three-roll rule of game/three_rolls.txt: the position, the colour given
// the turn and the rolls it gets.
class ThreeRollRule : public testing::GameTest,
                      public ::testing::WithParamInterface<testing::Row> {};

TEST_P(ThreeRollRule, ReadsTheHouseAndGoalPictures) {
  const Colour c = testing::colourOf(GetParam()[1][0]);
  testing::setUp(s(), GetParam()[0]);
  s().Werfer = static_cast<std::uint8_t>(c == Colour::Blau ? 4 : index(c));
  s().Versuche = 0;
  game.NeuerWerfer();
  EXPECT_EQ(s().Dran(c), 1);
  EXPECT_EQ(s().Versuche, std::stoi(GetParam()[2]));
}

INSTANTIATE_TEST_SUITE_P(Table, ThreeRollRule,
                         ::testing::ValuesIn(testing::readTable("game/three_rolls.txt", 3)));

using GameTest = testing::GameTest;

TEST_F(GameTest, OneTidyingPassPacksEveryHouseInItsFillOrder) {
  const char* fill[] = {"4321", "3142", "1234", "2413"};
  for (Colour c : kColours) {
    for (unsigned mask = 0; mask < 16; ++mask) {
      for (int k = 1; k <= 4; ++k) {
        s().setShown(HausVoll(c, k), (mask >> (k - 1)) & 1u);
        s().setShown(HausLeer(c, k), k % 2 == 0);  // as knock-outs leave them
      }
      const State before = s();
      game.Timer2Timer();
      for (int n = 0; n < 4; ++n) {
        const int k = fill[index(c)][n] - '0';
        const bool full = n < std::popcount(mask);
        EXPECT_EQ(s().isShown(HausVoll(c, k)), full) << info(c).word << " " << mask;
        // Only a slot that gained or lost a piece changes its empty picture.
        const bool changed = before.isShown(HausVoll(c, k)) != full;
        EXPECT_EQ(s().isShown(HausLeer(c, k)), changed ? !full : before.isShown(HausLeer(c, k)));
      }
    }
  }
}

}  // namespace
}  // namespace quivalo

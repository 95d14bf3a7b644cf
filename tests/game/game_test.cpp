// SPDX-License-Identifier: GPL-3.0-or-later
// House tidying, every house in every state. Worked stories of the turn
// cycle, the three-roll rule (three_rolls.scn), remarks and timers are golden
// scenarios.
#include <gtest/gtest.h>

#include <bit>

#include "support/fixture.h"

namespace quivalo {
namespace {

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

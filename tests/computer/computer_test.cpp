// SPDX-License-Identifier: GPL-3.0-or-later
// The computer rolls of computer/choices.txt: the position before, the colour
// to roll, its strength and the die, and the position after the roll has been
// played and ended.
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace quivalo {
namespace {

class Choices : public testing::GameTest, public ::testing::WithParamInterface<testing::Row> {};

TEST_P(Choices, FollowThePriorities) {
  const testing::Row& c = GetParam();
  const Colour colour = testing::colourOf(c[1][0]);
  testing::setUp(s(), c[0]);
  if (c[1].ends_with(" leicht")) {
    game.leicht1Click();
  }
  testing::turn(s(), colour);
  host.setTimeOfDay(testing::timeForDie(c[1][1] - '0', 1000));  // the next roll
  game.Computer(colour);
  EXPECT_EQ(testing::describe(s()), c[2]);
  EXPECT_EQ(s().Augen, 0);
  EXPECT_TRUE(s().WuerfelEnabled);
  expectConsistent();
}

INSTANTIATE_TEST_SUITE_P(Table, Choices,
                         ::testing::ValuesIn(testing::readTable("computer/choices.txt", 3)));

}  // namespace
}  // namespace quivalo

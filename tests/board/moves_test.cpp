// SPDX-License-Identifier: GPL-3.0-or-later
// The person's clicks of board/moves.txt: the position before, whose turn it
// is with what roll, the image clicked and the position after, or nothing
// changed when the click is refused.
#include <gtest/gtest.h>

#include "support/fixture.h"
#include "support/names.h"

namespace quivalo {
namespace {

class Moves : public testing::GameTest, public ::testing::WithParamInterface<testing::Row> {};

TEST_P(Moves, EndWhereTheRulesSay) {
  const testing::Row& m = GetParam();
  testing::setUp(s(), m[0]);
  testing::turn(s(), testing::colourOf(m[1][0]), m[1][1] - '0');
  const State before = s();
  game.click(*testing::imageByName(m[2]));
  if (m[3] == "-") {
    EXPECT_EQ(s(), before);
    return;
  }
  EXPECT_EQ(testing::describe(s()), m[3]);
  EXPECT_EQ(s().Augen, 0);
  EXPECT_EQ(s().ErsterSchritt, 0);
  expectConsistent();
}

INSTANTIATE_TEST_SUITE_P(Table, Moves,
                         ::testing::ValuesIn(testing::readTable("board/moves.txt", 4)));

}  // namespace
}  // namespace quivalo

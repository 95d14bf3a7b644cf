// SPDX-License-Identifier: GPL-3.0-or-later
// The computer rolls of computer/choices.txt: the position before, the colour
// to roll, its strength and the die, and the position after the roll has been
// played and ended.
#include <gtest/gtest.h>

#include "board/path.h"
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

// Sweeps over the whole track for every colour and the rolls 1 to 5, so that
// no field goes unseen: a lone piece anywhere moves as a person's click on it
// would ("leicht"), and "schwer" hunts an opponent anywhere before the goal
// approach can move the piece on the field before the last.
class Sweep : public testing::GameTest {
 protected:
  // The position after a person's click on the piece on `field` with `pips`,
  // and after the computer's roll of `pips` instead.
  std::pair<std::string, std::string> clickAndRoll(const std::string& words, Colour c, int field,
                                                   int pips) {
    s() = start_;
    testing::setUp(s(), words);
    testing::turn(s(), c, pips);
    game.SteinClick(c, field);
    const std::string clicked = testing::describe(s());
    s() = start_;
    testing::setUp(s(), words);
    testing::turn(s(), c);
    host.setTimeOfDay(testing::timeForDie(pips));
    game.Computer(c);
    return {clicked, testing::describe(s())};
  }
  static std::string word(Colour c, int field) {
    return std::string(1, "BRGN"[index(c)]) + std::to_string(field);
  }

  const State start_ = s();
};

TEST_F(Sweep, ALonePieceAnywhereMovesAsItsClick) {
  game.leicht1Click();
  for (Colour c : kColours) {
    for (int f = 1; f <= 40; ++f) {
      for (int pips = 1; pips <= 5; ++pips) {
        const auto [clicked, rolled] = clickAndRoll(word(c, f), c, f, pips);
        EXPECT_EQ(rolled, clicked) << word(c, f) << " rolls " << pips;
      }
    }
  }
}

TEST_F(Sweep, TheHuntSeesEveryField) {
  for (Colour c : kColours) {
    const Colour prey = kColours[(index(c) + 1) % 4];
    const int decoy = pathField(c, 39);
    for (int target = 1; target <= 40; ++target) {
      for (int pips = 1; pips <= 5; ++pips) {
        const int hunter = target > pips ? target - pips : target - pips + 40;
        if (hunter == decoy || target == decoy) continue;
        const std::string words = word(c, hunter) + " " + word(c, decoy) + " " + word(prey, target);
        const auto [clicked, rolled] = clickAndRoll(words, c, hunter, pips);
        // Only where the hunter's move lands on the prey is it a hunt.
        if ((" " + clicked + " ").find(" " + word(c, target) + " ") == std::string::npos) continue;
        EXPECT_EQ(rolled, clicked) << words << ", " << info(c).word << " rolls " << pips;
      }
    }
  }
}

}  // namespace
}  // namespace quivalo

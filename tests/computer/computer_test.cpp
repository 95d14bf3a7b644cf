// SPDX-License-Identifier: GPL-3.0-or-later
// One table of computer rolls: the position before (in the words of
// support/position.h), the colour to roll, its strength, the die and the position
// after the roll has been played and ended.
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace quivalo {
namespace {

struct Choice {
  const char* before;
  char colour;
  bool schwer;
  int pips;
  const char* after;
};
void PrintTo(const Choice& c, std::ostream* os) {
  *os << c.before << " " << c.colour << c.pips << (c.schwer ? "" : " leicht");
}

class Choices : public testing::GameTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(Choices, FollowThePriorities) {
  const Choice& c = GetParam();
  testing::setUp(s(), c.before);
  if (!c.schwer) {
    game.leicht1Click();
  }
  testing::turn(s(), testing::colourOf(c.colour));
  host.setTimeOfDay(testing::timeForDie(c.pips, 1000));  // the next roll gives c.pips
  game.Computer(testing::colourOf(c.colour));
  EXPECT_EQ(testing::describe(s()), c.after);
  EXPECT_EQ(s().Augen, 0);
  EXPECT_TRUE(s().WuerfelEnabled);
  expectConsistent();
}

INSTANTIATE_TEST_SUITE_P(
    Table, Choices,
    ::testing::Values(
        // Emptying the start field comes first while a piece waits at home; the
        // test reads the empty slot pictures, not the full ones.
        Choice{"G21 G37 R1", 'G', true, 4, "R1 G25 G37"}, Choice{"G21", 'G', true, 6, "G27"},
        Choice{"R11 R20 R25 G22", 'R', true, 2, "R13 R20 R25 G22"},
        Choice{"Gh4+ G21 G25 G33 B27", 'G', true, 2, "Bh1+234 Gh4+ G21 G27 G33"},
        // The hunt ("schwer"): the lowest opponent field a piece lands on, across
        // the seam from field 40 to 1 (not Blau, not with a six), even into the lane.
        Choice{"G38 G12 R1 R15", 'G', true, 3, "Rh12+3 R15 G1 G12"},
        Choice{"G38 G12 R1 R15", 'G', false, 3, "Rh12+3 R1 G15 G38"},
        Choice{"R12 R30 N14 B32", 'R', true, 2, "B32 R14 R30 Nh123+4"},
        Choice{"R12 R30 N14 B32", 'R', false, 2, "Bh1+234 R12 R32 N14"},
        Choice{"G39 G14 R1", 'G', true, 2, "Rh12+34 G1 G14"},
        Choice{"G36 G10 R1", 'G', true, 5, "Rh12+34 G1 G10"},
        Choice{"G40 G10 R3", 'G', true, 3, "Rh12+34 G3 G10"},
        Choice{"G37 G5 B3", 'G', true, 6, "B3 Gh2 G5 G21 G37"},
        Choice{"B38 B39 R1", 'B', true, 3, "B38 Bz2 R1"},
        Choice{"G18 R22", 'G', true, 4, "R22 Gz2"}, Choice{"R8 G12", 'R', true, 4, "Rz2 G12"},
        Choice{"N28 B32", 'N', true, 4, "B32 Nz2"},
        // The goal approach (slot 4 first, only its first candidate), then a six
        // leaves the house by the first full slot, then the front piece moves.
        Choice{"G18", 'G', true, 6, "Gz4"},
        Choice{"Gz1 Gz3 Gz4 G30", 'G', true, 1, "G31 Gz1 Gz3 Gz4"},
        Choice{"R10 R5 Rz3 Rz4", 'R', true, 1, "R5 Rz1 Rz3 Rz4"},
        Choice{"B9", 'B', true, 6, "B1 B9"}, Choice{"R9", 'R', true, 6, "Rh34 R9 R11"},
        Choice{"G9", 'G', true, 6, "Gh23 G9 G21"}, Choice{"R2 R35", 'R', true, 3, "R5 R35"},
        Choice{"", 'R', true, 3, ""}));

}  // namespace
}  // namespace quivalo

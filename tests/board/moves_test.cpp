// SPDX-License-Identifier: GPL-3.0-or-later
// One table of a person's clicks: the position before (in the words of
// support/position.h), whose turn it is with what roll, the image clicked and the
// position after, or nothing when the click is refused and nothing changes.
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace quivalo {
namespace {

struct Move {
  const char* before;
  char turn;
  int pips;
  const char* click;
  const char* after;  // "": refused
};
void PrintTo(const Move& m, std::ostream* os) {
  *os << m.before << " " << m.turn << m.pips << " " << m.click;
}

class Moves : public testing::GameTest, public ::testing::WithParamInterface<Move> {};

TEST_P(Moves, EndWhereTheRulesSay) {
  const Move& m = GetParam();
  testing::setUp(s(), m.before);
  testing::turn(s(), testing::colourOf(m.turn), m.pips);
  const State before = s();
  game.click(*imageByName(m.click));
  if (*m.after == '\0') {
    EXPECT_EQ(s(), before);
    return;
  }
  EXPECT_EQ(testing::describe(s()), m.after);
  EXPECT_EQ(s().Augen, 0);
  EXPECT_EQ(s().ErsterSchritt, 0);
  expectConsistent();
}

INSTANTIATE_TEST_SUITE_P(
    Table, Moves,
    ::testing::Values(
        // Along the track: Blau never passes field 40, the others wrap to 1
        // and turn into their lane after fields 10, 20 and 30.
        Move{"B39", 'B', 6, "SteinBlau39", ""}, Move{"B39", 'B', 5, "SteinBlau39", "Bz4"},
        Move{"B39", 'B', 1, "SteinBlau39", "B40"}, Move{"B40", 'B', 4, "SteinBlau40", "Bz4"},
        Move{"B40", 'B', 5, "SteinBlau40", ""}, Move{"B40", 'B', 1, "SteinBlau40", "Bz1"},
        Move{"B35", 'B', 6, "SteinBlau35", "Bz1"}, Move{"B1", 'B', 6, "SteinBlau1", "B7"},
        Move{"R5", 'R', 6, "SteinRot5", "Rz1"}, Move{"R5", 'R', 5, "SteinRot5", "R10"},
        Move{"R9", 'R', 6, "SteinRot9", ""}, Move{"R10", 'R', 4, "SteinRot10", "Rz4"},
        Move{"R10", 'R', 5, "SteinRot10", ""}, Move{"R38", 'R', 4, "SteinRot38", "R2"},
        Move{"R40", 'R', 1, "SteinRot40", "R1"}, Move{"R11", 'R', 6, "SteinRot11", "R17"},
        Move{"G38", 'G', 4, "SteinGelb38", "G2"}, Move{"G17", 'G', 5, "SteinGelb17", "Gz2"},
        Move{"G19", 'G', 6, "SteinGelb19", ""}, Move{"G20", 'G', 2, "SteinGelb20", "Gz2"},
        Move{"G40", 'G', 6, "SteinGelb40", "G6"}, Move{"N30", 'N', 4, "SteinGreen30", "Nz4"},
        Move{"N29", 'N', 6, "SteinGreen29", ""}, Move{"N29", 'N', 5, "SteinGreen29", "Nz4"},
        Move{"N36", 'N', 6, "SteinGreen36", "N2"}, Move{"N25", 'N', 6, "SteinGreen25", "Nz1"},
        // A target of the mover's own colour is refused, on the track or in the lane.
        Move{"G22 G26", 'G', 4, "SteinGelb22", ""}, Move{"G20 Gz2", 'G', 2, "SteinGelb20", ""},
        Move{"R38 R2", 'R', 4, "SteinRot38", ""},
        // Passed pieces stay; under an own passed piece the field picture shows too.
        Move{"N31 N33", 'N', 5, "SteinGreen31", "N33+ N36"},
        Move{"R12 B13", 'R', 3, "SteinRot12", "B13 R15"},
        // Knocked out on the last step: home to the first free of slots 1 to 3, else 4.
        Move{"B3 R5 G6", 'B', 3, "SteinBlau3", "B6 R5 Gh1234+"},
        Move{"B3 G6 G10", 'B', 3, "SteinBlau3", "B6 Gh123+ G10"},
        Move{"B30 N33", 'B', 3, "SteinBlau30", "B33 Nh123+4"},
        Move{"R37 B1", 'R', 4, "SteinRot37", "Bh1+234 R1"},
        // Leaving the house: only with a six and a start field free of own pieces;
        // an opponent there goes home.
        Move{"", 'R', 6, "HausRotVoll3", "Rh124 R11"},
        Move{"", 'G', 6, "HausGelbVoll2", "Gh134 G21"}, Move{"", 'N', 6, "HausGreenVoll3", "N31"},
        Move{"R1", 'B', 6, "HausBlauVoll2", "Bh134 B1 Rh12+34"},
        Move{"G31", 'N', 6, "HausGreenVoll1", "Gh1234+ Nh234 N31"},
        Move{"", 'B', 5, "HausBlauVoll1", ""}, Move{"B1", 'B', 6, "HausBlauVoll2", ""},
        // In the goal lane: exact steps up to slot 4, never onto an own piece.
        Move{"Bz1", 'B', 3, "ZielBlauVoll1", "Bz4"}, Move{"Bz1", 'B', 4, "ZielBlauVoll1", ""},
        Move{"Gz3", 'G', 1, "ZielGelbVoll3", "Gz4"}, Move{"Gz3", 'G', 2, "ZielGelbVoll3", ""},
        Move{"Rz1 Rz2", 'R', 2, "ZielRotVoll1", "Rz2 Rz3"},
        Move{"Rz1 Rz3", 'R', 2, "ZielRotVoll1", ""}, Move{"Nz2 Nz4", 'N', 2, "ZielGreenVoll2", ""},
        Move{"Nz1 Nz2 Nz3", 'N', 3, "ZielGreenVoll1", "Nz2 Nz3 Nz4"},
        Move{"Nz4", 'N', 1, "ZielGreenVoll4", ""},
        // Out of turn, hidden images and images without a click action.
        Move{"B10", 'R', 3, "SteinBlau10", ""}, Move{"", 'R', 6, "HausBlauVoll2", ""},
        Move{"Rz1", 'B', 1, "ZielRotVoll1", ""}, Move{"B10", 'B', 2, "SteinBlau11", ""},
        Move{"B10", 'B', 2, "Feld12", ""}, Move{"B10 R12", 'B', 2, "SteinRot12", ""}));

}  // namespace
}  // namespace quivalo

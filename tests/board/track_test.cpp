// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace quivalo {
namespace {

using TrackTest = testing::GameTest;

TEST_F(TrackTest, WorkedExampleTracedImageByImage) {
  // Blau rolls a 3 with its piece on field 3; Rot stands on 5, Gelb on 6.
  takeFromHouse(Colour::Blau, 1);
  place(Colour::Blau, 3);
  takeFromHouse(Colour::Rot, 1);
  place(Colour::Rot, 5);
  takeFromHouse(Colour::Gelb, 1);
  place(Colour::Gelb, 6);
  pendingRoll(Colour::Blau, 3);
  host.setTimeOfDay(700);
  game.SteinClick(Colour::Blau, 3);

  EXPECT_EQ(s().cell(3), Cell::Leer);
  EXPECT_FALSE(s().isShown(Stein(Colour::Blau, 3)));
  EXPECT_TRUE(s().isShown(Feld(3)));
  EXPECT_FALSE(s().isShown(Stein(Colour::Blau, 4)));
  EXPECT_TRUE(s().isShown(Feld(4)));
  // Field 5: the Rot piece passed over stays, and keeps its field picture hidden.
  EXPECT_FALSE(s().isShown(Stein(Colour::Blau, 5)));
  EXPECT_TRUE(s().isShown(Stein(Colour::Rot, 5)));
  EXPECT_FALSE(s().isShown(Feld(5)));
  EXPECT_EQ(s().cell(5), Cell::Rot);
  // Field 6: Blau now, Gelb sent home to its first free slot (slot 1).
  EXPECT_TRUE(s().isShown(Stein(Colour::Blau, 6)));
  EXPECT_FALSE(s().isShown(Stein(Colour::Gelb, 6)));
  EXPECT_FALSE(s().isShown(Feld(6)));
  EXPECT_EQ(s().cell(6), Cell::Blau);
  EXPECT_TRUE(s().isShown(HausVoll(Colour::Gelb, 1)));
  EXPECT_TRUE(s().isShown(HausLeer(Colour::Gelb, 1)));  // left as it was
  EXPECT_FALSE(s().Bemerkung.empty());
  EXPECT_EQ(s().Augen, 0);
  EXPECT_EQ(s().Ueberlagert, 0);
  EXPECT_EQ(s().ErsterSchritt, 0);
  expectConsistent();
}

// Where a move of `pips` from `field` ends, for every colour: a track field,
// a goal cell, or refused (0).
struct TargetCase {
  Colour colour;
  int field;
  int pips;
  int cell;  // 0: refused
};

class MoveTarget : public testing::GameTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(MoveTarget, EndsWhereThePathSays) {
  const TargetCase& p = GetParam();
  takeFromHouse(p.colour, 1);
  place(p.colour, p.field);
  pendingRoll(p.colour, p.pips);
  const State before = s();
  game.SteinClick(p.colour, p.field);
  if (p.cell == 0) {
    EXPECT_EQ(s(), before);
    return;
  }
  EXPECT_EQ(s().Augen, 0);
  EXPECT_EQ(s().cell(p.field), Cell::Leer);
  EXPECT_EQ(s().cell(p.cell), info(p.colour).code);
  if (p.cell <= 40) {
    EXPECT_TRUE(s().isShown(Stein(p.colour, p.cell)));
  } else {
    EXPECT_TRUE(s().isShown(ZielVoll(p.colour, p.cell - info(p.colour).goalCell1 + 1)));
  }
  expectConsistent();
}

INSTANTIATE_TEST_SUITE_P(
    AllColours, MoveTarget,
    ::testing::Values(
        // Blau never passes field 40 onto field 1.
        TargetCase{Colour::Blau, 39, 6, 0}, TargetCase{Colour::Blau, 39, 5, 44},
        TargetCase{Colour::Blau, 39, 1, 40}, TargetCase{Colour::Blau, 40, 4, 44},
        TargetCase{Colour::Blau, 40, 5, 0}, TargetCase{Colour::Blau, 40, 1, 41},
        TargetCase{Colour::Blau, 35, 6, 41}, TargetCase{Colour::Blau, 1, 6, 7},
        // Rot wraps at 40 and enters its lane after field 10.
        TargetCase{Colour::Rot, 5, 6, 45}, TargetCase{Colour::Rot, 5, 5, 10},
        TargetCase{Colour::Rot, 9, 6, 0}, TargetCase{Colour::Rot, 10, 4, 48},
        TargetCase{Colour::Rot, 10, 5, 0}, TargetCase{Colour::Rot, 38, 4, 2},
        TargetCase{Colour::Rot, 40, 1, 1}, TargetCase{Colour::Rot, 11, 6, 17},
        // Gelb: field 20 is its last.
        TargetCase{Colour::Gelb, 38, 4, 2}, TargetCase{Colour::Gelb, 17, 5, 50},
        TargetCase{Colour::Gelb, 19, 6, 0}, TargetCase{Colour::Gelb, 20, 6, 0},
        TargetCase{Colour::Gelb, 20, 2, 50}, TargetCase{Colour::Gelb, 40, 6, 6},
        // Green: field 30 is its last.
        TargetCase{Colour::Green, 30, 4, 56}, TargetCase{Colour::Green, 29, 6, 0},
        TargetCase{Colour::Green, 29, 5, 56}, TargetCase{Colour::Green, 36, 6, 2},
        TargetCase{Colour::Green, 25, 6, 53}, TargetCase{Colour::Green, 30, 1, 53}));

TEST_F(TrackTest, ATargetHoldingTheMoversColourIsRefusedAndAnotherPieceMayGo) {
  takeFromHouse(Colour::Gelb, 1);
  takeFromHouse(Colour::Gelb, 2);
  place(Colour::Gelb, 22);
  place(Colour::Gelb, 26);
  pendingRoll(Colour::Gelb, 4);
  const State before = s();
  game.SteinClick(Colour::Gelb, 22);
  EXPECT_EQ(s(), before);  // nothing at all changed
  game.SteinClick(Colour::Gelb, 26);
  EXPECT_EQ(s().cell(26), Cell::Leer);  // origin cleared: ErsterSchritt was still 1
  EXPECT_EQ(s().cell(30), Cell::Gelb);
  EXPECT_EQ(s().cell(22), Cell::Gelb);
  expectConsistent();
}

TEST_F(TrackTest, PassingOverAnOwnPieceLeavesItVisibleAndClickable) {
  takeFromHouse(Colour::Green, 1);
  takeFromHouse(Colour::Green, 2);
  place(Colour::Green, 31);
  place(Colour::Green, 33);
  pendingRoll(Colour::Green, 5);
  game.SteinClick(Colour::Green, 31);
  EXPECT_TRUE(s().isShown(Stein(Colour::Green, 33)));
  EXPECT_EQ(s().cell(33), Cell::Green);
  EXPECT_TRUE(s().isShown(Stein(Colour::Green, 36)));
  EXPECT_EQ(s().Ueberlagert, 0);
  // The field picture under the passed piece may be shown; the piece is on top.
  expectConsistent();
  pendingRoll(Colour::Green, 1);
  game.click(Stein(Colour::Green, 33));
  EXPECT_EQ(s().cell(34), Cell::Green);
  EXPECT_TRUE(s().isShown(Feld(33)));
  expectConsistent();
}

TEST_F(TrackTest, PassingOverAnOpponentDoesNotKnockItOut) {
  takeFromHouse(Colour::Rot, 1);
  place(Colour::Rot, 12);
  takeFromHouse(Colour::Blau, 1);
  place(Colour::Blau, 13);
  pendingRoll(Colour::Rot, 3);
  game.SteinClick(Colour::Rot, 12);
  EXPECT_TRUE(s().isShown(Stein(Colour::Blau, 13)));
  EXPECT_FALSE(s().isShown(Feld(13)));
  EXPECT_EQ(s().Bemerkung, "");
  EXPECT_EQ(pieceCount(s(), Colour::Blau), 4);
  expectConsistent();
}

TEST_F(TrackTest, RefusalsChangeNothing) {
  takeFromHouse(Colour::Blau, 1);
  place(Colour::Blau, 10);
  struct Case {
    const char* why;
    Colour turn;
    int pips;
  };
  for (const Case& c :
       {Case{"not Blau's turn", Colour::Rot, 3}, Case{"no roll", Colour::Blau, 0}}) {
    pendingRoll(c.turn, c.pips);
    const State before = s();
    game.SteinClick(Colour::Blau, 10);
    EXPECT_EQ(s(), before) << c.why;
  }
  // A hidden piece or an empty field receives no click.
  pendingRoll(Colour::Blau, 2);
  const State before = s();
  game.click(Stein(Colour::Blau, 11));
  game.click(Feld(12));
  game.click(Stein(Colour::Rot, 10));
  EXPECT_EQ(s(), before);
}

TEST_F(TrackTest, EveryTrackMoveFromEveryFieldKeepsTheRecordsInStep) {
  for (Colour c : kColours) {
    for (int f = 1; f <= 40; ++f) {
      for (int pips = 1; pips <= 6; ++pips) {
        VirtualHost h;
        Game g(h.platform());
        State& st = g.state();
        testing::bringOut(st, c, f);
        testing::giveTurn(st, c, pips);
        g.SteinClick(c, f);
        const auto bad = checkInvariants(st);
        EXPECT_TRUE(bad.empty()) << info(c).word << " " << f << "+" << pips << ": "
                                 << (bad.empty() ? "" : bad.front());
        EXPECT_TRUE(st.Augen == 0 || st.Augen == pips);
      }
    }
  }
}

}  // namespace
}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace quivalo {
namespace {

using HouseTest = testing::GameTest;
using GoalTest = testing::GameTest;

TEST_F(HouseTest, ASixBringsThePieceOfTheClickedSlotOut) {
  for (Colour c : kColours) {
    VirtualHost h;
    Game g(h.platform());
    State& st = g.state();
    testing::giveTurn(st, c, 6);
    g.click(HausVoll(c, 3));
    const int start = info(c).start;
    EXPECT_FALSE(st.isShown(HausVoll(c, 3)));
    EXPECT_TRUE(st.isShown(HausLeer(c, 3)));
    EXPECT_TRUE(st.isShown(Stein(c, start)));
    EXPECT_FALSE(st.isShown(Feld(start)));
    EXPECT_EQ(st.cell(start), info(c).code);
    EXPECT_EQ(st.Augen, 0);
    EXPECT_EQ(st.ErsterSchritt, 0);
    EXPECT_TRUE(checkInvariants(st).empty());
  }
}

TEST_F(HouseTest, OnlyASixWithAFreeStartFieldBringsAPieceOut) {
  for (int pips = 1; pips <= 5; ++pips) {
    pendingRoll(Colour::Blau, pips);
    const State before = s();
    game.click(HausVoll(Colour::Blau, 1));
    EXPECT_EQ(s(), before) << pips;
  }
  takeFromHouse(Colour::Blau, 4);
  place(Colour::Blau, 1);
  pendingRoll(Colour::Blau, 6);
  const State before = s();
  game.click(HausVoll(Colour::Blau, 1));
  EXPECT_EQ(s(), before);
  pendingRoll(Colour::Rot, 6);  // not Blau's turn
  game.click(HausVoll(Colour::Blau, 2));
  EXPECT_EQ(s().cell(1), Cell::Blau);
  EXPECT_TRUE(s().isShown(HausVoll(Colour::Blau, 2)));
}

TEST_F(HouseTest, AnOpponentOnTheStartFieldGoesHomeWithoutARemark) {
  takeFromHouse(Colour::Rot, 1);
  takeFromHouse(Colour::Rot, 2);
  place(Colour::Rot, 1);
  place(Colour::Rot, 15);
  pendingRoll(Colour::Blau, 6);
  game.HausBlauVollClick(HausVoll(Colour::Blau, 4));
  EXPECT_FALSE(s().isShown(Stein(Colour::Rot, 1)));
  EXPECT_TRUE(s().isShown(HausVoll(Colour::Rot, 1)));  // first free of slots 1 to 3
  EXPECT_FALSE(s().isShown(HausVoll(Colour::Rot, 2)));
  EXPECT_EQ(s().cell(1), Cell::Blau);
  EXPECT_EQ(s().Bemerkung, "");
  EXPECT_EQ(s().intervalOf(TimerId::Timer4), 1000u);  // untouched since start
  EXPECT_EQ(game.stats().knockOuts, 1u);
  expectConsistent();
}

TEST_F(HouseTest, ASenderThatIsNoShownSlotOfTheColourIsRefused) {
  takeFromHouse(Colour::Gelb, 2);
  place(Colour::Gelb, 30);
  pendingRoll(Colour::Gelb, 6);
  const State before = s();
  game.HausGelbVollClick(HausVoll(Colour::Rot, 1));
  game.HausGelbVollClick(HausVoll(Colour::Gelb, 2));  // hidden: no piece there
  game.HausGelbVollClick(Stein(Colour::Gelb, 30));
  EXPECT_EQ(s(), before);
}

TEST_F(HouseTest, AReturnedPieceTakesTheFirstFreeOfSlotsOneToThreeElseFour) {
  struct Case {
    std::vector<int> full;
    int expected;
  };
  for (const Case& c : {Case{{2, 3, 4}, 1}, Case{{1, 3, 4}, 2}, Case{{1, 2, 4}, 3},
                        Case{{1, 2, 3}, 4}, Case{{4}, 1}, Case{{}, 1}}) {
    VirtualHost h;
    Game g(h.platform());
    State& st = g.state();
    for (int k = 1; k <= 4; ++k) {
      st.setShown(HausVoll(Colour::Green, k), false);
      st.setShown(HausLeer(Colour::Green, k), true);
    }
    for (int k : c.full) {
      st.setShown(HausVoll(Colour::Green, k), true);
    }
    testing::place(st, Colour::Green, 9);
    st.Augen = 1;
    g.RausWurfBlau(Stein(Colour::Gelb, 9), Stein(Colour::Rot, 9), Stein(Colour::Green, 9));
    EXPECT_TRUE(st.isShown(HausVoll(Colour::Green, c.expected))) << c.expected;
    EXPECT_TRUE(st.isShown(HausLeer(Colour::Green, c.expected)));
    EXPECT_FALSE(st.isShown(Stein(Colour::Green, 9)));
  }
}

TEST_F(HouseTest, KnockOutRoutinesSendEachArgumentToItsOwnHouse) {
  // Argument position -> house, per routine; all three images shown at once.
  const Colour houses[4][3] = {{Colour::Gelb, Colour::Rot, Colour::Green},
                               {Colour::Gelb, Colour::Blau, Colour::Green},
                               {Colour::Blau, Colour::Rot, Colour::Green},
                               {Colour::Gelb, Colour::Rot, Colour::Blau}};
  for (Colour mover : kColours) {
    VirtualHost h;
    Game g(h.platform());
    State& st = g.state();
    const auto& order = houses[index(mover)];
    for (Colour o : order) {
      st.setShown(HausVoll(o, 2), false);
    }
    for (Colour o : order) {
      st.setShown(Stein(o, 17), true);
    }
    st.Augen = 1;
    g.RausWurf(mover, Stein(order[0], 17), Stein(order[1], 17), Stein(order[2], 17));
    for (Colour o : order) {
      EXPECT_TRUE(st.isShown(HausVoll(o, 2))) << info(mover).word << " -> " << info(o).word;
      EXPECT_FALSE(st.isShown(Stein(o, 17)));
    }
    EXPECT_EQ(g.stats().knockOuts, 3u);
    // Three draws in the same millisecond pick the same remark.
    EXPECT_EQ(st.Bemerkung, std::string(kRemarks[0]));
  }
}

TEST_F(HouseTest, KnockOutActsOnlyOnTheLastStep) {
  takeFromHouse(Colour::Rot, 1);
  place(Colour::Rot, 8);
  for (int augen : {0, 2, 6}) {
    s().Augen = static_cast<std::uint8_t>(augen);
    game.RausWurfBlau(Stein(Colour::Gelb, 8), Stein(Colour::Rot, 8), Stein(Colour::Green, 8));
    EXPECT_TRUE(s().isShown(Stein(Colour::Rot, 8))) << augen;
  }
}

// Goal lane: (colour, pieces in slots, slot moved, pips) -> slots afterwards.
struct GoalCase {
  Colour colour;
  std::vector<int> slots;
  int from;
  int pips;
  std::vector<int> after;  // equal to slots when refused
};

class GoalLane : public testing::GameTest, public ::testing::WithParamInterface<GoalCase> {};

TEST_P(GoalLane, MovesSlotBySlot) {
  const GoalCase& p = GetParam();
  int k = 1;
  for (int slot : p.slots) {
    takeFromHouse(p.colour, k++);
    placeInGoal(p.colour, slot);
  }
  pendingRoll(p.colour, p.pips);
  const State before = s();
  game.click(ZielVoll(p.colour, p.from));
  std::vector<int> after;
  for (int slot = 1; slot <= 4; ++slot) {
    if (s().isShown(ZielVoll(p.colour, slot))) {
      after.push_back(slot);
    }
  }
  EXPECT_EQ(after, p.after);
  if (p.after == p.slots) {
    EXPECT_EQ(s(), before);
  } else {
    EXPECT_EQ(s().Augen, 0);
  }
  expectConsistent();
}

INSTANTIATE_TEST_SUITE_P(AllColours, GoalLane,
                         ::testing::Values(GoalCase{Colour::Blau, {1}, 1, 3, {4}},
                                           GoalCase{Colour::Blau, {1}, 1, 4, {1}},
                                           GoalCase{Colour::Blau, {1}, 1, 6, {1}},
                                           GoalCase{Colour::Gelb, {3}, 3, 1, {4}},
                                           GoalCase{Colour::Gelb, {3}, 3, 2, {3}},
                                           GoalCase{Colour::Rot, {1, 2}, 1, 2, {2, 3}},
                                           GoalCase{Colour::Rot, {1, 3}, 1, 2, {1, 3}},
                                           GoalCase{Colour::Green, {2, 4}, 2, 2, {2, 4}},
                                           GoalCase{Colour::Green, {1, 2, 3}, 1, 3, {2, 3, 4}},
                                           GoalCase{Colour::Green, {4}, 4, 1, {4}}));

TEST_F(GoalTest, PassingAnOwnPieceKeepsItsImagesAndCell) {
  takeFromHouse(Colour::Rot, 1);
  takeFromHouse(Colour::Rot, 2);
  placeInGoal(Colour::Rot, 1);
  placeInGoal(Colour::Rot, 2);
  pendingRoll(Colour::Rot, 2);
  game.ZielVollClick(Colour::Rot, 1);
  EXPECT_EQ(s().cell(45), Cell::Leer);
  EXPECT_EQ(s().cell(46), Cell::Rot);
  EXPECT_EQ(s().cell(47), Cell::Rot);
  EXPECT_TRUE(s().isShown(ZielVoll(Colour::Rot, 2)));
  EXPECT_FALSE(s().isShown(ZielLeer(Colour::Rot, 2)));
  EXPECT_TRUE(s().isShown(ZielLeer(Colour::Rot, 1)));
  EXPECT_EQ(s().Ueberlagert, 0);
}

TEST_F(GoalTest, FromTheLastTrackFieldThroughTheWholeLane) {
  takeFromHouse(Colour::Blau, 1);
  place(Colour::Blau, 40);
  pendingRoll(Colour::Blau, 4);
  game.SteinClick(Colour::Blau, 40);
  EXPECT_EQ(s().cell(44), Cell::Blau);
  EXPECT_EQ(s().cell(41), Cell::Leer);
  EXPECT_EQ(s().cell(40), Cell::Leer);
  EXPECT_TRUE(s().isShown(ZielVoll(Colour::Blau, 4)));
  for (int k = 1; k <= 3; ++k) {
    EXPECT_TRUE(s().isShown(ZielLeer(Colour::Blau, k)));
  }
  EXPECT_TRUE(s().isShown(Feld(40)));
  expectConsistent();
}

TEST_F(GoalTest, ThePassSlotFourTestComesBeforeAnyCellIsRead) {
  // Slot 3 of Green is cell 55; 3 + 6 would be far beyond cell 56.
  takeFromHouse(Colour::Green, 1);
  placeInGoal(Colour::Green, 3);
  for (int pips = 2; pips <= 6; ++pips) {
    pendingRoll(Colour::Green, pips);
    const State before = s();
    game.ZielVollClick(Colour::Green, 3);
    EXPECT_EQ(s(), before);
  }
}

}  // namespace
}  // namespace quivalo

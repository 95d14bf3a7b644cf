// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace quivalo {
namespace {

class ComputerTest : public testing::GameTest {
 protected:
  // Colour c's turn, ready to roll, with the next roll giving `pips`.
  void computerRollWillGive(Colour c, int pips) {
    turnOf(c, 1);
    nextRollGives(pips);
  }
  // Gelb on 38 and 12, Rot on 1 and 15, and Gelb is about to roll a 3.
  void workedExampleTwo() {
    testing::bringOut(s(), Colour::Gelb, 38, 1);
    testing::bringOut(s(), Colour::Gelb, 12, 2);
    testing::bringOut(s(), Colour::Rot, 1, 1);
    testing::bringOut(s(), Colour::Rot, 15, 2);
    computerRollWillGive(Colour::Gelb, 3);
  }
  bool at(Colour c, int field) const {
    return game.state().cell(field) == info(c).code && game.state().isShown(Stein(c, field));
  }
};

TEST_F(ComputerTest, WorkedExampleOneEmptyingTheStartFieldComesFirst) {
  takeFromHouse(Colour::Gelb, 1);
  takeFromHouse(Colour::Gelb, 2);
  place(Colour::Gelb, 21);
  place(Colour::Gelb, 37);
  takeFromHouse(Colour::Rot, 1);
  place(Colour::Rot, 1);  // 37 + 4 would hit it
  computerRollWillGive(Colour::Gelb, 4);
  game.ComputerGelb();
  EXPECT_TRUE(at(Colour::Gelb, 25));
  EXPECT_TRUE(at(Colour::Gelb, 37));
  EXPECT_TRUE(at(Colour::Rot, 1));
  EXPECT_EQ(s().Augen, 0);
  expectConsistent();
}

TEST_F(ComputerTest, WorkedExampleTwoTheHuntAcrossTheSeam) {
  workedExampleTwo();
  game.ComputerGelb();
  EXPECT_TRUE(at(Colour::Gelb, 1));
  EXPECT_TRUE(at(Colour::Gelb, 12));
  EXPECT_TRUE(at(Colour::Rot, 15));
  EXPECT_EQ(pieceCount(s(), Colour::Rot), 4);
  EXPECT_FALSE(s().isShown(Stein(Colour::Rot, 1)));
  expectConsistent();
}

TEST_F(ComputerTest, WorkedExampleTwoAtStrengthLeicht) {
  game.leicht1Click();
  workedExampleTwo();
  game.ComputerGelb();
  EXPECT_TRUE(at(Colour::Gelb, 15));  // front first: field 12 is further along
  EXPECT_TRUE(at(Colour::Gelb, 38));
  EXPECT_TRUE(at(Colour::Rot, 1));
  expectConsistent();
}

TEST_F(ComputerTest, ASixOnTheStartFieldMovesThatPieceAndEarnsAnotherRoll) {
  takeFromHouse(Colour::Gelb, 1);
  place(Colour::Gelb, 21);
  computerRollWillGive(Colour::Gelb, 6);
  game.ComputerGelb();
  EXPECT_TRUE(at(Colour::Gelb, 27));
  EXPECT_EQ(pieceCount(s(), Colour::Gelb), 4);
  EXPECT_TRUE(s().isShown(HausLeer(Colour::Gelb, 1)));  // no piece came out
  EXPECT_EQ(s().Werfer, 3);
  EXPECT_EQ(s().Versuche, 1);
  EXPECT_EQ(s().intervalOf(TimerId::GelbTimer), 250u);
}

TEST_F(ComputerTest, ASixPrefersTheGoalLaneToLeavingTheHouse) {
  takeFromHouse(Colour::Gelb, 1);
  place(Colour::Gelb, 18);
  computerRollWillGive(Colour::Gelb, 6);
  game.ComputerGelb();
  EXPECT_TRUE(s().isShown(ZielVoll(Colour::Gelb, 4)));
  EXPECT_EQ(s().cell(52), Cell::Gelb);
  EXPECT_FALSE(s().isShown(Stein(Colour::Gelb, 21)));
}

TEST_F(ComputerTest, ASixWithEveryoneAtHomeOffersTheFirstShownSlot) {
  for (Colour c : kColours) {
    VirtualHost h;
    Game g(h.platform());
    h.setTarget(&g);
    State& st = g.state();
    testing::giveTurn(st, c, 0, 3);
    testing::bringOut(st, c, 9);  // slot 1 empty: the offer is slot 2
    h.setTimeOfDay(testing::timeForDie(6, 2000));
    g.Computer(c);
    // The goal approach has no candidate and nothing to hunt: the house comes next.
    EXPECT_TRUE(st.isShown(Stein(c, info(c).start))) << info(c).word;
    EXPECT_FALSE(st.isShown(HausVoll(c, 2))) << info(c).word;
    EXPECT_TRUE(st.isShown(HausLeer(c, 2)));
    EXPECT_TRUE(checkInvariants(st).empty());
  }
}

TEST_F(ComputerTest, TheHuntByFieldArithmeticCanEnterTheGoalLane) {
  // A piece 4 fields behind an opponent by number, whose path turns into the
  // goal lane first: the hunt calls it, and the move goes into goal slot 2.
  struct Case {
    Colour c;
    int piece;
    int opponentField;
    Colour opponent;
    int goalSlot;
  };
  for (const Case& k :
       {Case{Colour::Gelb, 18, 22, Colour::Rot, 2}, Case{Colour::Rot, 8, 12, Colour::Gelb, 2},
        Case{Colour::Green, 28, 32, Colour::Blau, 2}}) {
    VirtualHost h;
    Game g(h.platform());
    State& st = g.state();
    testing::bringOut(st, k.c, k.piece);
    testing::bringOut(st, k.opponent, k.opponentField);
    testing::giveTurn(st, k.c, 0);
    h.setTimeOfDay(testing::timeForDie(4, 2000));
    g.Computer(k.c);
    EXPECT_TRUE(st.isShown(ZielVoll(k.c, k.goalSlot))) << info(k.c).word;
    EXPECT_TRUE(st.isShown(Stein(k.opponent, k.opponentField))) << info(k.c).word;
    EXPECT_TRUE(checkInvariants(st).empty());
  }
}

TEST_F(ComputerTest, BlauNeverHuntsAcrossTheSeamGelbDoes) {
  // A 2, an own piece on 39 and an opponent on field 1.
  for (Colour c : {Colour::Blau, Colour::Gelb}) {
    VirtualHost h;
    Game g(h.platform());
    State& st = g.state();
    const Colour opp = Colour::Rot;
    testing::bringOut(st, c, 39, 1);
    testing::bringOut(st, c, 14, 2);
    testing::bringOut(st, opp, 1);
    testing::giveTurn(st, c, 0);
    h.setTimeOfDay(testing::timeForDie(2, 2000));
    g.Computer(c);
    if (c == Colour::Gelb) {
      EXPECT_TRUE(st.isShown(Stein(Colour::Gelb, 1)));
      EXPECT_FALSE(st.isShown(Stein(opp, 1)));
    } else {
      // Blau's 39 + 2 is goal slot 1: the goal approach (step 5) takes it there.
      EXPECT_TRUE(st.isShown(Stein(opp, 1)));
      EXPECT_TRUE(st.isShown(ZielVoll(Colour::Blau, 1)));
    }
    EXPECT_TRUE(checkInvariants(st).empty());
  }
}

TEST_F(ComputerTest, NoHuntAcrossTheSeamWithASix) {
  takeFromHouse(Colour::Gelb, 1);
  takeFromHouse(Colour::Gelb, 2);
  place(Colour::Gelb, 37);
  place(Colour::Gelb, 5);
  takeFromHouse(Colour::Blau, 1);
  place(Colour::Blau, 3);
  computerRollWillGive(Colour::Gelb, 6);
  game.ComputerGelb();
  // The six brings a piece out instead; the piece on 37 stays.
  EXPECT_TRUE(at(Colour::Gelb, 21));
  EXPECT_TRUE(at(Colour::Gelb, 37));
  EXPECT_TRUE(at(Colour::Gelb, 5));
  EXPECT_TRUE(at(Colour::Blau, 3));
}

TEST_F(ComputerTest, TheGoalApproachEndsAfterItsFirstCandidate) {
  // A 1 with Gelb in goal slots 1, 3 and 4: slot 3 is tried and refused;
  // slot 1 is not tried; the track piece moves instead.
  for (int k = 1; k <= 4; ++k) {
    takeFromHouse(Colour::Gelb, k);
  }
  placeInGoal(Colour::Gelb, 1);
  placeInGoal(Colour::Gelb, 3);
  placeInGoal(Colour::Gelb, 4);
  place(Colour::Gelb, 30);
  computerRollWillGive(Colour::Gelb, 1);
  game.ComputerGelb();
  EXPECT_TRUE(at(Colour::Gelb, 31));
  EXPECT_TRUE(s().isShown(ZielVoll(Colour::Gelb, 1)));
  EXPECT_FALSE(s().isShown(ZielVoll(Colour::Gelb, 2)));
  expectConsistent();
}

TEST_F(ComputerTest, AOneMovesAGoalPieceForward) {
  takeFromHouse(Colour::Gelb, 1);
  placeInGoal(Colour::Gelb, 1);
  computerRollWillGive(Colour::Gelb, 1);
  game.ComputerGelb();
  EXPECT_TRUE(s().isShown(ZielVoll(Colour::Gelb, 2)));
  EXPECT_EQ(s().cell(50), Cell::Gelb);
}

TEST_F(ComputerTest, StartFieldTestReadsTheEmptySlotPictures) {
  // One piece home in a refilled slot (full and empty picture both shown),
  // so no empty picture is hidden: step 3 does not apply and the hunt moves
  // the piece on 25 onto the opponent instead.
  for (int k = 1; k <= 4; ++k) {
    takeFromHouse(Colour::Gelb, k);
  }
  s().setShown(HausVoll(Colour::Gelb, 4), true);  // HausGelbLeer4 stays shown
  place(Colour::Gelb, 21);
  place(Colour::Gelb, 25);
  place(Colour::Gelb, 33);
  takeFromHouse(Colour::Blau, 1);
  place(Colour::Blau, 27);
  computerRollWillGive(Colour::Gelb, 2);
  game.ComputerGelb();
  EXPECT_TRUE(at(Colour::Gelb, 21));
  EXPECT_TRUE(at(Colour::Gelb, 27));
  expectConsistent();
}

TEST_F(ComputerTest, NothingToMoveGivesTheRollUpAndRollsAgain) {
  computerRollWillGive(Colour::Rot, 3);
  s().Versuche = 3;
  game.ComputerRot();
  EXPECT_EQ(s().Augen, 0);
  EXPECT_EQ(s().Werfer, 2);
  EXPECT_EQ(s().Versuche, 2);
  EXPECT_EQ(s().intervalOf(TimerId::Timer1), 0u);
  EXPECT_FALSE(s().isShown(Zahl(3)));
  EXPECT_TRUE(s().WuerfelEnabled);
  EXPECT_EQ(s().intervalOf(TimerId::RotTimer), 250u);
}

TEST_F(ComputerTest, StrengthSwitchedInTheMiddleOfATurn) {
  // Rot hunts at "schwer" ...
  takeFromHouse(Colour::Rot, 1);
  takeFromHouse(Colour::Rot, 2);
  place(Colour::Rot, 12);
  place(Colour::Rot, 30);
  takeFromHouse(Colour::Green, 1);
  place(Colour::Green, 14);
  computerRollWillGive(Colour::Rot, 2);
  s().Versuche = 2;
  game.ComputerRot();
  EXPECT_TRUE(at(Colour::Rot, 14));
  // ... and after "leicht", with the same roll, moves the front piece instead.
  game.leicht1Click();
  takeFromHouse(Colour::Green, 2);
  place(Colour::Green, 16);
  nextRollGives(2);
  game.ComputerRot();
  EXPECT_TRUE(at(Colour::Rot, 32));
  EXPECT_TRUE(at(Colour::Green, 16));
}

TEST_F(ComputerTest, CalledOutOfTurnItRollsForTheColourToMoveAndGivesUp) {
  takeFromHouse(Colour::Gelb, 1);
  place(Colour::Gelb, 30);
  turnOf(Colour::Blau, 3);
  nextRollGives(5);
  const auto knocks = game.stats().knockOuts;
  game.ComputerGelb();
  EXPECT_TRUE(at(Colour::Gelb, 30));
  EXPECT_EQ(s().Werfer, 1);
  EXPECT_EQ(s().Versuche, 2);
  EXPECT_EQ(game.stats().knockOuts, knocks);
}

}  // namespace
}  // namespace quivalo

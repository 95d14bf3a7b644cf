// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/random.h"
#include "support/fixture.h"

namespace quivalo {
namespace {

using testing::dieAt;
using TurnCycleTest = testing::GameTest;

TEST(Random, DrawMatchesValuesWorkedOutByHand) {
  // seed 0 -> 1; floor(1 * 6 / 2^32) = 0.
  std::uint32_t seed = 0;
  EXPECT_EQ(draw(seed, 6), 0u);
  EXPECT_EQ(seed, 1u);
  // 1000 * 134775813 + 1 = 134775813001 = 31 * 2^32 + 1631826825;
  // 1631826825 * 6 / 2^32 = 2.28 -> 2.
  seed = 1000;
  EXPECT_EQ(draw(seed, 6), 2u);
  EXPECT_EQ(seed, 1631826825u);
  // Drawing again continues from the new seed: 1631826825 * 134775813 + 1 mod 2^32.
  const std::uint32_t again = static_cast<std::uint32_t>(1631826825ull * 134775813ull + 1ull);
  EXPECT_EQ(draw(seed, 11), static_cast<std::uint32_t>((std::uint64_t{again} * 11) >> 32));
  EXPECT_EQ(msOfDay(23, 59, 59, 999), 86'399'999u);
  EXPECT_EQ(msOfDay(1, 2, 3, 4), 3'723'004u);
}

TEST_F(TurnCycleTest, ARollReadsTheMillisecondItIsMadeAt) {
  for (std::uint32_t t : {0u, 6u, 11u, 1000u, 1250u, 43'200'000u, 86'399'999u}) {
    s().Versuche = 3;
    host.setTimeOfDay(t);
    game.WuerfelClick();
    EXPECT_EQ(s().Augen, dieAt(t)) << t;
    EXPECT_TRUE(s().isShown(Zahl(s().Augen)));
    game.KannNichtBtnClick();
  }
}

TEST_F(TurnCycleTest, TwoRollsInTheSameMillisecondAreEqual) {
  host.setTimeOfDay(12345);
  game.WuerfelClick();
  const int first = s().Augen;
  game.WuerfelClick();
  EXPECT_EQ(s().Augen, first);
}

TEST_F(TurnCycleTest, ARollShowsOneFaceAndSwapsTheButtons) {
  testing::GameTest::nextRollGives(4);
  s().setShown(Zahl(2), true);
  game.WuerfelClick();
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(s().isShown(Zahl(n)), n == 4) << n;
  }
  EXPECT_EQ(s().Versuche, 2);
  EXPECT_EQ(s().ErsterSchritt, 1);
  EXPECT_EQ(s().intervalOf(TimerId::Timer1), 100u);
  EXPECT_FALSE(s().WuerfelEnabled);
  EXPECT_TRUE(s().KannNichtBtnEnabled);
}

TEST_F(TurnCycleTest, ASixOnTheFirstOfThreeRollsLeavesExactlyOneMore) {
  ASSERT_EQ(s().Versuche, 3);
  nextRollGives(6);
  game.WuerfelClick();
  EXPECT_EQ(s().Versuche, 1);
}

TEST_F(TurnCycleTest, ARollWithNoRollsLeftDoesNotWrapRound) {
  // A person may roll in the 250 ms before a computer roll.
  s().Versuche = 0;
  nextRollGives(3);
  game.WuerfelClick();
  EXPECT_EQ(s().Versuche, 0);
  nextRollGives(6);
  s().Versuche = 0;
  game.WuerfelClick();
  EXPECT_EQ(s().Versuche, 1);
}

TEST_F(TurnCycleTest, TheEndOfARollWaitsForAugenToReachZero) {
  nextRollGives(2);
  game.WuerfelClick();
  host.advance(1000);  // nothing moved: the roll stays open
  EXPECT_EQ(s().Augen, 2);
  EXPECT_TRUE(s().isShown(Zahl(2)));
  EXPECT_EQ(s().intervalOf(TimerId::Timer1), 100u);
  game.KannNichtBtnClick();
  host.advance(100);
  EXPECT_EQ(s().intervalOf(TimerId::Timer1), 0u);
  EXPECT_FALSE(s().isShown(Zahl(2)));
  EXPECT_TRUE(s().WuerfelEnabled);
  EXPECT_FALSE(s().KannNichtBtnEnabled);
  EXPECT_EQ(s().Werfer, 1);  // two rolls left
  EXPECT_EQ(s().Versuche, 2);
}

TEST_F(TurnCycleTest, ThreeRollsGivenUpPassTheTurnInOrder) {
  // Everyone a person: no computer timers in the way.
  for (Colour c : {Colour::Rot, Colour::Gelb, Colour::Green}) {
    game.SpielerMenuClick(c);
  }
  const char* labels[] = {"Blau", "Rot", "Gelb", "Grün", "Blau"};
  std::uint32_t t = 5000;
  for (int turn = 0; turn < 5; ++turn) {
    EXPECT_EQ(s().FarbLabel, labels[turn]);
    EXPECT_EQ(s().Werfer, turn % 4 + 1);
    EXPECT_EQ(s().Versuche, 3);
    for (int roll = 0; roll < 3; ++roll) {
      t = testing::timeForDie(2, t + 1);
      host.setTimeOfDay(t);
      game.WuerfelClick();
      game.KannNichtBtnClick();
      host.advance(100);
    }
    expectConsistent();
  }
}

// The three-roll rule, for every colour: the packed sets give three rolls,
// anything else one.
struct ThreeRollCase {
  Colour colour;
  std::vector<int> home;  // house slots shown full
  std::vector<int> goal;  // goal slots shown full
  int rolls;
};

class ThreeRollRule : public testing::GameTest,
                      public ::testing::WithParamInterface<ThreeRollCase> {};

TEST_P(ThreeRollRule, RollsFollowThePackedSlotSets) {
  const ThreeRollCase& p = GetParam();
  for (int k = 1; k <= 4; ++k) {
    s().setShown(HausVoll(p.colour, k), false);
  }
  for (int k : p.home) {
    s().setShown(HausVoll(p.colour, k), true);
  }
  for (int k : p.goal) {
    s().setShown(ZielVoll(p.colour, k), true);
  }
  s().Werfer = static_cast<std::uint8_t>(p.colour == Colour::Blau ? 4 : index(p.colour));
  s().Versuche = 0;
  game.NeuerWerfer();
  ASSERT_EQ(s().Dran(p.colour), 1);
  EXPECT_EQ(s().Versuche, p.rolls);
}

INSTANTIATE_TEST_SUITE_P(AllColours, ThreeRollRule,
                         ::testing::Values(ThreeRollCase{Colour::Blau, {1, 2, 3, 4}, {}, 3},
                                           ThreeRollCase{Colour::Blau, {2, 3, 4}, {4}, 3},
                                           ThreeRollCase{Colour::Blau, {2, 3, 4}, {3}, 1},
                                           ThreeRollCase{Colour::Blau, {1, 2, 3}, {4}, 1},
                                           ThreeRollCase{Colour::Blau, {3, 4}, {3, 4}, 3},
                                           ThreeRollCase{Colour::Blau, {4}, {2, 3, 4}, 3},
                                           ThreeRollCase{Colour::Blau, {1}, {2, 3, 4}, 1},
                                           ThreeRollCase{Colour::Blau, {}, {}, 1},
                                           ThreeRollCase{Colour::Rot, {1, 3, 4}, {4}, 3},
                                           ThreeRollCase{Colour::Rot, {1, 2, 3}, {4}, 1},
                                           ThreeRollCase{Colour::Rot, {1, 3}, {3, 4}, 3},
                                           ThreeRollCase{Colour::Rot, {3}, {2, 3, 4}, 3},
                                           ThreeRollCase{Colour::Rot, {1}, {2, 3, 4}, 1},
                                           ThreeRollCase{Colour::Gelb, {1, 2, 3, 4}, {}, 3},
                                           ThreeRollCase{Colour::Gelb, {1, 2, 3}, {4}, 3},
                                           ThreeRollCase{Colour::Gelb, {2, 3, 4}, {4}, 1},
                                           ThreeRollCase{Colour::Gelb, {1, 2}, {3, 4}, 3},
                                           ThreeRollCase{Colour::Gelb, {1}, {2, 3, 4}, 3},
                                           ThreeRollCase{Colour::Green, {1, 2, 4}, {4}, 3},
                                           ThreeRollCase{Colour::Green, {1, 2, 3}, {4}, 1},
                                           ThreeRollCase{Colour::Green, {2, 4}, {3, 4}, 3},
                                           ThreeRollCase{Colour::Green, {2}, {2, 3, 4}, 3},
                                           ThreeRollCase{Colour::Green, {3}, {2, 3, 4}, 1},
                                           ThreeRollCase{Colour::Green, {2, 4}, {4}, 1}));

TEST_F(TurnCycleTest, ComputerTimersAreArmedOnEveryTurnChangeOfTheirColour) {
  // Rot is played by the computer: arming happens when Rot's turn begins ...
  s().Versuche = 0;
  game.NeuerWerfer();
  ASSERT_EQ(s().Werfer, 2);
  EXPECT_EQ(s().intervalOf(TimerId::RotTimer), 250u);
  // ... and again on a call that keeps the turn, after the handler stopped it.
  game.setInterval(TimerId::RotTimer, 0);
  s().Versuche = 2;
  game.NeuerWerfer();
  EXPECT_EQ(s().Werfer, 2);
  EXPECT_EQ(s().intervalOf(TimerId::RotTimer), 250u);
  for (TimerId t : {TimerId::BlauTimer, TimerId::GelbTimer, TimerId::GreenTimer}) {
    EXPECT_EQ(s().intervalOf(t), 0u);
  }
}

TEST_F(TurnCycleTest, PersonColoursAreNeverArmed) {
  for (Colour c : {Colour::Rot, Colour::Gelb, Colour::Green}) {
    game.SpielerMenuClick(c);
  }
  for (int i = 0; i < 12; ++i) {
    s().Versuche = 0;
    game.NeuerWerfer();
    for (Colour c : kColours) {
      EXPECT_EQ(s().intervalOf(computerTimer(c)), 0u);
    }
  }
}

TEST_F(TurnCycleTest, ArmingLeavesARunningComputerTimerUndisturbed) {
  s().Versuche = 0;
  game.NeuerWerfer();  // Rot's turn, RotTimer armed now
  host.advance(200);
  s().Versuche = 1;
  game.NeuerWerfer();  // armed again with the same interval: no new period
  const auto rollsBefore = game.stats().rolls;
  host.advance(50);
  EXPECT_EQ(game.stats().rolls, rollsBefore + 1);
}

}  // namespace
}  // namespace quivalo

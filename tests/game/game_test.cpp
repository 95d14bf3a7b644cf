// SPDX-License-Identifier: GPL-3.0-or-later
// The turn cycle's three-roll rule, house tidying, a new game and the timer
// convention. Worked stories of the turn
// cycle, remarks and timers are golden scenarios (tests/scenario/golden).
#include <gtest/gtest.h>

#include <bit>

#include "support/fixture.h"

namespace quivalo {
namespace {

// The three-roll rule of game/three_rolls.txt: the position, the colour given
// the turn and the rolls it gets.
class ThreeRollRule : public testing::GameTest,
                      public ::testing::WithParamInterface<testing::Row> {};

TEST_P(ThreeRollRule, ReadsTheHouseAndGoalPictures) {
  const Colour c = testing::colourOf(GetParam()[1][0]);
  testing::setUp(s(), GetParam()[0]);
  s().Werfer = static_cast<std::uint8_t>(c == Colour::Blau ? 4 : index(c));
  s().Versuche = 0;
  game.NeuerWerfer();
  EXPECT_EQ(s().Dran(c), 1);
  EXPECT_EQ(s().Versuche, std::stoi(GetParam()[2]));
}

INSTANTIATE_TEST_SUITE_P(Table, ThreeRollRule,
                         ::testing::ValuesIn(testing::readTable("game/three_rolls.txt", 3)));

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

TEST_F(GameTest, ANewGameShowsTheBoardOfAFreshStart) {
  const State fresh = s();
  testing::setUp(s(), "Bh13 B7 Rh12+ Gz4 N40");
  s().setShown(Zahl(3), true);
  s().Werfer = 3;
  s().Versuche = 0;
  game.Neu1Click();
  State expected = fresh;
  expected.setShown(Zahl(3), true);  // die faces are not part of the board
  expected.interval[static_cast<std::size_t>(TimerId::Timer3)] = 500;
  EXPECT_EQ(s(), expected);
}

// A game has one winner: however many goal lanes one check finds full, the
// first colour in the order Blau, Rot, Gelb, Grün is congratulated, once.
TEST(Winner, OneCheckCongratulatesTheFirstFullLaneOnly) {
  for (unsigned full = 1; full < 16; ++full) {
    std::string words;
    for (Colour c : kColours) {
      for (int k = 1; k <= 4 && ((full >> index(c)) & 1u) != 0; ++k) {
        words += std::string(1, "BRGN"[index(c)]) + "z" + std::to_string(k) + " ";
      }
    }
    VirtualHost host;
    Game game(host.platform());
    host.setTarget(&game);
    testing::setUp(game.state(), words);
    host.advance(2000);
    const Colour first = kColours[static_cast<std::size_t>(std::countr_zero(full))];
    ASSERT_EQ(host.dialogs().size(), 1u) << words;
    EXPECT_NE(host.dialogs()[0].find(" " + std::string(info(first).display) + ","),
              std::string::npos)
        << words;
  }
}

// The timer convention, kept by the turn cycle and carried out by the host:
// setting the running interval again leaves the period undisturbed, a new
// one starts afresh, 0 stops; timers due together fire in table order.
TEST(TimerConvention, SameIntervalUndisturbedNewOneAfreshZeroStops) {
  struct Recorder : TimerTarget {
    VirtualHost host;
    std::vector<std::pair<std::uint64_t, TimerId>> fired;
    void onTimer(TimerId t) override { fired.emplace_back(host.now(), t); }
  } r;
  r.host.setTarget(&r);
  TurnCycle cycle(r.host.platform());  // Timer2 and Timer3 at 200 ms, Timer4 at 1000 ms
  cycle.setInterval(TimerId::Timer1, 100);
  r.host.advance(60);
  cycle.setInterval(TimerId::Timer1, 100);
  r.host.advance(70);
  cycle.setInterval(TimerId::Timer1, 50);
  for (TimerId t : {TimerId::GreenTimer, TimerId::Timer4, TimerId::BlauTimer, TimerId::Timer2}) {
    cycle.setInterval(t, 50);
  }
  r.host.advance(50);
  cycle.setInterval(TimerId::Timer1, 0);
  r.host.advance(60);
  using enum TimerId;
  EXPECT_EQ(r.fired, (std::vector<std::pair<std::uint64_t, TimerId>>{{100, Timer1},
                                                                     {180, Timer1},
                                                                     {180, Timer2},
                                                                     {180, Timer4},
                                                                     {180, BlauTimer},
                                                                     {180, GreenTimer},
                                                                     {200, Timer3},
                                                                     {230, Timer2},
                                                                     {230, Timer4},
                                                                     {230, BlauTimer},
                                                                     {230, GreenTimer}}));
}

}  // namespace
}  // namespace quivalo

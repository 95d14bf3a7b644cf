// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/driver.h"
#include "support/fixture.h"

namespace quivalo {
namespace {

using DriverTest = testing::GameTest;

TEST_F(DriverTest, ComputerRollsFollowEachOther250MillisecondsApart) {
  game.SpielerMenu1Click();  // all four computer
  game.Neu1Click();
  std::vector<std::uint64_t> rolls;
  std::uint64_t last = game.stats().rolls;
  while (host.dialogs().empty() && host.now() < 3'600'000) {
    ASSERT_TRUE(host.fireNext(UINT64_MAX));
    if (game.stats().rolls != last) {
      last = game.stats().rolls;
      rolls.push_back(host.now());
      ASSERT_EQ(s().Augen, 0);  // the computer's roll ends inside its event
      ASSERT_TRUE(s().WuerfelEnabled);
    }
    const auto bad = checkInvariants(s());
    ASSERT_TRUE(bad.empty()) << bad.front();
  }
  ASSERT_EQ(host.dialogs().size(), 1u);
  ASSERT_GT(rolls.size(), 50u);
  EXPECT_EQ(rolls.front(), 250u);
  for (std::size_t i = 1; i < rolls.size(); ++i) {
    EXPECT_EQ(rolls[i] - rolls[i - 1], 250u) << i;
  }
  // After the win everything but tidying stands still.
  const auto rollsAtWin = game.stats().rolls;
  host.advance(10'000);
  EXPECT_EQ(game.stats().rolls, rollsAtWin);
  EXPECT_FALSE(s().WuerfelEnabled);
}

TEST_F(DriverTest, APersonColourBreaksTheChainUntilItsRollEnds) {
  // Blau a person, the others computer: Rot, Gelb and Grün play, then wait for Blau.
  s().Versuche = 0;
  game.NeuerWerfer();  // Rot's turn
  host.advance(60'000);
  EXPECT_EQ(s().Werfer, 1);
  EXPECT_TRUE(s().WuerfelEnabled);
  for (Colour c : kColours) {
    EXPECT_EQ(s().intervalOf(computerTimer(c)), 0u);
  }
  const auto rolls = game.stats().rolls;
  host.advance(60'000);
  EXPECT_EQ(game.stats().rolls, rolls);  // nobody rolls for the person
}

TEST_F(DriverTest, APersonMayRollForAComputerColourBeforeItsTimerFires) {
  s().Versuche = 0;
  game.NeuerWerfer();  // Rot, one roll or three; RotTimer armed
  const int versuche = s().Versuche;
  nextRollGives(3);
  game.WuerfelClick();  // the person's roll counts against Rot
  game.KannNichtBtnClick();
  host.advance(100);  // Timer1 ends it
  if (versuche == 1) {
    EXPECT_EQ(s().Werfer, 3);
  } else {
    EXPECT_EQ(s().Versuche, versuche - 1);
  }
  EXPECT_EQ(game.stats().rolls, 1u);
  host.advance(150);  // RotTimer still fires at 250 and plays its roll
  EXPECT_EQ(game.stats().rolls, 2u);
  expectConsistent();
}

TEST_F(DriverTest, SwitchingAnArmedColourToPersonStillPlaysThatOneRoll) {
  s().Versuche = 0;
  game.NeuerWerfer();  // RotTimer armed
  s().Versuche = 1;    // one roll, whatever the house says
  game.SpielerMenu2Click();
  host.setTimeOfDay(testing::timeForDie(3, 1000) - 250);
  host.advance(250);
  EXPECT_EQ(game.stats().rolls, 1u);
  EXPECT_EQ(s().intervalOf(TimerId::RotTimer), 0u);
  // The turn went on to Gelb and Grün, played by the computer, and stops at
  // Blau, a person.
  host.advance(10'000);
  EXPECT_EQ(s().Werfer, 1);
  // Switching Blau to computer while Blau waits starts nothing by itself.
  const auto rolls = game.stats().rolls;
  game.SpielerMenu1Click();
  host.advance(10'000);
  EXPECT_EQ(game.stats().rolls, rolls);
  EXPECT_EQ(s().intervalOf(TimerId::BlauTimer), 0u);
}

// Whole games for many start times, both strengths: every game ends with a
// winner and the records hold after every event.
TEST(WholeGames, EveryGameEndsWithAWinnerAndStaysConsistent) {
  int games = 0;
  for (bool schwer : {true, false}) {
    for (std::uint32_t i = 0; i < 60; ++i) {
      HeadlessOptions o;
      o.schwer = schwer;
      o.startTimeOfDay = (i * 1'439'993u + 17) % VirtualHost::kDayMs;
      o.maxJitterMs = i % 3 == 0 ? 4 : 0;
      o.seed = i + 1;
      testing::InvariantWatch watch;
      o.afterEvent = watch.callback();
      const HeadlessResult r = playHeadless(o);
      EXPECT_EQ(watch.violations, 0u) << watch.first;
      EXPECT_TRUE(r.winner.has_value()) << "start " << o.startTimeOfDay;
      ++games;
    }
  }
  EXPECT_EQ(games, 120);
}

TEST(WholeGames, TheSameStartTimeGivesTheSameGameEventForEvent) {
  auto trace = [](std::uint32_t start) {
    HeadlessOptions o;
    o.startTimeOfDay = start;
    std::vector<std::uint64_t> events;
    o.afterEvent = [&](const Game& g, const VirtualHost& h) {
      std::uint64_t hash = h.now();
      for (std::size_t c = 1; c < g.state().Spielfeld.size(); ++c) {
        hash = hash * 31 + static_cast<std::uint64_t>(g.state().Spielfeld[c]);
      }
      events.push_back(hash ^ g.state().Augen);
    };
    const HeadlessResult r = playHeadless(o);
    return std::pair{events, r.rolls};
  };
  const auto a = trace(40'000'123);
  const auto b = trace(40'000'123);
  const auto c = trace(40'000'124);
  EXPECT_EQ(a, b);
  EXPECT_NE(a.first, c.first);
}

TEST(WholeGames, JitterDelaysComputerRollsButNeverHurriesThem) {
  HeadlessOptions o;
  o.maxJitterMs = 5;
  o.seed = 99;
  std::uint64_t lastRoll = 0;
  std::uint64_t lastEnd = 0;
  std::uint64_t rolls = 0;
  bool ok = true;
  o.afterEvent = [&](const Game& g, const VirtualHost& h) {
    if (g.stats().rolls != rolls) {
      rolls = g.stats().rolls;
      const std::uint64_t gap = h.now() - lastEnd;
      ok = ok && (lastRoll == 0 || (gap >= 250 && gap <= 255));
      lastRoll = lastEnd = h.now();
    }
  };
  const HeadlessResult r = playHeadless(o);
  EXPECT_TRUE(r.winner.has_value());
  EXPECT_TRUE(ok);
}

}  // namespace
}  // namespace quivalo

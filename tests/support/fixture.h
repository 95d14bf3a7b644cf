// SPDX-License-Identifier: GPL-3.0-or-later
// A game on the deterministic host for GoogleTest, with the position helpers
// of position.h and the consistency check after every event of a headless game.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/check.h"
#include "support/driver.h"
#include "support/position.h"

namespace quivalo::testing {

// Runs the consistency check, host included, after every event of a headless
// game and keeps the first violation.
struct InvariantWatch {
  std::size_t violations = 0;
  std::string first;
  std::function<void(const Game&, const VirtualHost&)> callback() {
    return [this](const Game& g, const VirtualHost& h) {
      const auto bad = checkWithHost(g.state(), h, 0);
      if (!bad.empty() && violations++ == 0) {
        first = bad.front();
      }
    };
  }
};

class GameTest : public ::testing::Test {
 protected:
  GameTest() : game(host.platform()) { host.setTarget(&game); }

  State& s() { return game.state(); }

  void takeFromHouse(Colour c, int k) { testing::takeFromHouse(s(), c, k); }
  void place(Colour c, int f) { testing::place(s(), c, f); }
  void placeInGoal(Colour c, int k) { testing::placeInGoal(s(), c, k); }
  // Gives the turn to colour c with a pending roll of `pips`, as a roll would.
  void pendingRoll(Colour c, int pips) { giveTurn(s(), c, pips, s().Versuche); }
  // Gives the turn to colour c, ready to roll.
  void turnOf(Colour c, int versuche = 1) { giveTurn(s(), c, 0, versuche); }
  // Sets the time of day so that the next roll gives `pips`.
  void nextRollGives(int pips) { host.setTimeOfDay(timeForDie(pips, 1000)); }

  void expectConsistent() {
    const auto bad = checkInvariants(s());
    EXPECT_TRUE(bad.empty()) << (bad.empty() ? std::string() : bad.front());
  }

  VirtualHost host;
  Game game;
};

}  // namespace quivalo::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// A game on the deterministic host, with helpers that set up positions the
// way the rules record them (cell codes and image flags together).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "computer/game.h"
#include "game/invariants.h"
#include "game/virtual_host.h"

namespace quivalo::testing {

// The die for a roll made at time of day t, computed straight from the
// formula: floor(((t * 134775813 + 1) mod 2^32) * 6 / 2^32) + 1.
inline int dieAt(std::uint32_t t) {
  const std::uint64_t seed = (std::uint64_t{t} * 134775813u + 1u) % (std::uint64_t{1} << 32);
  return static_cast<int>((seed * 6) >> 32) + 1;
}

// The first time of day at or after `from` whose roll gives `pips`.
inline std::uint32_t timeForDie(int pips, std::uint32_t from = 0) {
  std::uint32_t t = from;
  while (dieAt(t) != pips) {
    ++t;
  }
  return t;
}

class GameTest : public ::testing::Test {
 protected:
  GameTest() : game(host.platform()) { host.setTarget(&game); }

  State& s() { return game.state(); }

  // Takes a piece of colour c out of house slot k (the slot shows empty).
  void takeFromHouse(Colour c, int k) {
    s().setShown(HausVoll(c, k), false);
    s().setShown(HausLeer(c, k), true);
  }
  // Empties the whole house of colour c.
  void emptyHouse(Colour c) {
    for (int k = 1; k <= 4; ++k) {
      takeFromHouse(c, k);
    }
  }
  // Puts a piece of colour c on track field f.
  void place(Colour c, int f) {
    s().setShown(Stein(c, f), true);
    s().setShown(Feld(f), false);
    s().cell(f) = info(c).code;
  }
  // Puts a piece of colour c in goal slot k.
  void placeInGoal(Colour c, int k) {
    s().setShown(ZielVoll(c, k), true);
    s().setShown(ZielLeer(c, k), false);
    s().cell(info(c).goalCell1 + k - 1) = info(c).code;
  }
  // Gives the turn to colour c with a pending roll of `pips`, as a roll would.
  void pendingRoll(Colour c, int pips) {
    s().BlauDran = s().RotDran = s().GelbDran = s().GreenDran = 0;
    s().Dran(c) = 1;
    s().Werfer = playerNumber(c);
    s().Augen = static_cast<std::uint8_t>(pips);
    s().ErsterSchritt = 1;
  }
  // Gives the turn to colour c, ready to roll.
  void turnOf(Colour c, int versuche = 1) {
    pendingRoll(c, 0);
    s().ErsterSchritt = 0;
    s().Versuche = static_cast<std::uint8_t>(versuche);
  }
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

// SPDX-License-Identifier: GPL-3.0-or-later
// A game on the deterministic host, with helpers that set up positions the
// way the rules record them (cell codes and image flags together).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
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

// Takes a piece of colour c out of house slot k (the slot shows empty).
inline void takeFromHouse(State& s, Colour c, int k) {
  s.setShown(HausVoll(c, k), false);
  s.setShown(HausLeer(c, k), true);
}
// Puts a piece of colour c on track field f.
inline void place(State& s, Colour c, int f) {
  s.setShown(Stein(c, f), true);
  s.setShown(Feld(f), false);
  s.cell(f) = info(c).code;
}
// Moves a piece of colour c from house slot 1 onto track field f.
inline void bringOut(State& s, Colour c, int f, int slot = 1) {
  takeFromHouse(s, c, slot);
  place(s, c, f);
}
// Puts a piece of colour c in goal slot k.
inline void placeInGoal(State& s, Colour c, int k) {
  s.setShown(ZielVoll(c, k), true);
  s.setShown(ZielLeer(c, k), false);
  s.cell(info(c).goalCell1 + k - 1) = info(c).code;
}
// Gives the turn to colour c with `Versuche` rolls and a pending roll of
// `pips` (0: ready to roll).
inline void giveTurn(State& s, Colour c, int pips, int versuche = 1) {
  s.BlauDran = s.RotDran = s.GelbDran = s.GreenDran = 0;
  s.Dran(c) = 1;
  s.Werfer = playerNumber(c);
  s.Augen = static_cast<std::uint8_t>(pips);
  s.ErsterSchritt = pips == 0 ? 0 : 1;
  s.Versuche = static_cast<std::uint8_t>(versuche);
}

// Runs the invariant checker after every event of a headless game and keeps
// the first violation.
struct InvariantWatch {
  std::size_t violations = 0;
  std::string first;
  std::function<void(const Game&, const VirtualHost&)> callback() {
    return [this](const Game& g, const VirtualHost&) {
      const auto bad = checkInvariants(g.state());
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
  // Empties the whole house of colour c.
  void emptyHouse(Colour c) {
    for (int k = 1; k <= 4; ++k) {
      takeFromHouse(c, k);
    }
  }
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

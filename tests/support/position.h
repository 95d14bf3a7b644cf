// SPDX-License-Identifier: GPL-3.0-or-later
// Positions set up the way the rules record them (cell codes and image flags
// together), one piece at a time or as one readable call:
//   Position(s).turn(Colour::Blau, 4).piece(Colour::Blau, 12).goal(Colour::Gelb, 4);
#pragma once

#include <cstdint>

#include "game/state.h"

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
// Gives the turn to colour c, named by the colour label, with `Versuche`
// rolls and a pending roll of `pips` that "Kann nicht" may give up (0: ready
// to roll).
inline void giveTurn(State& s, Colour c, int pips, int versuche = 1) {
  s.BlauDran = s.RotDran = s.GelbDran = s.GreenDran = 0;
  s.Dran(c) = 1;
  s.Werfer = playerNumber(c);
  s.FarbLabel = info(c).display;
  s.KannNichtBtnEnabled = pips != 0;
  s.Augen = static_cast<std::uint8_t>(pips);
  s.ErsterSchritt = pips == 0 ? 0 : 1;
  s.Versuche = static_cast<std::uint8_t>(versuche);
}

// A position built on a state, usually a new game's. Pieces leave their house
// from the back of the colour's fill order, so the house stays packed and the
// tidying leaves it alone.
class Position {
 public:
  explicit Position(State& s) : s_(s) {}
  // Colour c to move, with a pending roll of `pips` shown on the die (0: ready to roll).
  Position& turn(Colour c, int pips = 0, int versuche = 1) {
    giveTurn(s_, c, pips, versuche);
    for (int n = 1; n <= 6; ++n) {
      s_.setShown(Zahl(n), n == pips);
    }
    s_.WuerfelEnabled = pips == 0;
    return *this;
  }
  Position& piece(Colour c, int field) {
    leaveHouse(c);
    place(s_, c, field);
    return *this;
  }
  Position& goal(Colour c, int slot) {
    leaveHouse(c);
    placeInGoal(s_, c, slot);
    return *this;
  }

 private:
  void leaveHouse(Colour c) {
    for (int i = 3; i >= 0; --i) {
      if (const int k = info(c).fillOrder[static_cast<std::size_t>(i)];
          s_.isShown(HausVoll(c, k))) {
        takeFromHouse(s_, c, k);
        return;
      }
    }
  }
  State& s_;
};

}  // namespace quivalo::testing

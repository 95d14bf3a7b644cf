// SPDX-License-Identifier: GPL-3.0-or-later
// Positions set up the way the rules record them (cell codes and image flags
// together), written as words. A word is a colour letter (B Blau, R Rot,
// G Gelb, N Grün) and a track field ("G38"), z and a goal slot ("Gz2") or h
// and the full house slots ("Rh13"); a "+" after a slot or a field means its
// empty or field picture shows beneath the piece as well:
//   setUp(s, "B12 Gz4"); turn(s, Colour::Blau, 4);
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "game/state.h"

namespace quivalo::testing {

// The roll at time of day t, computed straight from the formula the help
// gives: floor(((t * 134775813 + 1) mod 2^32) * 6 / 2^32) + 1.
inline int dieAt(std::uint32_t t) {
  return int((std::uint64_t{t * 134775813u + 1u} * 6) >> 32) + 1;
}

// The first time of day at or after `from` whose roll gives `pips`.
inline std::uint32_t timeForDie(int pips, std::uint32_t from = 0) {
  std::uint32_t t = from;
  while (dieAt(t) != pips) ++t;
  return t;
}

// Colour c to move, named by the colour label, with `versuche` rolls and a
// pending roll of `pips` shown on the die that "Kann nicht" may give up (0:
// ready to roll).
inline void turn(State& s, Colour c, int pips = 0, int versuche = 1) {
  s.BlauDran = s.RotDran = s.GelbDran = s.GreenDran = 0;
  s.Dran(c) = 1;
  s.Werfer = playerNumber(c);
  s.FarbLabel = info(c).display;
  s.KannNichtBtnEnabled = pips != 0;
  s.WuerfelEnabled = pips == 0;
  s.Augen = static_cast<std::uint8_t>(pips);
  s.ErsterSchritt = pips == 0 ? 0 : 1;
  s.Versuche = static_cast<std::uint8_t>(versuche);
  for (int n = 1; n <= 6; ++n) s.setShown(Zahl(n), n == pips);
}

inline Colour colourOf(char letter) { return kColours[std::string_view("BRGN").find(letter)]; }

// Sets the words up on a fresh game. A colour whose house is not given has
// its pieces on the board taken from the house last slot of the fill order
// first, so the rest stay packed as after tidying.
inline void setUp(State& s, std::string_view words) {
  std::istringstream in{std::string(words)};
  ByColour<int> out{};
  ByColour<bool> houseGiven{};
  for (std::string w; in >> w;) {
    const Colour c = colourOf(w[0]);
    if (w[1] == 'h') {
      houseGiven[c] = true;
      for (int k = 1; k <= 4; ++k) {
        const auto at = w.find(char('0' + k), 2);
        s.setShown(HausVoll(c, k), at != w.npos);
        s.setShown(HausLeer(c, k), at == w.npos || w.substr(at + 1, 1) == "+");
      }
      continue;
    }
    ++out[c];
    if (w[1] == 'z') {
      const int k = std::stoi(w.substr(2));
      s.setShown(ZielVoll(c, k), true);
      s.setShown(ZielLeer(c, k), false);
      s.cell(info(c).goalCell1 + k - 1) = info(c).code;
    } else {
      const int f = std::stoi(w.substr(1));
      s.setShown(Stein(c, f), true);
      s.setShown(Feld(f), w.back() == '+');
      s.cell(f) = info(c).code;
    }
  }
  for (Colour c : kColours) {
    for (int n = 0; n < out[c] && !houseGiven[c]; ++n) {
      const int k = info(c).fillOrder[static_cast<std::size_t>(3 - n)];
      s.setShown(HausVoll(c, k), false);
      s.setShown(HausLeer(c, k), true);
    }
  }
}

// The position in words, colour by colour: the house (left out when it is
// packed in fill order), the track fields, the goal slots.
inline std::string describe(const State& s) {
  std::string d;
  for (Colour c : kColours) {
    const std::string letter(1, "BRGN"[index(c)]);
    std::string house = " " + letter + "h";
    int home = 0;
    for (int k = 1; k <= 4; ++k) {
      if (s.isShown(HausVoll(c, k))) {
        house += std::to_string(k) + (s.isShown(HausLeer(c, k)) ? "+" : "");
        ++home;
      }
    }
    bool packed = true;
    for (int n = 0; n < 4; ++n) {
      const int k = info(c).fillOrder[static_cast<std::size_t>(n)];
      packed = packed && s.isShown(HausVoll(c, k)) == (n < home) &&
               s.isShown(HausLeer(c, k)) == (n >= home);
    }
    d += packed ? "" : house;
    for (int f = 1; f <= 40; ++f) {
      d += s.isShown(Stein(c, f))
               ? " " + letter + std::to_string(f) + (s.isShown(Feld(f)) ? "+" : "")
               : "";
    }
    for (int k = 1; k <= 4; ++k)
      d += s.isShown(ZielVoll(c, k)) ? " " + letter + "z" + std::to_string(k) : "";
  }
  return d.empty() ? d : d.substr(1);
}

}  // namespace quivalo::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// Positions written as words, for tables of moves. A word is a colour letter
// (B Blau, R Rot, G Gelb, N Grün) and a track field ("G38"), z and a goal slot
// ("Gz2") or h and the full house slots ("Rh13"); a "+" after a slot or a
// field means its empty or field picture shows beneath the piece as well.
#pragma once

#include <sstream>
#include <string>

#include "support/fixture.h"

namespace quivalo::testing {

inline Colour colourOf(char letter) { return kColours[std::string_view("BRGN").find(letter)]; }

// Sets the words up on a fresh game. A colour whose house is not given has
// its pieces on the board taken from the house last slot of the fill order
// first, so the rest stay packed as after tidying.
inline void setUp(State& s, std::string_view words) {
  std::istringstream in{std::string(words)};
  std::array<int, 4> out{};
  std::array<bool, 4> houseGiven{};
  for (std::string w; in >> w;) {
    const Colour c = colourOf(w[0]);
    if (w[1] == 'h') {
      houseGiven[static_cast<std::size_t>(index(c))] = true;
      for (int k = 1; k <= 4; ++k) {
        takeFromHouse(s, c, k);
      }
      int k = 0;
      for (char ch : w.substr(2)) {
        k = ch == '+' ? k : ch - '0';
        s.setShown(HausVoll(c, k), true);
        s.setShown(HausLeer(c, k), ch == '+');
      }
      continue;
    }
    ++out[static_cast<std::size_t>(index(c))];
    if (w[1] == 'z') {
      placeInGoal(s, c, std::stoi(w.substr(2)));
    } else {
      place(s, c, std::stoi(w.substr(1)));
      s.setShown(Feld(std::stoi(w.substr(1))), w.back() == '+');
    }
  }
  for (Colour c : kColours) {
    const auto i = static_cast<std::size_t>(index(c));
    for (int n = 0; n < out[i] && !houseGiven[i]; ++n) {
      takeFromHouse(s, c, info(c).fillOrder[static_cast<std::size_t>(3 - n)]);
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
    for (int k = 1; k <= 4; ++k) {
      d += s.isShown(ZielVoll(c, k)) ? " " + letter + "z" + std::to_string(k) : "";
    }
  }
  return d.empty() ? d : d.substr(1);
}

}  // namespace quivalo::testing

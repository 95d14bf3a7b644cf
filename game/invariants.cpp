// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/invariants.h"

namespace quivalo {

int pieceCount(const State& s, Colour c) {
  int n = 0;
  for (int k = 1; k <= 4; ++k) {
    n += s.isShown(HausVoll(c, k)) ? 1 : 0;
    n += s.isShown(ZielVoll(c, k)) ? 1 : 0;
  }
  for (int f = 1; f <= 40; ++f) {
    n += s.isShown(Stein(c, f)) ? 1 : 0;
  }
  return n;
}

std::vector<std::string> checkInvariants(const State& s) {
  std::vector<std::string> bad;
  auto fail = [&bad](std::string text) { bad.push_back(std::move(text)); };

  for (Colour c : kColours) {
    if (const int n = pieceCount(s, c); n != 4) {
      fail(std::string(info(c).word) + " has " + std::to_string(n) + " pieces");
    }
  }
  for (std::size_t i = 1; i < s.Spielfeld.size(); ++i) {
    if (static_cast<int>(s.Spielfeld[i]) > static_cast<int>(Cell::Rot)) {
      fail("Spielfeld[" + std::to_string(i) + "] holds no cell code");
    }
  }
  for (int f = 1; f <= 40; ++f) {
    int pieces = 0;
    for (Colour c : kColours) {
      const bool piece = s.isShown(Stein(c, f));
      pieces += piece ? 1 : 0;
      if (piece != (s.cell(f) == info(c).code)) {
        fail("Spielfeld[" + std::to_string(f) + "] = " + std::string(cellName(s.cell(f))) +
             " disagrees with " + imageName(Stein(c, f)));
      }
    }
    if (pieces > 1) {
      fail("field " + std::to_string(f) + " shows pieces of two colours");
    }
    if (pieces == 0 && !s.isShown(Feld(f))) {
      fail("field " + std::to_string(f) + " shows nothing");
    }
  }
  for (Colour c : kColours) {
    for (int k = 1; k <= 4; ++k) {
      const int cell = info(c).goalCell1 + k - 1;
      const bool full = s.isShown(ZielVoll(c, k));
      if (s.cell(cell) != (full ? info(c).code : Cell::Leer)) {
        fail("Spielfeld[" + std::to_string(cell) + "] = " + std::string(cellName(s.cell(cell))) +
             " disagrees with " + imageName(ZielVoll(c, k)));
      }
      if (!full && !s.isShown(ZielLeer(c, k))) {
        fail(imageName(ZielLeer(c, k)) + " and its full image both hidden");
      }
      if (!s.isShown(HausVoll(c, k)) && !s.isShown(HausLeer(c, k))) {
        fail(imageName(HausLeer(c, k)) + " and its full image both hidden");
      }
    }
  }

  if (s.Werfer < 1 || s.Werfer > 4) {
    fail("Werfer = " + std::to_string(s.Werfer));
  } else {
    for (Colour c : kColours) {
      const bool should = playerNumber(c) == s.Werfer;
      if (s.Dran(c) != (should ? 1 : 0)) {
        fail(std::string(info(c).word) + "Dran = " + std::to_string(s.Dran(c)) +
             " with Werfer = " + std::to_string(s.Werfer));
      }
    }
  }
  if (s.Augen > 6) {
    fail("Augen = " + std::to_string(s.Augen));
  }
  if (s.Versuche > 3) {
    fail("Versuche = " + std::to_string(s.Versuche));
  }
  if (s.ErsterSchritt > 1) {
    fail("ErsterSchritt = " + std::to_string(s.ErsterSchritt));
  }
  if (s.Ueberlagert != 0) {
    fail("Ueberlagert = " + std::to_string(s.Ueberlagert) + " between moves");
  }
  int faces = 0;
  for (int n = 1; n <= 6; ++n) {
    faces += s.isShown(Zahl(n)) ? 1 : 0;
  }
  if (faces > 1) {
    fail(std::to_string(faces) + " die faces shown");
  }
  return bad;
}

}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
// The cells keyboard play offers: for every colour played by a person, every
// roll, and pieces in the house, on each of the 40 track fields and in each
// goal slot, exactly the cells whose mouse click would move a piece, each
// click tried on a copy of the game.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/fixture.h"
#include "ui/move_finder.h"

namespace quivalo {
namespace {

// The cells whose click moves a piece, one fresh copy of the game a click.
std::vector<int> clickedCells(const State& s) {
  std::vector<int> moving;
  for (std::size_t i = 0; i < boardCells().size(); ++i) {
    VirtualHost host;
    Game copy(host.platform());
    copy.state() = s;
    if (const auto top = topmostShown(s, boardCells()[i])) copy.click(*top);
    if (copy.state().Augen == 0) moving.push_back(static_cast<int>(i));
  }
  return moving;
}

TEST(MoveFinder, OffersExactlyTheCellsWhoseClickMovesAPiece) {
  ui::MoveFinder finder;
  VirtualHost host;
  const Game fresh(host.platform());
  for (Colour c : kColours) {
    const std::string x(1, "BRGN"[index(c)]);
    const std::string opponent(1, "BRGN"[(index(c) + 1) % 4]);
    std::vector<std::string> positions;
    for (int f = 1; f <= 10; ++f) {  // the four pieces on the track, ten fields apart
      std::string words = opponent + std::to_string(f + 5);
      for (int d = 0; d < 40; d += 10) words += " " + x + std::to_string(f + d);
      positions.push_back(words);
    }
    positions.push_back(x + "z1 " + x + "z2 " + x + "z3");  // one at home
    positions.push_back(x + "z1 " + x + "z3 " + x + std::to_string(info(c).start));
    for (const std::string& words : positions) {
      for (int pips = 1; pips <= 6; ++pips) {
        State s = fresh.state();
        testing::setUp(s, words);
        testing::turn(s, c, pips);
        s.SpielerMenu[c].Checked = true;
        std::vector<int> offered = finder.movableCells(s);
        std::sort(offered.begin(), offered.end());
        EXPECT_EQ(offered, clickedCells(s)) << words << ", " << info(c).word << " rolls " << pips;
      }
    }
  }
}

}  // namespace
}  // namespace quivalo

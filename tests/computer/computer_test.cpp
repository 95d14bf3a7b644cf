// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player sees every field of the track. Its choices in worked
// examples are a golden scenario (choices.scn).
#include <gtest/gtest.h>

#include "board/moves.h"
#include "board/path.h"
#include "computer/computer_player.h"
#include "game/turn_cycle.h"
#include "support/position.h"
#include "support/virtual_host.h"

namespace quivalo {
namespace {

// The computer player on its own, handed positions over the whole track, for
// every colour and the rolls 1 to 5, so that no field goes unseen: at
// "leicht" a lone piece anywhere moves as a person's click on it would, and
// at "schwer" the hunt finds an opponent anywhere before the goal approach
// can move the piece on the field before the last.
TEST(Computer, SeesEveryField) {
  VirtualHost host;
  State s;
  TurnCycle turns(s, host.platform());
  Moves moves(s, turns);
  ComputerPlayer computer(s, moves);
  const State start = s;
  // The position after a person's click on the piece on `field`, and after
  // the computer's move with the same roll instead.
  const auto clickAndMove = [&](const std::string& words, Colour c, int field, int pips,
                                bool schwer) {
    s = start;
    testing::setUp(s, words);
    testing::turn(s, c, pips);
    const State before = s;
    moves.SteinClick(c, field);
    const std::string clicked = testing::describe(s);
    s = before;
    computer.move(c, schwer);
    return std::pair{clicked, testing::describe(s)};
  };
  const auto word = [](Colour c, int f) { return "BRGN"[index(c)] + std::to_string(f); };
  for (Colour c : kColours) {
    const Colour prey = kColours[(index(c) + 1) % 4];
    const int decoy = pathField(c, 39);
    for (int f = 1; f <= 40; ++f) {
      for (int pips = 1; pips <= 5; ++pips) {
        const auto [clicked, moved] = clickAndMove(word(c, f), c, f, pips, false);
        EXPECT_EQ(moved, clicked) << word(c, f) << " rolls " << pips;
        // The hunter lands on the prey on f, unless it runs into its goal lane.
        const int hunter = f > pips ? f - pips : f - pips + 40;
        const std::string words = word(c, hunter) + " " + word(c, decoy) + " " + word(prey, f);
        if (hunter == decoy || f == decoy) continue;
        const auto [hunted, chosen] = clickAndMove(words, c, hunter, pips, true);
        if ((" " + hunted + " ").find(" " + word(c, f) + " ") == std::string::npos) continue;
        EXPECT_EQ(chosen, hunted) << words << ", " << info(c).word << " rolls " << pips;
      }
    }
  }
}

}  // namespace
}  // namespace quivalo

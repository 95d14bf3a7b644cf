// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player: the move it makes for a colour with the roll that
// waits, chosen by a fixed list of priorities. It reads the game's state and
// changes it only through the move handlers a person's click calls. One part
// of the game (computer/game.h), which rolls for it and ends its roll.
#pragma once

#include <cstdint>

#include "board/moves.h"
#include "game/state.h"

namespace quivalo {

class ComputerPlayer {
 public:
  // Plays on the position in `s`, which it only reads, by the handlers of `moves`.
  ComputerPlayer(const State& s, Moves& moves) : s_(s), moves_(moves) {}
  ComputerPlayer(const ComputerPlayer&) = delete;
  ComputerPlayer& operator=(const ComputerPlayer&) = delete;
  ~ComputerPlayer() = default;

  // Makes colour c's move with the roll in `Augen`, at strength "schwer" or
  // "leicht". Each priority offers its candidate moves in turn; a refused
  // candidate changes nothing, and once one is accepted `Augen` is 0 and
  // every later offer does nothing. `Augen` stays above 0 when no move was made.
  void move(Colour c, bool schwer);

 private:
  // The priorities, in the order they are tried. The bit sets hold bit f for
  // track field f.
  void emptyStartField(Colour c);
  void hunt(Colour c, std::uint64_t opponents);
  void approachGoal(Colour c);
  void leaveHouse(Colour c);
  void moveAnyPiece(Colour c, std::uint64_t own);

  const State& s_;
  Moves& moves_;
};

}  // namespace quivalo

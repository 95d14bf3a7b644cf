// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game, the top of the three rules layers: the state and turn cycle
// (TurnCycle, game/), the move rules on top of it (Moves, board/), and here the
// computer players with the four computer timers that drive them. A host (the
// Qt window or the deterministic test host) owns one Game and forwards clicks
// and timer events to it.
#pragma once

#include <cstdint>

#include "board/moves.h"

namespace quivalo {

class Game final : public Moves, public TimerTarget {
 public:
  using Moves::Moves;

  // ComputerBlau .. ComputerGreen: plays one roll for colour c by a fixed list
  // of priorities, through the same handlers a person's clicks would call.
  // Each priority offers its candidate moves in turn; a refused candidate
  // changes nothing, and once one is accepted `Augen` is 0 and every later
  // offer does nothing.
  void Computer(Colour c);

  // BlauTimerTimer .. GreenTimerTimer: one computer roll, 250 ms after arming.
  void ComputerTimerTimer(Colour c);

  // Runs the handler of a timer that has fired.
  void onTimer(TimerId timer) override;

 private:
  // The priorities of a computer roll, in the order they are tried. The bit
  // sets hold bit f for track field f.
  void emptyStartField(Colour c);
  void hunt(Colour c, std::uint64_t opponents);
  void approachGoal(Colour c);
  void leaveHouse(Colour c);
  void moveAnyPiece(Colour c, std::uint64_t own);
};

}  // namespace quivalo

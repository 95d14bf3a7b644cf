// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game, the top of the three rules layers: the state and turn cycle
// (TurnCycle, game/), the move rules on top of it (Moves, board/), and here the
// computer players with the four computer timers that drive them. A host (the
// Qt window or the deterministic test host) owns one Game and forwards clicks
// and timer events to it.
#pragma once

#include "board/moves.h"

namespace quivalo {

class Game final : public Moves, public TimerTarget {
 public:
  using Moves::Moves;

  // ComputerBlau .. ComputerGreen: plays one roll for colour c by a fixed list
  // of priorities, through the same handlers a person's clicks would call.
  void Computer(Colour c);
  void ComputerBlau() { Computer(Colour::Blau); }
  void ComputerRot() { Computer(Colour::Rot); }
  void ComputerGelb() { Computer(Colour::Gelb); }
  void ComputerGreen() { Computer(Colour::Green); }

  // BlauTimerTimer .. GreenTimerTimer: one computer roll, 250 ms after arming.
  void ComputerTimerTimer(Colour c);
  void BlauTimerTimer() { ComputerTimerTimer(Colour::Blau); }
  void RotTimerTimer() { ComputerTimerTimer(Colour::Rot); }
  void GelbTimerTimer() { ComputerTimerTimer(Colour::Gelb); }
  void GreenTimerTimer() { ComputerTimerTimer(Colour::Green); }

  // Runs the handler of a timer that has fired.
  void onTimer(TimerId timer) override;
};

// Track field at path position p (1 = start field, 40 = last track field).
constexpr int pathField(Colour c, int p) { return (info(c).start - 1 + p - 1) % 40 + 1; }

}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game: its state (game/state.h) and the parts that play by the
// rules on it, the turn cycle (game/turn_cycle.h), the move rules
// (board/moves.h) and the computer player (computer/computer_player.h), with
// the four computer timers that drive it. The game offers every handler
// under its own name; a host (the Qt window or the deterministic test host)
// owns one Game, forwards clicks and timer events to it and reads its state.
#pragma once

#include <functional>

#include "board/moves.h"
#include "computer/computer_player.h"
#include "game/platform.h"
#include "game/state.h"
#include "game/turn_cycle.h"

namespace quivalo {

class Game final : public TimerTarget {
 public:
  // Creates the game as the window does (TurnCycle).
  explicit Game(Platform platform);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;
  ~Game() override = default;

  const State& state() const { return state_; }
  // Sets up a position, for tests, tools and benchmarks: `edit` writes the
  // state directly, outside the rules, and the game goes on from there. The
  // turn's rolls are counted afresh from `Versuche`.
  void setUp(const std::function<void(State&)>& edit);

  // Turn cycle, house tidying and winner check, remarks, new game, settings
  // and help (game/turn_cycle.h).
  void FormCreate() { turns_.FormCreate(); }
  void NeuerWerfer() { turns_.NeuerWerfer(); }
  void WuerfelClick() { turns_.WuerfelClick(); }
  void KannNichtBtnClick() { turns_.KannNichtBtnClick(); }
  void Timer1Timer() { turns_.Timer1Timer(); }
  void Timer2Timer() { turns_.Timer2Timer(); }
  void Timer3Timer() { turns_.Timer3Timer(); }
  void Kommentar() { turns_.Kommentar(); }
  void Timer4Timer() { turns_.Timer4Timer(); }
  void Neu1Click() { turns_.Neu1Click(); }
  // SpielerMenu1Click .. SpielerMenu4Click.
  void SpielerMenuClick(Colour c) { turns_.SpielerMenuClick(c); }
  void leicht1Click() { turns_.leicht1Click(); }
  void schwer1Click() { turns_.schwer1Click(); }
  void Inhalt1Click() { turns_.Inhalt1Click(); }
  void Suchen1Click() { turns_.Suchen1Click(); }
  void Hilfebenutzen1Click() { turns_.Hilfebenutzen1Click(); }

  // The move rules (board/moves.h): SteinBlau1Click .. SteinGreen40Click,
  // ZielBlauVoll1Click .. ZielGreenVoll3Click, HausBlauVollClick ..
  // HausGreenVollClick, RausWurfBlau .. RausWurfGreen, and a person's click
  // on an image.
  void SteinClick(Colour c, int n) { moves_.SteinClick(c, n); }
  void ZielVollClick(Colour c, int k) { moves_.ZielVollClick(c, k); }
  void HausVollClick(Colour c, Image sender) { moves_.HausVollClick(c, sender); }
  void RausWurf(Colour mover, Image first, Image second, Image third) {
    moves_.RausWurf(mover, first, second, third);
  }
  void click(Image i) { moves_.click(i); }

  // ComputerBlau .. ComputerGreen: plays one roll for colour c: rolls, lets
  // the computer player move at the strength `schwer1` says, gives the roll
  // up if it made no move, and ends the roll at once.
  void Computer(Colour c);

  // BlauTimerTimer .. GreenTimerTimer: one computer roll, 250 ms after arming.
  void ComputerTimerTimer(Colour c);

  // Runs the handler of a timer that has fired.
  void onTimer(TimerId timer) override;

 private:
  // The parts work on state_ and are made after it, in this order.
  State state_;
  TurnCycle turns_;
  Moves moves_;
  ComputerPlayer computer_;
};

}  // namespace quivalo

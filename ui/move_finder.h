// SPDX-License-Identifier: GPL-3.0-or-later
// Which board cells a person may choose from the keyboard: those whose click
// would move a piece right now. The rules decide, by trying each click on a
// scratch copy of the game (a refused click changes nothing); the window
// keeps no move rules of its own.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "board/geometry.h"
#include "computer/game.h"

namespace quivalo::ui {

class MoveFinder {
 public:
  MoveFinder();
  MoveFinder(const MoveFinder&) = delete;
  MoveFinder& operator=(const MoveFinder&) = delete;

  // True while the colour to move is played by a person and its roll waits
  // to be used.
  static bool personRollWaits(const State& s);
  // True if a click on the cell would move a piece.
  bool wouldMove(const State& s, const BoardCell& cell);
  // The cells (indexes into boardCells()) whose click would move a piece, in
  // the order the pieces run: house, track from the start field, goal lane.
  std::vector<int> movableCells(const State& s);

 private:
  // The scratch game's world: a clock that stands still, and timers, message
  // and help that do nothing, so that a trial click reaches nothing outside.
  struct Still final : Clock, Timers, InfoDialog, HelpViewer {
    std::uint32_t msSinceMidnightUtc() override { return 0; }
    void start(TimerId /*timer*/, std::uint32_t /*ms*/) override {}
    void stop(TimerId /*timer*/) override {}
    void information(std::string_view /*text*/) override {}
    void help(HelpRequest /*request*/) override {}
  };
  Still still_;
  Game scratch_;
};

}  // namespace quivalo::ui

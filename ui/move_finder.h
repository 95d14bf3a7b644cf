// SPDX-License-Identifier: GPL-3.0-or-later
// Which board cells a person may choose from the keyboard: those whose click
// would move a piece right now. The move rules answer for each cell
// (Moves::wouldMove); the window keeps no move rules of its own.
#pragma once

#include <vector>

#include "board/geometry.h"
#include "game/state.h"

namespace quivalo::ui {

// True while the colour to move is played by a person and its roll waits to
// be used.
bool personRollWaits(const State& s);
// True if a click on the cell would move a piece.
bool wouldMove(const State& s, const BoardCell& cell);
// The cells (indexes into boardCells()) whose click would move a piece, in
// the order the pieces run: house, track from the start field, goal lane.
std::vector<int> movableCells(const State& s);

}  // namespace quivalo::ui

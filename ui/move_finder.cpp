// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/move_finder.h"

#include <algorithm>

#include "board/moves.h"
#include "board/path.h"

namespace quivalo::ui {

namespace {

// Where a cell lies along the way of the colour it is chosen for.
int placeOnTheWay(const BoardCell& cell, Colour c) {
  switch (cell.kind) {
    case CellKind::House:
      return cell.number;
    case CellKind::Track:
      return 10 + pathPosition(c, cell.number);
    case CellKind::Goal:
      break;
  }
  return 100 + cell.number;
}

}  // namespace

bool personRollWaits(const State& s) {
  if (s.Werfer < 1 || s.Werfer > 4) {
    return false;
  }
  const Colour c = colourOfPlayer(s.Werfer);
  return s.SpielerMenu[c].Checked && s.Augen != 0 && s.KannNichtBtnEnabled;
}

bool wouldMove(const State& s, const BoardCell& cell) {
  const std::optional<Image> top = topmostShown(s, cell);
  return top && Moves::wouldMove(s, *top);
}

std::vector<int> movableCells(const State& s) {
  std::vector<int> found;
  if (!personRollWaits(s)) {
    return found;
  }
  const auto& cells = boardCells();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (wouldMove(s, cells[i])) {
      found.push_back(static_cast<int>(i));
    }
  }
  const Colour mover = colourOfPlayer(s.Werfer);
  std::stable_sort(found.begin(), found.end(), [&cells, mover](int a, int b) {
    return placeOnTheWay(cells[static_cast<std::size_t>(a)], mover) <
           placeOnTheWay(cells[static_cast<std::size_t>(b)], mover);
  });
  return found;
}

}  // namespace quivalo::ui

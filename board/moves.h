// SPDX-License-Identifier: GPL-3.0-or-later
// The move rules: stepping along the track, leaving the house, knocking out,
// and moving inside the goal lane. Every move handler either carries out the
// whole move (leaving `Augen` at 0) or is refused and changes nothing.
#pragma once

#include "game/turn_cycle.h"

namespace quivalo {

class Moves : public TurnCycle {
 public:
  using TurnCycle::TurnCycle;

  // SteinBlau1Click .. SteinGreen40Click: one step of colour c's piece on
  // track field n, followed by the step from the field reached.
  void SteinClick(Colour c, int n);

  // ZielBlauVoll1Click .. ZielGreenVoll3Click: one step inside the goal lane
  // from slot k (1 to 3).
  void ZielVollClick(Colour c, int k);

  // HausBlauVollClick .. HausGreenVollClick: with a six, brings a piece out
  // of the house slot of `sender` (one of the colour's full-slot images).
  void HausVollClick(Colour c, Image sender);

  // RausWurfBlau .. RausWurfGreen, the knock-out routine of the moving
  // colour: on the last step of a move, sends each shown image home to the
  // house its argument position belongs to, with a remark.
  void RausWurf(Colour mover, Image first, Image second, Image third);

  // A person's click on an image: nothing if it is hidden or has no click
  // action, else its handler with that image as the sender.
  void click(Image i);

  // True if image i has a click action (pieces, full house slots, goal slots 1 to 3).
  static bool clickable(Image i);
};

}  // namespace quivalo

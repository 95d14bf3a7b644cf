// SPDX-License-Identifier: GPL-3.0-or-later
// The move rules: stepping along the track, leaving the house, knocking out,
// and moving inside the goal lane. Every move handler either carries out the
// whole move (leaving `Augen` at 0) or is refused and changes nothing. One
// part of the game (computer/game.h).
#pragma once

#include "game/events.h"
#include "game/platform.h"
#include "game/state.h"
#include "game/turn_cycle.h"

namespace quivalo {

class Moves {
 public:
  // The move rules work on `s` for as long as they live; a knock-out makes
  // its remark through `turns`. `events` follows the game, or is null.
  Moves(State& s, TurnCycle& turns, EventListener* events = nullptr);
  Moves(const Moves&) = delete;
  Moves& operator=(const Moves&) = delete;
  ~Moves() = default;

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

  // True if a person's click on image i would move a piece in state s: its
  // handler would accept the move. Asks the handlers' own tests and moves nothing.
  static bool wouldMove(const State& s, Image i);

 private:
  // One step of a move that has been accepted, and the steps after it: the
  // chain the handlers of the fields and slots reached would run.
  void trackSteps(Colour c, int n);
  void goalSteps(Colour c, int k);
  // Shows a full-slot image of colour c's house for a piece knocked out.
  void returnToHouse(Colour c);
  bool shown(Image i) const { return s_.isShown(i); }
  void show(Image i) { s_.setShown(i, true); }
  void hide(Image i) { s_.setShown(i, false); }
  // Tells the game's follower, if there is one, of the event `make` builds.
  template <typename Make>
  void report(Make make) const {
    quivalo::report(events_, make);
  }

  State& s_;
  TurnCycle& turns_;
  EventListener* events_;
};

}  // namespace quivalo

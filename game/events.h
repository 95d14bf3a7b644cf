// SPDX-License-Identifier: GPL-3.0-or-later
// What happened in a game, as the rules report it to whoever follows the game
// (an EventListener, game/platform.h): who rolled what, which piece came out
// or went where, who was knocked out, a roll given up, whose turn it is, who
// won, a new game. Each event carries what a list of the game's happenings
// shows, and no more.
#pragma once

#include <cstdint>
#include <variant>

#include "game/state.h"

namespace quivalo {

// Where a moving piece stands: a track field (1 to 40) or a slot of its
// colour's goal lane (1 to 4).
struct Place {
  enum class Area : std::uint8_t { Track, Goal };
  Area area;
  int number;
};

// A roll of the die: its pips, the roll's number in the turn (1, 2, ...) and
// the rolls the turn began with (1, or 3 when no piece could move; each six
// earns one more).
struct Rolled {
  Colour colour;
  int pips;
  int roll;
  int rolls;
};

// A piece left house slot `slot` for the colour's start field.
struct CameOut {
  Colour colour;
  int slot;
};

// A piece moved, along the track, into the goal lane or inside it.
struct Moved {
  Colour colour;
  Place from;
  Place to;
};

// A piece of `colour` on track field `field` was sent home by a piece of `by`.
struct KnockedOut {
  Colour colour;
  Colour by;
  int field;
};

// A roll of `pips` given up with "Kann nicht": by a person, or by the
// computer when it found no move.
struct GaveUp {
  Colour colour;
  int pips;
};

// The turn passed to `colour`, with 1 roll or 3.
struct TurnPassed {
  Colour colour;
  int rolls;
};

struct Won {
  Colour colour;
};

struct NewGame {};

using Event = std::variant<Rolled, CameOut, Moved, KnockedOut, GaveUp, TurnPassed, Won, NewGame>;

// One handler a kind of event, for std::visit: Overloaded{[](const Rolled&) {...}, ...}.
template <typename... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
// The consistency check that tests, tools and the soak run after every event.
#pragma once

#include <string>
#include <vector>

#include "game/state.h"

namespace quivalo {

// Pieces of colour c on the board: full house slots, track images, full goal slots.
int pieceCount(const State& s, Colour c);

// Everything that must hold between events; one line per violation, empty if none.
std::vector<std::string> checkInvariants(const State& s);

}  // namespace quivalo

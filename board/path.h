// SPDX-License-Identifier: GPL-3.0-or-later
// A colour's own way round the track, counted in path positions: position 1
// is its start field, position 40 its last track field, after which its
// pieces enter the goal lane. Blau's way is fields 1 to 40; the others' ways
// run on from field 40 to field 1.
#pragma once

#include "game/state.h"

namespace quivalo {

// Track field at path position p (1 to 40) of colour c.
constexpr int pathField(Colour c, int p) { return (info(c).start - 1 + p - 1) % 40 + 1; }

// Path position (1 to 40) of track field n for colour c.
constexpr int pathPosition(Colour c, int n) { return (n - info(c).start + 40) % 40 + 1; }

}  // namespace quivalo

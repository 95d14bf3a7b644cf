// SPDX-License-Identifier: GPL-3.0-or-later
// The consistency check that every kind of test runs after every event.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "game/state.h"
#include "support/virtual_host.h"

namespace quivalo {

// Everything that must hold in the state between events: four pieces a colour,
// the board array agreeing with the images, one colour to move, a pending roll
// that can be given up, the captions and marks agreeing with the settings, and
// a won game standing still. One line per violation.
std::vector<std::string> checkInvariants(const State& s);

// checkInvariants, plus what lies between the rules and the host: a pending
// roll ends through Timer1, each timer runs with the interval the rules set,
// and since the last "Neu" at most one congratulation, which names a colour
// whose goal lane is full.
std::vector<std::string> checkWithHost(const State& s, const VirtualHost& host,
                                       std::size_t dialogsAtNeu);

}  // namespace quivalo

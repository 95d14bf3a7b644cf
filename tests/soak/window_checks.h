// SPDX-License-Identifier: GPL-3.0-or-later
// Checks beyond the rules' own consistency check, shared by the soak and the
// event fuzzer: what the window shows and the timers the host runs must stay
// in step with the rules' state after every event.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "game/state.h"
#include "game/virtual_host.h"

namespace quivalo::soak {

// The rules' consistency check plus the window-state checks; one line per
// violation. `congratulationsSinceNeu` counts the winner's messages since the
// last "Neu" (or since the start).
std::vector<std::string> checkAll(const State& s, const VirtualHost& host,
                                  std::size_t congratulationsSinceNeu);

}  // namespace quivalo::soak

// SPDX-License-Identifier: GPL-3.0-or-later
// The handlers and routines a scenario can call by name, with the number of
// image arguments each takes.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "computer/game.h"

namespace quivalo::scenario {

// Runs routine `name` on the game with the given image arguments. Throws
// ScenarioError for an unknown name or a wrong number of arguments, and for
// an argument that names no image.
void callRoutine(Game& game, std::string_view name, std::span<const std::string_view> arguments);

// Every routine name, in a fixed order (for the help text and the tests).
std::vector<std::string_view> routineNames();

}  // namespace quivalo::scenario

// SPDX-License-Identifier: GPL-3.0-or-later
// A game on the deterministic host for GoogleTest, with the positions of
// position.h.
#pragma once

#include <gtest/gtest.h>

#include "computer/game.h"
#include "support/position.h"
#include "support/virtual_host.h"

namespace quivalo::testing {

class GameTest : public ::testing::Test {
 protected:
  GameTest() : game(host.platform()) { host.setTarget(&game); }

  State& s() { return game.state(); }

  VirtualHost host;
  Game game;
};

}  // namespace quivalo::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// A game on the deterministic host for GoogleTest, with the positions of
// position.h and the consistency check.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "computer/game.h"
#include "game/virtual_host.h"
#include "support/check.h"
#include "support/position.h"

namespace quivalo::testing {

class GameTest : public ::testing::Test {
 protected:
  GameTest() : game(host.platform()) { host.setTarget(&game); }

  State& s() { return game.state(); }

  void expectConsistent() {
    const auto bad = checkInvariants(s());
    EXPECT_TRUE(bad.empty()) << (bad.empty() ? std::string() : bad.front());
  }

  VirtualHost host;
  Game game;
};

}  // namespace quivalo::testing

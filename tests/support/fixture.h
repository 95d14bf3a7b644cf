// SPDX-License-Identifier: GPL-3.0-or-later
// A game on the deterministic host for GoogleTest, with the positions of
// position.h and the consistency check; and the tables of worked examples.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "computer/game.h"
#include "support/check.h"
#include "support/position.h"
#include "support/virtual_host.h"

namespace quivalo::testing {

// The rows of a table file under tests/: cells between '|', trimmed, missing
// ones empty; blank lines and lines starting with '#' are left out.
using Row = std::vector<std::string>;
inline std::vector<Row> readTable(const std::string& name, std::size_t columns) {
  std::ifstream in(QUIVALO_TESTS_DIR "/" + name);
  if (!in) throw std::runtime_error("cannot read " + name);
  std::vector<Row> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    Row& row = rows.emplace_back();
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '|');) {
      const auto from = cell.find_first_not_of(' ');
      row.push_back(from == cell.npos ? ""
                                      : cell.substr(from, cell.find_last_not_of(' ') - from + 1));
    }
    row.resize(columns);
  }
  return rows;
}

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

// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario runner: one game on the deterministic host (no jitter), driven
// line by line. The game starts as the program does: images at their creation
// values, Timer2, Timer3 and Timer4 started, FormCreate run, time of day 0.
#pragma once

#include <iosfwd>
#include <string_view>

#include "computer/game.h"
#include "game/virtual_host.h"

namespace quivalo::scenario {

class Runner {
 public:
  Runner();
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;
  ~Runner() = default;

  // Runs one scenario line; `print` and `dump` write to `out`. Blank lines and
  // comments do nothing. Throws ScenarioError for a bad line, before any part
  // of it has taken effect.
  void execute(std::string_view line, std::ostream& out);

  Game& game() { return game_; }
  VirtualHost& host() { return host_; }

 private:
  void set(std::string_view name, std::string_view value);
  void print(std::string_view name, std::ostream& out);

  VirtualHost host_;
  Game game_;
};

// Runs a whole scenario from `in`. Returns 0, or 2 after writing
// "LINE: message" to `err` for the first bad line (nothing after it runs).
int runScenario(std::istream& in, std::ostream& out, std::ostream& err);

// The usage text of the command-line tool.
std::string_view usageText();

}  // namespace quivalo::scenario

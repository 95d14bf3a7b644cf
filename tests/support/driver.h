// SPDX-License-Identifier: GPL-3.0-or-later
// The event driver: a game on the deterministic host moved on by the events
// that the soak draws from, with a
// scripted person at the window.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "computer/game.h"
#include "support/check.h"
#include "support/virtual_host.h"

namespace quivalo::testing {

inline constexpr std::uint64_t kNever = UINT64_MAX;

// A fast, well-mixed generator (splitmix64) for the world around the game:
// timer delays and the scripted person. The game's own die is `draw`.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint64_t below(std::uint64_t n) { return next() % n; }
  std::uint64_t between(std::uint64_t lo, std::uint64_t hi) { return lo + below(hi - lo + 1); }
  bool chance(std::uint64_t perMille) { return below(1000) < perMille; }

 private:
  std::uint64_t state_;
};

// What can happen at the window; timer firings are events too.
enum class Action : std::uint8_t {
  Timer,       // a running timer fires (arg: timer)
  Roll,        // the dice button, if enabled
  KannNicht,   // "Kann nicht", if enabled
  Move,        // a person's move: the mover's images clicked round from one (arg: which)
  ClickImage,  // a click on a board image (arg: image)
  ClickCell,   // a click on a board cell, delivered to its topmost shown image (arg: cell)
  Menu,        // a menu command (arg: index into kMenu)
};
// The menu commands by their items' names, in the order of the menus.
inline constexpr std::array<std::string_view, 10> kMenu{
    "Neu1",    "SpielerMenu1", "SpielerMenu2", "SpielerMenu3", "SpielerMenu4",
    "leicht1", "schwer1",      "Inhalt1",      "Suchen1",      "Hilfebenutzen1"};
inline constexpr int kMoveImages = 47;  // four house slots, goal slots 1 to 3, 40 fields

class Driver final : public TimerTarget {
 public:
  // Every timer start and firing comes 0 to maxJitterMs late, drawn from `seed`.
  Driver(std::uint32_t maxJitterMs, std::uint64_t seed);

  const State& s() const { return game.state(); }
  // Through the menu as a person sets a game up: bit i of `persons` makes
  // player i + 1 a person, then the strength; the clock, and "Neu" if asked.
  void setUp(unsigned persons, bool leicht, std::uint32_t timeOfDay, bool neu);
  // Applies one event as the window would: the buttons only while enabled.
  void apply(Action a, int arg = 0);
  void onTimer(TimerId timer) override;
  // One event: the next timer or the scripted person, whichever is due
  // first, if not after `until`; else time moves on to `until` and the result
  // is false, as it is when nothing would ever happen again.
  bool step(std::uint64_t until = kNever);

  bool won() const { return host.dialogs().size() > dialogsAtNeu_; }
  bool computerArmed() const;
  std::vector<std::string> check() const { return checkWithHost(s(), host, dialogsAtNeu_); }

  VirtualHost host;
  Game game;
  Rng rng;
  // The person steps in whenever no computer timer will: rolls after
  // personMinMs to personMaxMs when the game waits at the dice button, and
  // with a pending roll moves after up to personMaxMs, else "Kann nicht".
  std::uint64_t personMinMs = 300;
  std::uint64_t personMaxMs = 600;
  std::function<void(Action, int)> afterEvent;

 private:
  void done(Action a, int arg);

  std::size_t dialogsAtNeu_ = 0;
  Action planned_ = Action::Timer;  // Roll or Move; Timer for nothing
  std::uint64_t personAt_ = kNever;
};

}  // namespace quivalo::testing

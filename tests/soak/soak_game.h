// SPDX-License-Identifier: GPL-3.0-or-later
// One soak game: a whole game on the deterministic host with a seeded mix of
// scripted persons, computer colours at both strengths and random
// interference from the window (clicks, menu commands, the two buttons), with
// the consistency check after every event.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace quivalo::soak {

// splitmix64: small, fast and good enough to drive the soak.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A value in 0..n-1 (n > 0).
  std::uint64_t below(std::uint64_t n) { return next() % n; }
  // A value in lo..hi.
  std::uint64_t between(std::uint64_t lo, std::uint64_t hi) { return lo + below(hi - lo + 1); }
  // True with probability perMille / 1000.
  bool chance(std::uint64_t perMille) { return below(1000) < perMille; }

 private:
  std::uint64_t state_;
};

// The seed of game number `game` of a run started with `seed`.
std::uint64_t gameSeed(std::uint64_t seed, std::uint64_t game);

// What a person, the menus or the soak itself did; timer firings are events too.
enum class Action : std::uint8_t {
  Timer,           // a timer fired (arg: timer)
  Wuerfel,         // the dice button, by a person at the game's turn
  WuerfelBetween,  // the dice button, by a person while a computer timer was armed
  Move,            // a scripted person's move with the pending roll (arg: 1 if a move was made)
  KannNicht,       // the "Kann nicht" button
  ClickImage,      // a click on a named board image (arg: image)
  ClickCell,       // a click on a board cell, delivered to its topmost shown image (arg: cell)
  SpielerMenu,     // a player item (arg: colour)
  Leicht,
  Schwer,
  Neu,         // "Neu" at a random moment (or to set up and after a win)
  NeuMidRoll,  // "Neu" while a person's roll is pending
  NeuInChain,  // "Neu" while a computer timer is armed
  Help,        // Inhalt, Suchen or Hilfe benutzen (arg: 0, 1, 2)
  Count
};
inline constexpr std::size_t kActionCount = static_cast<std::size_t>(Action::Count);
const char* actionName(Action a);

struct Limits {
  std::uint64_t maxRolls = 20'000;  // a game still running after this many rolls is cut off
  std::uint64_t maxVirtualMs = 24ull * 3'600'000;  // or after this much virtual time
};

// What one game did.
struct GameReport {
  bool complete = false;     // reached a congratulation
  int winner = -1;           // colour index of the congratulated colour
  std::uint64_t rolls = 0;   // rolls of the whole game, restarts included
  std::uint64_t events = 0;  // events checked
  std::uint64_t virtualMs = 0;
  std::uint64_t restarts = 0;    // "Neu" during play, before the congratulation
  bool afterWinChecked = false;  // the game was kept running after its win and restarted
  std::array<std::uint64_t, kActionCount> actions{};
  std::vector<std::string> violations;  // empty when all was well
};

// Shared with a watchdog: bumped after every event.
struct Progress {
  std::atomic<std::uint64_t> events{0};
};

// Plays game number `game` of the run with seed `seed`. With `trace` set,
// every event is written there as it happens.
GameReport playSoakGame(std::uint64_t seed, std::uint64_t game, const Limits& limits,
                        Progress& progress, std::ostream* trace);

}  // namespace quivalo::soak

// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games on the deterministic host, for tests, the soak and benchmarks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "computer/game.h"
#include "game/virtual_host.h"

namespace quivalo {

enum class PlayerKind : std::uint8_t { Person, Computer };

struct HeadlessOptions {
  std::uint32_t startTimeOfDay = 0;  // ms since midnight when the new game starts
  std::array<PlayerKind, 4> players{PlayerKind::Computer, PlayerKind::Computer,
                                    PlayerKind::Computer, PlayerKind::Computer};
  bool schwer = true;
  std::uint32_t maxJitterMs = 0;  // timer firings come up to this late
  std::uint64_t seed = 1;         // for the jitter and the scripted persons
  std::uint64_t maxRolls = 100'000;
  // A scripted person waits between personDelayMs and twice that before a
  // roll, drawn afresh each time: people do not roll on the millisecond.
  std::uint32_t personDelayMs = 300;
  // Called after every event (timer firing or person action), if set.
  std::function<void(const Game&, const VirtualHost&)> afterEvent;
};

struct HeadlessResult {
  std::optional<Colour> winner;  // none if the roll cap was reached first
  std::uint64_t rolls = 0;
  std::uint64_t knockOuts = 0;
  std::uint64_t events = 0;
  std::uint64_t virtualMs = 0;
};

// Plays one game: the player items and strength are set, a new game is
// started at the given time of day, and time runs until a winner is
// congratulated or the roll cap is reached. Persons are played by a script
// that rolls after a pause and clicks its colour's pieces in a seeded order.
HeadlessResult playHeadless(const HeadlessOptions& options);

// The images of colour c that a person may click to move a piece: its four
// house slots, goal slots 1 to 3 and its piece on each track field.
std::vector<Image> moveImages(Colour c);

// A scripted person's move with the current roll: clicks the colour's
// clickable shown images in an order drawn from `rng` until one is accepted,
// else gives up. Returns true if a move was made.
bool personMove(Game& game, Colour c, std::uint64_t& rng);

// The winner named in a congratulation text.
std::optional<Colour> winnerOf(std::string_view congratulation);

}  // namespace quivalo

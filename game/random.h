// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one random generator: a 32-bit seed, reseeded from the time of
// day before every use, so each draw is a function of the millisecond it is made.
#pragma once

#include <cstdint>

namespace quivalo {

// Milliseconds since midnight UTC, from hour, minute, second and millisecond.
constexpr std::uint32_t msOfDay(std::uint32_t h, std::uint32_t m, std::uint32_t s,
                                std::uint32_t ms) {
  return ((h * 60 + m) * 60 + s) * 1000 + ms;
}

// Advances the seed and yields a value in 0..n-1 (the upper half of seed * n).
constexpr std::uint32_t draw(std::uint32_t& seed, std::uint32_t n) {
  seed = seed * 134775813u + 1u;
  return static_cast<std::uint32_t>((std::uint64_t{seed} * n) >> 32);
}

// A fast, well-mixed generator for the hosts and tools that model the world
// around the game (timer delays, scripted persons); the game's own die is
// `draw` above.
constexpr std::uint64_t splitmix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace quivalo

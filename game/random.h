// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one random generator: a 32-bit seed, reseeded from the time of
// day before every use, so each draw is a function of the millisecond it is made.
#pragma once

#include <cstdint>

namespace quivalo {

// Advances the seed and yields a value in 0..n-1 (the upper half of seed * n).
constexpr std::uint32_t draw(std::uint32_t& seed, std::uint32_t n) {
  seed = seed * 134775813u + 1u;
  return static_cast<std::uint32_t>((std::uint64_t{seed} * n) >> 32);
}

}  // namespace quivalo

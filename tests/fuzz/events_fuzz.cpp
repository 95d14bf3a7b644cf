// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the input is a sequence of window events applied to a
// game on the deterministic host; the consistency check runs after every
// event, timer firings included, and any violation aborts.
//
// Layout: four header bytes, then operations, each an opcode byte (taken
// modulo 13) and its operand bytes; missing bytes read as 0.
//   header: host jitter (b0 % 41 ms); players and strength (bit k of b1: colour
//           k+1 played by a person; bit 4: "leicht"; bit 5: start with "Neu");
//           time of day from b2 and b3
//   0 click on a named board image (2 bytes: index % 264)
//   1 click on a board cell, delivered to its topmost shown image (1 byte: cell % 72)
//   2 the dice button, if enabled          3 "Kann nicht", if enabled
//   4 a menu command (1 byte % 11: Neu, players 1-4, leicht, schwer, Inhalt,
//     Suchen, Hilfe benutzen, Beenden; Beenden ends the input)
//   5 a running timer fires now (1 byte: timer % 8)
//   6 the clock jumps (4 bytes: time of day)
//   7 time moves on (2 bytes: ms % 8192)  8 the next due timer fires
//   9 a person's move: the mover's own pieces clicked from an offset (1 byte)
//   10 the clock is set so that a roll gives 1 byte % 6 + 1, then the dice button
//   11 time moves on (1 byte: ms)
//   12 time runs until nobody but a person can go on (at most 60 s)
#include <cstdio>
#include <cstdlib>

#include "support/driver.h"
#include "support/position.h"

using namespace quivalo;
using namespace quivalo::testing;

// Virtual time one input may spend, so that every input runs quickly.
constexpr std::uint64_t kMaxVirtualMs = 3 * 60'000;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::size_t pos = 0;
  auto byte = [&]() -> std::uint32_t { return pos < size ? data[pos++] : 0; };
  auto u16 = [&] { return (byte() << 8) | byte(); };
  Driver d(byte() % 41, 0x5EED);
  d.afterEvent = [&d](Action a, int arg) {
    for (const std::string& bad : d.check()) {
      std::fprintf(stderr, "after action %d (%d) at %llu ms: %s\n", int(a), arg,
                   static_cast<unsigned long long>(d.host.now()), bad.c_str());
      std::abort();
    }
  };
  const std::uint32_t players = byte();
  d.setUp(players & 0xFu, players & 0x10u, u16() * 1'319u, players & 0x20u);
  while (pos < size) {
    switch (const std::uint32_t op = byte() % 13; op) {
      case 0:
        d.apply(Action::ClickImage, static_cast<int>(u16()));
        break;
      case 1:
      case 5:
      case 9:
        d.apply(op == 1   ? Action::ClickCell
                : op == 5 ? Action::Timer
                          : Action::Move,
                static_cast<int>(byte()));
        break;
      case 2:
      case 3:
        d.apply(op == 2 ? Action::Roll : Action::KannNicht);
        break;
      case 4: {
        const std::uint32_t item = byte() % 11;
        if (item == 10) return 0;  // Beenden
        d.apply(Action::Menu, static_cast<int>(item));
        break;
      }
      case 6:
        d.host.setTimeOfDay(((u16() << 16) | u16()) % VirtualHost::kDayMs);
        break;
      case 7:
      case 11: {
        const std::uint64_t ms = op == 7 ? u16() % 8'192 : byte();
        d.host.advance(std::min(ms, kMaxVirtualMs - std::min(kMaxVirtualMs, d.host.now())));
        break;
      }
      case 8:
        d.host.fireNext(kMaxVirtualMs);
        break;
      case 10: {
        const int pips = static_cast<int>(byte() % 6) + 1;
        const std::uint32_t t = timeForDie(pips, d.host.timeOfDay());
        d.host.setTimeOfDay(t < VirtualHost::kDayMs ? t : timeForDie(pips));
        d.apply(Action::Roll);
        break;
      }
      default: {
        const std::uint64_t end = std::min(d.host.now() + 60'000, kMaxVirtualMs);
        while (!d.personWaits() && d.host.fireNext(end)) {
        }
      }
    }
  }
  return 0;
}

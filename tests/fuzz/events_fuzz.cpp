// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the input is a sequence of window events applied to a
// game on the deterministic host; the consistency check runs after every
// event, timer firings included, and any violation aborts.
//
// Layout: four header bytes, then operations, each an opcode byte (taken
// modulo kOpCount) and its operand bytes; missing bytes read as 0.
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
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "computer/game.h"
#include "game/random.h"
#include "game/virtual_host.h"
#include "soak/window_checks.h"

namespace {

using namespace quivalo;

constexpr int kOpCount = 13;
// Virtual time one input may spend, so that every input runs quickly.
constexpr std::uint64_t kMaxVirtualMs = 3 * 60'000;

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  std::uint32_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::uint32_t u16() { return (byte() << 8) | byte(); }
  std::uint32_t u32() { return (u16() << 16) | u16(); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

class Run final : public TimerTarget {
 public:
  explicit Run(std::uint32_t jitter) : host_(jitter, 0x5EED), game_(host_.platform()) {
    host_.setTarget(this);
  }

  void onTimer(TimerId timer) override {
    game_.onTimer(timer);
    check(timerName(timer));
  }

  void play(Bytes& in);
  // One line on what the input did, for looking at seeds.
  void summary() const {
    std::fprintf(stderr, "rolls %llu, virtual %llu ms, congratulations %zu, Werfer %d\n",
                 static_cast<unsigned long long>(game_.stats().rolls),
                 static_cast<unsigned long long>(host_.now()), host_.dialogs().size(),
                 int(s().Werfer));
  }

 private:
  const State& s() const { return game_.state(); }
  void check(std::string_view event);
  void advance(std::uint64_t ms);
  void neu();
  bool personWaits() const;

  VirtualHost host_;
  Game game_;
  std::size_t dialogsAtNeu_ = 0;
};

void Run::check(std::string_view event) {
  const auto bad = soak::checkAll(s(), host_, host_.dialogs().size() - dialogsAtNeu_);
  if (bad.empty()) {
    return;
  }
  std::fprintf(stderr, "violation after %.*s at t=%llu:\n", static_cast<int>(event.size()),
               event.data(), static_cast<unsigned long long>(host_.now()));
  for (const std::string& b : bad) {
    std::fprintf(stderr, "  %s\n", b.c_str());
  }
  std::abort();
}

void Run::advance(std::uint64_t ms) {
  const std::uint64_t room = host_.now() < kMaxVirtualMs ? kMaxVirtualMs - host_.now() : 0;
  host_.advance(ms < room ? ms : room);
}

void Run::neu() {
  dialogsAtNeu_ = host_.dialogs().size();
  game_.Neu1Click();
}

// No computer timer runs and the game waits at the dice button or for a move.
bool Run::personWaits() const {
  for (Colour c : kColours) {
    if (s().intervalOf(computerTimer(c)) != 0) {
      return false;
    }
  }
  return s().Augen != 0 || (s().WuerfelEnabled && s().intervalOf(TimerId::Timer1) == 0);
}

void Run::play(Bytes& in) {
  const std::uint32_t players = in.byte();
  const std::uint32_t tod = in.u16() * 1'319u;
  for (Colour c : kColours) {
    const bool person = (players >> index(c)) & 1u;
    if (s().SpielerMenu[static_cast<std::size_t>(index(c))].Checked != person) {
      game_.SpielerMenuClick(c);
    }
  }
  if (players & 0x10u) {
    game_.leicht1Click();
  }
  host_.setTimeOfDay(tod % VirtualHost::kDayMs);
  if (players & 0x20u) {
    neu();
  }
  check("set-up");

  while (!in.empty()) {
    const std::uint32_t op = in.byte() % kOpCount;
    switch (op) {
      case 0:
        game_.click(Image(in.u16() % kBoardImageCount));
        break;
      case 1:
        if (auto top = topmostShown(s(), boardCells()[in.byte() % kCellCount])) {
          game_.click(*top);
        }
        break;
      case 2:
        if (s().WuerfelEnabled) {
          game_.WuerfelClick();
        }
        break;
      case 3:
        if (s().KannNichtBtnEnabled) {
          game_.KannNichtBtnClick();
        }
        break;
      case 4:
        switch (const std::uint32_t item = in.byte() % 11; item) {
          case 0:
            neu();
            break;
          case 1:
          case 2:
          case 3:
          case 4:
            game_.SpielerMenuClick(colourOfPlayer(static_cast<int>(item)));
            break;
          case 5:
            game_.leicht1Click();
            break;
          case 6:
            game_.schwer1Click();
            break;
          case 7:
            game_.Inhalt1Click();
            break;
          case 8:
            game_.Suchen1Click();
            break;
          case 9:
            game_.Hilfebenutzen1Click();
            break;
          default:
            return;  // Beenden
        }
        break;
      case 5: {
        // A running timer may be the next to fire on a busy event loop.
        const auto t = TimerId(in.byte() % kTimerCount);
        if (s().intervalOf(t) != 0) {
          onTimer(t);
          continue;  // checked in onTimer
        }
        break;
      }
      case 6:
        host_.setTimeOfDay(in.u32() % VirtualHost::kDayMs);
        break;
      case 7:
        advance(in.u16() % 8'192);
        continue;  // every firing was checked
      case 8:
        if (host_.nextDue() <= kMaxVirtualMs) {
          host_.fireNext(kMaxVirtualMs);
        }
        continue;
      case 9: {
        const Colour c = colourOfPlayer(s().Werfer);
        const std::uint32_t offset = in.byte();
        for (std::uint32_t k = 0; k < 47 && s().Augen != 0; ++k) {
          const std::uint32_t j = (offset + k) % 47;
          game_.click(j < 4   ? HausVoll(c, int(j) + 1)
                      : j < 7 ? ZielVoll(c, int(j) - 3)
                              : Stein(c, int(j) - 6));
        }
        break;
      }
      case 10: {
        const std::uint32_t pips = in.byte() % 6 + 1;
        std::uint32_t t = host_.msSinceMidnightUtc();
        for (;;) {
          std::uint32_t seed = t;
          if (draw(seed, 6) + 1 == pips) {
            break;
          }
          t = (t + 1) % VirtualHost::kDayMs;
        }
        host_.setTimeOfDay(t);
        if (s().WuerfelEnabled) {
          game_.WuerfelClick();
        }
        break;
      }
      case 11:
        advance(in.byte());
        continue;
      default: {
        const std::uint64_t end = host_.now() + 60'000;
        while (!personWaits() && host_.now() < end && host_.now() < kMaxVirtualMs &&
               host_.fireNext(end)) {
        }
        continue;
      }
    }
    check("op " + std::to_string(op));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  Run run(in.byte() % 41);
  run.play(in);
  static const bool verbose = std::getenv("QUIVALO_FUZZ_VERBOSE") != nullptr;
  if (verbose) {
    run.summary();
  }
  return 0;
}

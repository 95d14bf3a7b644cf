// SPDX-License-Identifier: GPL-3.0-or-later
// The deterministic host of the tests, the scenario tool and the benchmarks:
// a virtual clock and a virtual timer queue that fires due timers in time
// order as time moves on, and a record of the messages and help requests.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/platform.h"

namespace quivalo {

class VirtualHost final : public Clock, public Timers, public InfoDialog, public HelpViewer {
 public:
  static constexpr std::uint32_t kDayMs = 86'400'000;

  Platform platform() { return {*this, *this, *this, *this}; }
  void setTarget(TimerTarget* target) { target_ = target; }

  // Virtual milliseconds since the host was made.
  std::uint64_t now() const { return now_; }
  // The time of day the rules read now.
  std::uint32_t timeOfDay() const { return std::uint32_t((now_ + dayOffset_) % kDayMs); }
  // Sets the time of day the rules read, without touching when timers fire.
  void setTimeOfDay(std::uint32_t ms) {
    dayOffset_ = (ms % kDayMs + kDayMs - now_ % kDayMs) % kDayMs;
  }
  // Fires the next timer due no later than `limit`; false if there is none.
  // Timers due together fire in table order.
  bool fireNext(std::uint64_t limit) {
    const auto i = std::size_t(std::min_element(due_.begin(), due_.end()) - due_.begin());
    if (due_[i] == kNever || due_[i] > limit) return false;
    now_ = due_[i];
    due_[i] = now_ + period_[i];
    if (target_ != nullptr) target_->onTimer(kTimers[i]);
    return true;
  }
  // Moves time on by ms, firing every timer that comes due, in time order.
  void advance(std::uint64_t ms) {
    const std::uint64_t end = now_ + ms;
    while (fireNext(end)) {
    }
    now_ = end;
  }

  const std::vector<std::string>& dialogs() const { return dialogs_; }
  const std::vector<HelpRequest>& helpRequests() const { return help_; }

  std::uint32_t msSinceMidnightUtc() override { return timeOfDay(); }
  void start(TimerId t, std::uint32_t ms) override {
    period_[at(t)] = ms;
    due_[at(t)] = now_ + ms;
  }
  void stop(TimerId t) override { due_[at(t)] = kNever; }
  void information(std::string_view text) override { dialogs_.emplace_back(text); }
  void help(HelpRequest request) override { help_.push_back(request); }

 private:
  static constexpr std::uint64_t kNever = UINT64_MAX;  // due time of a stopped timer

  std::array<std::uint32_t, kTimerCount> period_{};
  std::array<std::uint64_t, kTimerCount> due_ = [] {
    std::array<std::uint64_t, kTimerCount> never{};
    never.fill(kNever);
    return never;
  }();
  std::uint64_t now_ = 0;
  std::uint32_t dayOffset_ = 0;
  TimerTarget* target_ = nullptr;
  std::vector<std::string> dialogs_;
  std::vector<HelpRequest> help_;
};

}  // namespace quivalo

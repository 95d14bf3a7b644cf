// SPDX-License-Identifier: GPL-3.0-or-later
// The deterministic host of the tests, the scenario tool and the benchmarks:
// a virtual clock and a virtual timer queue that fires due timers in time
// order as time moves on, and a record of the messages and help requests.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/platform.h"

namespace quivalo {

class VirtualHost final : public Clock, public Timers, public InfoDialog, public HelpViewer {
 public:
  static constexpr std::uint32_t kDayMs = 86'400'000;

  // `lateness`, if given, tells how many ms late each start and each firing
  // comes, as on a busy event loop; without it every timer is punctual.
  explicit VirtualHost(std::function<std::uint64_t()> lateness = {})
      : lateness_(std::move(lateness)) {}

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
  // When the next timer is due, or UINT64_MAX when none runs.
  std::uint64_t nextDue() const { return *std::min_element(due_.begin(), due_.end()); }
  // Fires the next timer due no later than `limit`; false if there is none.
  // Timers due together fire in table order.
  bool fireNext(std::uint64_t limit) {
    const auto i = std::size_t(std::min_element(due_.begin(), due_.end()) - due_.begin());
    if (due_[i] == kNever || due_[i] > limit) return false;
    now_ = due_[i];
    due_[i] = now_ + period_[i] + late();
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

  // The period a timer runs with; 0 while it is stopped.
  std::uint32_t interval(TimerId t) const { return period_[at(t)]; }
  const std::vector<std::string>& dialogs() const { return dialogs_; }
  const std::vector<HelpRequest>& helpRequests() const { return help_; }
  // How often the rules have read the clock: once for each roll and for each
  // remark.
  std::uint64_t draws() const { return draws_; }

  std::uint32_t msSinceMidnightUtc() override {
    ++draws_;
    return timeOfDay();
  }
  void start(TimerId t, std::uint32_t ms) override {
    period_[at(t)] = ms;
    due_[at(t)] = now_ + ms + late();
  }
  void stop(TimerId t) override {
    period_[at(t)] = 0;
    due_[at(t)] = kNever;
  }
  void information(std::string_view text) override { dialogs_.emplace_back(text); }
  void help(HelpRequest request) override { help_.push_back(request); }

 private:
  static constexpr std::uint64_t kNever = UINT64_MAX;  // due time of a stopped timer
  std::uint64_t late() { return lateness_ ? lateness_() : 0; }

  std::array<std::uint32_t, kTimerCount> period_{};
  std::array<std::uint64_t, kTimerCount> due_ = [] {
    std::array<std::uint64_t, kTimerCount> never{};
    never.fill(kNever);
    return never;
  }();
  std::uint64_t now_ = 0;
  std::uint32_t dayOffset_ = 0;
  std::uint64_t draws_ = 0;
  std::function<std::uint64_t()> lateness_;
  TimerTarget* target_ = nullptr;
  std::vector<std::string> dialogs_;
  std::vector<HelpRequest> help_;
};

}  // namespace quivalo

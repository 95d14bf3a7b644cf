// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/virtual_host.h"

#include <utility>

namespace quivalo {

VirtualHost::VirtualHost(std::function<std::uint64_t()> lateness)
    : lateness_(std::move(lateness)) {}

void VirtualHost::setTimeOfDay(std::uint32_t ms) {
  const auto nowOfDay = static_cast<std::uint32_t>(now_ % kDayMs);
  dayOffset_ = (ms % kDayMs + kDayMs - nowOfDay) % kDayMs;
}

void VirtualHost::start(TimerId timer, std::uint32_t ms) {
  VirtualTimer& t = timers_[at(timer)];
  t.period = ms;
  t.due = now_ + ms + late();
}

void VirtualHost::stop(TimerId timer) { timers_[at(timer)] = VirtualTimer{}; }

void VirtualHost::information(std::string_view text) { dialogs_.emplace_back(text); }

void VirtualHost::help(HelpRequest request) { help_.push_back(request); }

std::uint64_t VirtualHost::nextDue() const {
  std::uint64_t best = kNever;
  for (const VirtualTimer& t : timers_) {
    best = t.due < best ? t.due : best;
  }
  return best;
}

bool VirtualHost::fireNext(std::uint64_t limit) {
  std::size_t which = 0;
  std::uint64_t best = timers_[0].due;
  for (std::size_t i = 1; i < timers_.size(); ++i) {
    // Strictly earlier wins, so timers due together fire in table order.
    if (timers_[i].due < best) {
      best = timers_[i].due;
      which = i;
    }
  }
  if (best == kNever || best > limit) {
    return false;
  }
  now_ = best;
  VirtualTimer& t = timers_[which];
  t.due = now_ + t.period + late();
  if (target_ != nullptr) {
    target_->onTimer(kTimers[which]);
  }
  return true;
}

void VirtualHost::advance(std::uint64_t ms) {
  const std::uint64_t end = now_ + ms;
  while (fireNext(end)) {
  }
  now_ = end;
}

}  // namespace quivalo

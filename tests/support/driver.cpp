// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/driver.h"

#include <algorithm>

#include "board/geometry.h"

namespace quivalo::testing {

namespace {

std::function<std::uint64_t()> lateness(std::uint32_t maxJitterMs, std::uint64_t seed) {
  if (maxJitterMs == 0) return {};
  return [rng = Rng(seed), maxJitterMs]() mutable { return rng.below(maxJitterMs + 1ull); };
}

}  // namespace

Driver::Driver(std::uint32_t maxJitterMs, std::uint64_t seed)
    : host(lateness(maxJitterMs, seed)), game(host.platform()), rng(seed ^ 0x5DEECE66Dull) {
  host.setTarget(this);
}

void Driver::setUp(unsigned persons, bool leicht, std::uint32_t timeOfDay, bool neu) {
  for (Colour c : kColours) {
    if (s().SpielerMenu[c].Checked != (((persons >> index(c)) & 1u) != 0)) {
      apply(Action::Menu, 1 + index(c));
    }
  }
  apply(Action::Menu, leicht ? 5 : 6);
  host.setTimeOfDay(timeOfDay % VirtualHost::kDayMs);
  if (neu) apply(Action::Menu, 0);
}

bool Driver::computerArmed() const {
  return std::any_of(kColours.begin(), kColours.end(),
                     [this](Colour c) { return s().intervalOf(computerTimer(c)) != 0; });
}

void Driver::apply(Action a, int arg) {
  const auto n = static_cast<std::size_t>(arg);
  switch (a) {
    case Action::Timer:  // timers fire through the host
      return;
    case Action::Roll:
      if (s().WuerfelEnabled) game.WuerfelClick();
      break;
    case Action::KannNicht:
      if (s().KannNichtBtnEnabled) game.KannNichtBtnClick();
      break;
    case Action::Move: {
      const Colour c = colourOfPlayer(s().Werfer);
      for (std::size_t k = 0; k < kMoveImages && s().Augen != 0; ++k) {
        const int j = static_cast<int>((n + k) % kMoveImages);
        game.click(j < 4 ? HausVoll(c, j + 1) : j < 7 ? ZielVoll(c, j - 3) : Stein(c, j - 6));
      }
      if (s().Augen != 0 && s().KannNichtBtnEnabled) game.KannNichtBtnClick();
      break;
    }
    case Action::ClickImage:
      game.click(Image(n % kBoardImageCount));
      break;
    case Action::ClickCell:
      if (auto top = topmostShown(s(), boardCells()[n % kCellCount])) game.click(*top);
      break;
    case Action::Menu: {
      const std::size_t item = n % kMenu.size();
      if (item == 0) {
        dialogsAtNeu_ = host.dialogs().size();
        game.Neu1Click();
      } else if (item <= 4) {
        game.SpielerMenuClick(kColours[item - 1]);
      } else {
        // The other handlers belong to the turn cycle and are called on it:
        // member pointers converted to the whole game trip the vptr sanitizer.
        static constexpr std::array<void (TurnCycle::*)(), 5> kHandlers{
            &TurnCycle::leicht1Click, &TurnCycle::schwer1Click, &TurnCycle::Inhalt1Click,
            &TurnCycle::Suchen1Click, &TurnCycle::Hilfebenutzen1Click};
        TurnCycle& cycle = game;
        (cycle.*kHandlers[item - 5])();
      }
      break;
    }
  }
  done(a, arg);
}

void Driver::onTimer(TimerId timer) {
  game.onTimer(timer);
  done(Action::Timer, static_cast<int>(timer));
}

// After every event the person looks again at what the game waits for.
void Driver::done(Action a, int arg) {
  const Action need = won() || computerArmed()                                     ? Action::Timer
                      : s().Augen != 0                                             ? Action::Move
                      : s().WuerfelEnabled && s().intervalOf(TimerId::Timer1) == 0 ? Action::Roll
                                                                                   : Action::Timer;
  if (need != planned_) {
    planned_ = need;
    personAt_ = need == Action::Timer  ? kNever
                : need == Action::Roll ? host.now() + rng.between(personMinMs, personMaxMs)
                                       : host.now() + rng.between(0, personMaxMs);
  }
  if (afterEvent) afterEvent(a, arg);
}

bool Driver::step(std::uint64_t until) {
  const std::uint64_t at = std::min(until, personAt_);
  if (host.nextDue() <= at && host.fireNext(kNever)) return true;  // reported through onTimer
  if (at == kNever) return false;
  host.advance(at - host.now());  // nothing is due before `at`
  if (until <= personAt_) return false;
  const Action a = planned_;
  planned_ = Action::Timer;
  personAt_ = kNever;
  apply(a, static_cast<int>(rng.below(kMoveImages)));
  return true;
}

}  // namespace quivalo::testing

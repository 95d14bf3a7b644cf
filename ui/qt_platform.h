// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of the seams the rules reach the world through: the system
// clock, the eight timers and the modal information box.
#pragma once

#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>

#include "game/platform.h"

class QWidget;

namespace quivalo::ui {

// Milliseconds since midnight, universal time, from the system clock.
class SystemClock final : public Clock {
 public:
  std::uint32_t msSinceMidnightUtc() override;
};

// The game's eight timers as QTimers, named as the rules name them
// ("Timer1", "BlauTimer"), with precise timing. The rules keep the timer
// convention and say only when to start afresh or stop, which is all a
// QTimer does well: its setInterval restarts a running timer even with the
// same interval, and a 0 makes it fire continuously.
class QtTimers final : public Timers {
 public:
  explicit QtTimers(QObject* parent);

  void start(TimerId timer, std::uint32_t ms) override;
  void stop(TimerId timer) override;
  QTimer* operator[](TimerId timer) const { return timers_[at(timer)]; }

 private:
  std::array<QTimer*, kTimerCount> timers_{};
};

// The winner's congratulation: a modal information box with one OK button,
// centred on the screen. Running timers keep firing while it is open.
class MessageBoxDialog final : public InfoDialog {
 public:
  // `beforeShow` runs just before the box opens, so the window can bring its
  // widgets up to date with the position the message is about.
  MessageBoxDialog(QWidget* parent, std::function<void()> beforeShow);

  void information(std::string_view text) override;

 private:
  QWidget* parent_;
  std::function<void()> beforeShow_;
};

}  // namespace quivalo::ui

// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of the seams the rules reach the world through: the system
// clock, eight timers under the rules' timer convention, and the modal
// information box.
#pragma once

#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "game/platform.h"

class QWidget;

namespace quivalo::ui {

// Milliseconds since midnight, universal time, from the system clock.
class SystemClock final : public Clock {
 public:
  std::uint32_t msSinceMidnightUtc() override;
};

// One QTimer that follows the rules' convention, which a bare QTimer does not:
// the interval it already has leaves it running undisturbed, 0 stops it, and
// any other value starts a fresh period.
class ConventionTimer {
 public:
  // The QTimer becomes a child of `parent`, named `name`, with precise timing.
  ConventionTimer(QObject* parent, const QString& name);
  ConventionTimer(const ConventionTimer&) = delete;
  ConventionTimer& operator=(const ConventionTimer&) = delete;

  void setInterval(std::uint32_t ms);
  // The interval last set; 0 while stopped.
  std::uint32_t interval() const { return interval_; }
  QTimer* timer() const { return timer_; }

 private:
  QTimer* timer_;
  std::uint32_t interval_ = 0;
};

// The game's eight timers, named as the rules name them ("Timer1", "BlauTimer").
class QtTimers final : public Timers {
 public:
  explicit QtTimers(QObject* parent);

  void setInterval(TimerId timer, std::uint32_t ms) override;
  ConventionTimer& operator[](TimerId timer);

 private:
  std::array<std::unique_ptr<ConventionTimer>, kTimerCount> timers_;
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

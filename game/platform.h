// SPDX-License-Identifier: GPL-3.0-or-later
// The small seams through which the rules reach the world outside: the clock,
// the timers, the information dialog, the help viewer, and whoever follows
// what happens in the game. The Qt window (ui/qt_platform.h, ui/help/) and the
// deterministic test host implement the first four; a follower is optional.
#pragma once

#include <cstdint>
#include <string_view>

#include "game/events.h"
#include "game/state.h"

namespace quivalo {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since midnight, universal time (0 to 86,399,999).
  virtual std::uint32_t msSinceMidnightUtc() = 0;
};

// The named timers of the host. The rules decide when a timer must start
// afresh or stop (TurnCycle::setInterval keeps the timer convention); the
// host only does it.
class Timers {
 public:
  virtual ~Timers() = default;
  // Starts a fresh period: the timer fires every `ms` (> 0) milliseconds from now.
  virtual void start(TimerId timer, std::uint32_t ms) = 0;
  virtual void stop(TimerId timer) = 0;
};

class InfoDialog {
 public:
  virtual ~InfoDialog() = default;
  // Shows a modal information message; returns when it has been closed.
  virtual void information(std::string_view text) = 0;
};

enum class HelpRequest : std::uint8_t { Contents, Search, HelpOnHelp };

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Serves one request for the game's help file; the answer is not used.
  virtual void help(HelpRequest request) = 0;
};

// Whatever runs the handler of a timer that has fired.
class TimerTarget {
 public:
  virtual ~TimerTarget() = default;
  virtual void onTimer(TimerId timer) = 0;
};

// Whoever follows the game: told of each event as the rules report it, in
// the order it happens, from inside the handler that made it happen.
class EventListener {
 public:
  virtual ~EventListener() = default;
  virtual void happened(const Event& event) = 0;
};

// Tells `listener`, if there is one, of the event `make` builds; without a
// listener nothing is built, so that a game nobody follows pays nothing.
template <typename Make>
void report(EventListener* listener, Make make) {
  if (listener != nullptr) {
    listener->happened(Event(make()));
  }
}

// The help file's name, looked up by the help viewer.
inline constexpr std::string_view kHelpFileName = QUIVALO_HELP_FILE_NAME;

struct Platform {
  Clock& clock;
  Timers& timers;
  InfoDialog& dialog;
  HelpViewer& help;
  // None by default: then the rules build no event at all.
  EventListener* events = nullptr;
};

}  // namespace quivalo

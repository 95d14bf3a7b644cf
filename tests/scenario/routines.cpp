// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario/routines.h"

#include <array>
#include <functional>
#include <map>
#include <string>

#include "scenario/line_parser.h"

namespace quivalo::scenario {

namespace {

using Action = std::function<void(Game&, std::span<const Image>)>;

struct Routine {
  std::size_t arity;  // number of image arguments
  Action run;
};

// The name -> routine table, built once. Names with a colour or a field or
// slot number are spelled out here, one entry per handler.
class RoutineTable {
 public:
  RoutineTable() {
    plain("FormCreate", &TurnCycle::FormCreate);
    plain("NeuerWerfer", &TurnCycle::NeuerWerfer);
    plain("WuerfelClick", &TurnCycle::WuerfelClick);
    plain("KannNichtBtnClick", &TurnCycle::KannNichtBtnClick);
    plain("Timer1Timer", &TurnCycle::Timer1Timer);
    plain("Timer2Timer", &TurnCycle::Timer2Timer);
    plain("Timer3Timer", &TurnCycle::Timer3Timer);
    plain("Timer4Timer", &TurnCycle::Timer4Timer);
    plain("Kommentar", &TurnCycle::Kommentar);
    plain("Neu1Click", &TurnCycle::Neu1Click);
    plain("leicht1Click", &TurnCycle::leicht1Click);
    plain("schwer1Click", &TurnCycle::schwer1Click);
    plain("Inhalt1Click", &TurnCycle::Inhalt1Click);
    plain("Suchen1Click", &TurnCycle::Suchen1Click);
    plain("Hilfebenutzen1Click", &TurnCycle::Hilfebenutzen1Click);
    for (Colour c : kColours) {
      const std::string word(info(c).word);
      const std::string number = std::to_string(playerNumber(c));
      add("SpielerMenu" + number + "Click", 0, [c](Game& g, auto) { g.SpielerMenuClick(c); });
      for (int n = 1; n <= 40; ++n) {
        add("Stein" + word + std::to_string(n) + "Click", 0,
            [c, n](Game& g, auto) { g.SteinClick(c, n); });
      }
      for (int k = 1; k <= 3; ++k) {
        add("Ziel" + word + "Voll" + std::to_string(k) + "Click", 0,
            [c, k](Game& g, auto) { g.ZielVollClick(c, k); });
      }
      add("Haus" + word + "VollClick", 1,
          [c](Game& g, std::span<const Image> a) { g.HausVollClick(c, a[0]); });
      add("RausWurf" + word, 3,
          [c](Game& g, std::span<const Image> a) { g.RausWurf(c, a[0], a[1], a[2]); });
      add("Computer" + word, 0, [c](Game& g, auto) { g.Computer(c); });
      add(word + "TimerTimer", 0, [c](Game& g, auto) { g.ComputerTimerTimer(c); });
    }
  }

  const Routine* find(std::string_view name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : &it->second;
  }
  const std::vector<std::string_view>& names() const { return order_; }

 private:
  void add(std::string name, std::size_t arity, Action run) {
    const auto [it, inserted] = byName_.emplace(std::move(name), Routine{arity, std::move(run)});
    if (inserted) {
      order_.push_back(it->first);
    }
  }
  // Handlers of the turn cycle, tidying, remarks and menus: members of the
  // game's core, called on that part of the game.
  void plain(std::string name, void (TurnCycle::*member)()) {
    add(std::move(name), 0, [member](Game& g, auto) {
      TurnCycle& core = g;
      (core.*member)();
    });
  }

  std::map<std::string, Routine, std::less<>> byName_;
  std::vector<std::string_view> order_;
};

const RoutineTable& table() {
  static const RoutineTable t;
  return t;
}

}  // namespace

void callRoutine(Game& game, std::string_view name, std::span<const std::string_view> arguments) {
  const Routine* routine = table().find(name);
  if (routine == nullptr) {
    throw ScenarioError("unknown routine " + quoted(name));
  }
  if (arguments.size() != routine->arity) {
    std::string message = quoted(name) + " takes ";
    message += routine->arity == 0 ? std::string("no") : std::to_string(routine->arity);
    message += routine->arity == 1 ? " image argument" : " image arguments";
    message += ", got " + std::to_string(arguments.size());
    throw ScenarioError(message);
  }
  std::array<Image, 3> images{};
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto image = imageByName(arguments[i]);
    if (!image) {
      throw ScenarioError("unknown image " + quoted(arguments[i]));
    }
    images[i] = *image;
  }
  routine->run(game, std::span<const Image>(images.data(), arguments.size()));
}

std::vector<std::string_view> routineNames() { return table().names(); }

}  // namespace quivalo::scenario

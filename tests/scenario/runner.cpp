// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario/runner.h"

#include <array>
#include <istream>
#include <ostream>
#include <span>
#include <string>

#include "scenario/line_parser.h"
#include "scenario/report.h"
#include "scenario/routines.h"

namespace quivalo::scenario {

namespace {

constexpr std::uint64_t kLastMsOfDay = VirtualHost::kDayMs - 1;
constexpr std::uint64_t kMaxAdvanceMs = 0xFFFF'FFFFull;

Image imageArgument(std::string_view word) {
  const auto image = imageByName(word);
  if (!image) {
    throw ScenarioError("unknown image " + quoted(word));
  }
  return *image;
}

MenuItem& markedItem(State& s, std::string_view word) {
  for (std::size_t i = 0; i < s.SpielerMenu.size(); ++i) {
    if (word == "SpielerMenu" + std::to_string(i + 1)) {
      return s.SpielerMenu[i];
    }
  }
  if (word == "leicht1") {
    return s.leicht1;
  }
  if (word == "schwer1") {
    return s.schwer1;
  }
  throw ScenarioError("unknown menu item " + quoted(word) +
                      " (SpielerMenu1..SpielerMenu4, leicht1 or schwer1)");
}

Cell cellValue(std::string_view word) {
  if (!word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos) {
    return Cell(parseNumber(word, 0, 4, "cell code"));
  }
  if (const auto cell = cellByName(word)) {
    return *cell;
  }
  throw ScenarioError("unknown cell code " + quoted(word) +
                      " (Leer, Blau, Gelb, Green, Rot or 0..4)");
}

}  // namespace

Runner::Runner() : host_(), game_(host_.platform()) { host_.setTarget(&game_); }

void Runner::set(std::string_view name, std::string_view value) {
  State& s = game_.state();
  if (isSpielfeldName(name)) {
    const int n = spielfeldIndex(name);
    s.cell(n) = cellValue(value);
    return;
  }
  if (const auto member = turnByte(name)) {
    s.*member = static_cast<std::uint8_t>(parseNumber(value, 0, 255, name));
    return;
  }
  throw ScenarioError("cannot set " + quoted(name) +
                      " (Werfer, Versuche, Augen, ErsterSchritt, Ueberlagert, the four "
                      "turn flags or Spielfeld[N])");
}

void Runner::print(std::string_view name, std::ostream& out) {
  const auto value = valueOf(game_, host_, name);
  if (!value) {
    throw ScenarioError("unknown name " + quoted(name));
  }
  out << name << " = " << *value << '\n';
}

void Runner::execute(std::string_view line, std::ostream& out) {
  const std::vector<std::string_view> words = splitWords(line);
  if (words.empty()) {
    return;
  }
  const std::string_view command = words[0];
  if (command == "clock") {
    expectArguments(command, words, 1, "MS");
    host_.setTimeOfDay(
        static_cast<std::uint32_t>(parseNumber(words[1], 0, kLastMsOfDay, "time of day")));
  } else if (command == "advance") {
    expectArguments(command, words, 1, "MS");
    host_.advance(parseNumber(words[1], 0, kMaxAdvanceMs, "milliseconds"));
  } else if (command == "set") {
    expectArguments(command, words, 2, "NAME VALUE");
    set(words[1], words[2]);
  } else if (command == "show" || command == "hide") {
    expectArguments(command, words, 1, "IMAGE");
    game_.state().setShown(imageArgument(words[1]), command == "show");
  } else if (command == "check" || command == "uncheck") {
    expectArguments(command, words, 1, "ITEM");
    markedItem(game_.state(), words[1]).Checked = command == "check";
  } else if (command == "call") {
    if (words.size() < 2) {
      throw ScenarioError("missing argument: usage 'call ROUTINE [IMAGE ...]'");
    }
    callRoutine(game_, words[1], std::span(words).subspan(2));
  } else if (command == "click") {
    expectArguments(command, words, 1, "IMAGE");
    game_.click(imageArgument(words[1]));
  } else if (command == "print") {
    expectArguments(command, words, 1, "NAME");
    print(words[1], out);
  } else if (command == "dump") {
    expectArguments(command, words, 0, "");
    for (const std::string& name : dumpNames()) {
      print(name, out);
    }
  } else {
    throw ScenarioError("unknown command " + quoted(command));
  }
}

int runScenario(std::istream& in, std::ostream& out, std::ostream& err) {
  Runner runner;
  std::string line;
  for (long number = 1; std::getline(in, line); ++number) {
    try {
      runner.execute(line, out);
    } catch (const ScenarioError& e) {
      out.flush();
      err << number << ": " << e.what() << '\n';
      return 2;
    }
  }
  if (in.bad()) {
    err << "error while reading the scenario\n";
    return 2;
  }
  return 0;
}

std::string_view usageText() {
  return R"(usage: quivalo-scenario [FILE | -]

Runs a game scenario on a virtual clock and prints what it is asked for.
Reads FILE, or standard input when FILE is missing or '-'. One command a line;
blank lines and lines starting with '#' are skipped.

  clock MS              set the time of day the rules read (ms since midnight UTC)
  advance MS            move virtual time on, firing every timer that comes due
  set NAME VALUE        Werfer, Versuche, Augen, ErsterSchritt, Ueberlagert,
                        BlauDran, RotDran, GelbDran, GreenDran (0..255), or
                        Spielfeld[N] (N 1..56; 0..4 or Leer, Blau, Gelb, Green, Rot)
  show IMAGE            set an image's visibility flag (board images, Zahl1..Zahl6)
  hide IMAGE            clear it
  check ITEM            set the mark of SpielerMenu1..4, leicht1 or schwer1
  uncheck ITEM          clear it (no handler runs, the caption stays)
  call ROUTINE [ARG..]  run a handler or routine by name, e.g. WuerfelClick,
                        SteinBlau5Click, HausRotVollClick HausRotVoll3,
                        RausWurfGelb SteinBlau6 SteinRot6 SteinGreen6, ComputerGelb
  click IMAGE           a person's click on an image
  print NAME            one line 'NAME = VALUE'
  dump                  every value, in a fixed order

Printable names: the turn bytes, Spielfeld[N], every image, Wuerfel,
KannNichtBtn, FarbLabel, Bemerkung, SpielerMenu1..4 and leicht1, schwer1
(marks) and their .Caption, the eight timers (interval), Dialog (texts of the
information dialogs shown), Help (help requests), Time (virtual ms since the
start) and Clock (time of day).

A bad line is reported as 'LINE: message' on standard error and ends the run
with exit status 2; nothing after it runs.
)";
}

}  // namespace quivalo::scenario

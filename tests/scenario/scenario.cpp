// SPDX-License-Identifier: GPL-3.0-or-later
// quivalo-scenario: runs a scenario, one command a line, on the deterministic
// host (no jitter) and prints the values it is asked for, one `NAME = VALUE`
// a line. The game starts as the program does: images at their creation
// values, Timer2, Timer3 and Timer4 started, FormCreate run, time of day 0.
// A bad line is reported as "LINE: message" before any part of it takes
// effect, and ends the run with exit status 2. A table's case (`case`) that
// does not hold is reported as "LINE: what was found" and the run goes on; it
// ends with exit status 1.
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "computer/game.h"
#include "support/position.h"
#include "support/virtual_host.h"
#include "usage.h"

namespace quivalo {
namespace {

// The names the rules call images, timers and cell codes by ("SteinBlau5",
// "HausRotVoll3", "Zahl6", "BlauTimer", "Green").
std::string imageName(Image i) {
  // Each family's name before and after the colour word, in family order.
  // clang-format off
  static constexpr std::array<std::array<std::string_view, 2>, 7> kFamilyNames{{
      {"Feld", ""}, {"Stein", ""}, {"Haus", "Voll"}, {"Haus", "Leer"}, {"Ziel", "Voll"}, {"Ziel", "Leer"}, {"Zahl", ""}}};
  // clang-format on
  const ImageParts p = partsOf(i);
  const auto& [before, after] = kFamilyNames[std::size_t(p.kind)];
  return std::string(before) + std::string(family(p.kind).coloured ? info(p.colour).word : "") +
         std::string(after) + std::to_string(p.number);
}

constexpr std::array<std::string_view, 5> kCellNames{"Leer", "Blau", "Gelb", "Green", "Rot"};
std::string_view cellName(Cell c) { return kCellNames.at(std::size_t(c)); }
std::optional<Cell> cellByName(std::string_view name) {
  for (std::size_t c = 0; c < kCellNames.size(); ++c) {
    if (kCellNames[c] == name) return Cell(c);
  }
  return std::nullopt;
}

// A bad scenario line; the message is for the person who wrote it.
struct BadLine : std::runtime_error {
  using std::runtime_error::runtime_error;
};
using Words = std::vector<std::string_view>;

std::string quoted(std::string_view word) { return "'" + std::string(word) + "'"; }

// Text in double quotes, with backslash and double quote escaped.
std::string text(std::string_view s) {
  std::string out = "\"";
  for (char ch : s) out += ch == '"' || ch == '\\' ? std::string{'\\', ch} : std::string{ch};
  return out + '"';
}

// The words of a line, split at blanks, tabs and carriage returns; none for a
// comment line.
Words split(std::string_view line) {
  Words words;
  for (std::size_t i = 0, end = 0; (i = line.find_first_not_of(" \t\r", end)) != line.npos;) {
    end = line.find_first_of(" \t\r", i);
    words.push_back(line.substr(i, end - i));
  }
  if (!words.empty() && words[0].starts_with('#')) words.clear();
  return words;
}

// A plain decimal number (digits only, no leading zero) in lo..hi.
std::uint64_t number(std::string_view word, std::uint64_t lo, std::uint64_t hi,
                     std::string_view what) {
  if (word.empty() || word.find_first_not_of("0123456789") != word.npos ||
      (word.size() > 1 && word[0] == '0')) {
    throw BadLine(std::string(what) + ": " + quoted(word) + " is not a plain decimal number");
  }
  std::uint64_t value = 0;
  if (std::from_chars(word.data(), word.data() + word.size(), value).ec != std::errc{} ||
      value < lo || value > hi) {
    throw BadLine(std::string(what) + ": " + std::string(word) + " is out of range " +
                  std::to_string(lo) + ".." + std::to_string(hi));
  }
  return value;
}

// The N of a cell name `Spielfeld[N]`.
int spielfeld(std::string_view word) {
  if (!word.starts_with("Spielfeld[") || !word.ends_with(']')) {
    throw BadLine("malformed cell name " + quoted(word) + " (expected Spielfeld[N])");
  }
  return int(number(word.substr(10, word.size() - 11), 1, 56, "Spielfeld index"));
}

Image image(std::string_view word) {
  for (int i = 0; i < kImageCount; ++i) {
    if (imageName(Image(i)) == word) return Image(i);
  }
  throw BadLine("unknown image " + quoted(word));
}

// Throws unless the command has exactly `count` arguments.
void expect(const Words& words, std::size_t count, std::string_view shape) {
  const std::size_t got = words.size() - 1;
  if (got == count) return;
  throw BadLine(std::string(got < count ? "missing argument" : "extra argument") +
                (got > count ? " " + quoted(words[count + 1]) : "") + ": usage '" +
                std::string(words[0]) + (shape.empty() ? "" : " ") + std::string(shape) + "'");
}

// The turn bytes, in the order of the game state.
// clang-format off
constexpr std::array<std::pair<std::string_view, std::uint8_t State::*>, 9> kBytes{{
    {"Werfer", &State::Werfer}, {"BlauDran", &State::BlauDran}, {"RotDran", &State::RotDran},
    {"GelbDran", &State::GelbDran}, {"GreenDran", &State::GreenDran},
    {"Versuche", &State::Versuche}, {"Augen", &State::Augen},
    {"ErsterSchritt", &State::ErsterSchritt}, {"Ueberlagert", &State::Ueberlagert}}};
// clang-format on

auto turnByte(std::string_view name) -> std::uint8_t State::* {
  for (const auto& [byteName, member] : kBytes) {
    if (name == byteName) return member;
  }
  return nullptr;
}

constexpr std::array<std::string_view, 6> kMenuItems{"SpielerMenu1", "SpielerMenu2", "SpielerMenu3",
                                                     "SpielerMenu4", "leicht1",      "schwer1"};

constexpr std::array<std::string_view, 3> kHelpNames{"Contents", "Search", "HelpOnHelp"};

template <typename S>  // State, or const State
auto menuItem(S& s, std::string_view name) -> decltype(&s.leicht1) {
  for (Colour c : kColours) {
    if (name == kMenuItems[std::size_t(index(c))]) return &s.SpielerMenu[c];
  }
  return name == "leicht1" ? &s.leicht1 : name == "schwer1" ? &s.schwer1 : nullptr;
}

// Sets the board up from position words (support/position.h) on the start
// board: every house full, the track and the goal lanes empty.
void setBoard(State& s, const Words& words) {
  static const std::regex kWord(R"([BRGN](h([1-4]\+?)*|z[1-4]|([1-9]|[1-3][0-9]|40)\+?))");
  ByColour<int> out{};
  std::string all;
  for (std::string_view w : words) {
    if (!std::regex_match(w.begin(), w.end(), kWord)) {
      throw BadLine("bad position word " + quoted(w) + " (e.g. B12, R5+, Gz4, Nh13)");
    }
    const Colour c = testing::colourOf(w[0]);
    if (w[1] != 'h' && ++out[c] > 4) {
      throw BadLine("more than four " + std::string(info(c).word) + " pieces out of the house");
    }
    all += std::string(w) + ' ';
  }
  // Written out rather than taken from the game, so that `describe` checks the
  // game's own start board against it.
  for (int i = 0; i < kBoardImageCount; ++i) {
    const ImageKind k = partsOf(Image(i)).kind;
    s.setShown(Image(i),
               k == ImageKind::Feld || k == ImageKind::HausVoll || k == ImageKind::ZielLeer);
  }
  s.Spielfeld.fill(Cell::Leer);
  testing::setUp(s, all);
}

// The position in words. The words say where the pieces are; when the cells
// or the board pictures are not exactly those the words set up (a piece shown
// twice, a cell not set, a field picture hidden), the text says so.
std::string position(const State& s) {
  const std::string words = testing::describe(s);
  bool same = false;
  try {
    State set = s;
    setBoard(set, split(words));
    same = set.Spielfeld == s.Spielfeld && set.shown == s.shown;
  } catch (const BadLine&) {
    // More than four pieces of a colour out of its house: no words set that up.
  }
  return words +
         (same ? "" : (words.empty() ? "" : " ") + std::string("(cells or pictures differ)"));
}

// A case whose expectation did not hold; the message says what was found.
struct Mismatch : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The parts of `text` between the separators, blanks trimmed.
std::vector<std::string_view> parts(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> out;
  for (std::size_t from = 0;;) {
    const std::size_t to = std::min(text.find(separator, from), text.size());
    std::string_view part = text.substr(from, to - from);
    part.remove_prefix(std::min(part.find_first_not_of(" \t\r"), part.size()));
    part.remove_suffix(part.size() - (part.find_last_not_of(" \t\r") + 1));
    out.push_back(part);
    if (to == text.size()) return out;
    from = to + separator.size();
  }
}

// The handlers and routines `call` runs by name: the number of image
// arguments each takes, and how it runs.
using Routine = std::pair<std::size_t, std::function<void(Game&, const std::array<Image, 3>&)>>;

const std::map<std::string, Routine, std::less<>>& routines() {
  static const auto table = [] {
    std::map<std::string, Routine, std::less<>> t;
    using Member = void (Game::*)();
    // clang-format off
    const std::pair<const char*, Member> plain[]{
        {"FormCreate", &Game::FormCreate}, {"NeuerWerfer", &Game::NeuerWerfer},
        {"WuerfelClick", &Game::WuerfelClick}, {"KannNichtBtnClick", &Game::KannNichtBtnClick},
        {"Timer1Timer", &Game::Timer1Timer}, {"Timer2Timer", &Game::Timer2Timer},
        {"Timer3Timer", &Game::Timer3Timer}, {"Timer4Timer", &Game::Timer4Timer},
        {"Kommentar", &Game::Kommentar}, {"Neu1Click", &Game::Neu1Click},
        {"leicht1Click", &Game::leicht1Click}, {"schwer1Click", &Game::schwer1Click},
        {"Inhalt1Click", &Game::Inhalt1Click}, {"Suchen1Click", &Game::Suchen1Click},
        {"Hilfebenutzen1Click", &Game::Hilfebenutzen1Click}};
    // clang-format on
    for (const auto& [name, member] : plain)
      t[name] = {0, [m = member](Game& g, auto&) { (g.*m)(); }};
    for (Colour c : kColours) {
      const std::string w(info(c).word);
      t["SpielerMenu" + std::to_string(playerNumber(c)) + "Click"] = {
          0, [c](Game& g, auto&) { g.SpielerMenuClick(c); }};
      for (int n = 1; n <= 40; ++n) {
        t["Stein" + w + std::to_string(n) + "Click"] = {
            0, [c, n](Game& g, auto&) { g.SteinClick(c, n); }};
      }
      for (int k = 1; k <= 3; ++k) {
        t["Ziel" + w + "Voll" + std::to_string(k) + "Click"] = {
            0, [c, k](Game& g, auto&) { g.ZielVollClick(c, k); }};
      }
      t["Haus" + w + "VollClick"] = {1, [c](Game& g, auto& a) { g.HausVollClick(c, a[0]); }};
      t["RausWurf" + w] = {3, [c](Game& g, auto& a) { g.RausWurf(c, a[0], a[1], a[2]); }};
      t["Computer" + w] = {0, [c](Game& g, auto&) { g.Computer(c); }};
      t[w + "TimerTimer"] = {0, [c](Game& g, auto&) { g.ComputerTimerTimer(c); }};
    }
    return t;
  }();
  return table;
}

// One line for each event, with the colours as the rules name them.
std::string eventLine(const Event& event) {
  const auto w = [](Colour c) { return std::string(index(c) < 4 ? info(c).word : "?"); };
  const auto n = [](int i) { return std::to_string(i); };
  const auto p = [n](Place at) {
    return (at.area == Place::Area::Track ? "field " : "goal slot ") + n(at.number);
  };
  // clang-format off
  return std::visit(Overloaded{
      [&](const Rolled& e) { return "Rolled " + w(e.colour) + " " + n(e.pips) + " (roll " + n(e.roll) + ", turn of " + n(e.rolls) + ")"; },
      [&](const CameOut& e) { return "CameOut " + w(e.colour) + " from house slot " + n(e.slot); },
      [&](const Moved& e) { return "Moved " + w(e.colour) + " from " + p(e.from) + " to " + p(e.to); },
      [&](const KnockedOut& e) { return "KnockedOut " + w(e.colour) + " on field " + n(e.field) + " by " + w(e.by); },
      [&](const GaveUp& e) { return "GaveUp " + w(e.colour) + " " + n(e.pips); },
      [&](const TurnPassed& e) { return "TurnPassed " + w(e.colour) + " (" + n(e.rolls) + (e.rolls == 1 ? " roll)" : " rolls)"); },
      [&](const Won& e) { return "Won " + w(e.colour); },
      [](const NewGame&) { return std::string("NewGame"); }}, event);
  // clang-format on
}

// Follows the game: keeps every event the rules report until `events` prints them.
class Scenario final : EventListener {
 public:
  Scenario() : game_(Platform{host_, host_, host_, host_, this}) { host_.setTarget(&game_); }

  // Runs one line; throws BadLine before any part of a bad line takes effect.
  void execute(std::string_view line) {
    const Words w = split(line);
    if (w.empty()) return;
    const State& s = game_.state();
    const std::string_view command = w[0];
    if (command == "clock") {
      expect(w, 1, "MS");
      host_.setTimeOfDay(std::uint32_t(number(w[1], 0, VirtualHost::kDayMs - 1, "time of day")));
    } else if (command == "advance") {
      expect(w, 1, "MS");
      host_.advance(number(w[1], 0, 0xFFFF'FFFF, "milliseconds"));
    } else if (command == "set") {
      expect(w, 2, "NAME VALUE");
      game_.setUp([&w](State& t) { set(t, w[1], w[2]); });
    } else if (command == "show" || command == "hide") {
      expect(w, 1, "IMAGE");
      const Image i = image(w[1]);
      game_.setUp([i, command](State& t) { t.setShown(i, command == "show"); });
    } else if (command == "check" || command == "uncheck") {
      expect(w, 1, "ITEM");
      if (!menuItem(s, w[1])) {
        throw BadLine("unknown menu item " + quoted(w[1]) +
                      " (SpielerMenu1..SpielerMenu4, leicht1 or schwer1)");
      }
      game_.setUp([&w, command](State& t) { menuItem(t, w[1])->Checked = command == "check"; });
    } else if (command == "call") {
      if (w.size() < 2) throw BadLine("missing argument: usage 'call ROUTINE [IMAGE ...]'");
      call(w[1], Words(w.begin() + 2, w.end()));
    } else if (command == "click") {
      expect(w, 1, "IMAGE");
      game_.click(image(w[1]));
    } else if (command == "print") {
      expect(w, 1, "NAME");
      print(w[1]);
    } else if (command == "dump") {
      expect(w, 0, "");
      dump();
    } else if (command == "position") {
      game_.setUp([&w](State& t) { setBoard(t, Words(w.begin() + 1, w.end())); });
    } else if (command == "describe") {
      expect(w, 0, "");
      const std::string words = position(s);
      std::cout << "Position =" << (words.empty() ? "" : " ") << words << '\n';
    } else if (command == "turn") {
      expect(w, 2, "COLOUR PIPS");
      const auto c = std::find_if(kColours.begin(), kColours.end(),
                                  [&w](Colour c) { return info(c).word == w[1]; });
      if (c == kColours.end())
        throw BadLine("unknown colour " + quoted(w[1]) + " (Blau, Rot, Gelb or Green)");
      const int pips = int(number(w[2], 0, 6, "pips"));
      game_.setUp([c, pips](State& t) { testing::turn(t, *c, pips); });
    } else if (command == "die") {
      expect(w, 1, "PIPS");
      const auto pips = int(number(w[1], 1, 6, "pips"));
      host_.setTimeOfDay(testing::timeForDie(pips, host_.timeOfDay()));
    } else if (command == "case") {
      runCase(line.substr(line.find("case") + 4));
    } else if (command == "events") {
      expect(w, 0, "");
      for (const Event& e : events_) std::cout << eventLine(e) << '\n';
      events_.clear();
    } else {
      throw BadLine("unknown command " + quoted(command));
    }
  }

 private:
  static void set(State& s, std::string_view name, std::string_view value) {
    if (name.starts_with("Spielfeld[")) {
      const int n = spielfeld(name);
      const bool digits = value.find_first_not_of("0123456789") == value.npos;
      const auto code = digits ? Cell(number(value, 0, 4, "cell code")) : cellByName(value);
      if (!code) {
        throw BadLine("unknown cell code " + quoted(value) +
                      " (Leer, Blau, Gelb, Green, Rot or 0..4)");
      }
      s.cell(n) = *code;
    } else if (const auto member = turnByte(name)) {
      s.*member = std::uint8_t(number(value, 0, 255, name));
    } else {
      throw BadLine("cannot set " + quoted(name) +
                    " (Werfer, Versuche, Augen, ErsterSchritt, Ueberlagert, the four "
                    "turn flags or Spielfeld[N])");
    }
  }

  void call(std::string_view name, const Words& arguments) {
    const auto routine = routines().find(name);
    if (routine == routines().end()) throw BadLine("unknown routine " + quoted(name));
    const auto& [arity, run] = routine->second;
    if (arguments.size() != arity) {
      throw BadLine(quoted(name) + " takes " + (arity == 0 ? "no" : std::to_string(arity)) +
                    (arity == 1 ? " image argument" : " image arguments") + ", got " +
                    std::to_string(arguments.size()));
    }
    std::array<Image, 3> images{};
    for (std::size_t i = 0; i < arity; ++i) images[i] = image(arguments[i]);
    run(game_, images);
  }

  // Every printable name with its value now, in the order `dump` prints them:
  // the turn bytes, the cells, the images in image order, the buttons, label
  // and remark, the captions, the marks, the timers in table order, the
  // dialogs, the help requests and the two clocks.
  std::vector<std::pair<std::string, std::string>> values() {
    const State& s = game_.state();
    std::vector<std::pair<std::string, std::string>> v;
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    for (const auto& [name, member] : kBytes) v.emplace_back(name, std::to_string(s.*member));
    for (int n = 1; n <= 56; ++n)
      v.emplace_back("Spielfeld[" + std::to_string(n) + "]", cellName(s.cell(n)));
    for (int i = 0; i < kImageCount; ++i)
      v.emplace_back(imageName(Image(i)), flag(s.isShown(Image(i))));
    v.emplace_back("Wuerfel", flag(s.WuerfelEnabled));
    v.emplace_back("KannNichtBtn", flag(s.KannNichtBtnEnabled));
    v.emplace_back("FarbLabel", text(s.FarbLabel));
    v.emplace_back("Bemerkung", text(s.Bemerkung));
    for (std::string_view item : kMenuItems)
      v.emplace_back(std::string(item) + ".Caption", text(menuItem(s, item)->Caption));
    for (std::string_view item : kMenuItems) v.emplace_back(item, flag(menuItem(s, item)->Checked));
    for (TimerId t : kTimers) v.emplace_back(timerName(t), std::to_string(s.interval[at(t)]));
    std::string dialogs, help;
    for (const std::string& d : host_.dialogs())
      dialogs += (dialogs.empty() ? "" : " | ") + text(d);
    for (HelpRequest r : host_.helpRequests())
      help += (help.empty() ? "" : ", ") + std::string(kHelpNames[std::size_t(r)]);
    v.emplace_back("Dialog", dialogs.empty() ? text("") : dialogs);
    v.emplace_back("Help", "[" + help + "]");
    v.emplace_back("Time", std::to_string(host_.now()));
    v.emplace_back("Clock", std::to_string(host_.timeOfDay()));
    return v;
  }

  void print(std::string_view name) {
    if (name == "Position") throw BadLine("unknown name " + quoted(name));
    const std::string v = value(name);
    std::cout << name << " = " << v << '\n';
  }

  // One case of a table: its commands, run on a fresh game, and what must
  // then hold, `NAME = VALUE` as `print` prints it, or `Position = WORDS`.
  static void runCase(std::string_view text) {
    const auto sides = parts(text, "=>");
    if (sides.size() != 2 || sides[1].empty()) {
      throw BadLine("usage 'case COMMAND; ... => NAME = VALUE; ...'");
    }
    Scenario fresh;
    for (std::string_view command : parts(sides[0], ";")) {
      if (split(command).size() > 0 && split(command)[0] == "case") {
        throw BadLine("a case cannot hold a case");
      }
      fresh.execute(command);
    }
    std::string found;
    for (std::string_view expected : parts(sides[1], ";")) {
      const auto nameAndValue = parts(expected, "=");
      if (nameAndValue.size() != 2)
        throw BadLine("expected 'NAME = VALUE', got " + quoted(expected));
      const auto [name, value] = std::pair{nameAndValue[0], nameAndValue[1]};
      const std::string got = fresh.value(name);
      if (got != value)
        found += std::string(found.empty() ? "" : "; ") + std::string(name) + " = " + got;
    }
    if (!found.empty()) throw Mismatch(found);
  }

  // The value `print` prints for a name, or the position for "Position".
  std::string value(std::string_view name) {
    if (name == "Position") return position(game_.state());
    if (name.starts_with("Spielfeld[")) spielfeld(name);  // a malformed cell name is its own error
    for (const auto& [printable, v] : values()) {
      if (printable == name) return v;
    }
    throw BadLine("unknown name " + quoted(name));
  }

  void dump() {
    for (const auto& [name, value] : values()) std::cout << name << " = " << value << '\n';
  }

  void happened(const Event& event) override { events_.push_back(event); }

  VirtualHost host_;
  std::vector<Event> events_;  // made before the game, which reports as it is made
  Game game_;
};

}  // namespace
}  // namespace quivalo

int main(int argc, char** argv) {
  const std::string_view path = argc == 2 ? argv[1] : "-";
  if (argc > 2 || path == "--help" || path == "-h") {
    (argc > 2 ? std::cerr : std::cout) << kScenarioUsage;  // kept as text in usage.txt
    return argc > 2 ? 2 : 0;
  }
  std::ifstream file;
  if (path != "-") {
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::path(path), ec)) {
      std::cerr << "quivalo-scenario: cannot read '" << path << "': it is a directory\n";
      return 2;
    }
    file.open(std::string(path));
    if (!file) {
      std::cerr << "quivalo-scenario: cannot open '" << path << "': " << std::strerror(errno)
                << '\n';
      return 2;
    }
  }
  std::istream& in = path == "-" ? std::cin : file;
  quivalo::Scenario scenario;
  std::string line;
  int status = 0;
  for (long n = 1; std::getline(in, line); ++n) {
    try {
      scenario.execute(line);
    } catch (const quivalo::Mismatch& e) {
      std::cout << n << ": " << e.what() << '\n';
      status = 1;
    } catch (const quivalo::BadLine& e) {
      std::cout.flush();
      std::cerr << n << ": " << e.what() << '\n';
      return 2;
    }
  }
  if (in.bad()) {
    std::cerr << "error while reading the scenario\n";
    return 2;
  }
  return status;
}

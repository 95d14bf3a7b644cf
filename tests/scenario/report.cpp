// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario/report.h"

#include <array>
#include <cstdint>

#include "scenario/line_parser.h"

namespace quivalo::scenario {

namespace {

struct ByteVariable {
  std::string_view name;
  std::uint8_t State::*member;
};

// The turn bytes in the order of the game state's table.
constexpr std::array<ByteVariable, 9> kBytes{{
    {"Werfer", &State::Werfer},
    {"BlauDran", &State::BlauDran},
    {"RotDran", &State::RotDran},
    {"GelbDran", &State::GelbDran},
    {"GreenDran", &State::GreenDran},
    {"Versuche", &State::Versuche},
    {"Augen", &State::Augen},
    {"ErsterSchritt", &State::ErsterSchritt},
    {"Ueberlagert", &State::Ueberlagert},
}};

std::string flag(bool on) { return on ? "1" : "0"; }

// The menu item named `name` (SpielerMenu1..4, leicht1, schwer1), if any.
const MenuItem* menuItem(const State& s, std::string_view name) {
  for (std::size_t i = 0; i < s.SpielerMenu.size(); ++i) {
    if (name == "SpielerMenu" + std::to_string(i + 1)) {
      return &s.SpielerMenu[i];
    }
  }
  if (name == "leicht1") {
    return &s.leicht1;
  }
  if (name == "schwer1") {
    return &s.schwer1;
  }
  return nullptr;
}

std::string_view helpName(HelpRequest r) {
  switch (r) {
    case HelpRequest::Contents:
      return "Contents";
    case HelpRequest::Search:
      return "Search";
    case HelpRequest::HelpOnHelp:
      break;
  }
  return "HelpOnHelp";
}

std::string dialogTexts(const VirtualHost& host) {
  if (host.dialogs().empty()) {
    return "\"\"";
  }
  std::string out;
  for (const std::string& text : host.dialogs()) {
    if (!out.empty()) {
      out += " | ";
    }
    out += quotedText(text);
  }
  return out;
}

std::string helpRequests(const VirtualHost& host) {
  std::string out = "[";
  for (HelpRequest r : host.helpRequests()) {
    if (out.size() > 1) {
      out += ", ";
    }
    out += helpName(r);
  }
  return out + "]";
}

}  // namespace

std::string quotedText(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"' || ch == '\\') {
      out += '\\';
    }
    out += ch;
  }
  return out + "\"";
}

std::uint8_t State::*turnByte(std::string_view name) {
  for (const ByteVariable& b : kBytes) {
    if (name == b.name) {
      return b.member;
    }
  }
  return nullptr;
}

std::optional<std::string> valueOf(const Game& game, const VirtualHost& host,
                                   std::string_view name) {
  const State& s = game.state();
  if (const auto member = turnByte(name)) {
    return std::to_string(s.*member);
  }
  if (isSpielfeldName(name)) {
    return std::string(cellName(s.cell(spielfeldIndex(name))));
  }
  if (const auto image = imageByName(name)) {
    return flag(s.isShown(*image));
  }
  if (const auto timer = timerByName(name)) {
    return std::to_string(s.intervalOf(*timer));
  }
  if (const MenuItem* item = menuItem(s, name)) {
    return flag(item->Checked);
  }
  if (name.ends_with(".Caption")) {
    if (const MenuItem* item = menuItem(s, name.substr(0, name.size() - 8))) {
      return quotedText(item->Caption);
    }
    return std::nullopt;
  }
  if (name == "Wuerfel") {
    return flag(s.WuerfelEnabled);
  }
  if (name == "KannNichtBtn") {
    return flag(s.KannNichtBtnEnabled);
  }
  if (name == "FarbLabel") {
    return quotedText(s.FarbLabel);
  }
  if (name == "Bemerkung") {
    return quotedText(s.Bemerkung);
  }
  if (name == "Dialog") {
    return dialogTexts(host);
  }
  if (name == "Help") {
    return helpRequests(host);
  }
  if (name == "Time") {
    return std::to_string(host.now());
  }
  if (name == "Clock") {
    return std::to_string(host.timeOfDay());
  }
  return std::nullopt;
}

const std::vector<std::string>& dumpNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const ByteVariable& b : kBytes) {
      n.emplace_back(b.name);
    }
    for (int i = 1; i <= 56; ++i) {
      n.push_back("Spielfeld[" + std::to_string(i) + "]");
    }
    for (int i = 0; i < kImageCount; ++i) {
      n.push_back(imageName(Image(i)));
    }
    n.emplace_back("Wuerfel");
    n.emplace_back("KannNichtBtn");
    n.emplace_back("FarbLabel");
    n.emplace_back("Bemerkung");
    const std::array<std::string, 6> items{"SpielerMenu1", "SpielerMenu2", "SpielerMenu3",
                                           "SpielerMenu4", "leicht1",      "schwer1"};
    for (const std::string& item : items) {
      n.push_back(item + ".Caption");
    }
    for (const std::string& item : items) {
      n.push_back(item);
    }
    for (TimerId t : kTimers) {
      n.emplace_back(timerName(t));
    }
    for (const char* last : {"Dialog", "Help", "Time", "Clock"}) {
      n.emplace_back(last);
    }
    return n;
  }();
  return names;
}

}  // namespace quivalo::scenario

// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario/line_parser.h"

#include <charconv>

namespace quivalo::scenario {

namespace {

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; }

constexpr std::string_view kSpielfeld = "Spielfeld[";

}  // namespace

std::vector<std::string_view> splitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isBlank(line[i])) {
      ++i;
    }
    const std::size_t begin = i;
    while (i < line.size() && !isBlank(line[i])) {
      ++i;
    }
    if (i > begin) {
      words.push_back(line.substr(begin, i - begin));
    }
  }
  if (!words.empty() && words.front().starts_with('#')) {
    words.clear();
  }
  return words;
}

std::string quoted(std::string_view word) {
  std::string s = "'";
  s += word;
  s += '\'';
  return s;
}

std::uint64_t parseNumber(std::string_view word, std::uint64_t lo, std::uint64_t hi,
                          std::string_view what) {
  const bool digitsOnly =
      !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
  if (!digitsOnly || (word.size() > 1 && word.front() == '0')) {
    throw ScenarioError(std::string(what) + ": " + quoted(word) + " is not a plain decimal number");
  }
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc{} || end != word.data() + word.size() || value < lo || value > hi) {
    throw ScenarioError(std::string(what) + ": " + std::string(word) + " is out of range " +
                        std::to_string(lo) + ".." + std::to_string(hi));
  }
  return value;
}

bool isSpielfeldName(std::string_view word) { return word.starts_with(kSpielfeld); }

int spielfeldIndex(std::string_view word) {
  if (!isSpielfeldName(word) || !word.ends_with(']')) {
    throw ScenarioError("malformed cell name " + quoted(word) + " (expected Spielfeld[N])");
  }
  const std::string_view inner =
      word.substr(kSpielfeld.size(), word.size() - kSpielfeld.size() - 1);
  return static_cast<int>(parseNumber(inner, 1, 56, "Spielfeld index"));
}

void expectArguments(std::string_view command, const std::vector<std::string_view>& words,
                     std::size_t count, std::string_view shape) {
  const std::size_t got = words.size() - 1;
  if (got == count) {
    return;
  }
  std::string message = std::string(got < count ? "missing argument" : "extra argument");
  if (got > count) {
    message += " " + quoted(words[count + 1]);
  }
  message += ": usage '" + std::string(command);
  if (!shape.empty()) {
    message += ' ';
    message += shape;
  }
  message += '\'';
  throw ScenarioError(message);
}

}  // namespace quivalo::scenario

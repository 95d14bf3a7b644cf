// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a scenario line into words and reading the numbers and names in
// it. Every reader throws ScenarioError with a message fit for the user.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quivalo::scenario {

// A bad scenario line; the runner prefixes the line number.
class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The words of a line, split at blanks and tabs (a trailing carriage return
// counts as a blank). Empty for a blank line or a comment line.
std::vector<std::string_view> splitWords(std::string_view line);

// A plain decimal number (digits only, no sign, no leading zero) in lo..hi;
// `what` names the value in the error message.
std::uint64_t parseNumber(std::string_view word, std::uint64_t lo, std::uint64_t hi,
                          std::string_view what);

// True if the word begins like a cell name `Spielfeld[N]`; such a word is
// then read by spielfeldIndex or reported as malformed.
bool isSpielfeldName(std::string_view word);
// The N of `Spielfeld[N]`, checked to lie in 1..56.
int spielfeldIndex(std::string_view word);

// Throws unless the command got exactly `count` arguments.
void expectArguments(std::string_view command, const std::vector<std::string_view>& words,
                     std::size_t count, std::string_view shape);

// The word in single quotes, for messages.
std::string quoted(std::string_view word);

}  // namespace quivalo::scenario

// SPDX-License-Identifier: GPL-3.0-or-later
// The values a scenario can print, each as one line `NAME = VALUE`:
// turn bytes as numbers, cells as cell code names, images and buttons and
// menu marks as 1 or 0, captions and dialog texts in double quotes, timers
// as their interval, and the host's virtual time and time of day.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "computer/game.h"
#include "game/virtual_host.h"

namespace quivalo::scenario {

// The printed value of `name`, or nothing if no such value exists.
// The host is not const only because reading its clock is not.
std::optional<std::string> valueOf(const Game& game, const VirtualHost& host,
                                   std::string_view name);

// The names `dump` prints, in its fixed order: the turn bytes (Werfer,
// BlauDran, RotDran, GelbDran, GreenDran, Versuche, Augen, ErsterSchritt,
// Ueberlagert), Spielfeld[1] to Spielfeld[56], the 264 board images and the
// six die faces in image order, Wuerfel and KannNichtBtn, the captions
// (FarbLabel, Bemerkung, SpielerMenu1.Caption .. SpielerMenu4.Caption,
// leicht1.Caption, schwer1.Caption), the marks (SpielerMenu1 .. SpielerMenu4,
// leicht1, schwer1), the eight timers in table order, Dialog, Help, Time and
// Clock.
const std::vector<std::string>& dumpNames();

// The turn byte of that name (Werfer, the four turn flags, Versuche, Augen,
// ErsterSchritt, Ueberlagert), or null if there is none.
std::uint8_t State::*turnByte(std::string_view name);

// Text in double quotes, with backslash and double quote escaped.
std::string quotedText(std::string_view text);

}  // namespace quivalo::scenario

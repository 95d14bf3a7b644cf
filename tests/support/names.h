// SPDX-License-Identifier: GPL-3.0-or-later
// The names by which the scenario tool and the tables of worked examples
// write images, timers and cell codes: the names the rules call them by
// ("SteinBlau5", "HausRotVoll3", "Zahl6", "BlauTimer", "Green").
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "game/state.h"

namespace quivalo::testing {

inline std::string imageName(Image i) {
  const ImageParts p = partsOf(i);
  const ImageFamily& f = family(p.kind);
  return std::string(f.prefix) + std::string(f.coloured ? info(p.colour).word : "") +
         std::string(f.suffix) + std::to_string(p.number);
}

inline std::optional<Image> imageByName(std::string_view name) {
  for (int i = 0; i < kImageCount; ++i) {
    if (imageName(Image(i)) == name) return Image(i);
  }
  return std::nullopt;
}

inline std::optional<TimerId> timerByName(std::string_view name) {
  for (TimerId t : kTimers) {
    if (timerName(t) == name) return t;
  }
  return std::nullopt;
}

inline constexpr std::array<std::string_view, 5> kCellNames{"Leer", "Blau", "Gelb", "Green", "Rot"};

inline std::string_view cellName(Cell c) { return kCellNames.at(static_cast<std::size_t>(c)); }

inline std::optional<Cell> cellByName(std::string_view name) {
  for (std::size_t i = 0; i < kCellNames.size(); ++i) {
    if (kCellNames[i] == name) return Cell(i);
  }
  return std::nullopt;
}

}  // namespace quivalo::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/state.h"

#include <charconv>

namespace quivalo {

namespace {

constexpr std::array<std::string_view, 7> kKindPrefix{"Feld", "Stein", "Haus", "Haus",
                                                      "Ziel", "Ziel",  "Zahl"};

// Parses a whole decimal number in [lo, hi]; anything else gives nothing.
std::optional<int> number(std::string_view s, int lo, int hi) {
  if (s.empty() || s.size() > 2 || s.front() == '0') {
    return std::nullopt;
  }
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc{} || end != s.data() + s.size() || v < lo || v > hi) {
    return std::nullopt;
  }
  return v;
}

std::optional<Colour> colourPrefix(std::string_view& s) {
  for (Colour c : kColours) {
    if (s.starts_with(info(c).word)) {
      s.remove_prefix(info(c).word.size());
      return c;
    }
  }
  return std::nullopt;
}

}  // namespace

ImageParts partsOf(Image i) {
  const int v = index(i);
  if (v < 40) {
    return {ImageKind::Feld, Colour::Blau, v + 1};
  }
  if (v < 200) {
    return {ImageKind::Stein, Colour((v - 40) / 40), (v - 40) % 40 + 1};
  }
  if (v < 264) {
    const int group = (v - 200) / 16;  // HausVoll, HausLeer, ZielVoll, ZielLeer
    return {ImageKind(int(ImageKind::HausVoll) + group), Colour((v - 200) % 16 / 4), v % 4 + 1};
  }
  return {ImageKind::Zahl, Colour::Blau, v - 263};
}

std::string imageName(Image i) {
  const ImageParts p = partsOf(i);
  std::string name(kKindPrefix[static_cast<std::size_t>(p.kind)]);
  if (p.kind != ImageKind::Feld && p.kind != ImageKind::Zahl) {
    name += info(p.colour).word;
  }
  if (p.kind == ImageKind::HausVoll || p.kind == ImageKind::ZielVoll) {
    name += "Voll";
  } else if (p.kind == ImageKind::HausLeer || p.kind == ImageKind::ZielLeer) {
    name += "Leer";
  }
  name += std::to_string(p.number);
  return name;
}

std::optional<Image> imageByName(std::string_view name) {
  std::string_view s = name;
  auto eat = [&s](std::string_view prefix) {
    if (!s.starts_with(prefix)) {
      return false;
    }
    s.remove_prefix(prefix.size());
    return true;
  };
  if (eat("Feld")) {
    if (auto n = number(s, 1, 40)) {
      return Feld(*n);
    }
    return std::nullopt;
  }
  if (eat("Zahl")) {
    if (auto n = number(s, 1, 6)) {
      return Zahl(*n);
    }
    return std::nullopt;
  }
  if (eat("Stein")) {
    if (auto c = colourPrefix(s)) {
      if (auto n = number(s, 1, 40)) {
        return Stein(*c, *n);
      }
    }
    return std::nullopt;
  }
  const bool haus = eat("Haus");
  if (!haus && !eat("Ziel")) {
    return std::nullopt;
  }
  auto c = colourPrefix(s);
  if (!c) {
    return std::nullopt;
  }
  const bool voll = eat("Voll");
  if (!voll && !eat("Leer")) {
    return std::nullopt;
  }
  auto k = number(s, 1, 4);
  if (!k) {
    return std::nullopt;
  }
  if (haus) {
    return voll ? HausVoll(*c, *k) : HausLeer(*c, *k);
  }
  return voll ? ZielVoll(*c, *k) : ZielLeer(*c, *k);
}

bool initiallyShown(Image i) {
  switch (partsOf(i).kind) {
    case ImageKind::Feld:
    case ImageKind::HausVoll:
    case ImageKind::ZielLeer:
      return true;
    case ImageKind::Stein:
    case ImageKind::HausLeer:
    case ImageKind::ZielVoll:
    case ImageKind::Zahl:
      break;
  }
  return false;
}

namespace {
constexpr std::array<std::string_view, kTimerCount> kTimerNames{
    "Timer1", "Timer2", "Timer3", "Timer4", "BlauTimer", "RotTimer", "GelbTimer", "GreenTimer"};
constexpr std::array<std::string_view, 5> kCellNames{"Leer", "Blau", "Gelb", "Green", "Rot"};
}  // namespace

std::string_view timerName(TimerId t) { return kTimerNames[static_cast<std::size_t>(t)]; }

std::optional<TimerId> timerByName(std::string_view name) {
  for (std::size_t i = 0; i < kTimerNames.size(); ++i) {
    if (kTimerNames[i] == name) {
      return TimerId(i);
    }
  }
  return std::nullopt;
}

std::string_view cellName(Cell c) {
  const auto v = static_cast<std::size_t>(c);
  return v < kCellNames.size() ? kCellNames[v] : std::string_view("?");
}

std::optional<Cell> cellByName(std::string_view name) {
  for (std::size_t i = 0; i < kCellNames.size(); ++i) {
    if (kCellNames[i] == name) {
      return Cell(i);
    }
  }
  return std::nullopt;
}

std::string playerCaption(Colour c, bool person) {
  std::string caption = "&";
  caption += std::to_string(playerNumber(c));
  caption += ' ';
  caption += info(c).display;
  caption += person ? " - Mensch" : " - Computer";
  return caption;
}

}  // namespace quivalo

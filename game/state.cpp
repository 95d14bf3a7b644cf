// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/state.h"

#include <charconv>

namespace quivalo {

namespace {

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
  int v = index(i);
  for (const ImageFamily& f : kImageFamilies) {
    if (v < f.size() || f.kind == ImageKind::Zahl) {
      const Colour c = f.coloured ? Colour(v / f.count) : Colour::Blau;
      return {f.kind, c, v % f.count + 1};
    }
    v -= f.size();
  }
  return {ImageKind::Zahl, Colour::Blau, v + 1};  // not reached: Zahl takes the rest
}

std::string imageName(Image i) {
  const ImageParts p = partsOf(i);
  const ImageFamily& f = family(p.kind);
  std::string name(f.prefix);
  if (f.coloured) {
    name += info(p.colour).word;
  }
  name += f.suffix;
  name += std::to_string(p.number);
  return name;
}

std::optional<Image> imageByName(std::string_view name) {
  for (const ImageFamily& f : kImageFamilies) {
    std::string_view s = name;
    if (!s.starts_with(f.prefix)) {
      continue;
    }
    s.remove_prefix(f.prefix.size());
    Colour c = Colour::Blau;
    if (f.coloured) {
      const auto prefixed = colourPrefix(s);
      if (!prefixed) {
        continue;
      }
      c = *prefixed;
    }
    if (!s.starts_with(f.suffix)) {
      continue;
    }
    s.remove_prefix(f.suffix.size());
    if (const auto n = number(s, 1, f.count)) {
      return imageOf(f.kind, c, *n);
    }
  }
  return std::nullopt;
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

std::string_view timerName(TimerId t) { return kTimerNames[at(t)]; }

std::optional<TimerId> timerByName(std::string_view name) {
  for (TimerId t : kTimers) {
    if (timerName(t) == name) {
      return t;
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

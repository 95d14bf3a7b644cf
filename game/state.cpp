// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/state.h"

namespace quivalo {

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
}  // namespace

std::string_view timerName(TimerId t) { return kTimerNames[at(t)]; }

std::string playerCaption(Colour c, bool person) {
  std::string caption = "&";
  caption += std::to_string(playerNumber(c));
  caption += ' ';
  caption += info(c).display;
  caption += person ? " - Mensch" : " - Computer";
  return caption;
}

}  // namespace quivalo

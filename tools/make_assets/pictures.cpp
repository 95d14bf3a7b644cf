// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <array>

#include "board_pictures.h"
#include "die_faces.h"
#include "icon.h"
#include "palette.h"

namespace quivalo::assets {

namespace {

struct Tone {
  const char* word;  // the colour's word in file names
  QRgb rgb;
};
constexpr std::array<Tone, 4> kTones{{
    {"blau", kBlue},
    {"rot", kRed},
    {"gelb", kYellow},
    {"green", kGreen},
}};

}  // namespace

std::vector<NamedPicture> allPictures() {
  std::vector<NamedPicture> out;
  const auto name = [](const char* kind, const char* word) {
    return QString::fromLatin1(kind) + QLatin1Char('_') + QString::fromLatin1(word) +
           QStringLiteral(".png");
  };
  // A piece: its colour inside the ring, grey corners.
  for (const Tone& t : kTones)
    out.push_back({name("stein", t.word), boardPicture(t.rgb, kLightGrey)});
  // An empty track field: grey everywhere but the ring.
  out.push_back({QStringLiteral("feld.png"), boardPicture(kLightGrey, kLightGrey)});
  // An empty house or goal slot: grey inside, the colour in the corners.
  for (const Tone& t : kTones)
    out.push_back({name("leer", t.word), boardPicture(kLightGrey, t.rgb)});
  // A full slot: the colour everywhere but the ring.
  for (const Tone& t : kTones) out.push_back({name("voll", t.word), boardPicture(t.rgb, t.rgb)});
  for (int pips = 1; pips <= 6; ++pips) {
    out.push_back({QStringLiteral("zahl%1.png").arg(pips), dieFace(pips)});
  }
  out.push_back({QStringLiteral("icon.png"), programIcon()});
  return out;
}

}  // namespace quivalo::assets

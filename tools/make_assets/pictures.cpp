// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "assets/assets.h"
#include "board_pictures.h"
#include "die_faces.h"
#include "icon.h"
#include "palette.h"

namespace quivalo::assets {

std::vector<NamedPicture> allPictures() {
  std::vector<NamedPicture> out;
  const auto add = [&out](const QString& name, QImage small, QImage large) {
    out.push_back({name + QStringLiteral(".png"), std::move(small)});
    out.push_back({name + QStringLiteral("@2x.png"), std::move(large)});
  };
  const auto board = [&add](const QString& name, QRgb inside, QRgb corners) {
    add(name, boardPicture(inside, corners), largeBoardPicture(inside, corners));
  };
  const auto toned = [](const char* kind, Colour c) {
    return QString::fromLatin1(kind) + QLatin1Char('_') + pictureWord(c);
  };
  // A piece: its colour inside the ring, grey corners.
  for (Colour c : kColours) board(toned("stein", c), kTones[c], kLightGrey);
  // An empty track field: grey everywhere but the ring.
  board(QStringLiteral("feld"), kLightGrey, kLightGrey);
  // An empty house or goal slot: grey inside, the colour in the corners.
  for (Colour c : kColours) board(toned("leer", c), kLightGrey, kTones[c]);
  // A full slot: the colour everywhere but the ring.
  for (Colour c : kColours) board(toned("voll", c), kTones[c], kTones[c]);
  for (int pips = 1; pips <= 6; ++pips) {
    add(QStringLiteral("zahl%1").arg(pips), dieFace(pips), largeDieFace(pips));
  }
  add(QStringLiteral("icon"), programIcon(), largeProgramIcon());
  return out;
}

}  // namespace quivalo::assets

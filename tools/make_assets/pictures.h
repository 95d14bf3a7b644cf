// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the game shows, with the file name it is stored under.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace quivalo::assets {

struct NamedPicture {
  QString fileName;  // e.g. "stein_blau.png"
  QImage image;
};

// The thirteen board pictures, the six die faces and the program icon, each
// also at twice the size for dense screens ("name@2x.png").
std::vector<NamedPicture> allPictures();

}  // namespace quivalo::assets

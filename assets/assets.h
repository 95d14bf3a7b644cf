// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures are compiled into the static library quivalo_assets as
// Qt resources under ":/pictures/". A static library's resources must be
// registered once by the program that links it: call quivalo::initAssets()
// before loading any of them (calling it again does no harm).
#pragma once

#include <QString>
#include <QtGlobal>

#include "game/state.h"

// Q_INIT_RESOURCE declares the registration function in the enclosing
// namespace, so it has to be used at global scope.
inline void quivaloRegisterAssetResources() { Q_INIT_RESOURCE(quivalo); }

namespace quivalo {

// A colour's word in the picture files' names ("stein_blau", "voll_green"):
// its word in the image names, in lower case. The generator names the files
// by it and the window loads them by it.
inline QString pictureWord(Colour c) { return QString::fromLatin1(info(c).word).toLower(); }

// Registers the pictures' resources; only the first call does the work.
inline void initAssets() {
  static const bool registered = [] {
    ::quivaloRegisterAssetResources();
    return true;
  }();
  (void)registered;
}

}  // namespace quivalo

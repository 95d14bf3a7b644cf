// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the board images, the die faces and the program icon, loaded
// once from the program's resources. A picture that is missing stays null and
// its image is drawn as nothing.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

#include "game/state.h"

namespace quivalo::ui {

class Pictures {
 public:
  Pictures();

  // The picture of a board image, already scaled to the 24 x 24 image square.
  const QPixmap& board(Image image) const;
  // Die face with n pips (1 to 6), 50 x 50, at its own size.
  const QPixmap& dieFace(int n) const;
  // The 32 x 32 program icon.
  const QPixmap& icon() const { return icon_; }

  // The resource path of a named picture, e.g. ":/pictures/stein_blau.png".
  static QString path(const char* name);

 private:
  // Feld, then per colour: piece, empty slot, full slot.
  QPixmap feld_;
  std::array<QPixmap, 4> stein_;
  std::array<QPixmap, 4> leer_;
  std::array<QPixmap, 4> voll_;
  std::array<QPixmap, 6> zahl_;
  QPixmap icon_;
};

// Makes the compiled-in pictures available; safe to call more than once.
void loadPictureResources();

}  // namespace quivalo::ui

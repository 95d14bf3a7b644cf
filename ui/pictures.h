// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the board images, the die faces and the program icon, from
// the program's resources, each at its own size and at twice the size
// ("name@2x.png"): Pictures loads them once for the window, and a
// ScreenPicture label takes its picture whenever it paints. A screen of device
// pixel ratio 1 gets exactly the pictures at their own size; any denser screen
// (1.25, 1.5, 2, ...) gets the twice-size pictures, scaled smoothly to its
// ratio. A picture that is missing stays null and its image is drawn as nothing.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <array>
#include <functional>

#include "game/state.h"

namespace quivalo::ui {

class Pictures {
 public:
  Pictures();

  // The picture of a board image for a device of that pixel ratio, already
  // scaled to the 24 x 24 image square.
  const QPixmap& board(Image image, qreal devicePixelRatio) const;
  // Die face with n pips (1 to 6), 50 x 50, at its own size.
  const QPixmap& dieFace(int n, qreal devicePixelRatio) const;
  // The program icon at 32 x 32 and, for dense screens, 64 x 64.
  const QIcon& icon() const { return icon_; }

  // A named picture for a device of that pixel ratio: the twice-size picture
  // (with a pixel ratio of 2) above a ratio of 1, else the picture itself.
  static QPixmap load(const QString& name, qreal devicePixelRatio);

 private:
  // A picture at its own size, for a ratio of 1, and at twice the size, the
  // source for denser screens; the last one scaled from it is kept.
  struct Sizes {
    QPixmap normal;
    QPixmap twice;
    QSize shown;  // the size drawn, in logical pixels
    mutable QPixmap scaled;
    const QPixmap& at(qreal devicePixelRatio) const;
  };
  static Sizes loadBoard(const QString& name);

  // Feld, then per colour: piece, empty slot, full slot.
  Sizes feld_;
  ByColour<Sizes> stein_;
  ByColour<Sizes> leer_;
  ByColour<Sizes> voll_;
  std::array<Sizes, 6> zahl_;
  QIcon icon_;
};

// A picture label that chooses its picture when it paints, for the pixel
// ratio of the screen it is on at that moment, as the board cells do: a
// window opened on, or moved to, a screen of another scale shows it sharp.
// The picture fills the label, scaled smoothly where its size differs (the
// about box's 32 x 32 icon on its 33 x 33 label). The label's own pixmap is
// the picture at ratio 1, which makes it a graphic to screen readers.
class ScreenPicture final : public QLabel {
 public:
  // The picture for a device pixel ratio.
  using Source = std::function<QPixmap(qreal devicePixelRatio)>;
  ScreenPicture(Source source, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Source source_;
  QPixmap painted_;  // the picture as last painted, at the ratio it was painted for
};

}  // namespace quivalo::ui

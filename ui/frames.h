// SPDX-License-Identifier: GPL-3.0-or-later
// Small drawn frames of the window and the about box: the etched dividing
// line, the raised panel behind the die, the double-bevelled panel of the
// about box, the keyboard's frame around a board cell and a push button with
// a picture at its left edge.
#pragma once

#include <QFocusFrame>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

namespace quivalo::ui {

// A lowered (etched) line along the left edge: a shadow pixel column, then a
// light one.
class LeftLineBevel final : public QWidget {
 public:
  explicit LeftLineBevel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Paints a widget's whole area as a panel in the button-face colour with a
// one-pixel raised bevel (the die panel and the board cells).
void paintRaisedPanel(QPainter& p, const QWidget& w);

// A panel in the button-face colour with a one-pixel raised bevel.
class RaisedPanel final : public QWidget {
 public:
  explicit RaisedPanel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A panel with a lowered outer bevel and a raised inner bevel, one pixel each.
class DoubleBevelPanel final : public QWidget {
 public:
  explicit DoubleBevelPanel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Where the keyboard is on the board: a double frame around a cell, black
// in the two-pixel gap around it and white over the cell's two-pixel rim, so
// that it stands out beside every cell colour, the grey face and the white
// ground alike. Mouse clicks go through it. It is a focus frame, which
// screen readers are not shown: the framed cell itself has the focus.
class KeyFrame final : public QFocusFrame {
 public:
  explicit KeyFrame(QWidget* parent);
  // Frames `cell`, a rectangle of the parent, and shows.
  void frame(const QRect& cell);
  // Hides: no cell is framed.
  void unframe() { hide(); }

  // Width of each of the two frames.
  static constexpr int kWidth = 2;
  static constexpr QColor kOuter{0, 0, 0};
  static constexpr QColor kInner{255, 255, 255};

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A push button that draws its icon two pixels from its left edge and centres
// its caption in the space to the right of the icon.
class PictureButton final : public QPushButton {
 public:
  PictureButton(const QString& text, const QIcon& icon, QWidget* parent);

  // Left edge of the picture inside the button.
  static constexpr int kPictureMargin = 2;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quivalo::ui

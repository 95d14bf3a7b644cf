// SPDX-License-Identifier: GPL-3.0-or-later
// One cell of the board: a raised 28 x 28 square that shows the topmost shown
// image of its stack at (2, 2), 24 x 24, and reports left clicks on it. For
// screen readers it carries a German name that says what is seen there
// ("Feld 12: Rot", "Haus Blau, Platz 3: leer") and, where its image takes a
// click, a button role with a press action and a description of the click.
// The same name is its tooltip, for a player who tells colours apart poorly.
// Over the picture it may carry the marks of the window's options.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

#include "board/geometry.h"

class QPainter;

namespace quivalo::ui {

class Pictures;

// What the window's options mark on a cell. Colours are bits, 1 << index(c).
struct CellMarks {
  bool movable = false;      // the waiting roll would move the piece here
  std::uint8_t left = 0;     // the colours whose last move left this cell
  std::uint8_t reached = 0;  // the colours whose last move ended here
  bool operator==(const CellMarks&) const = default;
};

class CellWidget final : public QWidget {
  Q_OBJECT

 public:
  CellWidget(const BoardCell& cell, const Pictures& pictures, QWidget* parent);

  const BoardCell& cell() const { return cell_; }
  // Shows another image on top; repaints, renames (tooltip included) and
  // notifies assistive technology only when it changes.
  void setTopImage(std::optional<Image> image);
  // Shows other marks; repaints and renames only when they change.
  void setMarks(const CellMarks& marks);
  // Whether the image on top has a click action.
  bool takesClick() const;
  // Reports a click as a left click on the image square would; what the
  // press action of a screen reader does.
  void press();

  // The cell's object name: "Feld12", "HausBlau3", "ZielRot4".
  static QString nameOf(const BoardCell& cell);
  // Where the images lie inside the cell.
  static QRect imageArea();
  // What a person sees in the cell with that image on top and those marks,
  // in German: "Feld 12: leer", "Feld 12: Rot", "Haus Blau, Platz 3: Blau",
  // "Ziel Grün, Platz 4: leer"; "Feld 12: Blau, kann ziehen", "Feld 5: leer,
  // Rot zog zuletzt von hier", "Feld 9: Rot, Rot zog zuletzt hierher".
  static QString accessibleNameOf(const BoardCell& cell, std::optional<Image> top,
                                  const CellMarks& marks = {});
  // What a click on that image does; empty for an image without a click.
  static QString accessibleDescriptionOf(std::optional<Image> top);

 Q_SIGNALS:
  // A left click (press and release) inside the image square.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void updateAccessibleTexts();
  void paintMarks(QPainter& p) const;

  BoardCell cell_;
  const Pictures& pictures_;
  std::optional<Image> top_;
  CellMarks marks_;
  bool pressed_ = false;
};

}  // namespace quivalo::ui

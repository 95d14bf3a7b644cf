// SPDX-License-Identifier: GPL-3.0-or-later
// One cell of the board: a raised 28 x 28 square that shows the topmost shown
// image of its stack at (2, 2), 24 x 24, and reports left clicks on it.
#pragma once

#include <QWidget>
#include <optional>

#include "board/geometry.h"

namespace quivalo::ui {

class Pictures;

class CellWidget final : public QWidget {
  Q_OBJECT

 public:
  CellWidget(const BoardCell& cell, const Pictures& pictures, QWidget* parent);

  const BoardCell& cell() const { return cell_; }
  // The image drawn on top, as last mirrored from the state.
  std::optional<Image> topImage() const { return top_; }
  // Shows another image on top; repaints only when it changes.
  void setTopImage(std::optional<Image> image);

  // The cell's object name: "Feld12", "HausBlau3", "ZielRot4".
  static QString nameOf(const BoardCell& cell);
  // Where the images lie inside the cell.
  static QRect imageArea();

 Q_SIGNALS:
  // A left click (press and release) inside the image square.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  BoardCell cell_;
  const Pictures& pictures_;
  std::optional<Image> top_;
  bool pressed_ = false;
};

}  // namespace quivalo::ui

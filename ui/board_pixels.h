// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board's cells lie in the window's client area, in pixels.
#pragma once

#include <QRect>

#include "board/geometry.h"

namespace quivalo::ui {

inline constexpr int kGridOrigin = 8;  // client-area pixel of column 0 / row 0
inline constexpr int kGridPitch = 32;  // distance between neighbouring cells
inline constexpr int kCellSize = 28;   // a raised cell
inline constexpr int kImageInset = 2;  // images lie at (2, 2) inside their cell
inline constexpr int kImageSize = 24;  // and are 24 x 24

// The square of a board cell in the client area.
inline QRect cellRect(const BoardCell& cell) {
  return {kGridOrigin + kGridPitch * cell.column, kGridOrigin + kGridPitch * cell.row, kCellSize,
          kCellSize};
}

}  // namespace quivalo::ui

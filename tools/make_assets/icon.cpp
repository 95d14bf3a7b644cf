// SPDX-License-Identifier: GPL-3.0-or-later
// Everything in the icon is computed from shapes: the miniature board from
// the real board's cells, the pieces from one profile, the die from a cube.
// Each pixel is tested at its centre, so the result is the same everywhere.
#include "icon.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "board/geometry.h"
#include "palette.h"

namespace quivalo::assets {

namespace {

constexpr int kN = kIconSize;
using Mask = std::array<std::array<bool, kN>, kN>;  // [y][x]
using Inside = std::function<bool(double x, double y)>;

// Icon palette: the VGA colours with fuchsia given up for transparency.
QList<QRgb> iconPalette() {
  QList<QRgb> table = vgaPalette();
  table[table.indexOf(kFuchsia)] = kTransparent;
  return table;
}

Mask maskOf(const Inside& inside) {
  Mask m{};
  for (int y = 0; y < kN; ++y) {
    for (int x = 0; x < kN; ++x) {
      m[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = inside(x + 0.5, y + 0.5);
    }
  }
  return m;
}

bool at(const Mask& m, int x, int y) {
  if (x < 0 || y < 0 || x >= kN || y >= kN) return false;
  return m[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

// Paints every pixel of the mask with the colour `tone` chooses for it.
void paint(QImage& image, const Mask& m, const std::function<QRgb(int x, int y)>& tone) {
  for (int y = 0; y < kN; ++y) {
    for (int x = 0; x < kN; ++x) {
      if (at(m, x, y)) setColour(image, x, y, tone(x, y));
    }
  }
}

// Blackens the pixels of the mask that touch a pixel outside it (4-neighbours).
void outline(QImage& image, const Mask& m) {
  for (int y = 0; y < kN; ++y) {
    for (int x = 0; x < kN; ++x) {
      if (at(m, x, y) &&
          (!at(m, x - 1, y) || !at(m, x + 1, y) || !at(m, x, y - 1) || !at(m, x, y + 1))) {
        setColour(image, x, y, kBlack);
      }
    }
  }
}

// --- The miniature board -------------------------------------------------

// One pixel per grid place, inside a one-pixel black frame, with a shadow.
constexpr int kBoardLeft = 1;  // the frame's top-left pixel
constexpr int kBoardTop = 1;
constexpr int kBoardSpan = 13;  // 11 places and the frame

void drawBoard(QImage& image) {
  const int right = kBoardLeft + kBoardSpan - 1;
  const int bottom = kBoardTop + kBoardSpan - 1;
  for (int y = kBoardTop + 1; y <= bottom + 1; ++y) setColour(image, right + 1, y, kDarkGrey);
  for (int x = kBoardLeft + 1; x <= right + 1; ++x) setColour(image, x, bottom + 1, kDarkGrey);
  for (int y = kBoardTop; y <= bottom; ++y) {
    for (int x = kBoardLeft; x <= right; ++x) {
      const bool frame = x == kBoardLeft || x == right || y == kBoardTop || y == bottom;
      setColour(image, x, y, frame ? kBlack : kLightGrey);
    }
  }
  for (const BoardCell& cell : boardCells()) {
    const int x = kBoardLeft + 1 + cell.column;
    const int y = kBoardTop + 1 + cell.row;
    setColour(image, x, y, cell.kind == CellKind::Track ? kWhite : kTones[cell.colour]);
  }
}

// --- The pieces ------------------------------------------------------------

// A piece's outline as half its width across the axis, at distance u from
// the top of its head along the axis: a round head, a short neck, a body that
// widens towards the foot, and a broad foot.
constexpr double kHeadRadius = 3.6;
constexpr double kNeckAt = 7.0;    // where the body begins
constexpr double kNeckHalf = 1.9;  // half width of the neck
constexpr double kFootAt = 12.6;   // where the foot begins
constexpr double kBodyHalf = 4.4;  // half width of the body above the foot
constexpr double kFootHalf = 5.6;  // half width of the foot
constexpr double kPieceLength = 15.0;

bool inPiece(double u, double v) {
  if (u < 0 || u > kPieceLength) return false;
  const double head = u - kHeadRadius;
  if (head * head + v * v <= kHeadRadius * kHeadRadius) return true;
  if (u < kNeckAt - 0.6) return false;
  if (u < kFootAt) {
    const double t = (u - (kNeckAt - 0.6)) / (kFootAt - (kNeckAt - 0.6));
    return std::abs(v) <= kNeckHalf + (kBodyHalf - kNeckHalf) * t;
  }
  return std::abs(v) <= kFootHalf;
}

// Shading across the axis: the colour on the side towards the light
// (negative v), its dark tone on the far side, a white spot on the head.
QRgb pieceTone(double u, double v, QRgb light, QRgb dark) {
  const double hu = u - kHeadRadius + 1.2;
  const double hv = v + 1.2;
  if (hu * hu + hv * hv <= 1.1) return kWhite;
  return v > 1.2 ? dark : light;
}

// A piece standing upright, its axis at x = axisX, its head's top at y = top.
void drawStandingPiece(QImage& image, double axisX, double top, QRgb light, QRgb dark) {
  const Mask m = maskOf([&](double x, double y) { return inPiece(y - top, x - axisX); });
  paint(image, m,
        [&](int x, int y) { return pieceTone(y + 0.5 - top, x + 0.5 - axisX, light, dark); });
  outline(image, m);
}

// A piece lying on its side, its axis at y = axisY, its head to the right
// ending at x = headRight, its foot to the left.
void drawLyingPiece(QImage& image, double headRight, double axisY, QRgb light, QRgb dark) {
  const Mask m = maskOf([&](double x, double y) { return inPiece(headRight - x, y - axisY); });
  paint(image, m, [&](int x, int y) {
    return pieceTone(headRight - (x + 0.5), y + 0.5 - axisY, light, dark);
  });
  outline(image, m);
}

// --- The die ---------------------------------------------------------------

// A cube seen from the front and a little from above and the right: a square
// front face, a top face and a right face each kDepth pixels deep, slanted at
// 45 degrees. Five pips of 2 x 2 pixels on the front face.
constexpr int kDieLeft = 1;
constexpr int kDieBottom = 30;
constexpr int kDieFace = 12;  // front face, frame included
constexpr int kDepth = 3;
// Pip places inside the frame: offsets 1, 4 and 7 of the ten inner pixels;
// the five pips by column and row of those places.
constexpr std::array<int, 3> kPipPlace{2, 5, 8};
constexpr std::array<std::array<std::size_t, 2>, 5> kPips{{{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}}};

// The five pips, 2 x 2 pixels each, on the front face whose top left is (left, top).
void drawDiePips(QImage& image, int left, int top) {
  for (const auto& pip : kPips) {
    const int px = left + kPipPlace[pip[0]];
    const int py = top + kPipPlace[pip[1]];
    for (int dy = 0; dy < 2; ++dy) {
      for (int dx = 0; dx < 2; ++dx) setColour(image, px + dx, py + dy, kBlack);
    }
  }
}

void drawDie(QImage& image) {
  const int left = kDieLeft;
  const int right = left + kDieFace - 1;
  const int bottom = kDieBottom;
  const int top = bottom - kDieFace + 1;
  const auto onTop = [&](int x, int y) {
    const int k = top - y;  // rows above the front face
    return k >= 1 && k <= kDepth && x >= left + k && x <= right + k;
  };
  const auto onRight = [&](int x, int y) {
    const int k = x - right;  // columns right of the front face
    return k >= 1 && k <= kDepth && y >= top - k && y <= bottom - k;
  };
  const auto onFront = [&](int x, int y) {
    return x >= left && x <= right && y >= top && y <= bottom;
  };
  const Mask cube = maskOf([&](double x, double y) {
    const int px = static_cast<int>(x);
    const int py = static_cast<int>(y);
    return onTop(px, py) || onRight(px, py) || onFront(px, py);
  });
  paint(image, cube, [&](int x, int y) {
    if (onFront(x, y)) return kLightGrey;
    // The edge between the top and the right face.
    if (onTop(x, y) && onRight(x, y)) return kBlack;
    return onTop(x, y) ? kWhite : kDarkGrey;
  });
  outline(image, cube);
  const Mask front =
      maskOf([&](double x, double y) { return onFront(static_cast<int>(x), static_cast<int>(y)); });
  outline(image, front);
  drawDiePips(image, left, top);
}

// --- The same shapes drawn smooth, for the large icon ------------------------
// Coordinates are the small icon's: pixel (x, y) covers [x, x + 1] x [y, y + 1].

void drawSmoothBoard(QPainter& p) {
  const double span = kBoardSpan;
  p.fillRect(QRectF(kBoardLeft + span, kBoardTop + 1, 1, span), QColor(kDarkGrey));
  p.fillRect(QRectF(kBoardLeft + 1, kBoardTop + span, span, 1), QColor(kDarkGrey));
  p.fillRect(QRectF(kBoardLeft, kBoardTop, span, span), QColor(kBlack));
  p.fillRect(QRectF(kBoardLeft + 1, kBoardTop + 1, span - 2, span - 2), QColor(kLightGrey));
  for (const BoardCell& cell : boardCells()) {
    p.fillRect(QRectF(kBoardLeft + 1 + cell.column, kBoardTop + 1 + cell.row, 1, 1),
               QColor(cell.kind == CellKind::Track ? kWhite : kTones[cell.colour]));
  }
}

// The outline `inPiece` tests, as a path in (u, v): u along the axis from the
// top of the head, v across it.
QPainterPath pieceOutline() {
  QPainterPath head;
  head.addEllipse(QPointF(kHeadRadius, 0), kHeadRadius, kHeadRadius);
  const double neck = kNeckAt - 0.6;
  QPainterPath body;
  body.addPolygon(QPolygonF{{neck, -kNeckHalf},
                            {kFootAt, -kBodyHalf},
                            {kFootAt, -kFootHalf},
                            {kPieceLength, -kFootHalf},
                            {kPieceLength, kFootHalf},
                            {kFootAt, kFootHalf},
                            {kFootAt, kBodyHalf},
                            {neck, kNeckHalf}});
  body.closeSubpath();
  return head.united(body).simplified();
}

// A piece whose (u, v) coordinates `toIcon` maps into the icon, shaded as
// `pieceTone` shades it, with a black outline.
void drawSmoothPiece(QPainter& p, const QTransform& toIcon, QRgb light, QRgb dark) {
  p.save();
  p.setTransform(toIcon, /*combine=*/true);
  const QPainterPath outline = pieceOutline();
  p.fillPath(outline, QColor(light));
  QPainterPath farSide;
  farSide.addRect(QRectF(-1, 1.2, kPieceLength + 2, kFootHalf + 1));
  p.fillPath(outline.intersected(farSide), QColor(dark));
  QPainterPath spot;
  spot.addEllipse(QPointF(kHeadRadius - 1.2, -1.2), std::sqrt(1.1), std::sqrt(1.1));
  p.fillPath(spot, QColor(kWhite));
  p.strokePath(outline, QPen(QColor(kBlack), 1.0));
  p.restore();
}

void drawSmoothDie(QPainter& p) {
  const double left = kDieLeft;
  const double right = left + kDieFace;  // the front face's right edge
  const double bottom = kDieBottom + 1;
  const double top = bottom - kDieFace;
  const double d = kDepth;
  const QPen frame(QColor(kBlack), 1.0);
  p.setPen(frame);
  p.setBrush(QColor(kWhite));
  p.drawPolygon(QPolygonF{{left, top}, {left + d, top - d}, {right + d, top - d}, {right, top}});
  p.setBrush(QColor(kDarkGrey));
  p.drawPolygon(
      QPolygonF{{right, top}, {right + d, top - d}, {right + d, bottom - d}, {right, bottom}});
  p.setBrush(QColor(kLightGrey));
  p.drawRect(QRectF(left + 0.5, top + 0.5, kDieFace - 1, kDieFace - 1));
  // Five pips, each a disc where the small icon has 2 x 2 pixels.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(kBlack));
  for (const auto& pip : kPips) {
    p.drawEllipse(QPointF(left + kPipPlace[pip[0]] + 1, top + kPipPlace[pip[1]] + 1), 1.0, 1.0);
  }
}

}  // namespace

QImage largeProgramIcon() {
  constexpr int size = kLargeScale * kIconSize;
  QImage image = largeImage(size, size, kTransparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kLargeScale, kLargeScale);
  drawSmoothBoard(p);
  // Lying: u runs from the head at x = 31 leftwards, v downwards from y = 6.5.
  drawSmoothPiece(p, QTransform(-1, 0, 0, 1, 31.0, 6.5), kGreen, kDarkGreen);
  drawSmoothDie(p);
  // Standing: u runs down from y = 16.5, v to the right of x = 24.
  drawSmoothPiece(p, QTransform(0, 1, 1, 0, 24.0, 16.5), kYellow, kOlive);
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QImage programIcon() {
  QImage image = indexedImage(kIconSize, kIconSize, iconPalette(), kTransparent);
  drawBoard(image);
  drawLyingPiece(image, 31.0, 6.5, kGreen, kDarkGreen);
  drawDie(image);
  drawStandingPiece(image, 24.0, 16.5, kYellow, kOlive);
  return image;
}

}  // namespace quivalo::assets

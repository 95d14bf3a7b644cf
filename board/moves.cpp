// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/moves.h"

#include "board/path.h"

namespace quivalo {

namespace {

// Number of track fields from n forward to the colour's last track field.
int fieldsToLast(Colour c, int n) { return 40 - pathPosition(c, n); }

// The cell where a move of r fields from track field n ends, or 0 when it
// would pass the fourth goal slot. Never a cell beyond 56.
int targetCell(Colour c, int n, int r) {
  const int d = fieldsToLast(c, n);
  if (r <= d) {
    const int t = n + r;
    return t > 40 ? t - 40 : t;
  }
  const int slot = r - d;
  if (slot > 4) {
    return 0;
  }
  return info(c).goalCell1 + slot - 1;
}

// Whether the step of colour c's piece from track field n is refused: not
// c's turn, no roll to use, or a move that would pass the fourth goal slot or
// end on a piece of c's own. The target is tested before its cell is read,
// so no cell beyond 56 is looked up.
bool stepRefused(const State& s, Colour c, int n) {
  if (s.Dran(c) == 0 || s.Augen == 0 || n < 1 || n > 40) {
    return true;
  }
  const int target = targetCell(c, n, s.Augen);
  return target == 0 || s.cell(target) == info(c).code;
}

// Whether a piece of another colour than c stands on track field n.
bool otherColourOn(const State& s, Colour c, int n) {
  for (Colour o : kColours) {
    if (o != c && s.isShown(Stein(o, n))) {
      return true;
    }
  }
  return false;
}

}  // namespace

void Moves::SteinClick(Colour c, int n) {
  if (stepRefused(s_, c, n)) {
    return;
  }
  const ColourInfo& ci = info(c);
  if (s_.ErsterSchritt == 1) {
    s_.cell(n) = Cell::Leer;
    s_.ErsterSchritt = 0;
  }
  if (s_.Ueberlagert == 0) {
    hide(Stein(c, n));
  }
  const bool intoGoal = n == ci.last;
  const int next = nextField(n);
  const Image destPiece = intoGoal ? ZielVoll(c, 1) : Stein(c, next);
  const Image destEmpty = intoGoal ? ZielLeer(c, 1) : Feld(next);
  s_.Ueberlagert = shown(destPiece) ? 1 : 0;
  show(destPiece);
  if (!otherColourOn(s_, c, n)) {
    show(Feld(n));
  }
  hide(destEmpty);
  if (!intoGoal) {
    RausWurf(c, Stein(ci.knockOrder[0], next), Stein(ci.knockOrder[1], next),
             Stein(ci.knockOrder[2], next));
  }
  if (s_.Augen == 1) {
    s_.cell(intoGoal ? ci.goalCell1 : next) = ci.code;
  }
  --s_.Augen;
  if (intoGoal) {
    ZielVollClick(c, 1);
  } else {
    SteinClick(c, next);
  }
}

void Moves::ZielVollClick(Colour c, int k) {
  const ColourInfo& ci = info(c);
  const int r = s_.Augen;
  if (s_.Dran(c) == 0 || r == 0 || k < 1 || k > 3 || r > 4 - k) {
    return;
  }
  const int cell = ci.goalCell1 + k - 1;
  if (s_.cell(cell + r) == ci.code) {
    return;
  }
  if (r == 1) {
    s_.cell(cell + 1) = ci.code;
  }
  if (s_.ErsterSchritt == 1) {
    s_.cell(cell) = Cell::Leer;
    s_.ErsterSchritt = 0;
  }
  if (s_.Ueberlagert == 0) {
    hide(ZielVoll(c, k));
    show(ZielLeer(c, k));
  }
  s_.Ueberlagert = shown(ZielVoll(c, k + 1)) ? 1 : 0;
  show(ZielVoll(c, k + 1));
  hide(ZielLeer(c, k + 1));
  s_.Augen = static_cast<std::uint8_t>(r - 1);
  if (k < 3) {
    ZielVollClick(c, k + 1);
  }
}

void Moves::HausVollClick(Colour c, Image sender) {
  const ColourInfo& ci = info(c);
  if (s_.Dran(c) == 0 || s_.Augen != 6 || shown(Stein(c, ci.start))) {
    return;
  }
  // The sender must be one of the colour's own shown full-slot images; any
  // other image cannot stand for a piece waiting in this house.
  const ImageParts sp = partsOf(sender);
  if (sp.kind != ImageKind::HausVoll || sp.colour != c || !shown(sender)) {
    return;
  }
  for (Colour o : ci.startKnockOrder) {
    if (shown(Stein(o, ci.start))) {
      hide(Stein(o, ci.start));
      returnToHouse(o);
    }
  }
  hide(sender);
  show(HausLeer(c, sp.number));
  hide(Feld(ci.start));
  show(Stein(c, ci.start));
  s_.cell(ci.start) = ci.code;
  s_.Augen = 0;
  s_.ErsterSchritt = 0;
}

void Moves::RausWurf(Colour mover, Image first, Image second, Image third) {
  if (s_.Augen != 1) {
    return;
  }
  const std::array<Image, 3> images{first, second, third};
  for (std::size_t i = 0; i < images.size(); ++i) {
    if (shown(images[i])) {
      hide(images[i]);
      Kommentar();
      returnToHouse(info(mover).knockOrder[i]);
    }
  }
}

bool Moves::clickable(Image i) {
  const ImageParts p = partsOf(i);
  return p.kind == ImageKind::Stein || p.kind == ImageKind::HausVoll ||
         (p.kind == ImageKind::ZielVoll && p.number <= 3);
}

void Moves::click(Image i) {
  if (!shown(i) || !clickable(i)) {
    return;
  }
  const ImageParts p = partsOf(i);
  switch (p.kind) {
    case ImageKind::Stein:
      SteinClick(p.colour, p.number);
      break;
    case ImageKind::HausVoll:
      HausVollClick(p.colour, i);
      break;
    case ImageKind::ZielVoll:
      ZielVollClick(p.colour, p.number);
      break;
    default:
      break;
  }
}

}  // namespace quivalo

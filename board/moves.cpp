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

// Whether the step of colour c's piece from goal slot k is refused: not c's
// turn, no roll to use, a move past slot 4 (tested before the cell is read)
// or onto a piece of c's own.
bool goalRefused(const State& s, Colour c, int k) {
  const int r = s.Augen;
  return s.Dran(c) == 0 || r == 0 || k < 1 || k > 3 || r > 4 - k ||
         s.cell(info(c).goalCell1 + k - 1 + r) == info(c).code;
}

// Whether bringing a piece of colour c out of the house slot of `sender` is
// refused: not c's turn, no six, c's own piece on the start field, or a
// sender that is not one of c's shown full-slot images (no other image can
// stand for a piece waiting in this house).
bool houseRefused(const State& s, Colour c, Image sender) {
  const ImageParts sp = partsOf(sender);
  return s.Dran(c) == 0 || s.Augen != 6 || s.isShown(Stein(c, info(c).start)) ||
         sp.kind != ImageKind::HausVoll || sp.colour != c || !s.isShown(sender);
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

// The place of a cell of colour c's way: a track field or a goal slot.
Place placeOf(Colour c, int cell) {
  return cell <= 40 ? Place{Place::Area::Track, cell}
                    : Place{Place::Area::Goal, cell - info(c).goalCell1 + 1};
}

}  // namespace

Moves::Moves(State& s, TurnCycle& turns, EventListener* events)
    : s_(s), turns_(turns), events_(events) {}

void Moves::SteinClick(Colour c, int n) {
  if (stepRefused(s_, c, n)) {
    return;
  }
  report([&] { return Moved{c, {Place::Area::Track, n}, placeOf(c, targetCell(c, n, s_.Augen))}; });
  trackSteps(c, n);
}

// Each step calls the handler of the field or slot it reaches. Those handlers
// compute the same target as the first one and so never refuse a step of an
// accepted move; they end the chain when `Augen` reaches 0, and so does this.
void Moves::trackSteps(Colour c, int n) {
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
  // The knock-out routine acts on the last step only, so it is called there
  // alone: 4 % fewer instructions in a game at "schwer" (quivalo-bench-rules).
  if (!intoGoal && s_.Augen == 1) {
    RausWurf(c, Stein(ci.knockOrder[0], next), Stein(ci.knockOrder[1], next),
             Stein(ci.knockOrder[2], next));
  }
  if (s_.Augen == 1) {
    s_.cell(intoGoal ? ci.goalCell1 : next) = ci.code;
  }
  --s_.Augen;
  if (s_.Augen == 0) {
    return;
  }
  if (intoGoal) {
    goalSteps(c, 1);
  } else {
    trackSteps(c, next);
  }
}

void Moves::ZielVollClick(Colour c, int k) {
  if (goalRefused(s_, c, k)) {
    return;
  }
  report([&] { return Moved{c, {Place::Area::Goal, k}, {Place::Area::Goal, k + s_.Augen}}; });
  goalSteps(c, k);
}

void Moves::goalSteps(Colour c, int k) {
  const ColourInfo& ci = info(c);
  const int r = s_.Augen;
  const int cell = ci.goalCell1 + k - 1;
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
  if (k < 3 && s_.Augen != 0) {
    goalSteps(c, k + 1);
  }
}

void Moves::HausVollClick(Colour c, Image sender) {
  if (houseRefused(s_, c, sender)) {
    return;
  }
  const ColourInfo& ci = info(c);
  for (Colour o : ci.startKnockOrder) {
    if (shown(Stein(o, ci.start))) {
      hide(Stein(o, ci.start));
      report([&] { return KnockedOut{o, c, ci.start}; });
      returnToHouse(o);
    }
  }
  const int slot = partsOf(sender).number;
  hide(sender);
  show(HausLeer(c, slot));
  hide(Feld(ci.start));
  show(Stein(c, ci.start));
  s_.cell(ci.start) = ci.code;
  s_.Augen = 0;
  s_.ErsterSchritt = 0;
  report([&] { return CameOut{c, slot}; });
}

void Moves::RausWurf(Colour mover, Image first, Image second, Image third) {
  if (s_.Augen != 1) {
    return;
  }
  const std::array<Image, 3> images{first, second, third};
  for (std::size_t i = 0; i < images.size(); ++i) {
    if (shown(images[i])) {
      hide(images[i]);
      const Colour home = info(mover).knockOrder[i];
      report([&] { return KnockedOut{home, mover, partsOf(images[i]).number}; });
      turns_.Kommentar();
      returnToHouse(home);
    }
  }
}

void Moves::returnToHouse(Colour c) {
  for (int k = 1; k <= 3; ++k) {
    if (!shown(HausVoll(c, k))) {
      show(HausVoll(c, k));
      return;
    }
  }
  show(HausVoll(c, 4));
}

bool Moves::clickable(Image i) {
  const ImageParts p = partsOf(i);
  return p.kind == ImageKind::Stein || p.kind == ImageKind::HausVoll ||
         (p.kind == ImageKind::ZielVoll && p.number <= 3);
}

bool Moves::wouldMove(const State& s, Image i) {
  if (!s.isShown(i)) {
    return false;
  }
  const ImageParts p = partsOf(i);
  switch (p.kind) {
    case ImageKind::Stein:
      return !stepRefused(s, p.colour, p.number);
    case ImageKind::HausVoll:
      return !houseRefused(s, p.colour, i);
    case ImageKind::ZielVoll:
      return !goalRefused(s, p.colour, p.number);
    default:
      return false;
  }
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

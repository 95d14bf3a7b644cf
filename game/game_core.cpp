// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_core.h"

#include "game/random.h"

namespace quivalo {

namespace {

// The house tidying pass: (colour, target slot, source slot), applied in this order.
struct TidyRule {
  Colour colour;
  int target;
  int source;
};
constexpr std::array<TidyRule, 24> kTidyRules{{
    {Colour::Blau, 4, 1},  {Colour::Blau, 4, 2},  {Colour::Blau, 4, 3},  {Colour::Blau, 3, 1},
    {Colour::Blau, 3, 2},  {Colour::Blau, 2, 1},  {Colour::Rot, 3, 2},   {Colour::Rot, 3, 4},
    {Colour::Rot, 3, 1},   {Colour::Rot, 1, 2},   {Colour::Rot, 1, 4},   {Colour::Rot, 4, 2},
    {Colour::Gelb, 1, 4},  {Colour::Gelb, 1, 3},  {Colour::Gelb, 1, 2},  {Colour::Gelb, 2, 4},
    {Colour::Gelb, 2, 3},  {Colour::Gelb, 3, 4},  {Colour::Green, 2, 3}, {Colour::Green, 2, 1},
    {Colour::Green, 2, 4}, {Colour::Green, 4, 3}, {Colour::Green, 4, 1}, {Colour::Green, 1, 3},
}};

constexpr std::uint32_t kRollEndMs = 100;
constexpr std::uint32_t kComputerDelayMs = 250;
constexpr std::uint32_t kRemarkMs = 1000;

}  // namespace

GameCore::GameCore(Platform platform) : platform_(platform) {
  resetBoardImages();
  for (Colour c : kColours) {
    s_.SpielerMenu[static_cast<std::size_t>(index(c))] = {c == Colour::Blau,
                                                          playerCaption(c, c == Colour::Blau)};
  }
  s_.leicht1 = {false, "leicht"};
  s_.schwer1 = {true, "schwer"};
  setInterval(TimerId::Timer2, 200);
  setInterval(TimerId::Timer3, 200);
  setInterval(TimerId::Timer4, kRemarkMs);
  FormCreate();
}

void GameCore::setInterval(TimerId timer, std::uint32_t ms) {
  auto& current = s_.interval[static_cast<std::size_t>(timer)];
  if (current == ms) {
    return;
  }
  current = ms;
  platform_.timers.setInterval(timer, ms);
}

std::uint32_t GameCore::drawFromClock(std::uint32_t n) {
  s_.seed = platform_.clock.msSinceMidnightUtc();
  return draw(s_.seed, n);
}

void GameCore::resetBoardImages() {
  for (int i = 0; i < kBoardImageCount; ++i) {
    s_.setShown(Image(i), initiallyShown(Image(i)));
  }
}

void GameCore::FormCreate() {
  s_.Spielfeld.fill(Cell::Leer);
  s_.Werfer = 4;
  s_.Augen = 0;
  s_.Versuche = 0;
  NeuerWerfer();
}

// The slots (bit k-1 for slot k) that the three-roll rule requires shown:
// with i pieces packed at the far end of the goal lane (goal slots 4 down to
// 5 - i), the other 4 - i at home in the first slots of the fill order.
struct NoMoveCondition {
  unsigned house;
  unsigned goal;
};
constexpr std::array<std::array<NoMoveCondition, 4>, 4> noMoveConditions() {
  std::array<std::array<NoMoveCondition, 4>, 4> all{};
  for (std::size_t c = 0; c < 4; ++c) {
    for (int inGoal = 0; inGoal < 4; ++inGoal) {
      NoMoveCondition& n = all[c][static_cast<std::size_t>(inGoal)];
      for (int k = 0; k < inGoal; ++k) {
        n.goal |= 1u << (3 - k);
      }
      for (int k = 0; k < 4 - inGoal; ++k) {
        n.house |= 1u << (kColourInfo[c].fillOrder[static_cast<std::size_t>(k)] - 1);
      }
    }
  }
  return all;
}
constexpr auto kNoMoveConditions = noMoveConditions();

// The three-roll rule: no piece could move when all are at home, or the rest
// are packed at the far end of the goal lane. Read from the image flags alone.
bool GameCore::noPieceCanMove(Colour c) const {
  const unsigned house = s_.slotMask(HausVoll(c, 1));
  const unsigned goal = s_.slotMask(ZielVoll(c, 1));
  for (const NoMoveCondition& n : kNoMoveConditions[static_cast<std::size_t>(index(c))]) {
    if ((house & n.house) == n.house && (goal & n.goal) == n.goal) {
      return true;
    }
  }
  return false;
}

void GameCore::NeuerWerfer() {
  if (s_.Versuche == 0) {
    s_.BlauDran = s_.RotDran = s_.GelbDran = s_.GreenDran = 0;
    s_.Werfer = s_.Werfer == 4 ? 1 : static_cast<std::uint8_t>(s_.Werfer + 1);
    const Colour c = colourOfPlayer(s_.Werfer);
    s_.Dran(c) = 1;
    s_.FarbLabel = info(c).display;
    s_.Versuche = noPieceCanMove(c) ? 3 : 1;
  }
  for (Colour c : kColours) {
    if (!s_.SpielerMenu[static_cast<std::size_t>(index(c))].Checked &&
        s_.Werfer == playerNumber(c)) {
      setInterval(computerTimer(c), kComputerDelayMs);
    }
  }
}

void GameCore::WuerfelClick() {
  for (int n = 1; n <= 6; ++n) {
    hide(Zahl(n));
  }
  s_.Augen = static_cast<std::uint8_t>(drawFromClock(6) + 1);
  show(Zahl(s_.Augen));
  if (s_.Augen == 6) {
    s_.Versuche = 1;
  } else if (s_.Versuche > 0) {
    // A roll made with no rolls left (a person's roll just before a computer
    // roll) keeps 0 rather than wrapping round to 255 rolls.
    --s_.Versuche;
  }
  s_.ErsterSchritt = 1;
  setInterval(TimerId::Timer1, kRollEndMs);
  s_.WuerfelEnabled = false;
  s_.KannNichtBtnEnabled = true;
  ++stats_.rolls;
}

void GameCore::KannNichtBtnClick() { s_.Augen = 0; }

void GameCore::Timer1Timer() {
  if (s_.Augen != 0) {
    return;
  }
  setInterval(TimerId::Timer1, 0);
  s_.KannNichtBtnEnabled = false;
  s_.WuerfelEnabled = true;
  NeuerWerfer();
  for (int n = 1; n <= 6; ++n) {
    hide(Zahl(n));
  }
}

// For each colour, the sets of full slots (bit k-1 for slot k) that are packed:
// the first k slots of its fill order. No tidying rule changes a packed house.
constexpr std::array<std::uint16_t, 4> packedHouses() {
  std::array<std::uint16_t, 4> packed{};
  for (std::size_t c = 0; c < 4; ++c) {
    unsigned mask = 0;
    packed[c] = 1;  // the empty house
    for (int slot : kColourInfo[c].fillOrder) {
      mask |= 1u << (slot - 1);
      packed[c] = static_cast<std::uint16_t>(packed[c] | (1u << mask));
    }
  }
  return packed;
}
constexpr std::array<std::uint16_t, 4> kPackedHouses = packedHouses();

void GameCore::Timer2Timer() {
  for (std::size_t i = 0; i < kTidyRules.size(); i += 6) {
    const Colour c = kTidyRules[i].colour;
    const unsigned full = s_.slotMask(HausVoll(c, 1));
    if ((kPackedHouses[static_cast<std::size_t>(index(c))] >> full) & 1u) {
      continue;  // nothing to do for this house
    }
    for (std::size_t j = i; j < i + 6; ++j) {
      const TidyRule& r = kTidyRules[j];
      if (!shown(HausVoll(r.colour, r.target)) && shown(HausVoll(r.colour, r.source))) {
        show(HausVoll(r.colour, r.target));
        hide(HausLeer(r.colour, r.target));
        hide(HausVoll(r.colour, r.source));
        show(HausLeer(r.colour, r.source));
      }
    }
  }
}

void GameCore::Timer3Timer() {
  for (Colour c : kColours) {
    if (!(shown(ZielVoll(c, 1)) && shown(ZielVoll(c, 2)) && shown(ZielVoll(c, 3)) &&
          shown(ZielVoll(c, 4)))) {
      continue;
    }
    for (TimerId t : {TimerId::Timer3, TimerId::Timer1, TimerId::BlauTimer, TimerId::RotTimer,
                      TimerId::GelbTimer, TimerId::GreenTimer}) {
      setInterval(t, 0);
    }
    std::string text = "Herzlichen Glückwunsch Herr ";
    text += info(c).display;
    text += ", Sie haben gewonnen.";
    // The dice button is disabled before the message as well: a click on it
    // that is already on its way (Alt+W fires a moment after the key) would
    // otherwise roll behind the message and let the game go on after the win.
    s_.WuerfelEnabled = false;
    platform_.dialog.information(text);
    s_.WuerfelEnabled = false;
    // A game has one winner: a second full lane found in the same check is
    // not congratulated as well.
    return;
  }
}

void GameCore::Kommentar() {
  s_.Bemerkung = kRemarks[drawFromClock(static_cast<std::uint32_t>(kRemarks.size()))];
  setInterval(TimerId::Timer4, 0);
  setInterval(TimerId::Timer4, kRemarkMs);
}

void GameCore::Timer4Timer() {
  setInterval(TimerId::Timer4, 0);
  s_.Bemerkung.clear();
}

void GameCore::returnToHouse(Colour c) {
  ++stats_.knockOuts;
  for (int k = 1; k <= 3; ++k) {
    if (!shown(HausVoll(c, k))) {
      show(HausVoll(c, k));
      return;
    }
  }
  show(HausVoll(c, 4));
}

void GameCore::Neu1Click() {
  resetBoardImages();
  FormCreate();
  s_.WuerfelEnabled = true;
  setInterval(TimerId::Timer3, 500);
}

void GameCore::SpielerMenuClick(Colour c) {
  MenuItem& item = s_.SpielerMenu[static_cast<std::size_t>(index(c))];
  item.Checked = !item.Checked;
  item.Caption = playerCaption(c, item.Checked);
}

void GameCore::leicht1Click() {
  s_.leicht1.Checked = true;
  s_.schwer1.Checked = false;
}

void GameCore::schwer1Click() {
  s_.schwer1.Checked = true;
  s_.leicht1.Checked = false;
}

}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
// The whole state of a game: the board array, the turn bytes, the visibility
// flags of every board image and die face, and the window state the rules read
// and write (enabled buttons, captions, menu marks, timer intervals).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quivalo {

// Colours in the order of play; the value is the player number (`Werfer`) - 1.
// In code names green is spelled `Green` (`SteinGreen5`, `GreenDran`,
// `GreenTimer`), as the game has always named it; on screen it reads "Grün".
enum class Colour : std::uint8_t { Blau = 0, Rot = 1, Gelb = 2, Green = 3 };

inline constexpr std::array<Colour, 4> kColours{Colour::Blau, Colour::Rot, Colour::Gelb,
                                                Colour::Green};

constexpr int index(Colour c) { return static_cast<int>(c); }
constexpr std::uint8_t playerNumber(Colour c) { return static_cast<std::uint8_t>(index(c) + 1); }
constexpr Colour colourOfPlayer(int werfer) { return static_cast<Colour>(werfer - 1); }

// Four values, one per colour, indexed by the colour. Integer indexes still
// work for the places that count items 1 to 4 (the player menu items).
template <typename T>
struct ByColour : std::array<T, 4> {
  using std::array<T, 4>::operator[];
  constexpr T& operator[](Colour c) { return (*this)[static_cast<std::size_t>(c)]; }
  constexpr const T& operator[](Colour c) const { return (*this)[static_cast<std::size_t>(c)]; }
};

// Cell codes stored in `Spielfeld`. Not in the order of play: Rot is 4.
enum class Cell : std::uint8_t { Leer = 0, Blau = 1, Gelb = 2, Green = 3, Rot = 4 };

// Everything that differs between the colours, one row per colour.
struct ColourInfo {
  std::string_view word;                  // spelling in image, handler and timer names
  std::string_view display;               // the name shown on screen
  Cell code;                              // cell code in `Spielfeld`
  int start;                              // start field S
  int last;                               // last track field L
  int goalCell1;                          // `Spielfeld` cell of goal slot 1 (slots 2-4 follow)
  std::array<Colour, 3> knockOrder;       // argument order of the knock-out routine
  std::array<Colour, 3> startKnockOrder;  // opponents tested on the start field
  std::array<int, 4> fillOrder;           // house slots, filled first to last
  bool crossesSeam;                       // the path passes from field 40 to field 1
};

inline constexpr ByColour<ColourInfo> kColourInfo = [] {
  using enum Colour;
  // clang-format off
  return ByColour<ColourInfo>{{{
    // word    display  code         S   L  goal1  knockOrder           startKnockOrder      fillOrder     crossesSeam
    {"Blau",  "Blau",  Cell::Blau,   1, 40, 41,   {Gelb, Rot, Green},  {Gelb, Rot, Green},  {4, 3, 2, 1}, false},
    {"Rot",   "Rot",   Cell::Rot,   11, 10, 45,   {Gelb, Blau, Green}, {Gelb, Blau, Green}, {3, 1, 4, 2}, true},
    {"Gelb",  "Gelb",  Cell::Gelb,  21, 20, 49,   {Blau, Rot, Green},  {Blau, Rot, Green},  {1, 2, 3, 4}, true},
    {"Green", "Grün",  Cell::Green, 31, 30, 53,   {Gelb, Rot, Blau},   {Blau, Rot, Gelb},   {2, 4, 1, 3}, true},
  }}};
  // clang-format on
}();

constexpr const ColourInfo& info(Colour c) { return kColourInfo[c]; }

// Track field after `field` (40 is followed by 1).
constexpr int nextField(int field) { return field == 40 ? 1 : field + 1; }

// The named images: 264 board images, then the six die faces, numbered family
// by family in the order of this table; a coloured family holds its numbers
// once per colour, Blau first. The window shows an image exactly when its
// flag in `State::shown` is set, and the rules test those flags as state.
// The words of the names:
// - `Feld`: the empty picture of a track field, beneath the field's pieces,
//   which cover it (`Feld7`).
// - `Stein`: a piece of a colour on a track field (`SteinRot7`).
// - `Haus`: a slot of a colour's house; `Ziel`: a slot of its goal lane.
//   Each slot has two images on one spot: `Voll`, a piece is in the slot
//   (`HausBlauVoll2`, `ZielGelbVoll3`), and `Leer`, the slot's empty picture
//   beneath it (`HausBlauLeer2`). A house slot's `Leer` image may stay shown
//   under its `Voll` one (a knock-out refills a slot without hiding it).
// - `Zahl`: the die face with that many pips (`Zahl6`), one shown at most.
enum class Image : std::uint16_t {};
enum class ImageKind : std::uint8_t { Feld, Stein, HausVoll, HausLeer, ZielVoll, ZielLeer, Zahl };

struct ImageFamily {
  ImageKind kind;
  bool coloured;  // one set per colour
  int count;      // numbers 1..count (per colour)
  constexpr int size() const { return coloured ? 4 * count : count; }
};

// clang-format off
inline constexpr std::array<ImageFamily, 7> kImageFamilies{{
    {ImageKind::Feld,     false, 40},
    {ImageKind::Stein,    true,  40},
    {ImageKind::HausVoll, true,  4},
    {ImageKind::HausLeer, true,  4},
    {ImageKind::ZielVoll, true,  4},
    {ImageKind::ZielLeer, true,  4},
    {ImageKind::Zahl,     false, 6},
}};
// clang-format on

constexpr const ImageFamily& family(ImageKind k) {
  return kImageFamilies[static_cast<std::size_t>(k)];
}

// The number of the first image of a family.
constexpr int firstImage(ImageKind k) {
  int first = 0;
  for (const ImageFamily& f : kImageFamilies) {
    if (f.kind == k) {
      break;
    }
    first += f.size();
  }
  return first;
}

// Image n (1-based) of a family, of colour c for the coloured families.
constexpr Image imageOf(ImageKind k, Colour c, int n) {
  const int perColour = family(k).coloured ? family(k).count * index(c) : 0;
  return Image(firstImage(k) + perColour + n - 1);
}

inline constexpr int kBoardImageCount = firstImage(ImageKind::Zahl);
inline constexpr int kImageCount = kBoardImageCount + family(ImageKind::Zahl).size();

constexpr Image Feld(int n) { return imageOf(ImageKind::Feld, Colour::Blau, n); }
constexpr Image Stein(Colour c, int n) { return imageOf(ImageKind::Stein, c, n); }
constexpr Image HausVoll(Colour c, int k) { return imageOf(ImageKind::HausVoll, c, k); }
constexpr Image HausLeer(Colour c, int k) { return imageOf(ImageKind::HausLeer, c, k); }
constexpr Image ZielVoll(Colour c, int k) { return imageOf(ImageKind::ZielVoll, c, k); }
constexpr Image ZielLeer(Colour c, int k) { return imageOf(ImageKind::ZielLeer, c, k); }
constexpr Image Zahl(int n) { return imageOf(ImageKind::Zahl, Colour::Blau, n); }
constexpr int index(Image i) { return static_cast<int>(i); }
// Position of an image in arrays of all images.
constexpr std::size_t at(Image i) { return static_cast<std::size_t>(i); }

// What kind of image, its colour and its field or slot number.
struct ImageParts {
  ImageKind kind;
  Colour colour;  // Blau for the colourless kinds
  int number;     // field 1..40, slot 1..4 or pips 1..6
};
ImageParts partsOf(Image i);

// Visibility of an image when the window is created and after a new game.
bool initiallyShown(Image i);

// The eight timers, in the order in which timers due at the same moment fire.
// Each runs while its interval (in `State::interval`) is above 0.
enum class TimerId : std::uint8_t {
  Timer1,     // ends a roll: armed with 100 ms by each roll; its tick waits for
              // `Augen` to reach 0, then stops itself and calls NeuerWerfer
  Timer2,     // tidies the houses every 200 ms; never stopped
  Timer3,     // looks for a winner: 200 ms from the start, 500 ms after "Neu";
              // stopped by a win
  Timer4,     // clears the remark line once, a second after a knock-out
  BlauTimer,  // BlauTimer .. GreenTimer: armed with 250 ms by NeuerWerfer when
  RotTimer,   // the computer plays the colour to roll; each stops itself and
  GelbTimer,  // plays one roll for its colour
  GreenTimer
};
inline constexpr int kTimerCount = 8;
inline constexpr std::array<TimerId, kTimerCount> kTimers{
    TimerId::Timer1,    TimerId::Timer2,   TimerId::Timer3,    TimerId::Timer4,
    TimerId::BlauTimer, TimerId::RotTimer, TimerId::GelbTimer, TimerId::GreenTimer};
// Position of a timer in arrays of all timers.
constexpr std::size_t at(TimerId t) { return static_cast<std::size_t>(t); }
// The computer timer of a colour, and the colour of a computer timer.
constexpr TimerId computerTimer(Colour c) {
  return kTimers[at(TimerId::BlauTimer) + static_cast<std::size_t>(index(c))];
}
constexpr std::optional<Colour> colourOf(TimerId t) {
  if (at(t) < at(TimerId::BlauTimer)) {
    return std::nullopt;
  }
  return kColours[at(t) - at(TimerId::BlauTimer)];
}
// The timer's name, as its Qt timer is named ("Timer1", "BlauTimer").
std::string_view timerName(TimerId t);

// A menu item with a check mark.
struct MenuItem {
  bool Checked = false;
  std::string Caption;
  bool operator==(const MenuItem&) const = default;
};

// Everything the rules read and write: the game's one record, owned by the
// game (computer/game.h) and reset in place by a new game. The parts that
// play by the rules write it, each the items its glossary entry below names:
// the turn cycle (game/turn_cycle.h) and the move rules (board/moves.h). The
// computer player and the window only read it; tests, tools and benchmarks
// set a position up through Game::setUp.
struct State {
  // The board: cells 1..40 are the track fields, 41..56 the goal lanes (Blau
  // 41-44, Rot 45-48, Gelb 49-52, Grün 53-56); each holds the cell code of the
  // piece resting there or `Leer`. Houses have no cells. Cell 0 is never used.
  // Written by the first step of a move (origin), its last step (target) and
  // a piece leaving its house; read by the move handlers' own-piece test and
  // by the computer players.
  std::array<Cell, 57> Spielfeld{};

  // The turn bytes.
  // `Werfer`: player number (1 Blau .. 4 Grün) of the colour whose turn it
  // is. Set by NeuerWerfer when the turn passes on; 4 before the first turn,
  // so that the first turn change makes it Blau's.
  std::uint8_t Werfer = 4;
  // `BlauDran` .. `GreenDran`: 1 for the colour whose turn it is, else 0.
  // Set by NeuerWerfer; every piece, goal and house handler of a colour does
  // nothing while its flag is 0.
  std::uint8_t BlauDran = 0;
  std::uint8_t RotDran = 0;
  std::uint8_t GelbDran = 0;
  std::uint8_t GreenDran = 0;
  // `Versuche`: rolls the colour still has in this turn (1, or 3 when none of
  // its pieces could move). Set by NeuerWerfer, counted down by each roll,
  // back to 1 by a six; at 0 the next NeuerWerfer passes the turn on.
  std::uint8_t Versuche = 0;
  // `Augen`: the number rolled (1..6), counted down by each step of the move;
  // 0 when nothing is left to move. Set by WuerfelClick, cleared by "Kann
  // nicht" and by leaving the house. Timer1 ends the roll once it is 0; the
  // computer tells an accepted candidate move from a refused one by it.
  std::uint8_t Augen = 0;

  // The step flags of a move.
  // `ErsterSchritt`: 1 from a roll until the first step of its move, which
  // clears the moving piece's origin cell and sets the flag to 0.
  std::uint8_t ErsterSchritt = 0;
  // `Ueberlagert`: set by each step of a move to whether the field or goal
  // slot just entered already showed a piece of the moving colour. The next
  // step hides the picture it leaves only when this is 0, so that a piece
  // passed over stays shown. 0 again after every complete move.
  std::uint8_t Ueberlagert = 0;

  std::array<bool, kImageCount> shown{};  // visibility flag of each image

  // The window's state that the rules read and write.
  // `WuerfelEnabled`: the dice button "&Würfeln" takes clicks. Disabled by
  // each roll, enabled again when the roll ends (Timer1); disabled by a win
  // until "Neu". The computer rolls through WuerfelClick whatever it says.
  bool WuerfelEnabled = true;
  // `KannNichtBtnEnabled`: the button "&Kann nicht" takes clicks. Enabled by
  // each roll and disabled when the roll ends (Timer1), so it is enabled
  // whenever a roll waits to be used.
  bool KannNichtBtnEnabled = false;
  // `FarbLabel`: the colour to move as shown above "ist an der Reihe!"
  // ("Blau", "Rot", "Gelb", "Grün"); set by NeuerWerfer with the turn.
  std::string FarbLabel;
  // `Bemerkung`: the remark line; a remark drawn at random by each
  // knock-out (Kommentar), emptied a second later by Timer4.
  std::string Bemerkung;
  // The menu marks hold the settings: set when the window is made (Blau a
  // person, Rot, Gelb and Grün the computer, "schwer"), kept by "Neu", and
  // saved nowhere.
  // `SpielerMenu1` .. `SpielerMenu4`, the player items of Blau .. Grün:
  // checked when a person plays the colour, unchecked for the computer; the
  // caption says which ("&1 Blau - Mensch", "&2 Rot - Computer").
  ByColour<MenuItem> SpielerMenu;
  // `leicht1` and `schwer1`: the computer's strength, exactly one checked
  // ("schwer" at start).
  MenuItem leicht1;
  MenuItem schwer1;
  // Each timer's interval in ms, 0 while stopped; set only through
  // TurnCycle::setInterval, which keeps the timer convention.
  std::array<std::uint32_t, kTimerCount> interval{};

  std::uint32_t seed = 0;  // the one random generator's state

  // The turn flag of colour c (BlauDran, RotDran, GelbDran or GreenDran).
  std::uint8_t& Dran(Colour c) {
    switch (c) {
      case Colour::Blau:
        return BlauDran;
      case Colour::Rot:
        return RotDran;
      case Colour::Gelb:
        return GelbDran;
      case Colour::Green:
        break;
    }
    return GreenDran;
  }
  std::uint8_t Dran(Colour c) const { return const_cast<State*>(this)->Dran(c); }
  bool isShown(Image i) const { return shown[at(i)]; }
  void setShown(Image i, bool on) { shown[at(i)] = on; }
  Cell& cell(int n) { return Spielfeld[static_cast<std::size_t>(n)]; }
  Cell cell(int n) const { return Spielfeld[static_cast<std::size_t>(n)]; }

  bool operator==(const State&) const = default;
};

// Caption of a player item for its colour and mark.
std::string playerCaption(Colour c, bool person);

}  // namespace quivalo

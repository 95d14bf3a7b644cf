// SPDX-License-Identifier: GPL-3.0-or-later
// The whole state of a game: the board array, the turn bytes, the visibility
// flags of every board image and die face, and the window state the rules read
// and write (enabled buttons, captions, menu marks, timer intervals).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace quivalo {

// Colours in the order of play; the value is the player number (`Werfer`) - 1.
enum class Colour : std::uint8_t { Blau = 0, Rot = 1, Gelb = 2, Green = 3 };

inline constexpr std::array<Colour, 4> kColours{Colour::Blau, Colour::Rot, Colour::Gelb,
                                                Colour::Green};

constexpr int index(Colour c) { return static_cast<int>(c); }
constexpr std::uint8_t playerNumber(Colour c) { return static_cast<std::uint8_t>(index(c) + 1); }
constexpr Colour colourOfPlayer(int werfer) { return static_cast<Colour>(werfer - 1); }

// Cell codes stored in `Spielfeld`. Not in the order of play: Rot is 4.
enum class Cell : std::uint8_t { Leer = 0, Blau = 1, Gelb = 2, Green = 3, Rot = 4 };

// Everything that differs between the colours, one row per colour.
struct ColourInfo {
  std::string_view word;                  // spelling in image, handler and timer names
  std::string_view display;               // the name shown on screen
  Cell code;                              // cell code in `Spielfeld`
  int start;                              // start field S
  int last;                               // last track field L
  int goalCell1;                          // `Spielfeld` cell of goal slot 1
  int shift;                              // added to a track count past L to give the goal cell
  std::array<Colour, 3> knockOrder;       // argument order of the knock-out routine
  std::array<Colour, 3> startKnockOrder;  // opponents tested on the start field
  std::array<int, 4> fillOrder;           // house slots, filled first to last
  bool seamHunt;                          // hunts across field 40 -> 1
};

inline constexpr std::array<ColourInfo, 4> kColourInfo{{
    {"Blau",
     "Blau",
     Cell::Blau,
     1,
     40,
     41,
     0,
     {Colour::Gelb, Colour::Rot, Colour::Green},
     {Colour::Gelb, Colour::Rot, Colour::Green},
     {4, 3, 2, 1},
     false},
    {"Rot",
     "Rot",
     Cell::Rot,
     11,
     10,
     45,
     34,
     {Colour::Gelb, Colour::Blau, Colour::Green},
     {Colour::Gelb, Colour::Blau, Colour::Green},
     {3, 1, 4, 2},
     true},
    {"Gelb",
     "Gelb",
     Cell::Gelb,
     21,
     20,
     49,
     28,
     {Colour::Blau, Colour::Rot, Colour::Green},
     {Colour::Blau, Colour::Rot, Colour::Green},
     {1, 2, 3, 4},
     true},
    {"Green",
     "Grün",
     Cell::Green,
     31,
     30,
     53,
     22,
     {Colour::Gelb, Colour::Rot, Colour::Blau},
     {Colour::Blau, Colour::Rot, Colour::Gelb},
     {2, 4, 1, 3},
     true},
}};

constexpr const ColourInfo& info(Colour c) {
  return kColourInfo[static_cast<std::size_t>(index(c))];
}

// Track field after `field` (40 is followed by 1).
constexpr int nextField(int field) { return field == 40 ? 1 : field + 1; }

// The named images: 264 board images, then the six die faces.
enum class Image : std::uint16_t {};

inline constexpr int kBoardImageCount = 264;
inline constexpr int kImageCount = 270;

constexpr Image Feld(int n) { return Image(n - 1); }
constexpr Image Stein(Colour c, int n) { return Image(40 + 40 * index(c) + n - 1); }
constexpr Image HausVoll(Colour c, int k) { return Image(200 + 4 * index(c) + k - 1); }
constexpr Image HausLeer(Colour c, int k) { return Image(216 + 4 * index(c) + k - 1); }
constexpr Image ZielVoll(Colour c, int k) { return Image(232 + 4 * index(c) + k - 1); }
constexpr Image ZielLeer(Colour c, int k) { return Image(248 + 4 * index(c) + k - 1); }
constexpr Image Zahl(int n) { return Image(263 + n); }
constexpr int index(Image i) { return static_cast<int>(i); }

// What kind of image, its colour and its field or slot number.
enum class ImageKind : std::uint8_t { Feld, Stein, HausVoll, HausLeer, ZielVoll, ZielLeer, Zahl };
struct ImageParts {
  ImageKind kind;
  Colour colour;  // Blau for the colourless kinds
  int number;     // field 1..40, slot 1..4 or pips 1..6
};
ImageParts partsOf(Image i);

// Name of an image as the rules call it ("SteinBlau5", "HausRotVoll3", "Zahl6").
std::string imageName(Image i);
// The image of that name, if there is one.
std::optional<Image> imageByName(std::string_view name);
// Visibility of an image when the window is created and after a new game.
bool initiallyShown(Image i);

// The eight timers, in the order in which timers due at the same moment fire.
enum class TimerId : std::uint8_t {
  Timer1,
  Timer2,
  Timer3,
  Timer4,
  BlauTimer,
  RotTimer,
  GelbTimer,
  GreenTimer
};
inline constexpr int kTimerCount = 8;
constexpr TimerId computerTimer(Colour c) { return TimerId(4 + index(c)); }
std::string_view timerName(TimerId t);
std::optional<TimerId> timerByName(std::string_view name);

// A menu item with a check mark.
struct MenuItem {
  bool Checked = false;
  std::string Caption;
  bool operator==(const MenuItem&) const = default;
};

// Everything the rules read and write. Reset in place by a new game.
struct State {
  std::array<Cell, 57> Spielfeld{};  // cells 1..56; cell 0 is never used
  std::uint8_t Werfer = 4;
  std::uint8_t BlauDran = 0;
  std::uint8_t RotDran = 0;
  std::uint8_t GelbDran = 0;
  std::uint8_t GreenDran = 0;
  std::uint8_t Versuche = 0;
  std::uint8_t Augen = 0;
  std::uint8_t ErsterSchritt = 0;
  std::uint8_t Ueberlagert = 0;

  std::array<bool, kImageCount> shown{};  // visibility flag of each image

  bool WuerfelEnabled = true;
  bool KannNichtBtnEnabled = false;
  std::string FarbLabel;
  std::string Bemerkung;
  std::array<MenuItem, 4> SpielerMenu;  // SpielerMenu1..SpielerMenu4
  MenuItem leicht1;
  MenuItem schwer1;
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
  bool isShown(Image i) const { return shown[static_cast<std::size_t>(index(i))]; }
  // The flags of the four slot images from `slot1` on (a house's or a goal
  // lane's full or empty images, slots 1 to 4) as bits 0 to 3, read at once.
  unsigned slotMask(Image slot1) const {
    static_assert(sizeof(bool) == 1);
    std::uint32_t bytes = 0;  // one byte, 0 or 1, per slot
    std::memcpy(&bytes, &shown[static_cast<std::size_t>(index(slot1))], sizeof bytes);
    // Gathers bit 0 of each byte into bits 24 to 27 (byte k to bit 24 + k).
    return static_cast<unsigned>(((std::uint64_t{bytes} * 0x01020408u) >> 24) & 0xFu);
  }
  void setShown(Image i, bool on) { shown[static_cast<std::size_t>(index(i))] = on; }
  Cell& cell(int n) { return Spielfeld[static_cast<std::size_t>(n)]; }
  Cell cell(int n) const { return Spielfeld[static_cast<std::size_t>(n)]; }
  std::uint32_t intervalOf(TimerId t) const { return interval[static_cast<std::size_t>(t)]; }

  bool operator==(const State&) const = default;
};

std::string_view cellName(Cell c);
std::optional<Cell> cellByName(std::string_view name);

// Caption of a player item for its colour and mark.
std::string playerCaption(Colour c, bool person);

}  // namespace quivalo

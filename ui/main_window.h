// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board on the left, the column with the colour to
// move, the dice button, the die and the remark line on the right, and the
// menu bar. It owns one game and the Qt side of its seams. Every click, menu
// command, key and timer tick reaches the game through the window's one
// entry, forward(), which runs the game's handler and then brings the
// widgets in line with the game's state. The window follows the game's
// events for the Verlauf and for the last moves its option marks.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "board/geometry.h"
#include "computer/game.h"
#include "ui/help/qt_help_viewer.h"
#include "ui/info_box.h"
#include "ui/pictures.h"
#include "ui/qt_platform.h"
#include "ui/verlauf.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace quivalo::ui {

class CellWidget;
class KeyFrame;
class VerlaufWindow;

// What the widgets showed after the last mirror.
struct Mirrored {
  std::array<bool, kImageCount> shown{};
  int dieFace = 0;  // pips of the face shown, 0 for none
  bool wuerfelEnabled = false;
  bool kannNichtEnabled = false;
  std::string farbLabel;
  std::string bemerkung;
  ByColour<std::string> spielerCaption;
  bool marked = false;  // an option's marks were on
};

// A colour's last move: the cells (indexes into boardCells()) it left, -1
// for a house, and reached.
struct LastMove {
  int left;
  int reached;
};

class TMain final : public QMainWindow, private EventListener {
  Q_OBJECT

 public:
  // The client area below the menu bar. It holds the board (to 355) and the
  // right-hand column (to 357) with the margins of a 516 x 407 window under
  // the classic Windows metrics: a 4-pixel sizing frame, a 19-pixel title
  // bar and a 19-pixel menu bar.
  static constexpr int kClientWidth = 508;
  static constexpr int kClientHeight = 361;

  // `help` serves the help menu; when null, the window makes its own viewer.
  // `clock` gives the time of day the die and the remarks are drawn from;
  // when null, the system clock.
  explicit TMain(QWidget* parent = nullptr, HelpViewer* help = nullptr, Clock* clock = nullptr);
  ~TMain() override;

  // The game, to read.
  const Game& game() const { return game_; }
  // The about box that "In&fo..." shows.
  void setInfoBox(TInfo* info) { info_ = info; }
  // The one way into the game: runs `handler` on the game (when given) and
  // then updates exactly the widgets whose state changed. The buttons, cells,
  // menus, keys and timers come this way, the winner's message before it
  // opens, and the tests and the benchmark that set up a position
  // (Game::setUp).
  void forward(const std::function<void(Game&)>& handler);

 protected:
  // The keys that play a person's pieces, and the mouse that ends them.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildColumn();
  void buildDice();
  void buildBoard();
  void buildMenus();
  void connectTimers();
  // A menu of the menu bar, an item of it that runs a handler of the game
  // (through forward) or of the window, and a separator line, each with its
  // object name. Captions are UTF-8.
  QMenu* addMenu(const char* name, const char* caption);
  QAction* addMenuItem(QMenu* menu, const char* name, const char* caption, void (Game::*handler)());
  QAction* addMenuItem(QMenu* menu, const char* name, const char* caption,
                       void (TMain::*handler)());
  QAction* addMenuItem(QMenu* menu, const char* name, const char* caption,
                       const std::function<void()>& run);
  static void addSeparator(QMenu* menu, const char* name);

  // The end of forward(): brings the widgets in line with the game's state,
  // touching only what changed since the last time.
  void mirror();
  // Its parts; `all` mirrors everything, as the first time.
  void mirrorBoard(bool all, Mirrored& m);
  void mirrorColumn(bool all, Mirrored& m);
  void mirrorMenus(bool all, Mirrored& m);
  void mirrorKeyCell();
  // The marks of "Ziehbare Figuren zeigen" and "Letzte Züge zeigen".
  void mirrorMarks(bool all, Mirrored& m);

  // What the game reports: to the Verlauf, and each colour's last move.
  void happened(const Event& event) override;

  // The handlers with something to do besides forwarding.
  void WuerfelClick();
  void KannNichtBtnClick();
  void Beenden1Click();
  void SpielerMenuClick(Colour colour);
  void Info1Click();
  // Shows the Verlauf beside the game.
  void Verlauf1Click();
  void cellClicked(const CellWidget& cell);
  void timerFired(TimerId id);

  // Keyboard play of a person's pieces: the arrow keys move a highlight
  // through the cells whose click would move a piece, Enter or Space clicks
  // the highlighted cell. The highlighted cell has the keyboard focus, so a
  // screen reader reads its name.
  bool stepKeyCell(int step);
  void showKeyCell(int cell);
  // Takes the highlight away and gives the focus back to the buttons.
  void hideKeyCell();

  // The seams come first: the game's constructor already sets timers.
  SystemClock systemClock_;
  QtTimers timers_;
  MessageBoxDialog dialog_;
  QtHelpViewer ownHelp_;
  // Followers of the game, before it: it reports as it is made.
  VerlaufLines verlauf_;
  ByColour<std::optional<LastMove>> lastMoves_;
  Game game_;

  Pictures pictures_;
  QWidget* client_ = nullptr;
  std::array<CellWidget*, kCellCount> cells_{};
  QWidget* dice_ = nullptr;
  std::array<QLabel*, 6> zahl_{};
  QLabel* farbLabel_ = nullptr;
  QLabel* bemerkung_ = nullptr;
  QPushButton* wuerfel_ = nullptr;
  QPushButton* kannNicht_ = nullptr;
  ByColour<QAction*> spielerMenu_{};
  QAction* leicht1_ = nullptr;
  QAction* schwer1_ = nullptr;
  QAction* ziehbareFiguren1_ = nullptr;
  QAction* letzteZuege1_ = nullptr;
  VerlaufWindow* verlaufWindow_ = nullptr;  // made when first shown
  QPointer<TInfo> info_;
  int keyCell_ = -1;  // index of the highlighted cell, -1 for none
  KeyFrame* keyFrame_ = nullptr;

  std::optional<Mirrored> mirrored_;
};

}  // namespace quivalo::ui

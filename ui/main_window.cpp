// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "ui/cell_widget.h"
#include "ui/fonts.h"
#include "ui/frames.h"
#include "ui/info_box.h"
#include "ui/move_finder.h"
#include "ui/qt_util.h"
#include "ui/verlauf.h"

namespace quivalo::ui {

namespace {

// A fixed label of the column: object name, place, alignment, font (none for
// the window's font) and caption.
struct LabelRow {
  const char* name;
  QRect place;
  Qt::Alignment alignment;
  const char* family;
  int pixels;
  bool bold;
  const char* caption;
};

// A push button of the column: object name, place, caption with its access
// key, and the name and description a screen reader reads.
struct ButtonRow {
  const char* name;
  QRect place;
  const char* caption;
  const char* accessibleName;
  const char* description;
};

// The column's labels and buttons, top to bottom.
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr const char* kTimes = "Times New Roman";
// clang-format off
constexpr LabelRow kFarbLabel{"FarbLabel", {384,  64, 113, 31}, kCentred, kTimes, 27, true,  ""};
constexpr LabelRow kLabel1   {"Label1",    {384,  96, 113, 19}, kCentred, kTimes, 16, false,
                              "ist an der Reihe!"};
constexpr ButtonRow kWuerfel     {"Wuerfel",      {384, 136, 113, 25}, "&Würfeln",    "Würfeln",
                                  "Würfelt für die Farbe, die an der Reihe ist"};
constexpr ButtonRow kKannNichtBtn{"KannNichtBtn", {384, 248, 113, 25}, "&Kann nicht", "Kann nicht",
                                  "Gibt diesen Wurf ohne Zug auf"};
constexpr LabelRow kBemerkung{"Bemerkung", {384, 344, 113, 13}, kLeft,    nullptr, 0, false, ""};
// clang-format on

QLabel* fixedLabel(QWidget* parent, const LabelRow& row) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(row.name));
  label->setGeometry(row.place);
  label->setAlignment(row.alignment);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(false);
  if (row.family != nullptr) {
    label->setFont(pixelFont(QString::fromLatin1(row.family), row.pixels, row.bold));
  }
  if (*row.caption != '\0') {
    label->setText(QString::fromUtf8(row.caption));
  }
  return label;
}

// Neither button is a default button, and both take the focus from Tab.
QPushButton* columnButton(QWidget* parent, const ButtonRow& row) {
  auto* button = new QPushButton(QString::fromUtf8(row.caption), parent);
  button->setObjectName(QString::fromLatin1(row.name));
  button->setAccessibleName(QString::fromUtf8(row.accessibleName));
  button->setAccessibleDescription(QString::fromUtf8(row.description));
  button->setGeometry(row.place);
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

// The cell of a place a colour's piece stands on.
int cellOf(Colour c, Place at) {
  const auto& cells = boardCells();
  const auto cell = std::find_if(cells.begin(), cells.end(), [c, at](const BoardCell& b) {
    return at.area == Place::Area::Track
               ? b.kind == CellKind::Track && b.number == at.number
               : b.kind == CellKind::Goal && b.colour == c && b.number == at.number;
  });
  return static_cast<int>(cell - cells.begin());
}

}  // namespace

TMain::TMain(QWidget* parent, HelpViewer* help, Clock* clock)
    : QMainWindow(parent),
      timers_(this),
      // The winner's message shows the final position behind it.
      dialog_(this, [this] { forward(nullptr); }),
      ownHelp_(this),
      game_(Platform{clock != nullptr ? *clock : systemClock_, timers_, dialog_,
                     help != nullptr ? *help : ownHelp_, this}) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral(QUIVALO_TITLE));
  // Read out as the program's name rather than with three exclamation marks.
  setAccessibleName(QStringLiteral("Quivalo"));
  // The desktop entry the window belongs to: the Wayland application id, and
  // how docks and task bars find the entry's name and icon for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUIVALO_APP_ID));
  if (!pictures_.icon().isNull()) {
    setWindowIcon(pictures_.icon());
  }

  // Fixed-geometry children of a plain client widget: resizing the window
  // moves and stretches nothing.
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("Client"));
  client_->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
  client_->setBackgroundRole(QPalette::Base);
  client_->setAutoFillBackground(true);
  setCentralWidget(client_);
  // The frame may grow, but not hide the board or the column.
  client_->setMinimumSize(kClientWidth, kClientHeight);

  buildBoard();
  buildColumn();
  buildMenus();
  connectTimers();

  resize(kClientWidth, kClientHeight + menuBar()->heightForWidth(kClientWidth));
  move(245, 43);
  forward(nullptr);  // the widgets show the game as it starts
  wuerfel_->setFocus();
}

TMain::~TMain() {
  for (TimerId t : kTimers) {
    timers_.stop(t);
  }
}

void TMain::buildBoard() {
  keyFrame_ = new KeyFrame(client_);
  keyFrame_->setObjectName(QStringLiteral("KeyFrame"));
  const auto& cells = boardCells();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    auto* cell = new CellWidget(cells[i], pictures_, client_);
    cells_[i] = cell;
    connect(cell, &CellWidget::clicked, this, [this, cell] { cellClicked(*cell); });
    cell->installEventFilter(this);
  }
}

void TMain::buildColumn() {
  auto* bevel = new LeftLineBevel(client_);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setGeometry(368, 8, 9, 348);

  farbLabel_ = fixedLabel(client_, kFarbLabel);
  fixedLabel(client_, kLabel1);
  wuerfel_ = columnButton(client_, kWuerfel);
  connect(wuerfel_, &QPushButton::clicked, this, &TMain::WuerfelClick);
  buildDice();
  kannNicht_ = columnButton(client_, kKannNichtBtn);
  kannNicht_->setEnabled(false);
  connect(kannNicht_, &QPushButton::clicked, this, &TMain::KannNichtBtnClick);
  // The remark line's accessible name is its text, which a label reports by
  // itself, with a name change event at every new text.
  bemerkung_ = fixedLabel(client_, kBemerkung);
  bemerkung_->setAccessibleDescription(QStringLiteral("Bemerkung"));

  setTabOrder(wuerfel_, kannNicht_);
  wuerfel_->installEventFilter(this);
  kannNicht_->installEventFilter(this);
}

// The die: a raised panel with the six faces, all hidden; the game shows
// one at most. Each face chooses its picture when it paints, for the screen
// it is on.
void TMain::buildDice() {
  auto* dice = new RaisedPanel(client_);
  dice->setObjectName(QStringLiteral("Dice"));
  dice->setGeometry(408, 176, 65, 65);
  dice_ = dice;
  for (int n = 1; n <= 6; ++n) {
    auto* face = new ScreenPicture(
        [&pictures = pictures_, n](qreal ratio) { return pictures.dieFace(n, ratio); }, dice);
    face->setObjectName(QStringLiteral("Zahl%1").arg(n));
    face->setAccessibleName(QStringLiteral("Augenzahl %1").arg(n));
    // The one-pip face sits a pixel further right and down than the others.
    const int at = n == 1 ? 8 : 7;
    face->setGeometry(at, at, 50, 50);
    face->hide();
    zahl_[static_cast<std::size_t>(n - 1)] = face;
  }
}

// The menu bar, item by item; a caption's "&" marks its access key.
void TMain::buildMenus() {
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* spiel = addMenu("Spiel1", "&Spiel");
  addMenuItem(spiel, "Neu1", "&Neu", &Game::Neu1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  // Strg+H, as browsers open their history.
  addMenuItem(spiel, "Verlauf1", "&Verlauf", &TMain::Verlauf1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  addSeparator(spiel, "N1");
  addMenuItem(spiel, "Beenden1", "&Beenden", &TMain::Beenden1Click)
      ->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

  // The player items take their captions from the game.
  QMenu* optionen = addMenu("Optionen1", "&Optionen");
  for (Colour c : kColours) {
    QAction* a = optionen->addAction(QString());
    a->setObjectName(QStringLiteral("SpielerMenu%1").arg(playerNumber(c)));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, c] { SpielerMenuClick(c); });
    spielerMenu_[c] = a;
  }
  addSeparator(optionen, "N3");
  leicht1_ = addMenuItem(optionen, "leicht1", "leicht", &Game::leicht1Click);
  schwer1_ = addMenuItem(optionen, "schwer1", "schwer", &Game::schwer1Click);
  leicht1_->setCheckable(true);
  schwer1_->setCheckable(true);
  // The window's own options, off at every start: marks over the board.
  addSeparator(optionen, "N4");
  ziehbareFiguren1_ = addMenuItem(optionen, "ZiehbareFiguren1", "&Ziehbare Figuren zeigen",
                                  [this] { forward(nullptr); });
  letzteZuege1_ =
      addMenuItem(optionen, "LetzteZuege1", "&Letzte Züge zeigen", [this] { forward(nullptr); });
  ziehbareFiguren1_->setCheckable(true);
  letzteZuege1_->setCheckable(true);

  QMenu* hilfe = addMenu("Hilfe1", "&Hilfe");
  addMenuItem(hilfe, "Inhalt1", "&Inhalt", &Game::Inhalt1Click);
  addMenuItem(hilfe, "Suchen1", "&Suchen...", &Game::Suchen1Click);
  addMenuItem(hilfe, "Hilfebenutzen1", "&Hilfe benutzen", &Game::Hilfebenutzen1Click);
  addSeparator(hilfe, "N2");
  addMenuItem(hilfe, "Info1", "In&fo...", &TMain::Info1Click);
  // F1 opens the contents too: a window shortcut, so that no menu caption changes.
  auto* contents = new QShortcut(QKeySequence::HelpContents, this);
  contents->setObjectName(QStringLiteral("HelpContentsShortcut"));
  connect(contents, &QShortcut::activated, this,
          [this] { forward([](Game& game) { game.Inhalt1Click(); }); });
}

QMenu* TMain::addMenu(const char* name, const char* caption) {
  QMenu* menu = menuBar()->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* TMain::addMenuItem(QMenu* menu, const char* name, const char* caption,
                            void (Game::*handler)()) {
  return addMenuItem(menu, name, caption,
                     [this, handler] { forward([handler](Game& game) { (game.*handler)(); }); });
}

QAction* TMain::addMenuItem(QMenu* menu, const char* name, const char* caption,
                            void (TMain::*handler)()) {
  return addMenuItem(menu, name, caption, [this, handler] { (this->*handler)(); });
}

QAction* TMain::addMenuItem(QMenu* menu, const char* name, const char* caption,
                            const std::function<void()>& run) {
  QAction* a = menu->addAction(QString::fromUtf8(caption));
  a->setObjectName(QString::fromLatin1(name));
  connect(a, &QAction::triggered, this, run);
  return a;
}

void TMain::addSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

void TMain::connectTimers() {
  for (TimerId id : kTimers) {
    connect(timers_[id], &QTimer::timeout, this, [this, id] { timerFired(id); });
  }
}

void TMain::forward(const std::function<void(Game&)>& handler) {
  if (handler) {
    handler(game_);
  }
  mirror();
}

void TMain::mirror() {
  const bool all = !mirrored_.has_value();
  if (all) {
    mirrored_.emplace();
  }
  mirrorBoard(all, *mirrored_);
  mirrorColumn(all, *mirrored_);
  mirrorMenus(all, *mirrored_);
  mirrorMarks(all, *mirrored_);
  mirrorKeyCell();
}

// The cells and the die face.
void TMain::mirrorBoard(bool all, Mirrored& m) {
  const State& s = game_.state();
  if (!all && s.shown == m.shown) {
    return;
  }
  for (CellWidget* cell : cells_) {
    cell->setTopImage(topmostShown(s, cell->cell()));
  }
  int dieFace = 0;
  for (int n = 1; n <= 6; ++n) {
    QLabel* face = zahl_[static_cast<std::size_t>(n - 1)];
    const bool on = s.isShown(Zahl(n));
    if (face->isVisibleTo(face->parentWidget()) != on) {
      face->setVisible(on);
    }
    if (on && dieFace == 0) {
      dieFace = n;
    }
  }
  if (all || dieFace != m.dieFace) {
    dice_->setAccessibleName(dieFace == 0 ? QStringLiteral("Würfel: kein Wurf")
                                          : QStringLiteral("Würfel: %1").arg(dieFace));
    m.dieFace = dieFace;
  }
  m.shown = s.shown;
}

// The buttons, the colour to move and the remark line.
void TMain::mirrorColumn(bool all, Mirrored& m) {
  const State& s = game_.state();
  // Enable before disabling, so that the keyboard focus moves on to the
  // button that has just become usable.
  if (all || s.WuerfelEnabled != m.wuerfelEnabled || s.KannNichtBtnEnabled != m.kannNichtEnabled) {
    for (bool enable : {true, false}) {
      if (s.WuerfelEnabled == enable) {
        wuerfel_->setEnabled(enable);
      }
      if (s.KannNichtBtnEnabled == enable) {
        kannNicht_->setEnabled(enable);
      }
    }
    m.wuerfelEnabled = s.WuerfelEnabled;
    m.kannNichtEnabled = s.KannNichtBtnEnabled;
  }

  if (all || s.FarbLabel != m.farbLabel) {
    const QString colour = toQString(s.FarbLabel);
    const QString name = colour.isEmpty() ? QString() : QStringLiteral("An der Reihe: ") + colour;
    // A label sends a name change with a new text only while it has no
    // accessible name of its own: set the non-empty one of the two first,
    // so that a screen reader hears one change, with the final name.
    if (name.isEmpty()) {
      farbLabel_->setText(colour);
      farbLabel_->setAccessibleName(name);
    } else {
      farbLabel_->setAccessibleName(name);
      farbLabel_->setText(colour);
    }
    m.farbLabel = s.FarbLabel;
  }
  if (all || s.Bemerkung != m.bemerkung) {
    bemerkung_->setText(toQString(s.Bemerkung));
    m.bemerkung = s.Bemerkung;
  }
}

// The player items and the strength marks. A checkable action toggles its
// own mark when chosen: the state's mark is compared with the action's, not
// with the last mirror.
void TMain::mirrorMenus(bool all, Mirrored& m) {
  const State& s = game_.state();
  for (Colour c : kColours) {
    const MenuItem& item = s.SpielerMenu[c];
    if (spielerMenu_[c]->isChecked() != item.Checked) {
      spielerMenu_[c]->setChecked(item.Checked);
    }
    if (all || item.Caption != m.spielerCaption[c]) {
      spielerMenu_[c]->setText(toQString(item.Caption));
      m.spielerCaption[c] = item.Caption;
    }
  }
  if (leicht1_->isChecked() != s.leicht1.Checked) {
    leicht1_->setChecked(s.leicht1.Checked);
  }
  if (schwer1_->isChecked() != s.schwer1.Checked) {
    schwer1_->setChecked(s.schwer1.Checked);
  }
}

// The movable pieces are those the arrow keys visit. With both options off
// and nothing marked, nothing is done.
void TMain::mirrorMarks(bool all, Mirrored& m) {
  const bool movable = ziehbareFiguren1_->isChecked();
  const bool last = letzteZuege1_->isChecked();
  if (!all && !movable && !last && !m.marked) {
    return;
  }
  std::array<CellMarks, kCellCount> marks{};
  if (movable) {
    for (int cell : movableCells(game_.state())) {
      marks[static_cast<std::size_t>(cell)].movable = true;
    }
  }
  for (Colour c : kColours) {
    if (const std::optional<LastMove>& move = lastMoves_[c]; last && move) {
      const auto bit = static_cast<std::uint8_t>(1U << index(c));
      if (move->left >= 0) {
        marks[static_cast<std::size_t>(move->left)].left |= bit;
      }
      marks[static_cast<std::size_t>(move->reached)].reached |= bit;
    }
  }
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    cells_[i]->setMarks(marks[i]);
  }
  m.marked = movable || last;
}

// A colour's last move lasts until it moves again or a new game begins, or
// until the piece it moved is knocked out where it went.
void TMain::happened(const Event& event) {
  verlauf_.happened(event);
  if (const auto* moved = std::get_if<Moved>(&event)) {
    lastMoves_[moved->colour] =
        LastMove{cellOf(moved->colour, moved->from), cellOf(moved->colour, moved->to)};
  } else if (const auto* out = std::get_if<CameOut>(&event)) {
    lastMoves_[out->colour] =
        LastMove{-1, cellOf(out->colour, {Place::Area::Track, info(out->colour).start})};
  } else if (const auto* knocked = std::get_if<KnockedOut>(&event)) {
    std::optional<LastMove>& move = lastMoves_[knocked->colour];
    if (move && move->reached == cellOf(knocked->colour, {Place::Area::Track, knocked->field})) {
      move.reset();
    }
  } else if (std::holds_alternative<NewGame>(event)) {
    lastMoves_ = {};
  }
}

// The highlight lasts while its cell would still move a piece with this roll.
void TMain::mirrorKeyCell() {
  const State& s = game_.state();
  if (keyCell_ >= 0 &&
      !(personRollWaits(s) && wouldMove(s, cells_[static_cast<std::size_t>(keyCell_)]->cell()))) {
    hideKeyCell();
  }
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    // Watched on the whole application only while a cell is highlighted.
    hideKeyCell();
    return false;
  }
  if (event->type() != QEvent::KeyPress) {
    return QMainWindow::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  // Shift+Tab arrives as Backtab with Shift held; any other modifier leaves
  // the key to the window (Alt+W, Strg+N).
  const Qt::KeyboardModifiers ignored =
      Qt::KeypadModifier | (key->key() == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
  if ((key->modifiers() & ~ignored) != Qt::NoModifier) {
    return false;
  }
  const bool onKeyCell = keyCell_ >= 0 && watched == cells_[static_cast<std::size_t>(keyCell_)];
  switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      return stepKeyCell(-1);
    case Qt::Key_Right:
    case Qt::Key_Down:
      return stepKeyCell(1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (onKeyCell) {
        cellClicked(*cells_[static_cast<std::size_t>(keyCell_)]);
      }
      return onKeyCell;
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (onKeyCell) {
        hideKeyCell();
      }
      return onKeyCell;
    default:
      return false;
  }
}

// While a person's roll waits, the arrow keys belong to the board: they move
// the highlight, or do nothing when no piece can move. At other times they
// do what they always did.
bool TMain::stepKeyCell(int step) {
  const State& s = game_.state();
  if (!personRollWaits(s)) {
    return false;
  }
  const std::vector<int> movable = movableCells(s);
  if (movable.empty()) {
    return true;
  }
  const auto n = static_cast<std::ptrdiff_t>(movable.size());
  const auto at = std::find(movable.begin(), movable.end(), keyCell_) - movable.begin();
  const std::ptrdiff_t next = at == n ? (step > 0 ? 0 : n - 1) : (at + step + n) % n;
  showKeyCell(movable[static_cast<std::size_t>(next)]);
  return true;
}

void TMain::showKeyCell(int cell) {
  if (keyCell_ != cell) {
    if (keyCell_ < 0) {
      QCoreApplication::instance()->installEventFilter(this);
    }
    keyCell_ = cell;
    keyFrame_->frame(cells_[static_cast<std::size_t>(cell)]->geometry());
  }
  // Cells take no focus from Tab or the mouse, only from here.
  cells_[static_cast<std::size_t>(cell)]->setFocus(Qt::OtherFocusReason);
}

void TMain::hideKeyCell() {
  if (keyCell_ < 0) {
    return;
  }
  CellWidget* cell = cells_[static_cast<std::size_t>(keyCell_)];
  keyCell_ = -1;
  QCoreApplication::instance()->removeEventFilter(this);
  keyFrame_->unframe();
  if (cell->hasFocus()) {
    if (kannNicht_->isEnabled()) {
      kannNicht_->setFocus(Qt::OtherFocusReason);
    } else if (wuerfel_->isEnabled()) {
      wuerfel_->setFocus(Qt::OtherFocusReason);
    } else {
      cell->clearFocus();
    }
  }
}

// A button's access key clicks it a moment after the key (animateClick), and
// that delayed click arrives even if the button has been disabled meanwhile,
// for example by the winner's message. A disabled button must not act, so the
// click goes to the game only while the game has the button enabled.
void TMain::WuerfelClick() {
  forward([](Game& game) {
    if (game.state().WuerfelEnabled) {
      game.WuerfelClick();
    }
  });
}

void TMain::KannNichtBtnClick() {
  forward([](Game& game) {
    if (game.state().KannNichtBtnEnabled) {
      game.KannNichtBtnClick();
    }
  });
}

void TMain::Beenden1Click() {
  // A quit request in the event queue: the loop ends when it reaches it.
  QMetaObject::invokeMethod(QCoreApplication::instance(), "quit", Qt::QueuedConnection);
}

void TMain::SpielerMenuClick(Colour colour) {
  forward([colour](Game& game) { game.SpielerMenuClick(colour); });
}

// The box is modal; the game plays on behind it, each timer tick through
// forward() as always.
void TMain::Info1Click() {
  if (info_) {
    info_->exec();
  }
}

void TMain::Verlauf1Click() {
  if (verlaufWindow_ == nullptr) {
    verlaufWindow_ = new VerlaufWindow(verlauf_.model(), this);
    // As high as the game, to its right.
    verlaufWindow_->resize(verlaufWindow_->width(), height());
    verlaufWindow_->move(frameGeometry().topRight() + QPoint(8, 0));
  }
  // Shown without taking the keys from the game, which keeps them also
  // where the desktop would give them to a window just shown.
  const bool active = isActiveWindow();
  verlaufWindow_->show();
  verlaufWindow_->raise();
  if (active) {
    activateWindow();
  }
}

void TMain::cellClicked(const CellWidget& cell) {
  forward([&cell](Game& game) {
    if (const std::optional<Image> top = topmostShown(game.state(), cell.cell());
        top && Moves::clickable(*top)) {
      game.click(*top);
    }
  });
}

void TMain::timerFired(TimerId id) {
  forward([id](Game& game) { game.onTimer(id); });
}

}  // namespace quivalo::ui

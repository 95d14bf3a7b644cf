// SPDX-License-Identifier: GPL-3.0-or-later
// The real window, offscreen.
//
// Golden screenshots: the window at start, after a knock-out and with a full
// goal lane, the six die faces, the open menus, the keyboard's frame and the
// about box, compared pixel for pixel with golden/NAME.png. On a difference
// the test writes NAME.actual.png and NAME.diff.png (differing pixels red
// over a grey copy of the render) into its working folder. The keyboard's
// frame and the about box are compared again at scale factors 1.5 and 2,
// with golden/NAME@1.5x.png and NAME@2x.png (CTest window_test_scale1.5 and
// window_test_scale2). After a wanted change of the look, write new goldens
// with
//   QUIVALO_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen build/debug/tests/ui/window/window_test looks
// (and again with QT_SCALE_FACTOR=1.5 and 2) and look at them before
// committing them. Besides, the picture generator, what a picture cannot
// show, and what a screen reader is told.
//
// Playing pieces from the keyboard: while a person's roll waits, the keys
// offer exactly the cells whose mouse click would move a piece, for every
// colour and cell; the arrow keys visit them, Enter does what that click
// does, and the mouse and a spent roll take the highlight away.
//
// At play, on real timers: Alt+W's delayed click rolls nothing behind the
// winner's message, the computer plays on behind the modal about box, and
// the program ends at once by menu, Alt+F4 or closing.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "game/virtual_host.h"
#include "support/position.h"
#include "ui/cell_widget.h"
#include "ui/frames.h"
#include "ui/info_box.h"
#include "ui/main_window.h"
#include "ui/move_finder.h"
#include "ui/translation.h"

using namespace Qt::StringLiterals;
using namespace quivalo;
using namespace quivalo::testing;
using enum quivalo::Colour;

namespace {

using ui::TInfo;
using ui::TMain;

// The part of that name and type below `parent`, or null.
template <typename T = QWidget>
T* named(const QObject& parent, const char* name) {
  return parent.findChild<T*>(QLatin1String(name));
}

bool showActive(TMain& w) {
  w.show();
  w.activateWindow();
  return QTest::qWaitForWindowActive(&w);
}

// A click at a point of the client area, through the window system as a
// person's click comes.
void clickAt(TMain& w, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(w.windowHandle(), button, Qt::NoModifier, w.client()->mapTo(&w, p));
}

// What the window shows against the rules' state: the top image and the
// tooltip of every cell, the die, both buttons, the colour label and the
// remark line, the player items and strength marks, and the eight Qt timers
// running exactly as the rules set them.
// Every difference between the widgets and the state, joined; empty when the
// window shows the state exactly.
QString windowMismatch(TMain& w) {
  const State& s = w.game().state();
  QStringList out;
  auto expect = [&out](bool ok, const QString& what) {
    if (!ok) {
      out << what;
    }
  };
  auto text = [&w](const char* label) { return named<QLabel>(w, label)->text().toStdString(); };
  for (const BoardCell& cell : boardCells()) {
    const QString name = ui::CellWidget::nameOf(cell);
    auto* widget = w.client()->findChild<ui::CellWidget*>(name);
    expect(widget != nullptr && widget->topImage() == topmostShown(s, cell) &&
               widget->toolTip() == ui::CellWidget::accessibleNameOf(cell, topmostShown(s, cell)),
           QStringLiteral("cell ") + name);
  }
  for (int n = 1; n <= 6; ++n) {
    auto* face = w.client()->findChild<QLabel*>(QStringLiteral("Zahl%1").arg(n));
    expect(face->isVisibleTo(w.client()) == s.isShown(Zahl(n)),
           QStringLiteral("die face %1").arg(n));
  }
  expect(named(w, "Wuerfel")->isEnabled() == s.WuerfelEnabled, QStringLiteral("Wuerfel enabled"));
  expect(named(w, "KannNichtBtn")->isEnabled() == s.KannNichtBtnEnabled,
         QStringLiteral("KannNichtBtn enabled"));
  expect(text("FarbLabel") == s.FarbLabel, QStringLiteral("FarbLabel"));
  expect(text("Bemerkung") == s.Bemerkung, QStringLiteral("Bemerkung"));
  const std::array<std::pair<const char*, const MenuItem*>, 6> items{
      {{"SpielerMenu1", &s.SpielerMenu[0]},
       {"SpielerMenu2", &s.SpielerMenu[1]},
       {"SpielerMenu3", &s.SpielerMenu[2]},
       {"SpielerMenu4", &s.SpielerMenu[3]},
       {"leicht1", &s.leicht1},
       {"schwer1", &s.schwer1}}};
  for (const auto& [name, item] : items) {
    const QAction* a = named<QAction>(w, name);
    expect(a->isChecked() == item->Checked && a->text() == QString::fromStdString(item->Caption),
           QLatin1String(name));
  }
  for (TimerId t : kTimers) {
    const auto* timer = named<QTimer>(w, timerName(t).data());
    const std::uint32_t set = s.intervalOf(t);
    expect(timer->isActive() == (set != 0) && (set == 0 || timer->interval() == int(set)) &&
               timer->timerType() == Qt::PreciseTimer,
           QString::fromStdString(std::string(timerName(t))));
  }
  return out.join(QStringLiteral("; "));
}
// The golden of NAME for the running Qt, which draws text a little differently
// from version to version: golden/qtX.Y/NAME.png of the newest X.Y up to the
// running version that has one, else golden/NAME.png (drawn by Qt 6.4).
QString goldenFile(const QString& name) {
  const QDir dir(QStringLiteral(QUIVALO_GOLDEN_DIR));
  QString file = dir.filePath(name + u".png"_s);
  QVersionNumber chosen;
  for (const QString& folder : dir.entryList({u"qt*"_s}, QDir::Dirs)) {
    const QVersionNumber version = QVersionNumber::fromString(folder.mid(2));
    const QString own = dir.filePath(folder + u'/' + name + u".png"_s);
    if (version > chosen && version <= QLibraryInfo::version() && QFile::exists(own))
      std::tie(chosen, file) = std::pair(version, own);
  }
  return file;
}

// Compares a render with its golden; an empty string if they agree. With
// QUIVALO_UPDATE_GOLDEN=1 a render that differs replaces its golden; with
// QUIVALO_UPDATE_GOLDEN=qtX.Y it becomes golden/qtX.Y/NAME.png.
QString compareWithGolden(const QImage& render, const QString& name) {
  const QImage actual = render.convertToFormat(QImage::Format_RGB32);
  const QString golden = goldenFile(name);
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  if (actual == expected) return {};
  if (const QString update = qEnvironmentVariable("QUIVALO_UPDATE_GOLDEN"); !update.isEmpty()) {
    const QDir dir(QStringLiteral(QUIVALO_GOLDEN_DIR));
    const QString file = update == u"1"_s ? golden : dir.filePath(update + u'/' + name + u".png"_s);
    const bool saved = QDir().mkpath(QFileInfo(file).path()) && actual.save(file);
    return saved ? QString() : u"cannot write "_s + file;
  }
  // The differing pixels red over a grey copy of the render.
  QImage diff = actual.convertToFormat(QImage::Format_Grayscale8).convertToFormat(actual.format());
  for (int y = 0; y < diff.height(); ++y)
    for (int x = 0; x < diff.width(); ++x)
      if (!expected.valid(x, y) || expected.pixel(x, y) != actual.pixel(x, y))
        diff.setPixel(x, y, qRgb(255, 0, 0));
  const QString stem = QDir::current().absoluteFilePath(name);
  actual.save(stem + u".actual.png"_s);
  diff.save(stem + u".diff.png"_s);
  return u"differs from %1; see %2.actual.png and, in red, %2.diff.png"_s.arg(golden, stem);
}

// Renders of `count` parts (one widget between changes, or several) in a row;
// a missing part stays blank.
QImage inARow(int width, int height, int count, const std::function<QWidget*(int)>& part) {
  QImage row(width * count, height, QImage::Format_RGB32);
  row.fill(Qt::white);
  QPainter painter(&row);
  for (int i = 0; i < count; ++i)
    if (QWidget* widget = part(i)) widget->render(&painter, QPoint(width * i, 0));
  return row;
}

// Positions with Blau, a person, to use a roll: the pieces and the roll.
struct Roll {
  const char* name;
  const char* pieces;
  int pips;
};
const std::array<Roll, 3> positions{{
    // 5 is blocked by Blau's own piece on 9; 9 knocks out Rot on 13; 38 goes
    // into the goal lane; goal slot 1 cannot go 4 further.
    {"four", "B5 B9 B38 Bz1 R13 G30", 4},
    // A six: the three full house slots and the piece on field 3.
    {"six", "B3 N9", 6},
    // Every piece at home and no six: nothing can move.
    {"none", "R12", 4},
}};
void setUpRoll(State& s, const Roll& roll) {
  setUp(s, roll.pieces);
  turn(s, Blau, roll.pips);
}

QWidget* focused() { return QApplication::focusWidget(); }
void press(Qt::Key key) { QTest::keyClick(focused(), key); }

// The cell the keyboard has chosen, by the name a screen reader reads: the
// one cell with the frame's outer colour in the gap just left of it, which
// must hold the focus. Empty if no cell is framed and "Kann nicht" has the
// focus. The frame itself is no nameless object to a screen reader.
QString chosen(TMain& w) {
  const QImage shown = w.client()->grab().toImage();
  std::vector<ui::CellWidget*> framed;
  for (auto* cell : w.client()->findChildren<ui::CellWidget*>())
    if (shown.pixelColor(cell->x() - 1, cell->y() + 14) == ui::KeyFrame::kOuter)
      framed.push_back(cell);
  if (framed.empty()) return focused() == named(w, "KannNichtBtn") ? QString() : u"no focus"_s;
  QAccessibleInterface* client = QAccessible::queryAccessibleInterface(w.client());
  for (int i = 0; i < client->childCount(); ++i)
    if (QAccessibleInterface* c = client->child(i);
        c->object() == named(w, "KeyFrame") && c->text(QAccessible::Name).isEmpty())
      return u"a nameless frame"_s;
  QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&w)->focusChild();
  return framed.size() == 1 && focused() == framed[0] && read != nullptr
             ? read->text(QAccessible::Name)
             : u"framed cells and focus disagree"_s;
}

// Each scene renders a shown window at once, before a timer can change it.
const std::map<QString, std::function<QImage(TMain&)>> scenes{
    {u"start"_s, [](TMain& w) { return w.grab().toImage(); }},
    // The remark is drawn by the clock, so a fixed one stands in for it.
    {u"knockout"_s,
     [](TMain& w) {
       setUpRoll(w.game().state(), positions.front());  // Blau's 4 from 9 knocks out Rot
       w.mirror();
       clickAt(w, named(w, "Feld9")->geometry().center());
       if (w.game().state().Bemerkung.empty()) return QImage();
       w.game().state().Bemerkung = "Ab nach Hause!";
       w.mirror();
       return w.grab().toImage();
     }},
    // Blau's goal lane full, the others on their way, Gelb to use a 6; Gelb's
    // full house slot 1 is drawn over its (also shown) empty picture.
    {u"winner"_s,
     [](TMain& w) {
       setUp(w.game().state(), "Bz1 Bz2 Bz3 Bz4 R12 R17 Gh1+2 G40 Gz2 N1");
       turn(w.game().state(), Gelb, 6);
       w.mirror();
       return w.grab().toImage();
     }},
    {u"dice"_s,
     [](TMain& w) {
       return inARow(65, 65, 6, [&w](int i) {
         for (int n = 1; n <= 6; ++n) w.game().state().setShown(Zahl(n), n == i + 1);
         w.mirror();
         return named(w, "Dice");
       });
     }},
    {u"menus"_s,
     [](TMain& w) {
       return inARow(220, 180, 3, [&w](int i) {
         QMenu* menu = w.menuBar()->actions().at(i)->menu();
         menu->popup(w.pos());
         return QTest::qWaitForWindowExposed(menu) ? menu : nullptr;
       });
     }},
    // The keyboard's frame on a blue house slot, where Blau starts.
    {u"keys"_s,
     [](TMain& w) {
       setUpRoll(w.game().state(), positions[1]);  // a six: the house slots can move
       w.mirror();
       press(Qt::Key_Right);
       return w.client()->grab({0, 196, 168, 165}).toImage();  // the board's bottom left
     }},
    {u"about"_s,
     [](TMain& w) {
       TInfo info(&w);
       info.show();
       return QTest::qWaitForWindowExposed(&info) ? info.grab().toImage() : QImage();
     }},
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The window sets the application id: the name of the desktop entry
  // installed for it. Checked first, before any other window sets it.
  void initTestCase() {
    QVERIFY(ui::installGermanTranslation(*qApp));
    TMain w;
    QVERIFY(QFile::exists(QStringLiteral(QUIVALO_PACKAGING_DIR "/") +
                          QGuiApplication::desktopFileName() + u".desktop"_s));
  }

  // Under a scale factor, only the scenes whose pictures, frame and tick are
  // drawn for dense screens, compared with golden/NAME@<factor>x.png.
  // The picture generator writes exactly the pictures committed in
  // assets/pictures: the same files, pixel for pixel and with the same palette.
  void theGeneratorWritesTheCommittedPictures() {
    QTemporaryDir fresh;
    QCOMPARE(QProcess::execute(QStringLiteral(QUIVALO_MAKE_ASSETS), {fresh.path()}), 0);
    const QStringList files = QDir(fresh.path()).entryList(QDir::Files, QDir::Name);
    const QDir committed(QStringLiteral(QUIVALO_PICTURES_DIR));
    QVERIFY(!files.isEmpty());
    QCOMPARE(files, committed.entryList({u"*.png"_s}, QDir::Files, QDir::Name));
    for (const QString& file : files) {
      const QImage a(QDir(fresh.path()).filePath(file)), b(committed.filePath(file));
      QVERIFY2(
          !a.isNull() && a.colorCount() == b.colorCount() &&
              a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32),
          qPrintable(file + u" differs from the generator's output"_s));
    }
  }

  void looks_data() {
    QTest::addColumn<QString>("scene");
    for (const auto& scene : scenes)
      if (qApp->devicePixelRatio() == 1 || u"dice keys about"_s.split(u' ').contains(scene.first))
        QTest::newRow(qPrintable(scene.first)) << scene.first;
  }

  void looks() {
    QFETCH(QString, scene);
    TMain w;
    QVERIFY(showActive(w));
    const QImage render = scenes.at(scene)(w);
    const qreal ratio = qApp->devicePixelRatio();
    const QString golden = ratio == 1 ? scene : scene + u"@%1x"_s.arg(ratio);
    const QString difference =
        render.isNull() ? u"the scene did not come about"_s : compareWithGolden(render, golden);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
  }

  // The names of the program's parts, the window's place and caption, that
  // enlarging the window moves nothing, the focus, the access keys (Alt+W
  // rolls, Alt+K gives up) and the window's shortcuts Strg+N and F1.
  void whatAPictureCannotShow() {
    struct : HelpViewer {
      std::vector<HelpRequest> asked;
      void help(HelpRequest request) override { asked.push_back(request); }
    } help;
    TMain w(nullptr, &help);
    QVERIFY(showActive(w));
    QCOMPARE(w.objectName() + TInfo().objectName(), u"MainInfo"_s);
    QCOMPARE(w.windowTitle(), u"Quivalo !!!"_s);
    QCOMPARE(w.pos(), QPoint(245, 43));
    for (const QString& name :
         u"MainMenu1 Bevel1 FarbLabel Label1 Wuerfel Dice KannNichtBtn Bemerkung Zahl1 Zahl2 Zahl3 "
         u"Zahl4 Zahl5 Zahl6 Spiel1 Neu1 N1 Beenden1 Optionen1 SpielerMenu1 SpielerMenu2 "
         u"SpielerMenu3 SpielerMenu4 N3 leicht1 schwer1 Hilfe1 Inhalt1 Suchen1 Hilfebenutzen1 N2 "
         u"Info1 Timer1 Timer2 Timer3 Timer4 BlauTimer RotTimer GelbTimer GreenTimer"_s.split(u' '))
      QVERIFY2(w.findChild<QObject*>(name) != nullptr, qPrintable(name));
    const QRect area = w.client()->rect();
    const QImage before = w.client()->grab(area).toImage();
    w.resize(900, 700);
    QTRY_COMPARE(w.size(), QSize(900, 700));
    QCOMPARE(w.client()->grab(area).toImage(), before);
    QCOMPARE(QApplication::focusWidget(), named(w, "Wuerfel"));
    QTest::keyClick(&w, Qt::Key_W, Qt::AltModifier);
    QTRY_VERIFY(w.game().state().Augen != 0);
    QCOMPARE(QApplication::focusWidget(), named(w, "KannNichtBtn"));  // the focus moves on
    QTest::keyClick(&w, Qt::Key_K, Qt::AltModifier);
    QTRY_COMPARE(w.game().state().Augen, std::uint8_t{0});
    QTRY_VERIFY(named(w, "Wuerfel")->isEnabled());  // the roll has ended
    QVERIFY(w.game().state().Versuche < 3);
    setUp(w.game().state(), "B5 R12");
    w.mirror();
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);  // Strg+N: a new game, shown at once
    QCOMPARE(w.game().state().Versuche, std::uint8_t{3});
    QCOMPARE(windowMismatch(w), QString());
    QTest::keyClick(&w, Qt::Key_F1);  // the help's contents, without a menu caption
    QVERIFY(help.asked == std::vector<HelpRequest>{HelpRequest::Contents});
  }

  // What a screen reader is told in the scene with the full goal lane; and
  // that a full house slot drawn over its (also shown) empty picture takes a
  // left click, but not a right one.
  void accessibleNamesAndTopmostClick() {
    TMain w;
    QVERIFY(showActive(w));
    scenes.at(u"winner"_s)(w);
    const auto name = [&w](const char* object, QAccessible::Text text = QAccessible::Name) {
      return QAccessible::queryAccessibleInterface(named(w, object))->text(text);
    };
    QStringList names;
    for (const char* object :
         {"Feld12", "HausBlau3", "HausGelb1", "ZielGelb2", "Dice", "FarbLabel"})
      names << name(object);
    QCOMPARE(names, QStringList({u"Feld 12: Rot"_s, u"Haus Blau, Platz 3: leer"_s,
                                 u"Haus Gelb, Platz 1: Gelb"_s, u"Ziel Gelb, Platz 2: Gelb"_s,
                                 u"Würfel: 6"_s, u"An der Reihe: Gelb"_s}));
    // A cell's tooltip is no description: an empty slot has none.
    QCOMPARE(name("Feld12", QAccessible::Description) + u'|' +
                 name("HausBlau3", QAccessible::Description),
             u"Klick zieht diese Figur, wenn Rot gewürfelt hat und sie ziehen kann|"_s);
    clickAt(w, named(w, "HausGelb1")->geometry().center(), Qt::RightButton);
    QCOMPARE(name("HausGelb1"), u"Haus Gelb, Platz 1: Gelb"_s);
    clickAt(w, named(w, "HausGelb1")->geometry().center());
    QCOMPARE(name("HausGelb1") + u", "_s + name("Feld21"),
             u"Haus Gelb, Platz 1: leer, Feld 21: Gelb"_s);
  }

  // The mouse resting on a cell shows what a screen reader reads there; a
  // tip that is showing follows the board.
  void aCellSaysInATooltipWhatStandsOnIt() {
    TMain w;
    QVERIFY(showActive(w));
    setUpRoll(w.game().state(), positions.front());  // Blau's 4 from 9 knocks out Rot on 13
    w.mirror();
    QTest::mouseMove(named(w, "Feld13"), {14, 14});
    QTRY_COMPARE(QToolTip::text(), u"Feld 13: Rot"_s);
    w.game().click(Stein(Blau, 9));
    w.mirror();
    QCOMPARE(QToolTip::text(), u"Feld 13: Blau"_s);
  }

  // Keyboard play offers, for every colour played by a person and every
  // roll, with pieces in the house, on each of the 40 track fields and in each
  // goal slot, exactly the cells whose click would move a piece, each click
  // tried on a fresh copy of the game.
  void theKeysOfferTheCellsWhoseClickMoves() {
    ui::MoveFinder finder;
    VirtualHost host;
    const Game fresh(host.platform());
    for (Colour c : kColours) {
      const std::string x(1, "BRGN"[index(c)]);
      std::vector<std::string> positions{x + "z1 " + x + "z2 " + x + "z3",
                                         x + "z1 " + x + "z3 " + x + std::to_string(info(c).start)};
      for (int f = 1; f <= 10; ++f) {  // the four pieces ten fields apart, an opponent between
        positions.push_back("BRGN"[(index(c) + 1) % 4] + std::to_string(f + 5));
        for (int d = 0; d < 40; d += 10) positions.back() += " " + x + std::to_string(f + d);
      }
      for (const std::string& words : positions) {
        for (int pips = 1; pips <= 6; ++pips) {
          State s = fresh.state();
          setUp(s, words);
          turn(s, c, pips);
          s.SpielerMenu[c].Checked = true;
          std::vector<int> offered = finder.movableCells(s), moving;
          for (std::size_t i = 0; i < boardCells().size(); ++i) {
            Game copy(host.platform());
            copy.state() = s;
            if (const auto top = topmostShown(s, boardCells()[i])) copy.click(*top);
            if (copy.state().Augen == 0) moving.push_back(int(i));
          }
          std::sort(offered.begin(), offered.end());
          QVERIFY2(offered == moving,
                   qPrintable(QString::fromStdString(words) + u" "_s + QString::number(pips)));
        }
      }
    }
  }

  void arrowsVisitTheMovableCellsAndEnterClicks_data() {
    QTest::addColumn<int>("which");
    for (std::size_t i = 0; i < positions.size(); ++i) QTest::newRow(positions[i].name) << int(i);
  }

  void arrowsVisitTheMovableCellsAndEnterClicks() {
    QFETCH(int, which);
    VirtualHost clock;  // stands still, so that equal moves draw equal remarks
    TMain w(nullptr, nullptr, &clock);
    QVERIFY(showActive(w));
    State& s = w.game().state();
    setUpRoll(s, positions[std::size_t(which)]);
    const State start = s;
    const auto restart = [&] {
      s = start;
      w.mirror();
      named(w, "KannNichtBtn")->setFocus();
    };
    // What a mouse click does on each cell where it moves a piece.
    QMap<QString, State> moves;
    for (auto* cell : w.client()->findChildren<ui::CellWidget*>()) {
      restart();
      const QString name = cell->accessibleName();
      clickAt(w, cell->geometry().center());
      if (s.Augen == 0) moves[name] = s;
    }
    restart();

    // Right and Down visit every movable cell once, then come round again;
    // Left goes back. Without a movable cell they do nothing.
    QStringList visited;
    for (qsizetype i = 0; i <= moves.size(); ++i) {
      press(i % 2 == 0 ? Qt::Key_Right : Qt::Key_Down);
      visited << chosen(w);
    }
    QStringList once = visited.mid(0, moves.size());
    once.sort();
    QCOMPARE(once, moves.keys());
    QCOMPARE(visited.last(), visited.first());
    press(Qt::Key_Left);
    QCOMPARE(chosen(w), visited.value(moves.size() - 1));
    QVERIFY(s == start);
    if (moves.empty()) return;

    // The mouse takes the highlight away; Enter on a highlighted cell does
    // what a mouse click there does, and the spent roll ends the highlight.
    clickAt(w, {2, 2});
    QCOMPARE(chosen(w), QString());
    press(Qt::Key_Up);
    const QString picked = chosen(w);
    press(Qt::Key_Return);
    QVERIFY(moves.contains(picked) && s == moves.value(picked));
    QCOMPARE(chosen(w), QString());
    QCOMPARE(windowMismatch(w), QString());
  }

  // Alt+W makes the dice button click itself 100 ms later. Pressed in the
  // last 100 ms before the win check finds a full goal lane, that click must
  // not roll behind the winner's message, and after the message the game
  // stands still ("Kann nicht" and the end of a roll bring no dice button
  // back). A monkey at the window found this once.
  void altWJustBeforeTheWinRollsNothingBehindTheMessage() {
    TMain w;
    QVERIFY(showActive(w));
    w.game().Neu1Click();
    setUp(w.game().state(), "Bz1 Bz2 Bz3 Bz4");
    w.mirror();
    const auto* winCheck = named<QTimer>(w, "Timer3");
    QTRY_VERIFY(winCheck->remainingTime() >= 0 && winCheck->remainingTime() < 60);
    const std::uint64_t rolls = w.game().stats().rolls;
    std::uint64_t rollsBehindMessage = 0;
    QStringList messages;  // each with what the window shows behind it
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr && box->isVisible() && box->button(QMessageBox::Ok)->hasFocus()) {
        messages << box->text() + windowMismatch(w);
        QTest::qWait(300);  // a person reads the message
        rollsBehindMessage = w.game().stats().rolls - rolls;
        QTest::keyClick(box, Qt::Key_Return);
      }
    });
    closer.start(5);
    QTest::keyClick(w.windowHandle(), Qt::Key_W, Qt::AltModifier);
    QTRY_VERIFY(!messages.isEmpty() && QApplication::activeModalWidget() == nullptr);
    closer.stop();
    QCOMPARE(messages, QStringList(u"Herzlichen Glückwunsch Herr Blau, Sie haben gewonnen."_s));
    QCOMPARE(rollsBehindMessage, 0u);
    clickAt(w, named(w, "KannNichtBtn")->geometry().center());  // if a roll got through anyway
    QTest::qWait(300);
    QVERIFY(!w.game().state().WuerfelEnabled && !winCheck->isActive());
  }

  // A mouse click on the dice button in the 100 ms after Alt+W does not
  // make the delayed click a second roll on the button the first disabled.
  void altWAndAMouseClickRollOnce() {
    TMain w;
    QVERIFY(showActive(w));
    const std::uint64_t rolls = w.game().stats().rolls;
    QTest::keyClick(w.windowHandle(), Qt::Key_W, Qt::AltModifier);
    clickAt(w, named(w, "Wuerfel")->geometry().center());
    QTest::qWait(300);
    QCOMPARE(w.game().stats().rolls, rolls + 1);
  }

  // With every colour played by the computer, the game goes on behind the
  // modal about box, with the focus on its OK button, until Alt+O closes it;
  // then "&Beenden", Alt+F4 or closing the window ends the event loop at
  // once, without a question.
  void playsBehindTheAboutBoxAndQuits_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"Beenden", "Alt+F4", "close"})
      QTest::newRow(way) << QString::fromLatin1(way);
  }

  void playsBehindTheAboutBoxAndQuits() {
    QFETCH(QString, way);
    TMain w;
    TInfo info(&w);
    w.setInfoBox(&info);
    QVERIFY(showActive(w));
    named<QAction>(w, "SpielerMenu1")->trigger();
    named<QAction>(w, "Neu1")->trigger();
    QString seen = u"the box did not open"_s;
    QTimer::singleShot(0, named<QAction>(w, "Info1"), &QAction::trigger);  // the box, modal
    QTimer::singleShot(1500, &w, [&] {
      const bool modal = QApplication::activeModalWidget() == &info &&
                         QApplication::focusWidget() == info.okButton();
      seen = modal && w.game().stats().rolls >= 3 ? windowMismatch(w) : u"no modal box or play"_s;
      QTest::keyClick(&info, Qt::Key_O, Qt::AltModifier);
    });
    QTimer::singleShot(2000, &w, [&w, &info, way] {
      if (info.isVisible() || !showActive(w)) return;  // the watchdog ends it
      if (way == u"Beenden"_s) named<QAction>(w, "Beenden1")->trigger();
      if (way == u"Alt+F4"_s) QTest::keyClick(&w, Qt::Key_F4, Qt::AltModifier);
      if (way == u"close"_s) w.close();
    });
    QTimer::singleShot(5000, &w, [&info] {  // a watchdog
      info.reject();
      QCoreApplication::exit(-1);
    });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(seen, QString());
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

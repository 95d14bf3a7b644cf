// SPDX-License-Identifier: GPL-3.0-or-later
// Golden screenshots: the window at start, after a knock-out and with a full
// goal lane, the six die faces, the open menus and the about box, rendered
// offscreen and compared pixel for pixel with golden/NAME.png. On a
// difference the test writes NAME.actual.png and NAME.diff.png (differing
// pixels red over a dimmed copy of the render) into its working folder.
// After a wanted change of the look, write new goldens with
//   QUIVALO_UPDATE_GOLDEN=1 ctest --preset debug -R window_golden
// and look at them before committing them.
// Besides, what a picture cannot show, what a screen reader is told, and
// playing pieces from the keyboard: while a person's roll waits, the arrow
// keys visit exactly the cells whose mouse click would move a piece, Enter
// does what that click does, the mouse and a spent roll take the highlight
// away, and a whole game can be finished with keys alone.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "game/virtual_host.h"
#include "ui/info_box.h"
#include "ui/translation.h"
#include "window_support.h"

using namespace Qt::StringLiterals;
using namespace quivalo;
using namespace quivalo::testing;
using window_test::named;
using enum quivalo::Colour;

namespace {

// Compares a render with golden/NAME.png; an empty string if they agree.
QString compareWithGolden(const QImage& render, const QString& name) {
  const QImage actual = render.convertToFormat(QImage::Format_RGB32);
  const QString golden = QStringLiteral(QUIVALO_GOLDEN_DIR "/") + name + u".png"_s;
  if (qEnvironmentVariableIntValue("QUIVALO_UPDATE_GOLDEN") == 1) {
    return actual.save(golden) ? QString() : u"cannot write "_s + golden;
  }
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  if (actual == expected) return {};
  QImage diff = actual.convertToFormat(QImage::Format_Grayscale8).convertToFormat(actual.format());
  int differing = 0;
  for (int y = 0; y < diff.height(); ++y) {
    for (int x = 0; x < diff.width(); ++x) {
      if (expected.valid(x, y) && expected.pixel(x, y) == actual.pixel(x, y)) continue;
      diff.setPixel(x, y, qRgb(255, 0, 0));
      ++differing;
    }
  }
  const QString stem = QDir::current().absoluteFilePath(name);
  actual.save(stem + u".actual.png"_s);
  diff.save(stem + u".diff.png"_s);
  return u"%1 pixels differ from %2; see %3.actual.png and, in red, %3.diff.png"_s.arg(
      QString::number(differing), golden, stem);
}

// Renders of `count` parts (one widget between changes, or several) in a row;
// a missing part stays blank.
QImage inARow(int width, int height, int count, const std::function<QWidget*(int)>& part) {
  QImage row(width * count, height, QImage::Format_RGB32);
  row.fill(Qt::white);
  QPainter painter(&row);
  for (int i = 0; i < count; ++i) {
    if (QWidget* widget = part(i)) widget->render(&painter, QPoint(width * i, 0));
  }
  return row;
}

// Positions with Blau, a person, to use a roll.
const std::vector<std::pair<const char*, std::function<void(Position&&)>>> positions{
    // 5 is blocked by Blau's own piece on 9; 9 knocks out Rot on 13; 38 goes
    // into the goal lane; goal slot 1 cannot go 4 further.
    {"four",
     [](Position&& p) {
       p.turn(Blau, 4).piece(Blau, 5).piece(Blau, 9).piece(Blau, 38).goal(Blau, 1);
       p.piece(Rot, 13).piece(Gelb, 30);
     }},
    // A six: the three full house slots and the piece on field 3.
    {"six", [](Position&& p) { p.turn(Blau, 6).piece(Blau, 3).piece(Green, 9); }},
    // Every piece at home and no six: nothing can move.
    {"none", [](Position&& p) { p.turn(Blau, 4).piece(Rot, 12); }},
};

QWidget* focused() { return QApplication::focusWidget(); }
void press(Qt::Key key) { QTest::keyClick(focused(), key); }

// The cell the keyboard has chosen, by the name a screen reader reads: the
// one cell with the highlight's colour in the gap just left of it, which must
// hold the focus. Empty if no cell is framed and "Kann nicht" has the focus.
QString chosen(TMain& w) {
  const QImage shown = w.client()->grab().toImage();
  std::vector<ui::CellWidget*> framed;
  for (auto* cell : w.client()->findChildren<ui::CellWidget*>()) {
    if (shown.pixelColor(cell->x() - 1, cell->y() + 14) == w.palette().color(QPalette::Highlight))
      framed.push_back(cell);
  }
  if (framed.empty()) return focused() == named(w, "KannNichtBtn") ? QString() : u"no focus"_s;
  QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&w)->focusChild();
  return framed.size() == 1 && focused() == framed[0] && read != nullptr
             ? read->text(QAccessible::Name)
             : u"framed cells and focus disagree"_s;
}

// Blau's goal lane full, the others on their way.
Position blauWon(State& s) {
  Position p(s);
  p.goal(Blau, 1).goal(Blau, 2).goal(Blau, 3).goal(Blau, 4).piece(Rot, 17).piece(Gelb, 40);
  p.goal(Gelb, 2).piece(Green, 1);
  return p;
}

// Each scene renders a shown window at once, before a timer can change it.
const std::map<QString, std::function<QImage(TMain&)>> scenes{
    {u"start"_s, [](TMain& w) { return w.grab().toImage(); }},
    // The remark is drawn by the clock, so a fixed one stands in for it.
    {u"knockout"_s,
     [](TMain& w) {
       positions.front().second(Position(w.game().state()));  // Blau's 4 from 9 knocks out Rot
       w.mirror();
       window_test::clickAt(w, w.imageRect(u"SteinBlau9"_s).center());
       if (w.game().state().Bemerkung.empty()) return QImage();
       w.game().state().Bemerkung = "Ab nach Hause!";
       w.mirror();
       return w.grab().toImage();
     }},
    {u"winner"_s,
     [](TMain& w) {
       blauWon(w.game().state());
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
    {u"about"_s,
     [](TMain& w) {
       TInfo info(&w);
       info.show();
       return QTest::qWaitForWindowExposed(&info) ? info.grab().toImage() : QImage();
     }},
};

}  // namespace

class GoldenTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(ui::installGermanTranslation(*qApp)); }

  void looks_data() {
    QTest::addColumn<QString>("scene");
    for (const auto& scene : scenes) QTest::newRow(qPrintable(scene.first)) << scene.first;
  }

  void looks() {
    QFETCH(QString, scene);
    TMain w;
    QVERIFY(window_test::showActive(w));
    const QImage render = scenes.at(scene)(w);
    QVERIFY2(!render.isNull(), "the scene did not come about");
    const QString difference = compareWithGolden(render, scene);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
  }

  // The names of the program's parts, the window's place and caption, that
  // enlarging the window moves nothing, tab order, and the access keys (Alt+W
  // rolls, Alt+K gives up).
  void whatAPictureCannotShow() {
    TMain w;
    QVERIFY(window_test::showActive(w));
    QCOMPARE(w.objectName() + TInfo().objectName(), u"MainInfo"_s);
    QCOMPARE(w.windowTitle(), u"Quivalo !!!"_s);
    QCOMPARE(w.pos(), QPoint(245, 43));
    for (const QString& name :
         u"MainMenu1 Bevel1 FarbLabel Label1 Wuerfel Dice KannNichtBtn Bemerkung Zahl1 Zahl2 Zahl3 "
         u"Zahl4 Zahl5 Zahl6 Spiel1 Neu1 N1 Beenden1 Optionen1 SpielerMenu1 SpielerMenu2 "
         u"SpielerMenu3 SpielerMenu4 N3 leicht1 schwer1 Hilfe1 Inhalt1 Suchen1 Hilfebenutzen1 N2 "
         u"Info1 Timer1 Timer2 Timer3 Timer4 BlauTimer RotTimer GelbTimer GreenTimer"_s.split(
             u' ')) {
      QVERIFY2(w.findChild<QObject*>(name) != nullptr, qPrintable(name));
    }
    const QRect area = w.client()->rect();
    const QImage before = w.client()->grab(area).toImage();
    w.resize(900, 700);
    QTRY_COMPARE(w.size(), QSize(900, 700));
    QCOMPARE(w.client()->grab(area).toImage(), before);
    QCOMPARE(QApplication::focusWidget(), named(w, "Wuerfel"));
    QTest::keyClick(&w, Qt::Key_W, Qt::AltModifier);
    QTRY_VERIFY(w.game().state().Augen != 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), named(w, "KannNichtBtn"));
    QTest::keyClick(&w, Qt::Key_K, Qt::AltModifier);
    QTRY_COMPARE(w.game().state().Augen, std::uint8_t{0});
  }

  // What a screen reader is told with a full goal lane and a 6 rolled; and
  // that a full house slot drawn over its (also shown) empty picture takes a
  // left click, but not a right one.
  void accessibleNamesAndTopmostClick() {
    TMain w;
    QVERIFY(window_test::showActive(w));
    blauWon(w.game().state()).piece(Rot, 12).turn(Gelb, 6);
    w.game().state().setShown(HausLeer(Gelb, 1), true);
    w.mirror();
    const auto name = [&w](const char* object) {
      return QAccessible::queryAccessibleInterface(named(w, object))->text(QAccessible::Name);
    };
    for (const auto& [object, text] :
         std::vector<std::pair<const char*, QString>>{{"Feld12", u"Feld 12: Rot"_s},
                                                      {"HausBlau3", u"Haus Blau, Platz 3: leer"_s},
                                                      {"HausGelb1", u"Haus Gelb, Platz 1: Gelb"_s},
                                                      {"ZielGelb2", u"Ziel Gelb, Platz 2: Gelb"_s},
                                                      {"Dice", u"Würfel: 6"_s},
                                                      {"FarbLabel", u"Am Zug: Gelb"_s}}) {
      QCOMPARE(name(object), text);
    }
    window_test::clickAt(w, w.imageRect(u"HausGelbVoll1"_s).center(), Qt::RightButton);
    QCOMPARE(name("HausGelb1"), u"Haus Gelb, Platz 1: Gelb"_s);
    window_test::clickAt(w, w.imageRect(u"HausGelbVoll1"_s).center());
    QCOMPARE(name("HausGelb1") + u", "_s + name("Feld21"),
             u"Haus Gelb, Platz 1: leer, Feld 21: Gelb"_s);
  }

  void arrowsVisitTheMovableCellsAndEnterClicks_data() {
    QTest::addColumn<int>("which");
    for (std::size_t i = 0; i < positions.size(); ++i) QTest::newRow(positions[i].first) << int(i);
  }

  void arrowsVisitTheMovableCellsAndEnterClicks() {
    QFETCH(int, which);
    VirtualHost clock;  // stands still, so that equal moves draw equal remarks
    TMain w(nullptr, nullptr, &clock);
    QVERIFY(window_test::showActive(w));
    State& s = w.game().state();
    positions[std::size_t(which)].second(Position(s));
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
      window_test::clickAt(w, cell->geometry().center());
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
    window_test::clickAt(w, {2, 2});
    QCOMPARE(chosen(w), QString());
    press(Qt::Key_Up);
    const QString picked = chosen(w);
    press(Qt::Key_Return);
    QVERIFY(moves.contains(picked) && s == moves.value(picked));
    QCOMPARE(chosen(w), QString());
    QCOMPARE(windowMismatch(w), QString());
  }

  // From a nearly won position, Blau beats three computer colours with keys
  // alone, and is congratulated once. The clock stands still at a time whose roll is a 4, so every
  // roll is a 4: the computers, all at home, never move.
  void keysAlonePlayToTheWinner() {
    VirtualHost clock;
    clock.setTimeOfDay(timeForDie(4));
    TMain w(nullptr, nullptr, &clock);
    QVERIFY(window_test::showActive(w));
    Position(w.game().state()).turn(Blau).piece(Blau, 33).piece(Blau, 38);
    Position(w.game().state()).goal(Blau, 3).goal(Blau, 4);
    w.mirror();
    QStringList messages;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr && box->isVisible() && box->button(QMessageBox::Ok)->hasFocus()) {
        messages << box->text() + windowMismatch(w);
        QTest::keyClick(box, Qt::Key_Return);
      }
    });
    closer.start(50);
    for (const QString& piece : {u"Feld 38: Blau"_s, u"Feld 33: Blau"_s, u"Feld 37: Blau"_s}) {
      QTRY_VERIFY_WITH_TIMEOUT(w.game().state().WuerfelEnabled && w.game().state().Werfer == 1,
                               10000);
      QTest::keyClick(&w, Qt::Key_W, Qt::AltModifier);
      QTRY_VERIFY(named(w, "KannNichtBtn")->hasFocus());
      for (int i = 0; i < 4 && chosen(w) != piece; ++i) press(Qt::Key_Right);
      QCOMPARE(chosen(w), piece);
      press(Qt::Key_Return);
    }
    // One message, over the final position; then the dice button stays
    // disabled and the winner check stops.
    QTRY_VERIFY(!messages.isEmpty() && QApplication::activeModalWidget() == nullptr);
    QTest::qWait(500);
    QCOMPARE(messages, QStringList(u"Herzlichen Glückwunsch Herr Blau, Sie haben gewonnen."_s));
    QVERIFY(!named(w, "Wuerfel")->isEnabled() && !named<QTimer>(w, "Timer3")->isActive());
  }
};

QTEST_MAIN(GoldenTest)
#include "golden_test.moc"

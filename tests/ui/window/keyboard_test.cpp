// SPDX-License-Identifier: GPL-3.0-or-later
// Playing pieces from the keyboard: while a person's roll waits, the arrow
// keys visit exactly the cells whose mouse click would move a piece, Enter
// does what that click does, the mouse and a spent roll take the highlight
// away, and a whole game can be finished with keys alone.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "game/virtual_host.h"
#include "window_support.h"

using namespace Qt::StringLiterals;
using namespace quivalo;
using namespace quivalo::testing;
using window_test::named;

namespace {

// Positions with Blau, a person, to use a roll.
const std::vector<std::pair<const char*, std::function<void(Position&&)>>> positions{
    // 5 is blocked by Blau's own piece on 9; 9 knocks out Rot on 13; 38 goes
    // into the goal lane; goal slot 1 cannot go 4 further.
    {"four",
     [](Position&& p) {
       p.turn(Colour::Blau, 4).piece(Colour::Blau, 5).piece(Colour::Blau, 9);
       p.piece(Colour::Blau, 38).goal(Colour::Blau, 1).piece(Colour::Rot, 13);
       p.piece(Colour::Gelb, 30);
     }},
    // A six: the three full house slots and the piece on field 3.
    {"six",
     [](Position&& p) { p.turn(Colour::Blau, 6).piece(Colour::Blau, 3).piece(Colour::Green, 9); }},
    // Every piece at home and no six: nothing can move.
    {"none", [](Position&& p) { p.turn(Colour::Blau, 4).piece(Colour::Rot, 12); }},
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

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
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
  // alone. The clock stands still at a time whose roll is a 4, so every roll
  // is a 4: the computers, all at home, never move.
  void keysAlonePlayToTheWinner() {
    VirtualHost clock;
    clock.setTimeOfDay(timeForDie(4));
    TMain w(nullptr, nullptr, &clock);
    QVERIFY(window_test::showActive(w));
    Position(w.game().state()).turn(Colour::Blau).piece(Colour::Blau, 33).piece(Colour::Blau, 38);
    Position(w.game().state()).goal(Colour::Blau, 3).goal(Colour::Blau, 4);
    w.mirror();
    QStringList messages;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr && box->isVisible() && box->button(QMessageBox::Ok)->hasFocus()) {
        messages << box->text();
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
    QTRY_COMPARE(messages, QStringList(u"Herzlichen Glückwunsch Herr Blau, Sie haben gewonnen."_s));
    QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

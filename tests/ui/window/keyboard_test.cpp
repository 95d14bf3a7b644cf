// SPDX-License-Identifier: GPL-3.0-or-later
// Playing pieces from the keyboard: while a person's roll waits, the arrow
// keys visit exactly the cells whose mouse click would move a piece, Enter
// does what that click does, the mouse and a spent roll take the highlight
// away, and a whole game can be finished with keys alone.
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <map>
#include <set>
#include <vector>

#include "game/random.h"
#include "game/virtual_host.h"
#include "ui/board_pixels.h"
#include "window_support.h"

using quivalo::Colour;
using quivalo::State;
using quivalo::ui::CellWidget;
using window_test::clickAt;

namespace {

// A position with Blau, a person, to use a roll.
struct Setup {
  const char* name;
  int die;
  std::vector<int> blauTrack;  // Blau's pieces on the track
  std::vector<int> blauGoal;   // and in its goal lane
  std::vector<std::pair<Colour, int>> others;
};

const std::vector<Setup>& setups() {
  static const std::vector<Setup> list{
      // 5 is blocked by Blau's own piece on 9; 9 knocks out Rot on 13; 38
      // goes into the goal lane; goal slot 1 cannot go 4 further.
      {"four", 4, {5, 9, 38}, {1}, {{Colour::Rot, 13}, {Colour::Gelb, 30}}},
      // A six: the three full house slots and the piece on field 3.
      {"six", 6, {3}, {}, {{Colour::Green, 9}}},
      // Every piece at home and no six: nothing can move.
      {"none", 4, {}, {}, {{Colour::Rot, 12}}},
  };
  return list;
}

void setUp(State& s, const Setup& setup, int roll) {
  quivalo::testing::giveTurn(s, Colour::Blau, 0);
  const auto put = [&s](Colour c, int field) {
    s.setShown(quivalo::Stein(c, field), true);
    s.cell(field) = quivalo::info(c).code;
  };
  const auto leaveHouse = [&s](Colour c, int taken) {
    for (int i = 0; i < taken; ++i) {
      const int slot = quivalo::info(c).fillOrder[static_cast<std::size_t>(3 - i)];
      s.setShown(quivalo::HausVoll(c, slot), false);
      s.setShown(quivalo::HausLeer(c, slot), true);
    }
  };
  leaveHouse(Colour::Blau, static_cast<int>(setup.blauTrack.size() + setup.blauGoal.size()));
  for (int field : setup.blauTrack) put(Colour::Blau, field);
  for (int slot : setup.blauGoal) {
    s.setShown(quivalo::ZielLeer(Colour::Blau, slot), false);
    s.setShown(quivalo::ZielVoll(Colour::Blau, slot), true);
    s.cell(quivalo::info(Colour::Blau).goalCell1 + slot - 1) = quivalo::Cell::Blau;
  }
  for (const auto& [c, field] : setup.others) {
    leaveHouse(c, 1);
    put(c, field);
  }
  s.Versuche = 1;
  if (roll != 0) {
    s.Augen = static_cast<std::uint8_t>(roll);
    s.setShown(quivalo::Zahl(roll), true);
    s.ErsterSchritt = 1;
    s.WuerfelEnabled = false;
    s.KannNichtBtnEnabled = true;
  }
}

// The part of the state a move changes.
struct Board {
  std::array<quivalo::Cell, 57> spielfeld;
  std::array<bool, quivalo::kImageCount> shown;
  std::uint8_t augen;
  bool operator==(const Board&) const = default;
};
Board boardOf(const State& s) { return {s.Spielfeld, s.shown, s.Augen}; }

QWidget* focused() { return QApplication::focusWidget(); }
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(focused(), key, modifiers);
}

// What a screen reader announces: the name of the window's focused object.
QString focusedName(TMain& w) {
  QAccessibleInterface* child = QAccessible::queryAccessibleInterface(&w)->focusChild();
  return child != nullptr ? child->text(QAccessible::Name) : QString();
}

// The cell the keyboard has chosen: the one cell with the highlight's colour
// in the gap just left of it; null if there is none.
CellWidget* highlighted(TMain& w) {
  const QImage shown = w.client()->grab().toImage();
  const QColor highlight = w.palette().color(QPalette::Highlight);
  std::vector<CellWidget*> framed;
  for (auto* cell : w.client()->findChildren<CellWidget*>()) {
    if (shown.pixelColor(cell->x() - 1, cell->y() + 14) == highlight) framed.push_back(cell);
  }
  return framed.size() == 1 ? framed.front() : nullptr;
}

void showActive(TMain& w) {
  w.show();
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void arrowsVisitTheMovableCellsAndEnterClicks_data() {
    QTest::addColumn<int>("which");
    for (std::size_t i = 0; i < setups().size(); ++i) {
      QTest::newRow(setups()[i].name) << static_cast<int>(i);
    }
  }

  void arrowsVisitTheMovableCellsAndEnterClicks() {
    QFETCH(int, which);
    const Setup& setup = setups()[static_cast<std::size_t>(which)];
    TMain w;
    showActive(w);
    setUp(w.game().state(), setup, setup.die);
    w.mirror();
    const State start = w.game().state();
    auto* kannNicht = w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"));
    QVERIFY(kannNicht->hasFocus());

    // What the mouse does on each cell, from the same position.
    std::map<QString, Board> mouseMoves;
    for (const quivalo::BoardCell& cell : quivalo::boardCells()) {
      w.game().state() = start;
      w.mirror();
      clickAt(w, quivalo::ui::cellRect(cell).center());
      if (w.game().state().Augen == 0) {
        mouseMoves[CellWidget::nameOf(cell)] = boardOf(w.game().state());
      }
    }
    w.game().state() = start;
    w.mirror();
    kannNicht->setFocus();

    // Right visits every movable cell once, then comes round again; Left
    // goes back. The visited cell has the focus and a visible frame.
    std::vector<QString> visited;
    for (std::size_t i = 0; i <= mouseMoves.size(); ++i) {
      press(Qt::Key_Right);
      if (mouseMoves.empty()) break;
      CellWidget* cell = highlighted(w);
      QVERIFY(cell != nullptr);
      QCOMPARE(focused(), static_cast<QWidget*>(cell));
      QCOMPARE(focusedName(w), cell->accessibleName());
      visited.push_back(cell->objectName());
    }
    if (mouseMoves.empty()) {
      for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down}) press(key);
      QVERIFY(highlighted(w) == nullptr);
      QCOMPARE(focused(), static_cast<QWidget*>(kannNicht));
      QVERIFY(w.game().state() == start);
      return;
    }
    QCOMPARE(visited.back(), visited.front());
    visited.pop_back();
    QCOMPARE(std::set<QString>(visited.begin(), visited.end()).size(), visited.size());
    std::vector<QString> movable;
    for (const auto& [name, board] : mouseMoves) movable.push_back(name);
    QCOMPARE(std::set<QString>(visited.begin(), visited.end()),
             std::set<QString>(movable.begin(), movable.end()));
    press(Qt::Key_Left);
    QCOMPARE(highlighted(w)->objectName(), visited.back());
    QCOMPARE(focused(), static_cast<QWidget*>(highlighted(w)));

    // The mouse takes the highlight away and gives the focus back.
    clickAt(w, {2, 2});
    QVERIFY(highlighted(w) == nullptr);
    QCOMPARE(focused(), static_cast<QWidget*>(kannNicht));

    // Enter on the highlighted cell does what a mouse click there does, and
    // the spent roll takes the highlight away.
    press(Qt::Key_Left);
    const QString chosen = highlighted(w)->objectName();
    press(Qt::Key_Return);
    QVERIFY(boardOf(w.game().state()) == mouseMoves.at(chosen));
    QVERIFY(highlighted(w) == nullptr);
    QCOMPARE(focused(), static_cast<QWidget*>(kannNicht));
    QCOMPARE(quivalo::testing::windowMismatch(w), QString());
  }

  // From a nearly won position, Blau beats three computer colours with keys
  // alone. The clock stands still at a time whose roll is a 4, so every roll
  // is a 4: the computers, all at home, never move.
  void keysAlonePlayToTheWinner() {
    std::uint32_t fourAt = 0;
    for (std::uint32_t seed = 0; quivalo::draw(seed, 6) + 1 != 4; seed = ++fourAt) {
    }
    quivalo::VirtualHost clock;
    clock.setTimeOfDay(fourAt);
    TMain w(nullptr, nullptr, &clock);
    showActive(w);
    setUp(w.game().state(), {"nearly won", 0, {33, 38}, {3, 4}, {}}, 0);
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

    auto* wuerfel = w.findChild<QPushButton*>(QStringLiteral("Wuerfel"));
    auto* kannNicht = w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"));
    auto* farbLabel = w.findChild<QLabel*>(QStringLiteral("FarbLabel"));
    for (const char* piece : {"Feld 38: Blau", "Feld 33: Blau", "Feld 37: Blau"}) {
      QTRY_VERIFY_WITH_TIMEOUT(wuerfel->isEnabled() && farbLabel->text() == QStringLiteral("Blau"),
                               10000);
      QTest::keyClick(&w, Qt::Key_W, Qt::AltModifier);
      QTRY_VERIFY(kannNicht->hasFocus());
      for (int i = 0; i < 4 && focusedName(w) != QString::fromUtf8(piece); ++i) {
        press(Qt::Key_Right);
      }
      QCOMPARE(focusedName(w), QString::fromUtf8(piece));
      press(Qt::Key_Return);
    }
    QTRY_COMPARE(
        messages,
        QStringList{QStringLiteral("Herzlichen Glückwunsch Herr Blau, Sie haben gewonnen.")});
    QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

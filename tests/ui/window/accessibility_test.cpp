// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns from the window: the German names of all 72
// board cells and how they follow the game, the roles and press action of the
// cells, the die, the colour to move, the buttons, the window and the about
// box, and the name change events that tell about it; only changed cells send
// them, and an idle window sends none.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <set>
#include <vector>

#include "ui/info_box.h"
#include "window_support.h"

// The offscreen platform keeps accessibility switched off, and then Qt passes
// no update event on; only Qt's own platform interface switches it on.
#ifdef QUIVALO_TEST_PLATFORM_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

using quivalo::BoardCell;
using quivalo::CellKind;
using quivalo::Colour;
using quivalo::Image;
using quivalo::State;
using quivalo::ui::CellWidget;
using window_test::clickClient;

namespace {

// Colour names as the window shows them, by order of play.
QString colourWord(Colour c) {
  static const QStringList words{QStringLiteral("Blau"), QStringLiteral("Rot"),
                                 QStringLiteral("Gelb"), QStringLiteral("Grün")};
  return words.at(quivalo::index(c));
}

QAccessibleInterface* accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

QString accessibleName(QObject* object) { return accessible(object)->text(QAccessible::Name); }

CellWidget* cellWidget(TMain& w, const BoardCell& cell) {
  return w.client()->findChild<CellWidget*>(CellWidget::nameOf(cell));
}

CellWidget* trackCell(TMain& w, int field) {
  return w.client()->findChild<CellWidget*>(QStringLiteral("Feld%1").arg(field));
}

CellWidget* slotCell(TMain& w, CellKind kind, Colour c, int slot) {
  const std::string_view word = quivalo::info(c).word;
  return w.client()->findChild<CellWidget*>(
      (kind == CellKind::House ? QStringLiteral("Haus") : QStringLiteral("Ziel")) +
      QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())) +
      QString::number(slot));
}

// The name a cell must carry for the image it shows, worked out from the
// kind of the image.
QString expectedName(const BoardCell& cell, std::optional<Image> top) {
  QString content = QStringLiteral("leer");
  if (top) {
    const quivalo::ImageParts parts = quivalo::partsOf(*top);
    if (parts.kind == quivalo::ImageKind::Stein || parts.kind == quivalo::ImageKind::HausVoll ||
        parts.kind == quivalo::ImageKind::ZielVoll) {
      content = colourWord(parts.colour);
    }
  }
  if (cell.kind == CellKind::Track) {
    return QStringLiteral("Feld %1: %2").arg(cell.number).arg(content);
  }
  return QStringLiteral("%1 %2, Platz %3: %4")
      .arg(cell.kind == CellKind::House ? QStringLiteral("Haus") : QStringLiteral("Ziel"),
           colourWord(cell.colour))
      .arg(cell.number)
      .arg(content);
}

// Every cell whose name is not the one its image calls for, or an empty
// string.
QString nameMismatches(TMain& w) {
  QString problems;
  for (const BoardCell& cell : quivalo::boardCells()) {
    CellWidget* widget = cellWidget(w, cell);
    const QString expected = expectedName(cell, quivalo::topmostShown(w.game().state(), cell));
    if (accessibleName(widget) != expected) {
      problems += widget->objectName() + QStringLiteral(" is \"") + accessibleName(widget) +
                  QStringLiteral("\", not \"") + expected + QStringLiteral("\"; ");
    }
  }
  return problems;
}

// Whether update events reach the handler: only while accessibility is on.
bool eventsHeard = false;

// The update events that reach the installed handler.
struct Heard {
  QAccessible::Event type;
  QPointer<QObject> object;
  QString name;
};

std::vector<Heard>& heard() {
  static std::vector<Heard> events;
  return events;
}

void hear(QAccessibleEvent* event) {
  QString name;
  if (QAccessibleInterface* iface = event->accessibleInterface()) {
    name = iface->text(QAccessible::Name);
  }
  heard().push_back({event->type(), event->object(), name});
}

// The name changes heard for `object`, as the names they report.
QStringList namesHeardFor(const QObject* object) {
  QStringList names;
  for (const Heard& h : heard()) {
    if (h.type == QAccessible::NameChanged && h.object == object) {
      names << h.name;
    }
  }
  return names;
}

// The board cells that sent a name change.
std::set<QString> cellsHeard() {
  std::set<QString> cells;
  for (const Heard& h : heard()) {
    if (h.type == QAccessible::NameChanged && qobject_cast<CellWidget*>(h.object.data())) {
      cells.insert(h.object->objectName());
    }
  }
  return cells;
}

bool switchAccessibilityOn() {
#ifdef QUIVALO_TEST_PLATFORM_ACCESSIBILITY
  if (QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration()) {
    if (QPlatformAccessibility* accessibility = platform->accessibility()) {
      accessibility->setActive(true);
    }
  }
#endif
  QAccessible::setActive(true);
  return QAccessible::isActive();
}

// Blau to move with a piece on field 5 and `pips` to go.
void bluePieceOnFive(TMain& w, int pips) {
  State& s = w.game().state();
  window_test::giveTurn(s, Colour::Blau);
  window_test::takeFromHouse(s, Colour::Blau);
  s.setShown(quivalo::Stein(Colour::Blau, 5), true);
  s.cell(5) = quivalo::Cell::Blau;
  s.Augen = static_cast<std::uint8_t>(pips);
  s.ErsterSchritt = 1;
  w.mirror();
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    eventsHeard = switchAccessibilityOn();
    QAccessible::installUpdateHandler(&hear);
    if (!eventsHeard) {
      qWarning("Accessibility stays off on this platform: the event checks are skipped.");
    }
  }

  void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

  void init() { heard().clear(); }

  // Track fields empty, houses full in their colour, goal lanes empty; the
  // full house slots are buttons that say what a click does.
  void cellNamesAtStart() {
    TMain w;
    int checked = 0;
    for (const BoardCell& cell : quivalo::boardCells()) {
      CellWidget* widget = cellWidget(w, cell);
      QVERIFY(widget != nullptr);
      QAccessibleInterface* iface = accessible(widget);
      QVERIFY(iface != nullptr);
      const QString name = iface->text(QAccessible::Name);
      const QString colour = colourWord(cell.colour);
      switch (cell.kind) {
        case CellKind::Track:
          QCOMPARE(name, QStringLiteral("Feld %1: leer").arg(cell.number));
          QCOMPARE(iface->role(), QAccessible::StaticText);
          QCOMPARE(iface->text(QAccessible::Description), QString());
          break;
        case CellKind::House:
          QCOMPARE(name, QStringLiteral("Haus %1, Platz %2: %1").arg(colour).arg(cell.number));
          QCOMPARE(iface->role(), QAccessible::Button);
          QCOMPARE(
              iface->text(QAccessible::Description),
              QStringLiteral("Klick setzt einen Stein auf das Startfeld, wenn ") + colour +
                  QStringLiteral(" eine Sechs gewürfelt hat und dort kein eigener Stein steht"));
          break;
        case CellKind::Goal:
          QCOMPARE(name, QStringLiteral("Ziel %1, Platz %2: leer").arg(colour).arg(cell.number));
          QCOMPARE(iface->role(), QAccessible::StaticText);
          break;
      }
      ++checked;
    }
    QCOMPARE(checked, 72);
    QCOMPARE(accessibleName(trackCell(w, 12)), QStringLiteral("Feld 12: leer"));
    QCOMPARE(accessibleName(slotCell(w, CellKind::House, Colour::Green, 3)),
             QStringLiteral("Haus Grün, Platz 3: Grün"));
    QCOMPARE(accessibleName(slotCell(w, CellKind::Goal, Colour::Gelb, 4)),
             QStringLiteral("Ziel Gelb, Platz 4: leer"));
  }

  // Positions set up through the state: what is on top is what is named.
  void cellNamesFollowTheState() {
    TMain w;
    State& s = w.game().state();
    // A Rot piece on field 12, drawn over the field, which stays flagged.
    window_test::takeFromHouse(s, Colour::Rot);
    s.setShown(quivalo::Stein(Colour::Rot, 12), true);
    // A Grün piece on field 40 with its field hidden.
    window_test::takeFromHouse(s, Colour::Green);
    s.setShown(quivalo::Feld(40), false);
    s.setShown(quivalo::Stein(Colour::Green, 40), true);
    // A full slot over an empty one in Gelb's house.
    s.setShown(quivalo::HausLeer(Colour::Gelb, 3), true);
    // Gelb's goal slot 4 and Grün's goal slot 1 filled.
    s.setShown(quivalo::ZielLeer(Colour::Gelb, 4), false);
    s.setShown(quivalo::ZielVoll(Colour::Gelb, 4), true);
    s.setShown(quivalo::ZielVoll(Colour::Green, 1), true);
    w.mirror();

    QCOMPARE(accessibleName(trackCell(w, 12)), QStringLiteral("Feld 12: Rot"));
    QCOMPARE(accessibleName(trackCell(w, 40)), QStringLiteral("Feld 40: Grün"));
    QCOMPARE(accessibleName(trackCell(w, 11)), QStringLiteral("Feld 11: leer"));
    const int rotSlot = quivalo::info(Colour::Rot).fillOrder[3];
    QCOMPARE(accessibleName(slotCell(w, CellKind::House, Colour::Rot, rotSlot)),
             QStringLiteral("Haus Rot, Platz %1: leer").arg(rotSlot));
    QCOMPARE(accessibleName(slotCell(w, CellKind::House, Colour::Gelb, 3)),
             QStringLiteral("Haus Gelb, Platz 3: Gelb"));
    QCOMPARE(accessibleName(slotCell(w, CellKind::Goal, Colour::Gelb, 4)),
             QStringLiteral("Ziel Gelb, Platz 4: Gelb"));
    QCOMPARE(accessibleName(slotCell(w, CellKind::Goal, Colour::Gelb, 3)),
             QStringLiteral("Ziel Gelb, Platz 3: leer"));
    QCOMPARE(accessibleName(slotCell(w, CellKind::Goal, Colour::Green, 1)),
             QStringLiteral("Ziel Grün, Platz 1: Grün"));
    QCOMPARE(nameMismatches(w), QString());

    // A piece takes a click; so does a full goal slot below slot 4, while
    // slot 4 and an emptied house slot do not.
    QAccessibleInterface* piece = accessible(trackCell(w, 12));
    QCOMPARE(piece->role(), QAccessible::Button);
    QCOMPARE(piece->text(QAccessible::Description),
             QStringLiteral("Klick zieht diesen Stein, wenn Rot gewürfelt hat und er ziehen kann"));
    QVERIFY(piece->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    QAccessibleInterface* goal1 = accessible(slotCell(w, CellKind::Goal, Colour::Green, 1));
    QCOMPARE(goal1->role(), QAccessible::Button);
    QCOMPARE(goal1->text(QAccessible::Description),
             QStringLiteral("Klick zieht diesen Stein im Ziel weiter, wenn Grün gewürfelt hat "
                            "und er ziehen kann"));
    QAccessibleInterface* goal4 = accessible(slotCell(w, CellKind::Goal, Colour::Gelb, 4));
    QCOMPARE(goal4->role(), QAccessible::StaticText);
    QCOMPARE(goal4->text(QAccessible::Description), QString());
    QVERIFY(goal4->actionInterface()->actionNames().isEmpty());
    QCOMPARE(accessible(slotCell(w, CellKind::House, Colour::Rot, rotSlot))->role(),
             QAccessible::StaticText);

    // Taken away again, the piece leaves an empty field that takes no click.
    s.setShown(quivalo::Stein(Colour::Rot, 12), false);
    w.mirror();
    QCOMPARE(accessibleName(trackCell(w, 12)), QStringLiteral("Feld 12: leer"));
    QCOMPARE(piece->role(), QAccessible::StaticText);
    QCOMPARE(piece->text(QAccessible::Description), QString());

    // A new game brings back the names of the start.
    w.game().Neu1Click();
    w.mirror();
    QCOMPARE(nameMismatches(w), QString());
    QCOMPARE(accessibleName(trackCell(w, 40)), QStringLiteral("Feld 40: leer"));
  }

  // A mouse click moves a piece: the field it left and the field it reached
  // change their names. A screen reader's press action moves it on.
  void moveRenamesOriginAndTarget() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    bluePieceOnFive(w, 3);
    QCOMPARE(accessibleName(trackCell(w, 5)), QStringLiteral("Feld 5: Blau"));
    QCOMPARE(accessibleName(trackCell(w, 8)), QStringLiteral("Feld 8: leer"));

    clickClient(w, w.imageRect(QStringLiteral("SteinBlau5")).center());
    QCOMPARE(accessibleName(trackCell(w, 5)), QStringLiteral("Feld 5: leer"));
    QCOMPARE(accessibleName(trackCell(w, 8)), QStringLiteral("Feld 8: Blau"));
    QCOMPARE(nameMismatches(w), QString());

    // The press action of an empty field does nothing.
    State& s = w.game().state();
    s.Augen = 2;
    s.ErsterSchritt = 1;
    w.mirror();
    QAccessibleInterface* empty = accessible(trackCell(w, 7));
    QVERIFY(!empty->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    empty->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(s.Augen, std::uint8_t{2});

    // The press action of the piece moves it two fields on.
    accessible(trackCell(w, 8))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(s.Augen, std::uint8_t{0});
    QCOMPARE(accessibleName(trackCell(w, 8)), QStringLiteral("Feld 8: leer"));
    QCOMPARE(accessibleName(trackCell(w, 10)), QStringLiteral("Feld 10: Blau"));
    QCOMPARE(nameMismatches(w), QString());
  }

  // The die panel names the face shown, and the colour label the colour to
  // move, through a roll, its end and the turn passing on.
  void dieAndColourToMove() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    State& s = w.game().state();
    // Every colour a person: the turn stays where it passes to.
    for (quivalo::MenuItem& item : s.SpielerMenu) {
      item.Checked = true;
    }
    w.mirror();
    auto* dice = w.client()->findChild<QWidget*>(QStringLiteral("Dice"));
    auto* farbLabel = w.client()->findChild<QLabel*>(QStringLiteral("FarbLabel"));
    QCOMPARE(accessibleName(dice), QStringLiteral("Würfel: kein Wurf"));
    QCOMPARE(accessibleName(farbLabel), QStringLiteral("Am Zug: Blau"));
    QCOMPARE(farbLabel->text(), QStringLiteral("Blau"));
    heard().clear();

    w.findChild<QPushButton*>(QStringLiteral("Wuerfel"))->click();
    QVERIFY(s.Augen >= 1 && s.Augen <= 6);
    QCOMPARE(accessibleName(dice), QStringLiteral("Würfel: %1").arg(s.Augen));
    const QString rolled = accessibleName(dice);

    // The last roll given up: the roll ends within 100 ms and Rot is to move.
    s.Versuche = 0;
    w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"))->click();
    QTRY_COMPARE(accessibleName(dice), QStringLiteral("Würfel: kein Wurf"));
    QTRY_COMPARE(accessibleName(farbLabel), QStringLiteral("Am Zug: Rot"));
    QCOMPARE(farbLabel->text(), QStringLiteral("Rot"));

    // One name change for each new face and one for the new colour.
    if (eventsHeard) {
      QCOMPARE(namesHeardFor(dice), QStringList({rolled, QStringLiteral("Würfel: kein Wurf")}));
      QCOMPARE(namesHeardFor(farbLabel), QStringList({QStringLiteral("Am Zug: Rot")}));
    }
  }

  void columnWindowAndAboutBox() {
    TMain w;
    QCOMPARE(accessibleName(&w), QStringLiteral("Quivalo"));
    auto* wuerfel = w.findChild<QPushButton*>(QStringLiteral("Wuerfel"));
    auto* kannNicht = w.findChild<QPushButton*>(QStringLiteral("KannNichtBtn"));
    QCOMPARE(accessibleName(wuerfel), QStringLiteral("Würfeln"));
    QCOMPARE(accessible(wuerfel)->role(), QAccessible::Button);
    QCOMPARE(accessibleName(kannNicht), QStringLiteral("Kann nicht"));
    QCOMPARE(accessible(kannNicht)->role(), QAccessible::Button);
    QVERIFY(!accessible(kannNicht)->text(QAccessible::Description).isEmpty());
    QCOMPARE(accessibleName(w.findChild<QLabel*>(QStringLiteral("Label1"))),
             QStringLiteral("ist an der Reihe!"));
    QCOMPARE(accessibleName(w.findChild<QLabel*>(QStringLiteral("Zahl4"))),
             QStringLiteral("Augenzahl 4"));

    // The remark line is named by its text, and says so when it changes.
    auto* bemerkung = w.findChild<QLabel*>(QStringLiteral("Bemerkung"));
    QCOMPARE(accessibleName(bemerkung), QString());
    heard().clear();
    State& s = w.game().state();
    s.Bemerkung = "Da hast du Pech!";
    w.mirror();
    QCOMPARE(accessibleName(bemerkung), QStringLiteral("Da hast du Pech!"));
    s.Bemerkung.clear();
    w.mirror();
    QCOMPARE(accessibleName(bemerkung), QString());
    if (eventsHeard) {
      QCOMPARE(namesHeardFor(bemerkung),
               QStringList({QStringLiteral("Da hast du Pech!"), QString()}));
    }

    TInfo info;
    QCOMPARE(accessibleName(&info), QStringLiteral("Info über Quivalo"));
    QCOMPARE(accessibleName(info.findChild<QLabel*>(QStringLiteral("ProgramIcon"))),
             QStringLiteral("Programmsymbol"));
    QCOMPARE(accessibleName(info.findChild<QLabel*>(QStringLiteral("ProductName"))),
             QStringLiteral("Produktname"));
    QCOMPARE(accessibleName(info.findChild<QLabel*>(QStringLiteral("Label1"))),
             QStringLiteral("Produktname: Quivalo"));
    QCOMPARE(accessibleName(info.findChild<QLabel*>(QStringLiteral("Label2"))),
             QStringLiteral("Version: 1.0"));
    QCOMPARE(accessibleName(info.okButton()), QStringLiteral("OK"));
    QCOMPARE(accessible(info.okButton())->role(), QAccessible::Button);
  }

  // A move sends name changes for the two cells it changed and for no other;
  // then the idle window, with its house and win checks ticking, sends none.
  void nameChangedOnlyForChangedCells() {
    if (!eventsHeard) {
      QSKIP("accessibility is off: no update events to check");
    }
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    bluePieceOnFive(w, 3);
    QVERIFY(cellsHeard().count(QStringLiteral("Feld5")) == 1);
    heard().clear();

    clickClient(w, w.imageRect(QStringLiteral("SteinBlau5")).center());
    QCOMPARE(cellsHeard(), std::set<QString>({QStringLiteral("Feld5"), QStringLiteral("Feld8")}));
    QCOMPARE(namesHeardFor(trackCell(w, 5)), QStringList({QStringLiteral("Feld 5: leer")}));
    QCOMPARE(namesHeardFor(trackCell(w, 8)), QStringList({QStringLiteral("Feld 8: Blau")}));

    heard().clear();
    QTest::qWait(650);  // three ticks of the house tidying and the win check
    QCOMPARE(w.game().state().Augen, std::uint8_t{0});
    for (const Heard& h : heard()) {
      QVERIFY2(h.type != QAccessible::NameChanged && h.type != QAccessible::DescriptionChanged,
               qPrintable(h.object ? h.object->objectName() : QStringLiteral("?")));
    }
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

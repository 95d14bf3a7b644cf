// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns from the window in one set-up position: the
// names and roles of chosen cells, the die and the colour to move; a press
// action moves a piece, and only the two cells it changed announce it.
#include <QAccessible>
#include <QtTest>
#include <set>

#include "window_support.h"

// The offscreen platform keeps accessibility switched off, and then Qt passes
// no update event on; only Qt's own platform interface switches it on.
#ifdef QUIVALO_TEST_PLATFORM_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

using namespace Qt::StringLiterals;
using quivalo::Colour;

namespace {

// The objects that announced a new name, heard while accessibility is on.
std::set<QString> renamed;
bool eventsHeard = false;

void hear(QAccessibleEvent* event) {
  if (event->type() == QAccessible::NameChanged && event->object() != nullptr) {
    renamed.insert(event->object()->objectName());
  }
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

QAccessibleInterface* accessible(TMain& w, const QString& name) {
  return QAccessible::queryAccessibleInterface(w.findChild<QWidget*>(name));
}

// Blau to move with a 4, a Blau piece from house slot 3 on field 5, a Rot
// piece drawn over field 12 (whose field image stays shown), a full slot
// over an empty one in Gelb's house, and Gelb's goal slot 4 filled.
void setUp(TMain& w) {
  quivalo::State& s = w.game().state();
  window_test::rolled(s, Colour::Blau, 4);
  quivalo::testing::bringOut(s, Colour::Blau, 5, 3);
  quivalo::testing::takeFromHouse(s, Colour::Rot, 1);
  s.setShown(quivalo::Stein(Colour::Rot, 12), true);
  s.cell(12) = quivalo::Cell::Rot;
  s.setShown(quivalo::HausLeer(Colour::Gelb, 3), true);
  quivalo::testing::takeFromHouse(s, Colour::Gelb, 1);
  quivalo::testing::placeInGoal(s, Colour::Gelb, 4);
  w.mirror();
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    eventsHeard = switchAccessibilityOn();
    if (!eventsHeard) {
      qWarning("Accessibility stays off on this platform: the event check is skipped.");
    }
    QAccessible::installUpdateHandler(&hear);
  }

  void names_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    const int button = QAccessible::Button;
    const int text = QAccessible::StaticText;
    QTest::newRow("piece") << u"Feld12"_s << u"Feld 12: Rot"_s << button;
    QTest::newRow("field") << u"Feld11"_s << u"Feld 11: leer"_s << text;
    QTest::newRow("empty slot") << u"HausBlau3"_s << u"Haus Blau, Platz 3: leer"_s << text;
    QTest::newRow("full slot") << u"HausGelb3"_s << u"Haus Gelb, Platz 3: Gelb"_s << button;
    QTest::newRow("Grün") << u"HausGreen1"_s << u"Haus Grün, Platz 1: Grün"_s << button;
    QTest::newRow("goal 4") << u"ZielGelb4"_s << u"Ziel Gelb, Platz 4: Gelb"_s << text;
    QTest::newRow("goal 3") << u"ZielGelb3"_s << u"Ziel Gelb, Platz 3: leer"_s << text;
    QTest::newRow("die") << u"Dice"_s << u"Würfel: 4"_s << -1;
    QTest::newRow("colour") << u"FarbLabel"_s << u"Am Zug: Blau"_s << -1;
    QTest::newRow("button") << u"KannNichtBtn"_s << u"Kann nicht"_s << button;
  }

  void names() {
    QFETCH(QString, object);
    QFETCH(QString, name);
    QFETCH(int, role);
    TMain w;
    setUp(w);
    QAccessibleInterface* iface = accessible(w, object);
    QVERIFY(iface != nullptr);
    QCOMPARE(iface->text(QAccessible::Name), name);
    if (role >= 0) {
      QCOMPARE(int(iface->role()), role);
    }
  }

  void pressActionMovesAPiece() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    setUp(w);
    renamed.clear();
    accessible(w, u"Feld5"_s)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(accessible(w, u"Feld5"_s)->text(QAccessible::Name), u"Feld 5: leer"_s);
    QCOMPARE(accessible(w, u"Feld9"_s)->text(QAccessible::Name), u"Feld 9: Blau"_s);
    if (eventsHeard) {
      QCOMPARE(renamed, (std::set<QString>{u"Feld5"_s, u"Feld9"_s}));
    }
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

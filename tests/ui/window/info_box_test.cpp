// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: frame, size, font, every widget's place and text, focus on
// the OK button, and the ways it closes.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "ui/frames.h"
#include "ui/info_box.h"
#include "ui/main_window.h"
#include "ui/translation.h"

class InfoBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QVERIFY(quivalo::ui::installGermanTranslation(*qApp)); }

  void frameAndFont() {
    TInfo info;
    QCOMPARE(info.objectName(), QStringLiteral("Info"));
    QCOMPARE(QString::fromLatin1(info.metaObject()->className()), QStringLiteral("TInfo"));
    QCOMPARE(info.windowTitle(), QStringLiteral("Info..."));
    QCOMPARE(info.size(), QSize(330, 204));
    QCOMPARE(info.minimumSize(), QSize(330, 204));
    QCOMPARE(info.maximumSize(), QSize(330, 204));
    const Qt::WindowFlags flags = info.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(info.font().family(), QStringLiteral("Arial"));
    QCOMPARE(info.font().pixelSize(), 10);
    QVERIFY(!info.isVisible());
  }

  void widgets_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("bold");
    QTest::newRow("ProductName") << "ProductName"
                                 << "Produktname" << QPoint(89, 16) << true;
    QTest::newRow("Label1") << "Label1"
                            << "Quivalo !!!" << QPoint(169, 16) << false;
    QTest::newRow("Version") << "Version"
                             << "Version" << QPoint(89, 41) << true;
    QTest::newRow("Label2") << "Label2"
                            << "1.0" << QPoint(169, 41) << false;
    QTest::newRow("Copyright") << "Copyright"
                               << "Copyright" << QPoint(8, 94) << true;
    QTest::newRow("CopyrightText") << "CopyrightText" << QString() << QPoint(98, 94) << false;
    QTest::newRow("Lizenz") << "Lizenz"
                            << "Lizenz" << QPoint(9, 119) << true;
    QTest::newRow("LizenzText1") << "LizenzText1" << QString() << QPoint(98, 119) << false;
    QTest::newRow("LizenzText2") << "LizenzText2" << QString() << QPoint(98, 137) << false;
  }

  void widgets() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QPoint, place);
    QFETCH(bool, bold);
    TInfo info;
    auto* panel = info.findChild<QWidget*>(QStringLiteral("Panel1"));
    auto* label = info.findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    QCOMPARE(label->parentWidget(), panel);
    QCOMPARE(label->pos(), place);
    QCOMPARE(label->height(), 13);
    if (!text.isEmpty()) {
      QCOMPARE(label->text(), text);
    }
    QVERIFY(!label->text().isEmpty());
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().pixelSize(), 11);
    // Sized to its own text, and wholly inside the panel's bevel.
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    QVERIFY2(label->geometry().right() < panel->width() - 2, qPrintable(name));
  }

  void panelIconAndButton() {
    TInfo info;
    auto* panel = info.findChild<QWidget*>(QStringLiteral("Panel1"));
    QCOMPARE(panel->geometry(), QRect(8, 8, 313, 163));
    QCOMPARE(panel->font().pixelSize(), 11);
    QCOMPARE(panel->font().family(), QStringLiteral("MS Sans Serif"));

    auto* icon = info.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    QCOMPARE(icon->parentWidget(), panel);
    QCOMPARE(icon->geometry(), QRect(8, 16, 33, 33));
    QVERIFY(icon->hasScaledContents());
    QCOMPARE(icon->pixmap().size(), QSize(32, 32));

    QPushButton* ok = info.okButton();
    QCOMPARE(ok->objectName(), QStringLiteral("OKButton"));
    QCOMPARE(ok->parentWidget(), &info);
    QCOMPARE(ok->geometry(), QRect(104, 175, 89, 25));
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QCOMPARE(ok->font().pixelSize(), 12);
    QVERIFY(ok->font().bold());
    QVERIFY(!ok->icon().isNull());
    QVERIFY(ok->isDefault());
  }

  // The picture sits two pixels from the left edge, the caption to its right.
  void okButtonPainting() {
    TInfo info;
    QPushButton* ok = info.okButton();
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    const QImage withPicture = ok->grab().toImage();
    const QIcon picture = ok->icon();
    ok->setIcon(QIcon());
    const QImage withoutPicture = ok->grab().toImage();
    ok->setIcon(picture);
    // Where the picture lies (x 2 to 17) the two grabs differ; left of it not.
    bool differsInPicture = false;
    for (int x = 2; x < 18; ++x) {
      for (int y = 2; y < ok->height() - 2; ++y) {
        differsInPicture |= withPicture.pixel(x, y) != withoutPicture.pixel(x, y);
      }
    }
    QVERIFY(differsInPicture);
    for (int y = 2; y < ok->height() - 2; ++y) {
      QCOMPARE(withPicture.pixel(1, y), withoutPicture.pixel(1, y));
    }
  }

  // Shown over the main window, as in the program, and yet centred on the
  // screen rather than over its parent.
  void focusOnOkWhenShown() {
    TMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    TInfo info(&w);
    bool focused = false;
    QPoint offCentre(-1000, -1000);
    QTimer::singleShot(100, this, [&] {
      focused = QApplication::focusWidget() == info.okButton();
      offCentre = info.frameGeometry().center() - info.screen()->availableGeometry().center();
      info.okButton()->click();
    });
    info.exec();
    QVERIFY(focused);
    // In the middle of the screen.
    QVERIFY(offCentre.manhattanLength() <= 2);
    QVERIFY(!info.isVisible());
  }

  void closesWithEnterAltOAndEscape_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
  }

  void closesWithEnterAltOAndEscape() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TInfo info;
    // Shown again and again: the same box is reused.
    for (int round = 0; round < 2; ++round) {
      QTimer::singleShot(100, this, [&] {
        QTest::keyClick(&info, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
      });
      // A watchdog, should the key not close the box.
      QTimer::singleShot(3000, &info, &QDialog::reject);
      QElapsedTimer elapsed;
      elapsed.start();
      info.exec();
      QVERIFY(elapsed.elapsed() < 2000);
      QVERIFY(!info.isVisible());
    }
  }

  void info1ShowsTheBox() {
    TMain w;
    TInfo info(&w);
    w.setInfoBox(&info);
    w.show();
    QString shown;
    QTimer::singleShot(100, this, [&] {
      QWidget* m = QApplication::activeModalWidget();
      shown = m != nullptr ? m->objectName() : QString();
      info.okButton()->click();
    });
    w.findChild<QAction*>(QStringLiteral("Info1"))->trigger();
    QCOMPARE(shown, QStringLiteral("Info"));
  }
};

QTEST_MAIN(InfoBoxTest)
#include "info_box_test.moc"

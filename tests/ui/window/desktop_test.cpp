// SPDX-License-Identifier: GPL-3.0-or-later
// The window names the desktop entry that is installed for it: the
// application id it sets is the entry's file name.
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QtTest>

#include "ui/main_window.h"

class DesktopTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void applicationIdIsTheDesktopEntrysName() {
    const QFileInfo entry(QStringLiteral(QUIVALO_DESKTOP_ENTRY));
    QVERIFY2(entry.exists(), qPrintable(entry.filePath()));
    QVERIFY(QGuiApplication::desktopFileName().isEmpty());
    TMain w;
    QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"), entry.fileName());
  }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"

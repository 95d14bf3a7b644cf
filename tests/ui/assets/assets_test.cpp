// SPDX-License-Identifier: GPL-3.0-or-later
// The picture generator writes exactly the pictures committed in
// assets/pictures: the same files, pixel for pixel and with the same palette.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class AssetsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void generatorWritesTheCommittedPictures() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess generator;
    generator.start(QString::fromUtf8(QUIVALO_MAKE_ASSETS), {dir.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);

    const QDir fresh(dir.path());
    const QDir committed(QString::fromUtf8(QUIVALO_PICTURES_DIR));
    const QStringList written = fresh.entryList(QDir::Files, QDir::Name);
    QVERIFY(!written.isEmpty());
    QCOMPARE(written, committed.entryList({u"*.png"_s}, QDir::Files, QDir::Name));
    for (const QString& file : written) {
      const QImage made(fresh.filePath(file));
      const QImage kept(committed.filePath(file));
      QVERIFY2(!made.isNull() && !kept.isNull(), qPrintable(file));
      QVERIFY2(made.size() == kept.size() && made.colorCount() == kept.colorCount() &&
                   made.convertToFormat(QImage::Format_ARGB32) ==
                       kept.convertToFormat(QImage::Format_ARGB32),
               qPrintable(file + u" differs from the generator's output"_s));
    }
  }
};

QTEST_GUILESS_MAIN(AssetsTest)
#include "assets_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The help, offscreen: bad help files give a notice; only links between topics
// are followed and Back returns; the search ignores umlauts; Esc closes; F1 in
// the game asks for the contents. And the shipped help: every link leads to a
// topic, and its figures about the die are the formula's.
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <array>

#include "game/random.h"
#include "ui/help/help_window.h"
#include "ui/main_window.h"

using namespace Qt::StringLiterals;
using quivalo::HelpRequest;
using quivalo::HelpWindow;

namespace {

const QString kShipped = QFileInfo(QString::fromUtf8(QUIVALO_HELP_FILE)).absolutePath();

// Writes the help file into `folder`, unless `bytes` is null.
void writeHelp(const QTemporaryDir& folder, const QByteArray& bytes) {
  QFile file(folder.filePath(u"Hilfe zu Quivalo.HLP"_s));
  if (!bytes.isNull() && (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())) {
    qFatal("cannot write the help file");
  }
}

QString pageText(QWidget* w) { return w->findChild<QTextBrowser*>()->toPlainText(); }

// Clicks the first place the page shows `text`, as a person would.
void click(QWidget* w, const QString& text) {
  auto* browser = w->findChild<QTextBrowser*>();
  QTextCursor at = browser->document()->find(text);
  at.setPosition(at.selectionStart() + 1);
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(at).center());
}

int die(std::uint32_t t) { return int(quivalo::draw(t, 6)) + 1; }

// "86.400.000" and "7,0" as the help writes numbers.
double germanNumber(QString s) { return s.remove(u'.').replace(u',', u'.').toDouble(); }

// Records every address handed to the desktop to open, and every help request.
class Recorder : public QObject, public quivalo::HelpViewer {
  Q_OBJECT
 public:
  void help(HelpRequest request) override { requests.push_back(request); }
  std::vector<HelpRequest> requests;
  QList<QUrl> urls;
 public Q_SLOTS:
  void open(const QUrl& url) { urls.append(url); }
};

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void badFilesGiveANotice_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");  // part of the page shown
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i) binary[i] = char((i * 7919) >> 3);
    QTest::newRow("missing") << QByteArray() << u"wurde nicht gefunden"_s;
    QTest::newRow("empty") << QByteArray("") << u"enthält kein Thema"_s;
    QTest::newRow("no heading") << QByteArray("Text\n## Unterthema\n") << u"enthält kein Thema"_s;
    QTest::newRow("invalid UTF-8") << QByteArray("# T\nW\xfcrfel\n") << u"keine Textdatei"_s;
    QTest::newRow("binary") << binary << u"keine Textdatei"_s;
    QTest::newRow("over the limit") << "# T\n" + QByteArray(65 * 1024, 'x') << u"zu groß"_s;
    // Just under the limit one word takes Qt long to lay out, but not for ever.
    QTest::newRow("very long line") << "# Lang\n" + QByteArray(60 * 1024, 'x') << u"Lang"_s;
  }

  void badFilesGiveANotice() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    writeHelp(dir, bytes);
    QElapsedTimer clock;
    clock.start();
    HelpWindow w({dir.path()});
    w.request(HelpRequest::Contents);
    w.request(HelpRequest::Search);
    w.grab();  // lays the page out and paints it
    QVERIFY2(pageText(&w).contains(shown), qPrintable(pageText(&w).left(200)));
    QVERIFY(clock.elapsed() < 10000);
    w.request(HelpRequest::HelpOnHelp);  // works whatever the file
    QCOMPARE(w.pageTitle(), u"Hilfe benutzen"_s);
  }

  void onlyLinksBetweenTopicsAreFollowedAndBackReturns() {
    QTemporaryDir dir;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(dir.filePath(u"bild.png"_s)));
    const QString picture = QUrl::fromLocalFile(dir.filePath(u"bild.png"_s)).toString();
    writeHelp(
        dir,
        u"# Eins\n[Netz](https://example.invalid/) [Datei](%1) [Ordner](bild.png) "
        "[hier](<Eins>) [Zwei](<Zwei>)\n\n![a](%1) ![b](bild.png)\n# Zwei\nZwei.\n"_s.arg(picture)
            .toUtf8());
    Recorder desktop;
    const QStringList schemes{u"http"_s, u"https"_s, u"file"_s};
    for (const QString& scheme : schemes) QDesktopServices::setUrlHandler(scheme, &desktop, "open");
    HelpWindow w({dir.path()});
    w.request(HelpRequest::Contents);
    w.grab();
    for (const QUrl& url : {QUrl(picture), QUrl(u"bild.png"_s)}) {
      const QVariant image = w.findChild<QTextBrowser*>()->document()->resource(1, url);
      QVERIFY2(image.value<QImage>().isNull() && image.toByteArray().isEmpty(),
               qPrintable(url.url()));
    }
    auto* back = w.findChild<QPushButton*>();
    for (const QString& link : {u"Netz"_s, u"Datei"_s, u"Ordner"_s, u"hier"_s}) {
      click(&w, link);
      QVERIFY(w.pageTitle() == u"Eins"_s && !back->isEnabled());
    }
    click(&w, u"Zwei"_s);
    QCOMPARE(w.pageTitle(), u"Zwei"_s);
    back->click();
    QVERIFY(w.pageTitle() == u"Eins"_s && !back->isEnabled());
    QCOMPARE(w.findChild<QListWidget*>(u"contentsList"_s)->currentRow(), 0);
    for (const QString& scheme : schemes) QDesktopServices::unsetUrlHandler(scheme);
    QVERIFY2(desktop.urls.isEmpty(), qPrintable(desktop.urls.value(0).url()));
  }

  void searchStartsEmptyAndIgnoresUmlauts() {
    HelpWindow w({kShipped});
    w.request(HelpRequest::Search);
    auto* edit = w.findChild<QLineEdit*>();
    auto* list = w.findChild<QListWidget*>(u"keywordList"_s);
    const auto shown = [&](const QString& part) {
      int n = 0;
      for (int i = 0; i < list->count(); ++i) {
        const bool fits = list->item(i)->text().contains(part, Qt::CaseInsensitive);
        if (fits == list->item(i)->isHidden()) qWarning() << list->item(i)->text();
        n += fits && !list->item(i)->isHidden() ? 1 : 0;
      }
      return n;
    };
    QVERIFY(edit->text().isEmpty() && w.focusWidget() == edit);
    QTest::keyClicks(edit, u"wurfel"_s);
    QVERIFY(shown(u"würfel"_s) > 0 && shown(u"würfel"_s) < list->count());
    QTest::keyClick(edit, Qt::Key_Return);  // opens the topic of the first entry
    QVERIFY(list->currentItem()->text().endsWith(u" – "_s + w.pageTitle()));
    w.request(HelpRequest::Search);  // starts again with an empty field
    QVERIFY(edit->text().isEmpty() && shown(QString()) == list->count());
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
  }

  void f1InTheGameAsksForTheContents() {
    Recorder help;
    TMain w(nullptr, &help);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F1);
    QVERIFY(help.requests == std::vector<HelpRequest>{HelpRequest::Contents});
  }

  void everyLinkInTheShippedHelpLeadsToATopic() {
    const quivalo::HelpFile help = quivalo::readHelpFile({kShipped});
    QVERIFY2(help.problem.isEmpty(), qPrintable(help.problem));
    QStringList titles;
    for (const auto& t : help.topics) titles.append(t.title);
    static const QRegularExpression link(uR"(\]\(([^)]*)\))"_s);
    for (const auto& t : help.topics) {
      for (const auto& m : link.globalMatch(t.markdown)) {
        QVERIFY2(
            titles.contains(m.captured(1).sliced(1).chopped(1)) && m.captured(1).startsWith(u'<'),
            qPrintable(t.title + u": "_s + m.captured(1)));
      }
    }
  }

  // Each figure the help gives about the die, counted with the formula over
  // every millisecond of a day (the clock starts again at midnight).
  void theDieFiguresAreTheFormulas() {
    QString text;
    for (const auto& t : quivalo::readHelpFile({kShipped}).topics) text += t.markdown;
    const auto example =
        QRegularExpression(
            uR"(um (\d\d):(\d\d):(\d\d),(\d{3}) Uhr UTC \(t = ([\d.]+)\) zeigt zum Beispiel eine (\d))"_s)
            .match(text);
    const auto faces =
        QRegularExpression(uR"(jede zwischen ([\d.]+)- und ([\d.]+)-mal)"_s).match(text);
    QVERIFY(example.hasMatch() && faces.hasMatch());
    const auto n = [&](int i) { return example.captured(i).toUInt(); };
    const std::uint32_t t0 = quivalo::msOfDay(n(1), n(2), n(3), n(4));
    QVERIFY(t0 == germanNumber(example.captured(5)) && die(t0) == int(n(6)));
    // "| 250 ms | 7,0 % | 93,0 % |": how often a roll that many ms later shows the
    // same number or one less (a 6 after a 1); and never another, but over midnight.
    struct Row {
      std::uint32_t gap;
      double same, lower;
      std::uint32_t sameCount = 0, lowerCount = 0, otherCount = 0;
    };
    std::vector<Row> rows;
    static const QRegularExpression row(uR"(\| (\d+) ms \| ([\d,]+) % \| ([\d,]+) % \|)"_s);
    for (const auto& m : row.globalMatch(text)) {
      rows.push_back(
          {m.captured(1).toUInt(), germanNumber(m.captured(2)), germanNumber(m.captured(3))});
    }
    QVERIFY(rows.size() >= 2 && rows.front().gap == 250);  // the computer's quarter second
    constexpr std::uint32_t kMsPerDay = 86'400'000;
    std::array<std::uint32_t, 6> count{};
    for (std::uint32_t t = 0; t < kMsPerDay; ++t) {
      const int a = die(t);
      ++count[std::size_t(a - 1)];
      for (Row& r : rows) {
        const int b = die((t + r.gap) % kMsPerDay), lower = a == 1 ? 6 : a - 1;
        r.sameCount += b == a;
        r.lowerCount += b == lower;
        r.otherCount += b != a && b != lower && t + r.gap < kMsPerDay;
      }
    }
    QCOMPARE(*std::min_element(count.begin(), count.end()), germanNumber(faces.captured(1)));
    QCOMPARE(*std::max_element(count.begin(), count.end()), germanNumber(faces.captured(2)));
    for (const Row& r : rows) {
      QVERIFY2(qAbs(r.same - 100.0 * r.sameCount / kMsPerDay) < 0.05 &&
                   qAbs(r.lower - 100.0 * r.lowerCount / kMsPerDay) < 0.05 && r.otherCount == 0,
               qPrintable(QString::number(r.gap)));
    }
  }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The help window, offscreen: the three requests with the shipped help file,
// a missing file and a table of bad ones; links between topics and Back;
// links and pictures pointing elsewhere; the keyword search; F1 in the game.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <vector>

#include "ui/help/help_window.h"
#include "ui/help/qt_help_viewer.h"
#include "ui/main_window.h"

using namespace Qt::StringLiterals;
using quivalo::HelpRequest;
using quivalo::HelpWindow;
using quivalo::QtHelpViewer;

namespace {

const QString kFileName = u"Hilfe zu Quivalo.HLP"_s;

QString shippedFolder() { return QFileInfo(QString::fromUtf8(QUIVALO_HELP_FILE)).absolutePath(); }

bool writeHelpFile(const QString& folder, const QByteArray& bytes) {
  QFile file(QDir(folder).filePath(kFileName));
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

template <typename T>
T* child(QWidget* window, const char* name) {
  T* w = window->findChild<T*>(QString::fromLatin1(name));
  if (!w) qFatal("no child %s", name);
  return w;
}

QTextBrowser* view(QWidget* w) { return child<QTextBrowser>(w, "pageView"); }
QString pageText(QWidget* w) { return view(w)->toPlainText(); }

int visibleRows(QListWidget* list) {
  int n = 0;
  for (int i = 0; i < list->count(); ++i) n += list->item(i)->isHidden() ? 0 : 1;
  return n;
}

// Clicks the link whose text is `text` in the page shown, as a person would.
bool clickLink(QTextBrowser* browser, const QString& text) {
  for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (!f.charFormat().isAnchor() || !f.text().contains(text)) continue;
      QTextCursor cursor(browser->document());
      cursor.setPosition(f.position() + 1);
      const QPoint at = browser->cursorRect(cursor).center();
      QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
      return true;
    }
  }
  return false;
}

// Records every address handed to the desktop to open.
class Opened : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public Q_SLOTS:
  void open(const QUrl& url) { urls.append(url); }
};

class FakeHelp final : public quivalo::HelpViewer {
 public:
  void help(HelpRequest request) override { requests.push_back(request); }
  std::vector<HelpRequest> requests;
};

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void missingFileIsReportedInGerman() {
    QTemporaryDir empty;
    QtHelpViewer viewer(nullptr, {empty.path()});
    QVERIFY(!viewer.window());
    viewer.help(HelpRequest::Contents);
    HelpWindow* w = viewer.window();
    QVERIFY(w && w->isVisible());
    const QString text = pageText(w);
    QVERIFY2(text.contains(u"„Hilfe zu Quivalo.HLP“ wurde nicht gefunden"_s), qPrintable(text));
    QVERIFY(text.contains(QDir::toNativeSeparators(empty.path())));
    QCOMPARE(child<QListWidget>(w, "contentsList")->count(), 0);
    // Search and help on help still work.
    viewer.help(HelpRequest::Search);
    QCOMPARE(child<QListWidget>(w, "keywordList")->count(), 0);
    viewer.help(HelpRequest::HelpOnHelp);
    QCOMPARE(w->pageTitle(), u"Hilfe benutzen"_s);
  }

  void badFilesGiveANoticeOrTheirTopics_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");  // part of the page text, or of its title
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i) binary[i] = char((i * 7919) >> 3);
    QTest::newRow("empty") << QByteArray() << u"enthält kein Thema"_s;
    QTest::newRow("no heading") << QByteArray("Nur Text.\n## Unterthema\n")
                                << u"enthält kein Thema"_s;
    QTest::newRow("invalid UTF-8")
        << QByteArray("# Titel\nW\xfcrfel\n") << u"keine Textdatei in UTF-8"_s;
    QTest::newRow("binary") << binary << u"keine Textdatei in UTF-8"_s;
    QTest::newRow("NUL byte") << QByteArray("# Titel\n\0Text\n", 15)
                              << u"keine Textdatei in UTF-8"_s;
    QTest::newRow("too big") << QByteArray("# Titel\n") + QByteArray(100 * 1024, 'x')
                             << u"ist zu groß (mehr als 64 KB)"_s;
    QTest::newRow("very long line")
        << QByteArray("# Lang\n") + QByteArray(60 * 1024, 'x') << u"Lang"_s;
    QTest::newRow("deep nesting") << QByteArray("# Tief\n") + QByteArray(60 * 1024, '[')
                                  << u"Tief"_s;
    QTest::newRow("empty title") << QByteArray("# \nText\n") << u"Ohne Titel"_s;
  }

  void badFilesGiveANoticeOrTheirTopics() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    QVERIFY(writeHelpFile(dir.path(), bytes));
    QElapsedTimer clock;
    clock.start();
    HelpWindow w({dir.path()});
    w.show();
    w.showContents();
    w.showSearch();
    w.grab();  // lays the page out and paints it
    QVERIFY2(pageText(&w).contains(shown) || w.pageTitle() == shown,
             qPrintable(pageText(&w).left(200)));
    QVERIFY2(clock.elapsed() < 10000, "took too long");
  }

  void aTopicLinkingToItselfStaysPut() {
    QTemporaryDir dir;
    QVERIFY(writeHelpFile(dir.path(), "# Eins\nStichwörter: eins\nSiehe [hier](<Eins>).\n"));
    HelpWindow w({dir.path()});
    w.show();
    w.showContents();
    QVERIFY(clickLink(view(&w), u"hier"_s));
    QCOMPARE(w.pageTitle(), u"Eins"_s);
    QVERIFY(!child<QPushButton>(&w, "backButton")->isEnabled());
  }

  void contentsShowsTheTopicsAndLinksAndBackWork() {
    QtHelpViewer viewer(nullptr, {shippedFolder()});
    viewer.help(HelpRequest::Contents);
    HelpWindow* w = viewer.window();
    QVERIFY(w->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    const auto& topics = w->helpFile().topics;
    auto* contents = child<QListWidget>(w, "contentsList");
    QCOMPARE(contents->count(), topics.size());
    QCOMPARE(contents->currentRow(), 0);
    QCOMPARE(w->pageTitle(), topics.front().title);
    QVERIFY(pageText(w).startsWith(topics.front().title));
    auto* back = child<QPushButton>(w, "backButton");
    QVERIFY(!back->isEnabled());

    // A link opens its topic, and the contents list follows.
    QVERIFY(clickLink(view(w), u"Drei Würfe"_s));
    QCOMPARE(w->pageTitle(), u"Drei Würfe"_s);
    QCOMPARE(contents->currentItem()->text(), u"Drei Würfe"_s);
    QVERIFY(pageText(w).contains(u"dreimal würfeln"_s));
    contents->setCurrentRow(5);
    QCOMPARE(w->pageTitle(), topics.at(5).title);

    // Back goes through the pages in reverse.
    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(w->pageTitle(), u"Drei Würfe"_s);
    back->click();
    QCOMPARE(w->pageTitle(), topics.front().title);
    QCOMPARE(contents->currentRow(), 0);
    QVERIFY(!back->isEnabled());
  }

  void linksAndPicturesElsewhereAreNeitherLoadedNorOpened() {
    QTemporaryDir dir;
    const QString picture = QDir(dir.path()).filePath(u"bild.png"_s);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(picture));
    const QString pictureUrl = QUrl::fromLocalFile(picture).toString();
    QVERIFY(writeHelpFile(
        dir.path(), (u"# Eins\nStichwörter: eins\n[Netz](https://example.invalid/) "
                     "[Datei](%1) [Ordner](bild.png) [Zwei](<Zwei>)\n\n![a](%1) ![b](bild.png) "
                     "<img src=\"%1\">\n# Zwei\nZwei.\n"_s.arg(pictureUrl))
                        .toUtf8()));
    Opened opened;
    for (const char* scheme : {"http", "https", "file"}) {
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &opened, "open");
    }
    HelpWindow w({dir.path()});
    w.show();
    w.showContents();
    w.grab();
    QTextDocument* doc = view(&w)->document();
    for (const QUrl& url : {QUrl(pictureUrl), QUrl(u"bild.png"_s)}) {
      const QVariant loaded = doc->resource(QTextDocument::ImageResource, url);
      QVERIFY2(loaded.value<QImage>().isNull() && loaded.toByteArray().isEmpty(),
               qPrintable(url.toString()));
    }
    for (const QString& link : {u"Netz"_s, u"Datei"_s, u"Ordner"_s}) {
      QVERIFY(clickLink(view(&w), link));
      QCOMPARE(w.pageTitle(), u"Eins"_s);
    }
    QVERIFY(clickLink(view(&w), u"Zwei"_s));  // the one link between topics
    QCOMPARE(w.pageTitle(), u"Zwei"_s);
    for (const char* scheme : {"http", "https", "file"}) {
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QVERIFY2(opened.urls.isEmpty(), qPrintable(opened.urls.value(0).toString()));
  }

  void searchOpensEmptyAndIgnoresUmlauts() {
    QtHelpViewer viewer(nullptr, {shippedFolder()});
    viewer.help(HelpRequest::Search);
    HelpWindow* w = viewer.window();
    auto* edit = child<QLineEdit>(w, "searchEdit");
    auto* keywords = child<QListWidget>(w, "keywordList");
    auto* found = child<QListWidget>(w, "foundList");
    QCOMPARE(child<QTabWidget>(w, "helpTabs")->currentWidget(), child<QWidget>(w, "searchPage"));
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(w->focusWidget(), edit);
    QVERIFY(keywords->count() > 20);
    QCOMPARE(visibleRows(keywords), keywords->count());

    // Typed without umlauts, the search finds the keywords with them.
    QTest::keyClicks(edit, u"wurfel"_s);
    QVERIFY(visibleRows(keywords) > 0 && visibleRows(keywords) < keywords->count());
    for (int i = 0; i < keywords->count(); ++i) {
      const QListWidgetItem* item = keywords->item(i);
      QCOMPARE(!item->isHidden(), item->text().contains(u"würfel"_s, Qt::CaseInsensitive));
    }
    QVERIFY(keywords->currentItem()->text().startsWith(u"Würfel"_s, Qt::CaseInsensitive));
    QVERIFY(found->count() >= 1);
    // The arrow keys in the field choose among the keywords shown.
    const int before = keywords->currentRow();
    QTest::keyClick(edit, Qt::Key_Down);
    QVERIFY(keywords->currentRow() > before && !keywords->currentItem()->isHidden());
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(keywords->currentRow(), before);
    // Enter opens the topic found.
    const QString expected = found->currentItem()->text();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(w->pageTitle(), expected);
    edit->setText(u"xyzzy"_s);
    QCOMPARE(visibleRows(keywords), 0);
    QCOMPARE(found->count(), 0);

    // The next search starts again with an empty field.
    viewer.help(HelpRequest::Search);
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(visibleRows(keywords), keywords->count());
  }

  void helpOnHelpAndEscape() {
    QtHelpViewer viewer(nullptr, {shippedFolder()});
    viewer.help(HelpRequest::HelpOnHelp);
    HelpWindow* w = viewer.window();
    QCOMPARE(w->pageTitle(), u"Hilfe benutzen"_s);
    for (const QString& s : {u"Inhalt"_s, u"Suchen"_s, u"Zurück"_s, u"F1"_s}) {
      QVERIFY2(pageText(w).contains(s), qPrintable(s));
    }
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    // The same window comes back for the next request.
    viewer.help(HelpRequest::Contents);
    QVERIFY(w->isVisible());
    QCOMPARE(viewer.window(), w);
    QVERIFY(!w->testAttribute(Qt::WA_QuitOnClose));
  }

  void aFileThatAppearsLaterIsFound() {
    QTemporaryDir none, dir;
    HelpWindow w({none.path(), dir.path(), shippedFolder()});
    QVERIFY(writeHelpFile(dir.path(), "# Meine Hilfe\nText.\n"));
    w.showContents();
    QCOMPARE(w.pageTitle(), u"Meine Hilfe"_s);  // the first folder with the file wins
    QVERIFY(QFile::remove(QDir(dir.path()).filePath(kFileName)));
    w.showContents();
    QCOMPARE(w.helpFile().path, QDir(shippedFolder()).filePath(kFileName));
    QVERIFY(child<QListWidget>(&w, "contentsList")->count() >= 10);
  }

  void f1InTheGameOpensTheContents() {
    FakeHelp help;
    TMain w(nullptr, &help);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F1);
    QVERIFY(help.requests == std::vector<HelpRequest>{HelpRequest::Contents});
    // The menu item keeps its caption and shows no shortcut.
    auto* contents = w.findChild<QAction*>(u"Inhalt1"_s);
    QCOMPARE(contents->text(), u"&Inhalt"_s);
    QVERIFY(contents->shortcut().isEmpty());
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"

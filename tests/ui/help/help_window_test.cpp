// SPDX-License-Identifier: GPL-3.0-or-later
// The help window, offscreen: the three requests with a good help file, a
// missing one and a damaged one, where the file is looked for, and that one
// window serves every request.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <string>

#include "ui/help/help_window.h"
#include "ui/help/qt_help_viewer.h"

using namespace Qt::StringLiterals;
using quivalo::HelpRequest;
using quivalo::HelpWindow;
using quivalo::QtHelpViewer;

namespace {

const QString kFileName = u"Hilfe zu Quivalo.HLP"_s;

QString shippedFolder() { return QFileInfo(QString::fromUtf8(QUIVALO_HELP_FILE)).absolutePath(); }

QByteArray shippedBytes() {
  QFile file(QString::fromUtf8(QUIVALO_HELP_FILE));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

QString pageText(HelpWindow* w) { return child<QTextBrowser>(w, "pageView")->toPlainText(); }

// Types text key by key, umlauts included (QTest::keyClicks takes ASCII only).
void type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    const auto key =
        c.isLetter() && c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
  }
}

int visibleRows(QListWidget* list) {
  int n = 0;
  for (int i = 0; i < list->count(); ++i) n += list->item(i)->isHidden() ? 0 : 1;
  return n;
}

// Deterministic bytes that are no help file: no "#", much invalid UTF-8.
QByteArray garbage(int size) {
  QByteArray bytes(size, '\0');
  quint32 seed = 12345;
  for (char& c : bytes) {
    seed = seed * 1664525u + 1013904223u;
    c = static_cast<char>(seed >> 24);
    if (c == '#') c = '\xff';
  }
  return bytes;
}

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
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(w->helpFilePath().isEmpty());
    const QString text = pageText(w);
    QVERIFY2(text.contains(u"„Hilfe zu Quivalo.HLP“ wurde nicht gefunden"_s), qPrintable(text));
    QVERIFY(text.contains(QDir::toNativeSeparators(empty.path())) || text.contains(empty.path()));
    QCOMPARE(child<QListWidget>(w, "contentsList")->count(), 0);

    // Search and help on help work without the file.
    viewer.help(HelpRequest::Search);
    QCOMPARE(child<QListWidget>(w, "keywordList")->count(), 0);
    QVERIFY(pageText(w).contains(u"nicht gefunden"_s));
    viewer.help(HelpRequest::HelpOnHelp);
    QCOMPARE(w->pageTitle(), u"Hilfe benutzen"_s);
  }

  void damagedFileIsReported() {
    QTemporaryDir dir;
    QVERIFY(writeHelpFile(dir.path(), garbage(200000)));
    HelpWindow w({dir.path()});
    w.showContents();
    QCOMPARE(w.helpFilePath(), QDir(dir.path()).filePath(kFileName));
    QVERIFY(w.document().topics.empty());
    QVERIFY2(pageText(&w).contains(u"enthält keine lesbaren Themen"_s), qPrintable(pageText(&w)));
    w.showSearch();
    QVERIFY(child<QLineEdit>(&w, "searchEdit")->text().isEmpty());
  }

  void cutOffFileStillShowsWhatItHas() {
    // The shipped file cut in the middle of a character and of a topic.
    QByteArray bytes = shippedBytes();
    const auto at = bytes.indexOf("ü", bytes.size() / 2);
    QVERIFY(at > 0);
    bytes.truncate(at + 1);
    QTemporaryDir dir;
    QVERIFY(writeHelpFile(dir.path(), bytes));
    HelpWindow w({dir.path()});
    w.showContents();
    QVERIFY(w.document().topics.size() >= 2);
    QVERIFY(w.document().invalidBytes >= 1);
    QCOMPARE(w.pageTitle(), QString::fromStdString(w.document().topics.front().title));
  }

  void contentsShowsTheTopicsAndTheFirstPage() {
    QtHelpViewer viewer(nullptr, {shippedFolder()});
    viewer.help(HelpRequest::Contents);
    HelpWindow* w = viewer.window();
    QVERIFY(w->isVisible());
    QVERIFY(!w->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    const auto& topics = w->document().topics;
    QVERIFY(topics.size() >= 10);
    auto* contents = child<QListWidget>(w, "contentsList");
    QCOMPARE(child<QTabWidget>(w, "helpTabs")->currentWidget(), contents);
    QCOMPARE(contents->count(), int(topics.size()));
    for (int i = 0; i < contents->count(); ++i) {
      QCOMPARE(contents->item(i)->text(), QString::fromStdString(topics[std::size_t(i)].title));
    }
    QCOMPARE(contents->currentRow(), 0);
    const QString first = QString::fromStdString(topics.front().title);
    QCOMPARE(w->pageTitle(), first);
    QVERIFY(pageText(w).startsWith(first));

    // Choosing a topic shows it; "Zurück" returns to the page before.
    contents->setCurrentRow(3);
    QCOMPARE(w->pageTitle(), QString::fromStdString(topics[3].title));
    auto* back = child<QPushButton>(w, "backButton");
    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(w->pageTitle(), first);
    QCOMPARE(contents->currentRow(), 0);
  }

  void linksOpenTheirTopic() {
    HelpWindow w({shippedFolder()});
    w.showContents();
    auto* view = child<QTextBrowser>(&w, "pageView");
    const QString html = view->toHtml();
    QVERIFY(html.contains(u"topic:1"_s));
    Q_EMIT view->anchorClicked(QUrl(u"topic:1"_s));
    QCOMPARE(w.pageTitle(), QString::fromStdString(w.document().topics.at(1).title));
    Q_EMIT view->anchorClicked(QUrl(u"topic:99999"_s));  // nowhere: nothing happens
    Q_EMIT view->anchorClicked(QUrl(u"https://example.invalid/"_s));
    QCOMPARE(w.pageTitle(), QString::fromStdString(w.document().topics.at(1).title));
  }

  void searchOpensWithAnEmptyFocusedField() {
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

    // Typing narrows the list to matching keywords, as one types.
    type(edit, u"Wür"_s);
    const int afterThree = visibleRows(keywords);
    QVERIFY(afterThree > 0 && afterThree < keywords->count());
    type(edit, u"fel"_s);
    QVERIFY(visibleRows(keywords) <= afterThree);
    for (int i = 0; i < keywords->count(); ++i) {
      const QListWidgetItem* item = keywords->item(i);
      QCOMPARE(!item->isHidden(), item->text().contains(u"würfel"_s, Qt::CaseInsensitive));
    }
    QVERIFY(keywords->currentItem());
    QVERIFY(keywords->currentItem()->text().startsWith(u"Würfel"_s, Qt::CaseInsensitive));
    QVERIFY(found->count() >= 1);

    // Enter opens the topic found for the keyword.
    const QString expected = found->currentItem()->text();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(w->pageTitle(), expected);

    // A search typed without umlauts finds them too; nonsense finds nothing.
    edit->setText(u"wurfel"_s);
    QVERIFY(visibleRows(keywords) > 0);
    edit->setText(u"xyzzy"_s);
    QCOMPARE(visibleRows(keywords), 0);
    QCOMPARE(found->count(), 0);

    // The next search request starts again with an empty field.
    viewer.help(HelpRequest::Contents);
    viewer.help(HelpRequest::Search);
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(visibleRows(keywords), keywords->count());
    QCOMPARE(w->focusWidget(), edit);
  }

  void arrowKeysInTheFieldMoveThroughTheKeywords() {
    HelpWindow w({shippedFolder()});
    w.show();
    w.showSearch();
    auto* edit = child<QLineEdit>(&w, "searchEdit");
    QCOMPARE(w.focusWidget(), edit);
    auto* keywords = child<QListWidget>(&w, "keywordList");
    const int before = keywords->currentRow();
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(keywords->currentRow(), before + 1);
    QCOMPARE(w.focusWidget(), edit);
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(keywords->currentRow(), before);

    // With a filter, the keys step over the hidden keywords.
    edit->setText(u"Menü"_s);
    QVERIFY(visibleRows(keywords) >= 2);
    QList<int> shown;
    for (int i = 0; i < keywords->count(); ++i) {
      if (!keywords->item(i)->isHidden()) shown << i;
    }
    QCOMPARE(keywords->currentRow(), shown.front());
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(keywords->currentRow(), shown.at(1));
    QTest::keyClick(edit, Qt::Key_PageDown);
    QCOMPARE(keywords->currentRow(), shown.back());
    QCOMPARE(w.focusWidget(), edit);
  }

  void helpOnHelpIsBuiltIn() {
    QtHelpViewer viewer(nullptr, {shippedFolder()});
    viewer.help(HelpRequest::HelpOnHelp);
    HelpWindow* w = viewer.window();
    QVERIFY(w->isVisible());
    QCOMPARE(w->pageTitle(), u"Hilfe benutzen"_s);
    const QString text = pageText(w);
    for (const QString& s : {u"Inhalt"_s, u"Suchen"_s, u"Stichwort"_s, u"Zurück"_s}) {
      QVERIFY2(text.contains(s), qPrintable(s));
    }
    // The button in the window shows the same page.
    viewer.help(HelpRequest::Contents);
    child<QPushButton>(w, "helpOnHelpButton")->click();
    QCOMPARE(w->pageTitle(), u"Hilfe benutzen"_s);
  }

  void oneWindowServesEveryRequest() {
    QtHelpViewer viewer(nullptr, {shippedFolder()});
    viewer.help(HelpRequest::Contents);
    HelpWindow* first = viewer.window();
    first->close();
    QVERIFY(!first->isVisible());
    viewer.help(HelpRequest::Search);
    viewer.help(HelpRequest::HelpOnHelp);
    QCOMPARE(viewer.window(), first);
    QVERIFY(first->isVisible());
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
      windows += qobject_cast<HelpWindow*>(top) ? 1 : 0;
    QCOMPARE(windows, 1);
    QVERIFY(!first->testAttribute(Qt::WA_QuitOnClose));
  }

  void windowBelongsToItsOwner() {
    auto* owner = new QWidget;
    {
      QtHelpViewer viewer(owner, {shippedFolder()});
      viewer.help(HelpRequest::Contents);
      QCOMPARE(viewer.window()->parentWidget(), owner);
      QVERIFY(viewer.window()->isWindow());
      delete owner;  // takes the window with it; the viewer notices
      QVERIFY(!viewer.window());
    }
  }

  void firstFolderWithTheFileWins() {
    QTemporaryDir none, mine;
    QVERIFY(writeHelpFile(mine.path(), "# Meine Hilfe\nStichwörter: eins\nText.\n"));
    HelpWindow w({none.path(), mine.path(), shippedFolder()});
    w.showContents();
    QCOMPARE(w.helpFilePath(), QDir(mine.path()).filePath(kFileName));
    QCOMPARE(w.pageTitle(), u"Meine Hilfe"_s);
  }

  void aFileThatAppearsLaterIsFound() {
    QTemporaryDir dir;
    HelpWindow w({dir.path()});
    w.showContents();
    QVERIFY(w.helpFilePath().isEmpty());
    QVERIFY(writeHelpFile(dir.path(), shippedBytes()));
    w.showContents();
    QVERIFY(!w.helpFilePath().isEmpty());
    QVERIFY(child<QListWidget>(&w, "contentsList")->count() >= 10);
  }

  void defaultFoldersAreNextToTheProgramThenTheDataFolder() {
    const QStringList folders = quivalo::defaultHelpFolders();
    QVERIFY(folders.size() >= 1);
    QCOMPARE(folders.front(), QCoreApplication::applicationDirPath());
    QVERIFY(folders.back().endsWith(u"/quivalo"_s));
  }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"

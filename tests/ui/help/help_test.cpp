// SPDX-License-Identifier: GPL-3.0-or-later
// The help, offscreen: bad help files give a notice, up to the size limit;
// only links between topics are followed and Back returns; the search finds
// keywords, then text, umlauts left out; Alt+I and Alt+S take the focus; Esc
// closes; the shipped help's contents, links, player topics and die figures.
#include <QtTest>
#include <QtWidgets>

#include "game/random.h"
#include "game/turn_cycle.h"
#include "support/position.h"
#include "ui/help/help_window.h"
#include "ui/help/qt_help_viewer.h"

using namespace Qt::StringLiterals;
using quivalo::HelpRequest;
using quivalo::HelpWindow;
using quivalo::testing::dieAt;

namespace {

const QString kShipped = QFileInfo(QString::fromUtf8(QUIVALO_HELP_FILE)).absolutePath();

// Writes the help file into `folder`, unless `bytes` is null.
void writeHelp(const QTemporaryDir& folder, const QByteArray& bytes) {
  QFile file(folder.filePath(
      QString::fromUtf8(quivalo::kHelpFileName.data(), qsizetype(quivalo::kHelpFileName.size()))));
  if (!bytes.isNull() && !(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()))
    qFatal("cannot write the help file");
}

// The title of the page the window shows, as its window title names it.
QString titleShown(QWidget& w) { return w.windowTitle().section(u" – "_s, 0, 0); }

// Clicks the first place the page shows `text`, as a person would.
void click(QWidget* w, const QString& text) {
  auto* browser = w->findChild<QTextBrowser*>();
  QTextCursor at = browser->document()->find(text);
  at.setPosition(at.selectionStart() + 1);
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(at).center());
}

constexpr std::uint32_t kMsPerDay = 86'400'000;
constexpr std::array<std::uint32_t, 5> kGaps{250, 251, 252, 253, 254};  // the computer's rolls

// Counted over every millisecond t of a day, in one pass: each face, and
// whether the roll a gap later is the same or one less (a 6 after a 1); the
// clock starts again at midnight. `others`: pairs of neither kind within the
// day. Unrolled, the pass takes half the time under the sanitizers.
struct DayOfDice {
  std::array<std::uint32_t, 6> faces{};
  std::array<std::uint32_t, kGaps.size()> same{}, less{};
  std::uint32_t others = 0;
};
DayOfDice countDayOfDice() {
  DayOfDice day;
  for (std::uint32_t t = 0; t < kMsPerDay; ++t) {
    const int a = dieAt(t);
    ++day.faces[std::size_t(a - 1)];
#pragma GCC unroll 5
    for (std::size_t g = 0; g < kGaps.size(); ++g) {
      const std::uint32_t later = t + kGaps[g];
      const int b = dieAt(later < kMsPerDay ? later : later - kMsPerDay);
      day.same[g] += b == a;
      day.less[g] += b == (a == 1 ? 6 : a - 1);
      day.others += b != a && b != (a == 1 ? 6 : a - 1) && later < kMsPerDay;
    }
  }
  return day;
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT
  QList<QUrl> opened_;  // every address handed to the desktop to open

 public Q_SLOTS:
  void open(const QUrl& url) { opened_.append(url); }

 private Q_SLOTS:
  void badFilesGiveANotice_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");  // part of the page shown
    QTest::newRow("missing") << QByteArray() << u"wurde nicht gefunden"_s;
    QTest::newRow("empty") << QByteArray("") << u"enthält kein Thema"_s;
    QTest::newRow("no heading") << QByteArray("Text\n## Unterthema\n") << u"enthält kein Thema"_s;
    QTest::newRow("invalid UTF-8") << QByteArray("# T\nW\xfcrfel\n") << u"keine Textdatei"_s;
    QTest::newRow("binary") << QByteArray("# T\n\0\1\2\3\xe2\x82\xac", 11) << u"keine Textdatei"_s;
    const QByteArray atLimit =
        QByteArray("# Grenze\n").leftJustified(quivalo::kMaxHelpFileBytes, '\n');
    QTest::newRow("exactly the limit") << atLimit << u"Grenze"_s;
    QTest::newRow("one byte over") << atLimit + '\n' << u"zu groß"_s;
    // Just under the limit one word takes Qt long to lay out, but not for ever.
    QTest::newRow("very long line") << "# Lang\n" + QByteArray(60 * 1024, 'x') << u"Lang"_s;
  }

  void badFilesGiveANotice() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    writeHelp(dir, bytes);
    HelpWindow w({dir.path()});
    w.request(HelpRequest::Contents);
    w.request(HelpRequest::Search);
    w.grab();  // lays the page out and paints it
    const QString text = w.findChild<QTextBrowser*>()->toPlainText();
    QVERIFY2(text.contains(shown), qPrintable(text.left(200)));
    w.request(HelpRequest::HelpOnHelp);  // works whatever the file
    QCOMPARE(titleShown(w), u"Hilfe benutzen"_s);
  }

  void onlyLinksBetweenTopicsAreFollowedAndBackReturns() {
    QTemporaryDir dir;
    const QString file = QUrl::fromLocalFile(QString::fromUtf8(QUIVALO_HELP_FILE)).url();
    writeHelp(dir,
              u"# Eins\n[Netz](https://example.invalid/) [Datei](%1) [Ordner](bild.png) "
              "[hier](<Eins>) [Zwei](<Zwei>)\n\n![Bild](%1)\n# Zwei\nZwei.\n"_s.arg(file)
                  .toUtf8());
    const QStringList schemes{u"http"_s, u"https"_s, u"file"_s};
    for (const QString& scheme : schemes) QDesktopServices::setUrlHandler(scheme, this, "open");
    HelpWindow w({dir.path()});
    w.request(HelpRequest::Contents);
    w.grab();  // lays the page out, with its picture
    const QVariant image = w.findChild<QTextBrowser*>()->document()->resource(1, QUrl(file));
    QVERIFY(image.value<QImage>().isNull() && image.toByteArray().isEmpty());
    auto* back = w.findChild<QPushButton*>();
    for (const QString& link : {u"Netz"_s, u"Datei"_s, u"Ordner"_s, u"hier"_s}) click(&w, link);
    QVERIFY(titleShown(w) == u"Eins"_s && !back->isEnabled());
    click(&w, u"Zwei"_s);
    QCOMPARE(titleShown(w), u"Zwei"_s);
    back->click();
    QVERIFY(titleShown(w) == u"Eins"_s && !back->isEnabled());
    QVERIFY(w.findChild<QTextBrowser*>()->document()->find(u"Zwei"_s).charFormat().fontUnderline());
    QCOMPARE(w.findChild<QListWidget*>(u"contentsList"_s)->currentRow(), 0);
    for (const QString& scheme : schemes) QDesktopServices::unsetUrlHandler(scheme);
    QVERIFY2(opened_.isEmpty(), qPrintable(opened_.value(0).url()));
  }

  // Words typed (umlauts and capitals may be left out) list each topic that
  // holds them once, those whose title, keyword or heading holds them first:
  // "first>later" lists `later` below `first`; or "Nichts gefunden". Enter
  // opens the first entry, the Down key leads into the list and a click opens
  // it too; the search starts empty; Esc closes.
  void theSearchFindsKeywordsThenText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("topics");
    const QString table =
        u"uberspringen=Spielregeln;Laufbahn=Das Spielbrett;hinweis=Das Spielbrett;alt+z=Tastatur;"
        "mehrere personen=Willkommen bei Quivalo>Menü Optionen;zuruck=Hilfe benutzen;tipps=Tipps;"
        "faq=Häufige Fragen;fragen=Häufige Fragen;lizenz=Über Quivalo;regeln=Spielregeln;"
        "kann nicht=Das Spielfenster>So zieht der Computer;wurfeln grau=Häufige Fragen;"
        "ziel=Das Ziel>Das Spielbrett;sechs=Spielregeln>Willkommen bei Quivalo;"
        "geschlagen=Rauswerfen;Rauswurf=Rauswerfen;rausgeworfen=Rauswerfen>Leicht und schwer;"
        "neu=Menü Spiel>Für Neugierige;qwxz=Nichts gefunden"_s;
    for (const QString& row : table.split(u';'))
      QTest::newRow(qPrintable(row)) << row.section(u'=', 0, 0) << row.section(u'=', 1).split(u'>');
    for (const std::string_view remark : quivalo::kRemarks)  // the remark line's texts
      QTest::newRow(remark.data()) << QString::fromUtf8(remark) << QStringList{u"Rauswerfen"_s};
  }

  void theSearchFindsKeywordsThenText() {
    QFETCH(QString, typed);
    QFETCH(QStringList, topics);
    HelpWindow w({kShipped});
    w.request(HelpRequest::Search);
    auto* edit = w.findChild<QLineEdit*>();
    QVERIFY(edit->text().isEmpty() && w.focusWidget() == edit);
    const QString before = titleShown(w);
    edit->insert(typed);  // as typed or pasted
    QStringList listed;   // the topic of each entry, or the line saying nothing was found
    auto* found = w.findChild<QListWidget*>(u"foundList"_s);
    for (int i = 0; i < found->count(); ++i) listed << found->item(i)->text().section(u" – "_s, -1);
    QCOMPARE(listed.value(0), topics.front());
    QVERIFY2(listed.indexOf(topics.back()) >= topics.size() - 1, qPrintable(listed.join(u'|')));
    QCOMPARE(QSet<QString>(listed.begin(), listed.end()).size(), listed.size());  // each once
    QTest::keyClick(edit, Qt::Key_Return);
    const QString entered = titleShown(w);
    QCOMPARE(entered, listed.front() == u"Nichts gefunden"_s ? before : listed.front());
    w.findChild<QPushButton*>()->click();  // back, and a click on the entry opens it again
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(w.focusWidget(), found);
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {},
                      found->visualItemRect(found->item(0)).center());
    QCOMPARE(titleShown(w), entered);
    w.request(HelpRequest::Search);
    QVERIFY(edit->text().isEmpty());
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // From a focus in the page, Alt+I and Alt+S put it where the arrow keys
    // and typing work: the contents list and the search field.
    for (const auto& [key, to] :
         {std::pair<Qt::Key, QWidget*>{Qt::Key_I, w.findChild<QListWidget*>(u"contentsList"_s)},
          {Qt::Key_S, edit}}) {
      w.findChild<QTextBrowser*>()->setFocus();
      QTest::keyClick(&w, key, Qt::AltModifier);
      QCOMPARE(w.focusWidget(), to);
    }
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
  }

  // The shipped help: the welcome topic lists the window's contents in order,
  // every topic has keywords, every link leads to a topic and every topic can
  // be reached from the first; only "Für Neugierige" has formulas,
  // milliseconds and percentages; and each figure it gives about the die is
  // the formula's, counted over every millisecond of a day (the clock starts
  // again at midnight).
  void theShippedHelpIsRight() {
    const quivalo::HelpFile help = quivalo::readHelpFile({kShipped});
    QVERIFY2(help.problem.isEmpty(), qPrintable(help.problem));
    QWidget owner;  // the game's viewer opens one window for every request
    quivalo::QtHelpViewer viewer(&owner, {kShipped});
    viewer.help(HelpRequest::Search);
    viewer.help(HelpRequest::Contents);
    QCOMPARE(owner.findChildren<HelpWindow*>().size(), 1);
    const auto* contents = owner.findChild<QListWidget*>(u"contentsList"_s);
    QStringList titles;
    for (int i = 0; i < contents->count(); ++i) titles << contents->item(i)->text();
    static const QRegularExpression link(uR"(\]\(<?([^)]*?)>?\))"_s);  // [text](<Title>)
    QStringList welcome{titles.front()};  // and the list that ends the first topic
    for (const auto& m : link.globalMatch(help.topics.front().markdown.section(u"\n## "_s, -1)))
      welcome << m.captured(1);
    QCOMPARE(welcome, titles);
    static const QRegularExpression figure(uR"(\d\s*ms\b|%|Millisekunde|×|³²)"_s);
    QHash<QString, QString> markdownOf;  // the file's topics, without the window's own
    for (const auto& t : help.topics) {
      markdownOf.insert(t.title, t.markdown);
      QVERIFY2(!t.keywords.isEmpty(), qPrintable(t.title));  // a misspelt line shows as text
    }
    QStringList reached{titles.front()};
    for (qsizetype i = 0; i < reached.size(); ++i) {
      const QString markdown = markdownOf.value(reached[i]);
      QVERIFY2(reached[i] == u"Für Neugierige"_s || !figure.match(markdown).hasMatch(),
               qPrintable(reached[i]));
      for (const auto& m : link.globalMatch(markdown)) {
        const QString to = m.captured(1);
        QVERIFY2(m.captured().startsWith(u"](<"_s) && titles.contains(to),
                 qPrintable(m.captured()));
        if (!reached.contains(to)) reached << to;
      }
    }
    QCOMPARE(reached.size(), titles.size());
    const QString text = markdownOf.values().join(QString());
    const QLocale german(QLocale::German);
    const std::uint32_t noon = 12 * 60 * 60 * 1000;  // ms since midnight at noon
    QVERIFY(text.contains(u"um 12:00:00,000 Uhr UTC (t = %1) zeigt zum Beispiel eine %2."_s.arg(
        german.toString(noon), QString::number(dieAt(noon)))));
    const DayOfDice day = countDayOfDice();
    int drawDiffers = 0;  // the game's own draw, now and then
    for (std::uint32_t t = 0; t < kMsPerDay; t += 997) {
      std::uint32_t seed = t;  // the game reseeds from the clock before every draw
      drawDiffers += int(quivalo::draw(seed, 6)) + 1 != dieAt(t);
    }
    QVERIFY(day.others == 0 && drawDiffers == 0);
    const auto [fewest, most] = std::minmax_element(day.faces.begin(), day.faces.end());
    QVERIFY(text.contains(
        u"jede zwischen %1- und %2-mal"_s.arg(german.toString(*fewest), german.toString(*most))));
    const auto pc = [&](std::uint32_t n) { return german.toString(100.0 * n / kMsPerDay, 'f', 1); };
    for (std::size_t g = 0; g < kGaps.size(); ++g) {
      const QString row = u"| %1 ms | %2 % | %3 % |"_s.arg(QString::number(kGaps[g]),
                                                           pc(day.same[g]), pc(day.less[g]));
      QVERIFY2(text.contains(row), qPrintable(row));
    }
  }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"

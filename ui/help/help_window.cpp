// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QShortcutEvent>
#include <QSignalBlocker>
#include <QStringDecoder>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "game/platform.h"

using namespace Qt::StringLiterals;

namespace quivalo {

namespace {

const QString kKeywordLine = u"Stichwörter:"_s;

// Splits the text into topics at its level-1 headings.
QList<HelpTopic> topicsOf(const QString& text) {
  QList<HelpTopic> topics;
  for (QString line : text.split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.startsWith(u"# "_s)) {
      const QString title = line.mid(2).trimmed();
      topics.append({title.isEmpty() ? u"Ohne Titel"_s : title, {}, line + u'\n'});
    } else if (topics.isEmpty()) {
      continue;  // notes before the first topic
    } else if (line.startsWith(kKeywordLine)) {
      static const QRegularExpression comma(u"\\s*,\\s*"_s);
      topics.last().keywords =
          line.mid(kKeywordLine.size()).trimmed().split(comma, Qt::SkipEmptyParts);
    } else {
      topics.last().markdown += line + u'\n';
    }
  }
  return topics;
}

const QString kDash = u" – "_s;
const QString kHelpOnHelpTitle = u"Hilfe benutzen"_s;
const QString kHelpOnHelp =
    uR"(# Hilfe benutzen

Dieses Fenster zeigt die Hilfe zu Quivalo. Es kann offen bleiben, während Sie spielen.

- **Inhalt** (Alt+I) listet alle Themen. Ein Klick oder die Pfeiltasten zeigen ein Thema rechts an.
- **Suchen** (Alt+S): Geben Sie ein Wort ein, auch mehrere. Statt ä, ö und ü dürfen Sie a, o und u schreiben, aber nicht ae, oe und ue: „wurfel“ findet „Würfel“. Ein Suchwort findet auch Teile längerer Wörter: „wurf“ findet auch „Würfel“ und „Rauswurf“. Die Liste nennt jedes Thema, in dem alle Wörter vorkommen, einmal. Oben stehen die Themen, deren Titel, Stichwort oder Zwischenüberschrift ein gesuchtes Wort enthält; ganz oben die, deren Titel oder Stichwort genau Ihrer Eingabe entspricht. Passt ein Stichwort besser als der Titel, steht es vor dem Titel, zum Beispiel „Rauswurf – Rauswerfen“. Findet die Suche nichts, steht dort „Nichts gefunden“.
- Ein Klick auf einen Eintrag der Liste öffnet sein Thema. Im Suchfeld öffnet die Eingabetaste den ersten Eintrag. Die Pfeiltaste Unten führt in die Liste. Dort wählen Sie mit den Pfeiltasten einen Eintrag und öffnen ihn mit der Eingabetaste.
- Unterstrichene Wörter sind Verweise auf andere Themen. **Zurück** (Alt+Z) kehrt zur vorigen Seite zurück.
- Im Spielfenster öffnen **Hilfe – Inhalt** und die Taste **F1** die Themen, **Hilfe – Suchen...** die Suche mit leerem Feld.
- **Esc** schließt das Fenster.

Die Tasten wirken im aktiven Fenster; nach F1 und nach Inhalt, Suchen... oder Hilfe benutzen im Menü Hilfe ist es dieses. Um weiterzuspielen, klicken Sie auf eine leere Stelle im Spielfenster.
)"_s;

// Lower case without accents, so that a search for "wurfel" finds "Würfel".
QString folded(const QString& text) {
  QString s = text.normalized(QString::NormalizationForm_D).toCaseFolded();
  return s.removeIf([](QChar c) { return c.isMark(); });
}

// The page shown in place of a help file that cannot be shown.
HelpTopic noticePage(const QString& problem) {
  static const QRegularExpression special(uR"(([\\`*_\[\]<>#|~!]))"_s);
  return {u"Hilfe nicht verfügbar"_s,
          {},
          u"# Hilfe nicht verfügbar\n\n"_s + QString(problem).replace(special, uR"(\\1)"_s) +
              u"\n\nDas Spiel selbst ist davon nicht betroffen.\n"_s};
}

// Markdown links come out in the link colour alone; underlined as well, they
// look like links whatever the colours.
void underlineLinks(QTextDocument& page) {
  QList<std::pair<int, int>> links;  // the first and the last position of each
  for (QTextBlock b = page.begin(); b.isValid(); b = b.next()) {
    for (auto f = b.begin(); !f.atEnd(); ++f) {
      const QTextFragment part = f.fragment();
      if (part.charFormat().isAnchor())
        links.append({part.position(), part.position() + part.length()});
    }
  }
  QTextCharFormat underline;
  underline.setFontUnderline(true);
  for (const auto& [first, last] : links) {
    QTextCursor link(&page);
    link.setPosition(first);
    link.setPosition(last, QTextCursor::KeepAnchor);
    link.mergeCharFormat(underline);
  }
}

// Pages are named by URL, "thema:Title", so that a link [..](<Title>) in a
// page resolves against the page shown to another page of the help.
const HelpTopic* pageOf(const QList<HelpTopic>& pages, const QUrl& url) {
  for (const HelpTopic& t : pages) {
    if (url.scheme() == u"thema"_s && t.title == url.path()) return &t;
  }
  return nullptr;
}

// A text browser that loads only the help's own pages. Anything else a page
// names (a file, a web address, an image) is answered with nothing, not null,
// so that neither the browser nor its document reads it from anywhere.
class HelpBrowser final : public QTextBrowser {
 public:
  HelpBrowser(const QList<HelpTopic>& pages, QWidget* parent)
      : QTextBrowser(parent), pages_(pages) {}
  QVariant loadResource(int /*type*/, const QUrl& name) override {
    const HelpTopic* page = pageOf(pages_, name);
    return page != nullptr ? QVariant(page->markdown) : QVariant(QByteArray());
  }

 private:
  const QList<HelpTopic>& pages_;
};

}  // namespace

QStringList defaultHelpFolders() {
  // Next to the program (the build folder), then the data folder beside the
  // installed program's bin/ (wherever the installation was moved), then the
  // data folder it was configured for.
  const QString programDir = QCoreApplication::applicationDirPath();
  QStringList folders{
      programDir,
      QDir::cleanPath(programDir + u"/../"_s + QStringLiteral(QUIVALO_HELP_RELATIVE_DATADIR)),
      QStringLiteral(QUIVALO_HELP_DATADIR)};
  folders.removeDuplicates();
  return folders;
}

HelpFile readHelpFile(const QStringList& folders) {
  const QString name = QString::fromUtf8(kHelpFileName.data(), qsizetype(kHelpFileName.size()));
  const auto problem = [&](const QString& what, const QString& where) {
    return HelpFile{
        {}, u"Die Hilfedatei „%1“ %2: %3"_s.arg(name, what, QDir::toNativeSeparators(where))};
  };
  const auto folder = std::find_if(folders.begin(), folders.end(), [&](const QString& f) {
    return QFileInfo(QDir(f), name).isFile();
  });
  if (folder == folders.end()) {
    return problem(u"wurde nicht gefunden. Gesucht wurde in"_s, folders.join(u", "_s));
  }
  QFile file(QDir(*folder).filePath(name));
  if (!file.open(QIODevice::ReadOnly)) {
    return problem(u"konnte nicht gelesen werden"_s, file.fileName());
  }
  const QByteArray bytes = file.read(kMaxHelpFileBytes + 1);
  if (bytes.size() > kMaxHelpFileBytes) {
    return problem(u"ist zu groß (mehr als %1 KB)"_s.arg(kMaxHelpFileBytes / 1024),
                   file.fileName());
  }
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(bytes);
  if (utf8.hasError() || bytes.contains('\0')) {
    return problem(u"ist keine Textdatei in UTF-8"_s, file.fileName());
  }
  HelpFile help{topicsOf(text), {}};
  if (help.topics.isEmpty()) {
    return problem(u"enthält kein Thema (keine Zeile, die mit „# “ beginnt)"_s, file.fileName());
  }
  return help;
}

HelpWindow::HelpWindow(QStringList folders, QWidget* parent)
    : QWidget(parent), folders_(std::move(folders)) {
  setWindowFlag(Qt::Window);
  setWindowTitle(u"Hilfe zu Quivalo"_s);
  setAttribute(Qt::WA_QuitOnClose, false);  // an open help never keeps the program running
  buildCards();
  pageView_ = new HelpBrowser(pages_, this);
  pageView_->setOpenLinks(false);
  back_ = new QPushButton(u"&Zurück"_s, this);
  back_->setEnabled(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(tabs_, 0, 0);
  layout->addWidget(pageView_, 0, 1);
  layout->addWidget(back_, 1, 0, Qt::AlignLeft);
  layout->setColumnStretch(0, 2);  // the page gets the larger part of the width
  layout->setColumnStretch(1, 3);
  resize(720, 500);
  connectParts();
}

// The contents card and the search card, each with the widget that takes the
// focus when the card is chosen.
void HelpWindow::buildCards() {
  tabs_ = new QTabWidget(this);
  contentsList_ = new QListWidget(tabs_);
  contentsList_->setObjectName(u"contentsList"_s);
  contentsList_->setAccessibleName(u"Themen"_s);
  tabs_->addTab(contentsList_, u"&Inhalt"_s);
  auto* search = new QWidget(tabs_);
  searchEdit_ = new QLineEdit(search);
  searchEdit_->setPlaceholderText(u"Suchwort eingeben"_s);
  searchEdit_->setAccessibleName(u"Suchwort"_s);
  foundList_ = new QListWidget(search);
  foundList_->setObjectName(u"foundList"_s);
  foundList_->setAccessibleName(u"Gefunden"_s);
  auto* searchLayout = new QVBoxLayout(search);
  searchLayout->addWidget(searchEdit_);
  searchLayout->addWidget(foundList_);
  search->setFocusProxy(searchEdit_);
  tabs_->addTab(search, u"&Suchen"_s);
  tabs_->tabBar()->installEventFilter(this);
  searchEdit_->installEventFilter(this);
}

void HelpWindow::connectParts() {
  connect(tabs_, &QTabWidget::tabBarClicked, this, &HelpWindow::showCard);
  connect(contentsList_, &QListWidget::currentTextChanged, this, &HelpWindow::showPage);
  connect(searchEdit_, &QLineEdit::textChanged, this, &HelpWindow::search);
  connect(searchEdit_, &QLineEdit::returnPressed, this, &HelpWindow::openFoundTopic);
  // An entry found opens with a click, as in the contents, or with Enter.
  connect(foundList_, &QListWidget::itemClicked, this, &HelpWindow::openFoundTopic);
  connect(foundList_, &QListWidget::itemActivated, this, &HelpWindow::openFoundTopic);
  // Only links between pages are followed; any other address is ignored.
  connect(pageView_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (pageOf(pages_, url) != nullptr) showPage(url.path());
  });
  // The title names the page shown, for the task bar and screen readers; its
  // links are underlined.
  connect(pageView_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
    setWindowTitle(url.path() + u" – Hilfe zu Quivalo"_s);
    underlineLinks(*pageView_->document());
    const QSignalBlocker block(contentsList_);
    contentsList_->setCurrentItem(contentsList_->findItems(url.path(), Qt::MatchExactly).value(0));
  });
  connect(pageView_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(back_, &QPushButton::clicked, pageView_, &QTextBrowser::backward);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

// The tab bar switches cards by their access keys itself but leaves the focus
// where it was, often in the page, where the arrow keys scroll and typing does
// nothing; the card's own widget takes it here instead. The search field
// ignores the Down key, which leads into the list found here.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == searchEdit_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
    foundList_->setFocus(Qt::TabFocusReason);
    return true;
  }
  if (watched == tabs_->tabBar() && event->type() == QEvent::Shortcut) {
    const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
    for (int i = 0; i < tabs_->count(); ++i) {
      if (QKeySequence::mnemonic(tabs_->tabText(i)) == key) {
        showCard(i);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void HelpWindow::showCard(int index) {
  tabs_->setCurrentIndex(index);
  tabs_->currentWidget()->setFocus(Qt::ShortcutFocusReason);
}

void HelpWindow::request(HelpRequest request) {
  if (request == HelpRequest::Contents) showContents();
  if (request == HelpRequest::Search) showSearch();
  if (request == HelpRequest::HelpOnHelp) showHelpOnHelp();
  show();
  raise();
  activateWindow();
}

void HelpWindow::showContents() {
  reload();
  showPage(pages_.front().title);
  showCard(0);
}

void HelpWindow::showSearch() {
  reload();
  searchEdit_->clear();
  if (!pageView_->source().isValid()) showPage(pages_.front().title);
  showCard(1);
}

void HelpWindow::showHelpOnHelp() {
  reload();
  showPage(kHelpOnHelpTitle);
}

// Reads the help file again at every request, so that a file put in place
// while the game runs is found; an unchanged file leaves the window as it is.
void HelpWindow::reload() {
  HelpFile help = readHelpFile(folders_);
  if (help_ == help) return;
  pages_ = help.problem.isEmpty() ? help.topics : QList<HelpTopic>{noticePage(help.problem)};
  pages_.append({kHelpOnHelpTitle, {u"Hilfe"_s, u"Suchen"_s, u"Zurück"_s}, kHelpOnHelp});
  help_ = std::move(help);
  pageView_->clearHistory();
  const QSignalBlocker blockContents(contentsList_);
  contentsList_->clear();
  searchedPages_.clear();
  for (const HelpTopic& t : pages_) {
    contentsList_->addItem(t.title);
    QTextDocument page;
    page.setMarkdown(t.markdown);
    // The text as a reader sees it, without the Markdown's marks and link
    // targets, and the keywords, one a line, so that no word spans two.
    SearchedPage searched{folded(t.title),
                          {},
                          {},
                          folded(page.toPlainText().simplified() + u'\n' + t.keywords.join(u'\n'))};
    for (const QString& k : t.keywords) searched.keywords.append(folded(k));
    for (QTextBlock b = page.begin(); b.isValid(); b = b.next()) {
      if (b.blockFormat().headingLevel() > 1) searched.headings.append(folded(b.text()));
    }
    searchedPages_.append(searched);
  }
  search(searchEdit_->text());
}

void HelpWindow::showPage(const QString& title) {
  QUrl url(u"thema:"_s);
  url.setPath(title);
  if (pageOf(pages_, url) == nullptr) return;
  // A link to the page shown adds nothing to the history.
  pageView_->source() == url ? pageView_->reload()
                             : pageView_->setSource(url, QTextDocument::MarkdownResource);
}

// Lists each page whose text or keywords hold every word of the text,
// umlauts and case ignored, once, or says that nothing was found; the first
// entry is chosen, for Enter. A page whose title or keyword is the text comes
// first, then pages rank by the most words one of their names holds (the
// title, a keyword, named in the entry, or a heading); pages that rank alike
// keep the contents' order.
void HelpWindow::search(const QString& text) {
  const QStringList words = folded(text.simplified()).split(u' ', Qt::SkipEmptyParts);
  const QString whole = words.join(u' ');
  // A name's points: three for each word it holds, and one or two for the
  // kind of name, so that a title wins a tie over a keyword, and a keyword
  // over a heading. A title or keyword that is the whole text puts its page
  // before every page with none.
  const auto points = [&words](const QString& name, qsizetype kind) {
    return 3 * std::ranges::count_if(words,
                                     [&name](const QString& w) { return name.contains(w); }) +
           kind;
  };
  const qsizetype exactly = 3 * words.size() + 3;  // more than any name's points
  struct Found {
    qsizetype rank;
    QString entry;
    QString title;
  };
  QList<Found> found;
  for (qsizetype i = 0; i < pages_.size() && !words.isEmpty(); ++i) {
    const SearchedPage& page = searchedPages_[i];
    if (!std::ranges::all_of(words, [&page](const QString& w) { return page.text.contains(w); })) {
      continue;
    }
    const QString& title = pages_[i].title;
    Found f{points(page.title, 2), title, title};
    bool exact = page.title == whole;
    for (qsizetype k = 0; k < page.keywords.size(); ++k) {
      const qsizetype p = points(page.keywords[k], 1);
      const bool same = page.keywords[k] == whole;
      if (!exact && (same || p > f.rank)) f.entry = pages_[i].keywords[k] + kDash + title;
      f.rank = std::max(f.rank, p);
      exact = exact || same;
    }
    for (const QString& heading : page.headings) f.rank = std::max(f.rank, points(heading, 0));
    f.rank += exact ? exactly : 0;
    found.append(f);
  }
  std::ranges::stable_sort(found, std::ranges::greater(), &Found::rank);
  foundList_->clear();
  for (const Found& f : found) {
    (new QListWidgetItem(f.entry, foundList_))->setData(Qt::UserRole, f.title);
  }
  if (found.isEmpty() && !words.isEmpty()) {
    (new QListWidgetItem(u"Nichts gefunden"_s, foundList_))->setFlags(Qt::ItemIsEnabled);
  }
  foundList_->setCurrentRow(0);
}

void HelpWindow::openFoundTopic() {
  if (const QListWidgetItem* item = foundList_->currentItem()) {
    showPage(item->data(Qt::UserRole).toString());
  }
}

}  // namespace quivalo

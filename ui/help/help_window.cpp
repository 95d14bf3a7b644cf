// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_window.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTextBrowser>
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

- **Inhalt** listet alle Themen; ein Klick oder die Pfeiltasten zeigen ein Thema rechts an.
- **Suchen**: Geben Sie ein Stichwort ein, Umlaute dürfen Sie weglassen („wurfel“ findet „Würfel“). Die Liste zeigt die passenden Stichwörter, jedes mit dem Thema, zu dem es führt; die Eingabetaste öffnet das erste, ein Doppelklick das angeklickte.
- Unterstrichene Wörter sind Verweise auf andere Themen. **Zurück** (Alt+Z) kehrt zur vorigen Seite zurück.
- Im Spiel öffnet **Hilfe – Inhalt** oder **F1** die Themen, **Hilfe – Suchen...** die Suche mit leerem Feld.
- Die Esc-Taste schließt das Fenster.
)"_s;

// Lower case without accents, so that a search for "wurfel" finds "Würfel".
QString folded(const QString& text) {
  QString s = text.normalized(QString::NormalizationForm_D).toCaseFolded();
  return s.removeIf([](QChar c) { return c.isMark(); });
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

  tabs_ = new QTabWidget(this);
  contentsList_ = new QListWidget(tabs_);
  contentsList_->setObjectName(u"contentsList"_s);
  tabs_->addTab(contentsList_, u"&Inhalt"_s);
  auto* search = new QWidget(tabs_);
  searchEdit_ = new QLineEdit(search);
  searchEdit_->setPlaceholderText(u"Stichwort eingeben"_s);
  keywordList_ = new QListWidget(search);
  keywordList_->setObjectName(u"keywordList"_s);
  auto* searchLayout = new QVBoxLayout(search);
  searchLayout->addWidget(searchEdit_);
  searchLayout->addWidget(keywordList_);
  tabs_->addTab(search, u"&Suchen"_s);

  pageView_ = new HelpBrowser(pages_, this);
  pageView_->setOpenLinks(false);
  auto* back = new QPushButton(u"&Zurück"_s, this);
  back->setEnabled(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(tabs_, 0, 0);
  layout->addWidget(pageView_, 0, 1);
  layout->addWidget(back, 1, 0, Qt::AlignLeft);
  layout->setColumnStretch(0, 2);  // the page gets the larger part of the width
  layout->setColumnStretch(1, 3);
  resize(720, 500);

  connect(contentsList_, &QListWidget::currentTextChanged, this, &HelpWindow::showPage);
  connect(searchEdit_, &QLineEdit::textChanged, this, &HelpWindow::filterKeywords);
  connect(searchEdit_, &QLineEdit::returnPressed, this, &HelpWindow::openFoundTopic);
  connect(keywordList_, &QListWidget::itemActivated, this, &HelpWindow::openFoundTopic);
  // Only links between pages are followed; any other address is ignored.
  connect(pageView_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (pageOf(pages_, url) != nullptr) showPage(url.path());
  });
  connect(pageView_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
    const QSignalBlocker block(contentsList_);
    contentsList_->setCurrentItem(contentsList_->findItems(url.path(), Qt::MatchExactly).value(0));
  });
  connect(pageView_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(back, &QPushButton::clicked, pageView_, &QTextBrowser::backward);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
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
  tabs_->setCurrentIndex(0);
  showPage(pages_.front().title);
  contentsList_->setFocus();
}

void HelpWindow::showSearch() {
  reload();
  tabs_->setCurrentIndex(1);
  searchEdit_->clear();
  if (!pageView_->source().isValid()) showPage(pages_.front().title);
  searchEdit_->setFocus();
}

void HelpWindow::showHelpOnHelp() {
  reload();
  showPage(kHelpOnHelpTitle);
}

QString HelpWindow::pageTitle() const { return pageView_->source().path(); }

// Reads the help file again at every request, so that a file put in place
// while the game runs is found; an unchanged file leaves the window as it is.
void HelpWindow::reload() {
  HelpFile help = readHelpFile(folders_);
  if (help_ == help) return;
  pages_ = help.topics;
  if (!help.problem.isEmpty()) {
    static const QRegularExpression special(uR"(([\\`*_\[\]<>#|~!]))"_s);
    pages_ = {{u"Hilfe nicht verfügbar"_s,
               {},
               u"# Hilfe nicht verfügbar\n\n"_s +
                   QString(help.problem).replace(special, uR"(\\1)"_s) +
                   u"\n\nDas Spiel selbst ist davon nicht betroffen.\n"_s}};
  }
  pages_.append({kHelpOnHelpTitle, {u"Hilfe"_s, u"Suchen"_s, u"Zurück"_s}, kHelpOnHelp});
  help_ = std::move(help);
  pageView_->clearHistory();
  const QSignalBlocker blockContents(contentsList_);
  contentsList_->clear();
  keywordList_->clear();
  QStringList keywords;  // "keyword – title", one for each topic a keyword leads to
  for (const HelpTopic& t : pages_) {
    contentsList_->addItem(t.title);
    for (const QString& k : t.keywords) keywords.append(k + kDash + t.title);
  }
  std::sort(keywords.begin(), keywords.end(), QCollator(QLocale(QLocale::German)));
  keywordList_->addItems(keywords);
  filterKeywords(searchEdit_->text());
}

void HelpWindow::showPage(const QString& title) {
  QUrl url(u"thema:"_s);
  url.setPath(title);
  if (pageOf(pages_, url) == nullptr) return;
  // A link to the page shown adds nothing to the history.
  pageView_->source() == url ? pageView_->reload()
                             : pageView_->setSource(url, QTextDocument::MarkdownResource);
}

// Shows the entries that contain the text, umlauts and case ignored, and
// chooses the first of them.
void HelpWindow::filterKeywords(const QString& text) {
  const QString wanted = folded(text.trimmed());
  QListWidgetItem* first = nullptr;
  for (int row = 0; row < keywordList_->count(); ++row) {
    QListWidgetItem* item = keywordList_->item(row);
    item->setHidden(!folded(item->text()).contains(wanted));
    if (first == nullptr && !item->isHidden()) first = item;
  }
  keywordList_->setCurrentItem(first);
}

void HelpWindow::openFoundTopic() {
  const QListWidgetItem* item = keywordList_->currentItem();
  if (item != nullptr && !item->isHidden()) showPage(item->text().section(kDash, 1));
}

}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace quivalo {

namespace {

// Pages are named by URL: a topic of the file by its title, the window's own
// pages by a name of their own.
const QString kTopicScheme = u"thema"_s;
const QUrl kHelpOnHelpUrl(u"seite:hilfe-benutzen"_s);
const QUrl kNoticeUrl(u"seite:hinweis"_s);

QUrl topicUrl(const QString& title) {
  QUrl url;
  url.setScheme(kTopicScheme);
  url.setPath(title);
  return url;
}

const QString kHelpOnHelp =
    uR"(# Hilfe benutzen

Dieses Fenster zeigt die Hilfe zu Quivalo. Es kann offen bleiben, während Sie spielen; das Spiel läuft dabei ungestört weiter.

## Inhalt
Die Karte **Inhalt** links listet alle Themen der Hilfe. Klicken Sie ein Thema an, um es rechts zu lesen. Mit den Pfeiltasten wandern Sie von Thema zu Thema.

## Suchen
Auf der Karte **Suchen** geben Sie ein Stichwort ein; Umlaute dürfen Sie dabei auch weglassen („wurfel“ findet „Würfel“). Schon während Sie tippen, zeigt die Liste darunter nur noch die passenden Stichwörter. Wählen Sie eines mit den Pfeiltasten oder der Maus; darunter erscheinen die Themen, in denen es vorkommt. Mit der Eingabetaste, einem Doppelklick oder der Schaltfläche **Anzeigen** öffnen Sie das Thema.

## Verweise
Unterstrichene Wörter im Text sind Verweise auf andere Themen: ein Klick darauf öffnet das Thema. Mit **Zurück** (Alt+Z) kehren Sie zur vorigen Seite zurück.

## Aus dem Spiel heraus
- **Hilfe – Inhalt** oder **F1** öffnet die Themenliste mit der ersten Seite.
- **Hilfe – Suchen...** öffnet die Stichwortsuche mit leerem Suchfeld.
- **Hilfe – Hilfe benutzen** zeigt diese Seite.

Mit **Schließen** oder der Esc-Taste schließen Sie das Fenster.
)"_s;

// Case and umlauts folded, so that "Würfel" sorts beside "Wurf" and a search
// for "wurfel" finds it.
QString folded(const QString& text) {
  QString s = text.toLower();
  s.replace(u'ä', u'a').replace(u'ö', u'o').replace(u'ü', u'u').replace(u"ß"_s, u"ss"_s);
  return s;
}

// A text browser that loads only the help's own pages. Everything else a page
// names (a file, a web address, an image) is answered with nothing, so that
// neither the browser nor its document reads it from anywhere.
class HelpBrowser final : public QTextBrowser {
 public:
  HelpBrowser(std::function<QVariant(const QUrl&)> pages, QWidget* parent)
      : QTextBrowser(parent), pages_(std::move(pages)) {}

  QVariant loadResource(int /*type*/, const QUrl& name) override { return pages_(name); }

 private:
  std::function<QVariant(const QUrl&)> pages_;
};

}  // namespace

HelpWindow::HelpWindow(QStringList folders, QWidget* parent)
    : QWidget(parent), folders_(std::move(folders)) {
  setObjectName(u"helpWindow"_s);
  setWindowFlag(Qt::Window);
  setWindowTitle(u"Hilfe zu Quivalo"_s);
  // An open help window never keeps the program running on its own.
  setAttribute(Qt::WA_QuitOnClose, false);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(u"helpTabs"_s);
  contentsList_ = new QListWidget(tabs_);
  contentsList_->setObjectName(u"contentsList"_s);
  tabs_->addTab(contentsList_, u"&Inhalt"_s);

  auto* search = new QWidget(tabs_);
  search->setObjectName(u"searchPage"_s);
  auto* searchLabel = new QLabel(u"S&tichwort eingeben:"_s, search);
  searchEdit_ = new QLineEdit(search);
  searchEdit_->setObjectName(u"searchEdit"_s);
  searchEdit_->setClearButtonEnabled(true);
  searchLabel->setBuddy(searchEdit_);
  keywordList_ = new QListWidget(search);
  keywordList_->setObjectName(u"keywordList"_s);
  auto* foundLabel = new QLabel(u"&Gefundene Themen:"_s, search);
  foundList_ = new QListWidget(search);
  foundList_->setObjectName(u"foundList"_s);
  foundLabel->setBuddy(foundList_);
  auto* showButton = new QPushButton(u"&Anzeigen"_s, search);
  auto* searchLayout = new QVBoxLayout(search);
  searchLayout->addWidget(searchLabel);
  searchLayout->addWidget(searchEdit_);
  searchLayout->addWidget(keywordList_, 3);
  searchLayout->addWidget(foundLabel);
  searchLayout->addWidget(foundList_, 1);
  searchLayout->addWidget(showButton, 0, Qt::AlignRight);
  tabs_->addTab(search, u"&Suchen"_s);

  pageView_ = new HelpBrowser([this](const QUrl& url) { return page(url); }, this);
  pageView_->setObjectName(u"pageView"_s);
  pageView_->setOpenLinks(false);
  pageView_->setOpenExternalLinks(false);

  backButton_ = new QPushButton(u"&Zurück"_s, this);
  backButton_->setObjectName(u"backButton"_s);
  backButton_->setEnabled(false);
  auto* helpOnHelpButton = new QPushButton(u"&Hilfe benutzen"_s, this);
  helpOnHelpButton->setObjectName(u"helpOnHelpButton"_s);
  // No access key: "&Inhalt" has the I already, and Esc closes.
  auto* closeButton = new QPushButton(u"Schließen"_s, this);
  closeButton->setObjectName(u"closeButton"_s);

  auto* panes = new QHBoxLayout;
  panes->addWidget(tabs_, 2);
  panes->addWidget(pageView_, 5);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(backButton_);
  buttons->addWidget(helpOnHelpButton);
  buttons->addStretch(1);
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes, 1);
  layout->addLayout(buttons);
  resize(720, 500);

  connect(contentsList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < help_.topics.size()) showPage(topicUrl(help_.topics.at(row).title));
  });
  connect(searchEdit_, &QLineEdit::textChanged, this, &HelpWindow::filterKeywords);
  connect(searchEdit_, &QLineEdit::returnPressed, this, &HelpWindow::openFoundTopic);
  searchEdit_->installEventFilter(this);
  connect(keywordList_, &QListWidget::currentItemChanged, this, &HelpWindow::keywordChosen);
  connect(keywordList_, &QListWidget::itemActivated, this, &HelpWindow::openFoundTopic);
  connect(foundList_, &QListWidget::itemActivated, this, &HelpWindow::openFoundTopic);
  connect(showButton, &QPushButton::clicked, this, &HelpWindow::openFoundTopic);
  // Only links between topics are followed; any other address is ignored.
  connect(pageView_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (topic(url) != nullptr) showPage(url);
  });
  connect(pageView_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
  connect(pageView_, &QTextBrowser::backwardAvailable, backButton_, &QWidget::setEnabled);
  connect(backButton_, &QPushButton::clicked, pageView_, &QTextBrowser::backward);
  connect(helpOnHelpButton, &QPushButton::clicked, this, &HelpWindow::showHelpOnHelp);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::showContents() {
  reload();
  tabs_->setCurrentIndex(0);
  showFirstPage();
  contentsList_->setFocus();
}

void HelpWindow::showSearch() {
  reload();
  tabs_->setCurrentIndex(1);
  searchEdit_->clear();
  filterKeywords(QString());
  if (!pageView_->source().isValid()) showFirstPage();
  searchEdit_->setFocus();
}

void HelpWindow::showHelpOnHelp() {
  reload();
  showPage(kHelpOnHelpUrl);
}

QString HelpWindow::pageTitle() const {
  const QUrl url = pageView_->source();
  if (url == kHelpOnHelpUrl) return u"Hilfe benutzen"_s;
  if (url == kNoticeUrl) return u"Hinweis"_s;
  const HelpTopic* t = topic(url);
  return t != nullptr ? t->title : QString();
}

// Reads the help file again at every request, so that a file put in place
// while the game runs is found; an unchanged file leaves the window as it is.
void HelpWindow::reload() {
  HelpFile help = readHelpFile(folders_);
  if (loaded_ && help.path == help_.path && help.problem == help_.problem &&
      help.topics == help_.topics) {
    return;
  }
  loaded_ = true;
  help_ = std::move(help);
  pageView_->clearHistory();
  {
    const QSignalBlocker block(contentsList_);
    contentsList_->clear();
    for (const HelpTopic& t : help_.topics) contentsList_->addItem(t.title);
  }
  // Each keyword once, sorted with umlauts folded, with the titles of its topics.
  std::map<QString, std::pair<QString, QStringList>> keywords;
  for (const HelpTopic& t : help_.topics) {
    for (const QString& k : t.keywords) {
      auto& entry = keywords[folded(k) + u'\0' + k];
      entry.first = k;
      if (!entry.second.contains(t.title)) entry.second.append(t.title);
    }
  }
  const QSignalBlocker block(keywordList_);
  keywordList_->clear();
  for (const auto& [key, entry] : keywords) {
    auto* item = new QListWidgetItem(entry.first, keywordList_);
    item->setData(Qt::UserRole, entry.second);
  }
  foundList_->clear();
}

void HelpWindow::showPage(const QUrl& url) {
  const auto type =
      url == kNoticeUrl ? QTextDocument::HtmlResource : QTextDocument::MarkdownResource;
  if (pageView_->source() == url) {
    pageView_->reload();
  } else {
    pageView_->setSource(url, type);
  }
}

void HelpWindow::showFirstPage() {
  showPage(help_.problem.isEmpty() ? topicUrl(help_.topics.front().title) : kNoticeUrl);
}

const HelpTopic* HelpWindow::topic(const QUrl& url) const {
  if (url.scheme() != kTopicScheme) return nullptr;
  const QString title = url.path();
  for (const HelpTopic& t : help_.topics) {
    if (t.title == title) return &t;
  }
  return nullptr;
}

QVariant HelpWindow::page(const QUrl& url) const {
  if (const HelpTopic* t = topic(url)) return t->markdown;
  if (url == kHelpOnHelpUrl) return kHelpOnHelp;
  if (url == kNoticeUrl) {
    return u"<h2>Hilfe nicht verfügbar</h2><p>"_s + help_.problem.toHtmlEscaped() +
           u"</p><p>Das Spiel selbst ist davon nicht betroffen.</p>"_s;
  }
  return QByteArray();  // not null, so that the document does not look for it either
}

void HelpWindow::pageChanged(const QUrl& url) {
  const HelpTopic* t = topic(url);
  const QSignalBlocker block(contentsList_);
  contentsList_->setCurrentRow(t != nullptr ? int(t - help_.topics.data()) : -1);
}

void HelpWindow::filterKeywords(const QString& text) {
  const QString wanted = folded(text.trimmed());
  QListWidgetItem* best = nullptr;
  for (int row = 0; row < keywordList_->count(); ++row) {
    QListWidgetItem* item = keywordList_->item(row);
    const QString key = folded(item->text());
    item->setHidden(!key.contains(wanted));
    if (!item->isHidden() &&
        (best == nullptr || (!folded(best->text()).startsWith(wanted) && key.startsWith(wanted)))) {
      best = item;
    }
  }
  keywordList_->setCurrentItem(best);
  if (best != nullptr) {
    keywordList_->scrollToItem(best);
  } else {
    foundList_->clear();
  }
}

void HelpWindow::keywordChosen() {
  foundList_->clear();
  const QListWidgetItem* item = keywordList_->currentItem();
  if (item == nullptr || item->isHidden()) return;
  foundList_->addItems(item->data(Qt::UserRole).toStringList());
  foundList_->setCurrentRow(0);
}

void HelpWindow::openFoundTopic() {
  if (const QListWidgetItem* item = foundList_->currentItem()) showPage(topicUrl(item->text()));
}

// The arrow and page keys in the search field move through the shown
// keywords, so that a keyword can be chosen without leaving the field.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == searchEdit_ && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        QCoreApplication::sendEvent(keywordList_, event);
        return true;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <string_view>

#include "ui/help/help_pages.h"

using namespace Qt::StringLiterals;

namespace quivalo {

namespace {

constexpr std::size_t kMaxHistory = 100;

// Case and umlauts folded, so that "Würfel" sorts beside "Wurf" and a search
// for "wurfel" finds it.
QString folded(const QString& text) {
  QString s = text.toLower();
  s.replace(u'ä', u'a').replace(u'ö', u'o').replace(u'ü', u'u').replace(u"ß"_s, u"ss"_s);
  return s;
}

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

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

QString findHelpFile(const QStringList& folders) {
  for (const QString& folder : folders) {
    const QFileInfo file(QDir(folder), helpFileName());
    if (file.isFile()) return file.filePath();
  }
  return {};
}

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
  searchLabel->setObjectName(u"searchLabel"_s);
  searchEdit_ = new QLineEdit(search);
  searchEdit_->setObjectName(u"searchEdit"_s);
  searchEdit_->setClearButtonEnabled(true);
  searchLabel->setBuddy(searchEdit_);
  keywordList_ = new QListWidget(search);
  keywordList_->setObjectName(u"keywordList"_s);
  auto* foundLabel = new QLabel(u"&Gefundene Themen:"_s, search);
  foundLabel->setObjectName(u"foundLabel"_s);
  foundList_ = new QListWidget(search);
  foundList_->setObjectName(u"foundList"_s);
  foundLabel->setBuddy(foundList_);
  showButton_ = new QPushButton(u"&Anzeigen"_s, search);
  showButton_->setObjectName(u"showButton"_s);
  auto* searchLayout = new QVBoxLayout(search);
  searchLayout->addWidget(searchLabel);
  searchLayout->addWidget(searchEdit_);
  searchLayout->addWidget(keywordList_, 3);
  searchLayout->addWidget(foundLabel);
  searchLayout->addWidget(foundList_, 1);
  searchLayout->addWidget(showButton_, 0, Qt::AlignRight);
  tabs_->addTab(search, u"&Suchen"_s);

  pageView_ = new QTextBrowser(this);
  pageView_->setObjectName(u"pageView"_s);
  pageView_->setOpenLinks(false);

  backButton_ = new QPushButton(u"&Zurück"_s, this);
  backButton_->setObjectName(u"backButton"_s);
  backButton_->setEnabled(false);
  helpOnHelpButton_ = new QPushButton(u"&Hilfe benutzen"_s, this);
  helpOnHelpButton_->setObjectName(u"helpOnHelpButton"_s);
  closeButton_ = new QPushButton(u"Schl&ießen"_s, this);
  closeButton_->setObjectName(u"closeButton"_s);

  auto* panes = new QHBoxLayout;
  panes->addWidget(tabs_, 2);
  panes->addWidget(pageView_, 5);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(backButton_);
  buttons->addWidget(helpOnHelpButton_);
  buttons->addStretch(1);
  buttons->addWidget(closeButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes, 1);
  layout->addLayout(buttons);
  resize(680, 480);

  connect(contentsList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) showTopic(static_cast<std::size_t>(row));
  });
  connect(searchEdit_, &QLineEdit::textChanged, this, &HelpWindow::filterKeywords);
  connect(searchEdit_, &QLineEdit::returnPressed, this, &HelpWindow::openKeyword);
  searchEdit_->installEventFilter(this);
  connect(keywordList_, &QListWidget::currentItemChanged, this, &HelpWindow::keywordChosen);
  connect(keywordList_, &QListWidget::itemActivated, this, &HelpWindow::openKeyword);
  connect(foundList_, &QListWidget::itemActivated, this, &HelpWindow::openFoundTopic);
  connect(showButton_, &QPushButton::clicked, this, &HelpWindow::openFoundTopic);
  connect(pageView_, &QTextBrowser::anchorClicked, this, &HelpWindow::linkClicked);
  connect(backButton_, &QPushButton::clicked, this, &HelpWindow::goBack);
  connect(helpOnHelpButton_, &QPushButton::clicked, this, &HelpWindow::showHelpOnHelp);
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

HelpWindow::~HelpWindow() = default;

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
  if (page_ == kNoPage) showFirstPage();
  searchEdit_->setFocus();
}

void HelpWindow::showHelpOnHelp() {
  reload();
  showPage(kHelpOnHelp, true);
}

// Reads the help file again; a file that has not changed keeps the window as
// it is (page, history, search).
void HelpWindow::reload() {
  const QString path = findHelpFile(folders_);
  QByteArray bytes;
  bool readable = true;
  if (!path.isEmpty()) {
    QFile file(path);
    readable = file.open(QIODevice::ReadOnly);
    // One byte more than the reader takes, so that it can tell it was cut.
    if (readable) bytes = file.read(qint64(kMaxHelpInputBytes) + 1);
  }
  const bool same = loaded_ && path == path_ && bytes == bytes_ && readable == readable_;
  if (same) return;
  loaded_ = true;
  path_ = path;
  bytes_ = bytes;
  readable_ = readable;
  doc_ = readable ? parseHelp(std::string_view(bytes_.constData(), std::size_t(bytes_.size())))
                  : HelpDocument{};
  keywords_ = helpKeywords(doc_);
  if (path_.isEmpty()) {
    notice_ = missingFilePage(folders_);
  } else if (!readable_) {
    notice_ = unreadableFilePage(QDir::toNativeSeparators(path_));
  } else if (doc_.topics.empty()) {
    notice_ = emptyFilePage(QDir::toNativeSeparators(path_));
  } else {
    notice_.clear();
  }
  history_.clear();
  page_ = kNoPage;
  rebuildLists();
}

void HelpWindow::rebuildLists() {
  {
    const QSignalBlocker block(contentsList_);
    contentsList_->clear();
    for (const HelpTopic& topic : doc_.topics) contentsList_->addItem(fromUtf8(topic.title));
  }
  std::vector<std::size_t> order(keywords_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::vector<QString> keys;
  keys.reserve(keywords_.size());
  for (const HelpKeyword& k : keywords_) keys.push_back(folded(fromUtf8(k.keyword)));
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  {
    const QSignalBlocker block(keywordList_);
    keywordList_->clear();
    for (std::size_t i : order) {
      auto* item = new QListWidgetItem(fromUtf8(keywords_[i].keyword), keywordList_);
      item->setData(Qt::UserRole, qulonglong(i));
    }
  }
  foundList_->clear();
}

void HelpWindow::showFirstPage() {
  if (!notice_.isEmpty()) {
    showPage(kNotice, false);
  } else {
    showPage(0, true);
  }
}

void HelpWindow::showPage(int page, bool remember) {
  if (remember && page_ != kNoPage && page_ != kNotice && page_ != page) {
    history_.push_back(page_);
    if (history_.size() > kMaxHistory) history_.erase(history_.begin());
  }
  page_ = page;
  QString html;
  if (page == kHelpOnHelp) {
    pageTitle_ = helpOnHelpTitle();
    html = helpOnHelpPage();
  } else if (page == kNotice) {
    pageTitle_ = u"Hinweis"_s;
    html = notice_;
  } else {
    const auto index = static_cast<std::size_t>(page);
    pageTitle_ = fromUtf8(doc_.topics.at(index).title);
    html = topicPage(doc_, index);
  }
  {
    const QSignalBlocker block(contentsList_);
    contentsList_->setCurrentRow(page >= 0 ? page : -1);
  }
  pageView_->setHtml(html);
  backButton_->setEnabled(!history_.empty());
}

void HelpWindow::goBack() {
  if (history_.empty()) return;
  const int page = history_.back();
  history_.pop_back();
  showPage(page, false);
}

void HelpWindow::filterKeywords(const QString& text) {
  const QString wanted = folded(text.trimmed());
  QListWidgetItem* best = nullptr;
  QListWidgetItem* firstShown = nullptr;
  for (int row = 0; row < keywordList_->count(); ++row) {
    QListWidgetItem* item = keywordList_->item(row);
    const QString key = folded(item->text());
    const bool match = key.contains(wanted);
    item->setHidden(!match);
    if (!match) continue;
    if (!firstShown) firstShown = item;
    if (!best && key.startsWith(wanted)) best = item;
  }
  QListWidgetItem* current = best ? best : firstShown;
  keywordList_->setCurrentItem(current);
  if (current) {
    keywordList_->scrollToItem(current);
  } else {
    foundList_->clear();
  }
}

void HelpWindow::keywordChosen() {
  foundList_->clear();
  const QListWidgetItem* item = keywordList_->currentItem();
  if (!item || item->isHidden()) return;
  const auto k = static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong());
  for (std::size_t t : keywords_.at(k).topics) {
    auto* found = new QListWidgetItem(fromUtf8(doc_.topics.at(t).title), foundList_);
    found->setData(Qt::UserRole, qulonglong(t));
  }
  foundList_->setCurrentRow(0);
}

void HelpWindow::openKeyword() { openFoundTopic(); }

void HelpWindow::openFoundTopic() {
  const QListWidgetItem* item = foundList_->currentItem();
  if (!item) return;
  showTopic(static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong()));
}

void HelpWindow::linkClicked(const QUrl& url) {
  if (url.scheme() != u"topic"_s) return;
  bool ok = false;
  const int index = url.path().toInt(&ok);
  if (ok && index >= 0 && static_cast<std::size_t>(index) < doc_.topics.size()) {
    showTopic(static_cast<std::size_t>(index));
  }
}

// The arrow and page keys in the search field move through the shown
// keywords, so that a keyword can be chosen without leaving the field.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != searchEdit_ || event->type() != QEvent::KeyPress) {
    return QWidget::eventFilter(watched, event);
  }
  const int key = static_cast<QKeyEvent*>(event)->key();
  const int page = 10;
  const int step = key == Qt::Key_Up         ? -1
                   : key == Qt::Key_Down     ? 1
                   : key == Qt::Key_PageUp   ? -page
                   : key == Qt::Key_PageDown ? page
                                             : 0;
  if (step == 0) return QWidget::eventFilter(watched, event);
  std::vector<int> shown;
  for (int row = 0; row < keywordList_->count(); ++row) {
    if (!keywordList_->item(row)->isHidden()) shown.push_back(row);
  }
  if (shown.empty()) return true;
  const auto at = std::find(shown.begin(), shown.end(), keywordList_->currentRow());
  const int from = at == shown.end() ? 0 : static_cast<int>(at - shown.begin());
  const int to = std::clamp(from + step, 0, static_cast<int>(shown.size()) - 1);
  keywordList_->setCurrentRow(shown[static_cast<std::size_t>(to)]);
  keywordList_->scrollToItem(keywordList_->currentItem());
  return true;
}

}  // namespace quivalo

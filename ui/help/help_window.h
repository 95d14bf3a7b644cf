// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the topics of the help file on a contents card, a search
// of their titles, keywords, headings and text on a search card, and the
// chosen page beside them, rendered from Markdown by a QTextBrowser, which
// also follows the links between topics and keeps the history for "Zurück".
// One window serves all three help requests; it is not modal and is reused
// from request to request.
//
// The help file is UTF-8 Markdown, one topic per level-1 heading:
//
//   # Title of a topic
//   Stichwörter: Würfel, Sechs      keywords for the search (optional)
//   Markdown text; [words](<Other title>) links to another topic.
//
// Lines before the first heading are notes for whoever edits the file.
#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>

#include "game/platform.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace quivalo {

// The largest help file read. The shipped one is about 35 KB; the limit keeps
// a damaged file from tying the window up (a single 64 KB word takes Qt about
// a second to lay out, and the time grows with its square).
inline constexpr qsizetype kMaxHelpFileBytes = qsizetype{64} * 1024;

struct HelpTopic {
  QString title;
  QStringList keywords;
  QString markdown;  // the heading and the text, without the keyword line
  bool operator==(const HelpTopic&) const = default;
};

struct HelpFile {
  QList<HelpTopic> topics;
  QString problem;  // why the file cannot be shown, in German; empty if it can
  bool operator==(const HelpFile&) const = default;
};

// Looks for the help file in `folders`, in order, and reads the first found.
HelpFile readHelpFile(const QStringList& folders);

// Where the help file is looked for: next to the program, then in the
// installed data folder.
QStringList defaultHelpFolders();

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  // Looks for the help file in `folders`, in order.
  explicit HelpWindow(QStringList folders = defaultHelpFolders(), QWidget* parent = nullptr);

  // Serves a request from the game and brings the window to the front.
  void request(HelpRequest request);
  // The contents card with the first topic.
  void showContents();
  // The search card with an empty search field that has the focus.
  void showSearch();
  // The window's own page on how to use it.
  void showHelpOnHelp();

 protected:
  // Alt+I and Alt+S, the cards' access keys, also move the focus onto the
  // card; the Down key moves it from the search field into the list found.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildCards();
  void connectParts();
  void showCard(int index);
  void reload();
  void showPage(const QString& title);
  void search(const QString& text);
  void openFoundTopic();

  // A page as the search compares it, folded: the names that rank it, and
  // its text with its keywords.
  struct SearchedPage {
    QString title;
    QStringList keywords;
    QStringList headings;
    QString text;
  };

  QStringList folders_;
  std::optional<HelpFile> help_;
  QList<HelpTopic> pages_;             // the file's topics (or a notice), then help on help
  QList<SearchedPage> searchedPages_;  // one for each page
  QTabWidget* tabs_;
  QListWidget* contentsList_;
  QLineEdit* searchEdit_;
  QListWidget* foundList_;
  QTextBrowser* pageView_;
  QPushButton* back_;
};

}  // namespace quivalo

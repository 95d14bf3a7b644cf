// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the topics of the help file on a contents card, a keyword
// search on a search card, and the chosen page beside them, rendered from
// Markdown by a QTextBrowser, which also follows the links between topics and
// keeps the history for "Zurück". One window serves all three help requests;
// it is not modal and is reused from request to request.
#pragma once

#include <QStringList>
#include <QUrl>
#include <QWidget>

#include "ui/help/help_file.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace quivalo {

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  // Looks for the help file in `folders`, in order.
  explicit HelpWindow(QStringList folders = defaultHelpFolders(), QWidget* parent = nullptr);

  // The contents card with the first topic.
  void showContents();
  // The search card with an empty search field that has the focus.
  void showSearch();
  // The window's own page on how to use it.
  void showHelpOnHelp();

  // The help file as last read.
  const HelpFile& helpFile() const { return help_; }
  // The title of the page shown.
  QString pageTitle() const;

 private:
  void reload();
  void showPage(const QUrl& url);
  void showFirstPage();
  const HelpTopic* topic(const QUrl& url) const;
  QVariant page(const QUrl& url) const;
  void pageChanged(const QUrl& url);
  void filterKeywords(const QString& text);
  void keywordChosen();
  void openFoundTopic();
  bool eventFilter(QObject* watched, QEvent* event) override;

  QStringList folders_;
  HelpFile help_;
  bool loaded_ = false;

  QTabWidget* tabs_;
  QListWidget* contentsList_;
  QLineEdit* searchEdit_;
  QListWidget* keywordList_;
  QListWidget* foundList_;
  QTextBrowser* pageView_;
  QPushButton* backButton_;
};

}  // namespace quivalo

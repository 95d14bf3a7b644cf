// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the topics of the help file on a contents card, a keyword
// search on a search card, and the chosen page beside them. One window serves
// all three help requests; it is not modal and is reused from request to
// request.
#pragma once

#include <QStringList>
#include <QWidget>
#include <cstddef>
#include <vector>

#include "ui/help/help_file.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace quivalo {

// Where the help file is looked for: next to the program, then in the
// installed data folder.
QStringList defaultHelpFolders();

// The help file's path in the first of `folders` that holds it, or empty.
QString findHelpFile(const QStringList& folders);

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  // Looks for the help file in `folders`, in order.
  explicit HelpWindow(QStringList folders = defaultHelpFolders(), QWidget* parent = nullptr);
  ~HelpWindow() override;
  HelpWindow(const HelpWindow&) = delete;
  HelpWindow& operator=(const HelpWindow&) = delete;

  // The contents card with the first topic.
  void showContents();
  // The search card with an empty search field that has the focus.
  void showSearch();
  // The window's own page on how to use it.
  void showHelpOnHelp();

  // The help file in use, empty when none was found.
  QString helpFilePath() const { return path_; }
  // The title of the page shown.
  QString pageTitle() const { return pageTitle_; }
  const HelpDocument& document() const { return doc_; }

 private:
  // A page id: a topic index, or one of these.
  static constexpr int kNoPage = -1;
  static constexpr int kHelpOnHelp = -2;
  static constexpr int kNotice = -3;

  void reload();
  void rebuildLists();
  void showPage(int page, bool remember);
  void showTopic(std::size_t index) { showPage(static_cast<int>(index), true); }
  void showFirstPage();
  void goBack();
  void filterKeywords(const QString& text);
  void keywordChosen();
  void openKeyword();
  void openFoundTopic();
  void linkClicked(const QUrl& url);
  bool eventFilter(QObject* watched, QEvent* event) override;

  QStringList folders_;
  QString path_;
  QByteArray bytes_;
  bool loaded_ = false;
  bool readable_ = true;
  HelpDocument doc_;
  std::vector<HelpKeyword> keywords_;
  QString notice_;  // shown instead of topics when the file is unusable
  QString pageTitle_;
  int page_ = kNoPage;
  std::vector<int> history_;

  QTabWidget* tabs_;
  QListWidget* contentsList_;
  QLineEdit* searchEdit_;
  QListWidget* keywordList_;
  QListWidget* foundList_;
  QPushButton* showButton_;
  QTextBrowser* pageView_;
  QPushButton* backButton_;
  QPushButton* helpOnHelpButton_;
  QPushButton* closeButton_;
};

}  // namespace quivalo

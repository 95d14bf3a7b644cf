// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include "game/platform.h"

using namespace Qt::StringLiterals;

namespace quivalo {

namespace {

const QString kKeywordLine = u"Stichwörter:"_s;

QString fileName() {
  return QString::fromUtf8(kHelpFileName.data(), qsizetype(kHelpFileName.size()));
}

QString quotedName() { return u"„"_s + fileName() + u"“"_s; }

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
      for (const QString& word : line.mid(kKeywordLine.size()).split(u',')) {
        if (!word.trimmed().isEmpty()) topics.last().keywords.append(word.trimmed());
      }
      topics.last().keywords.removeDuplicates();
    } else {
      topics.last().markdown += line + u'\n';
    }
  }
  return topics;
}

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
  HelpFile help;
  for (const QString& folder : folders) {
    if (QFileInfo(QDir(folder), fileName()).isFile()) {
      help.path = QDir(folder).filePath(fileName());
      break;
    }
  }
  if (help.path.isEmpty()) {
    QStringList where;
    for (const QString& folder : folders) where.append(QDir::toNativeSeparators(folder));
    help.problem = u"Die Hilfedatei %1 wurde nicht gefunden. Gesucht wurde in: %2"_s.arg(
        quotedName(), where.join(u", "_s));
    return help;
  }
  const QString where = u": "_s + QDir::toNativeSeparators(help.path);
  QFile file(help.path);
  if (!file.open(QIODevice::ReadOnly)) {
    help.problem = u"Die Hilfedatei %1 konnte nicht gelesen werden"_s.arg(quotedName()) + where;
    return help;
  }
  const QByteArray bytes = file.read(kMaxHelpFileBytes + 1);
  if (bytes.size() > kMaxHelpFileBytes) {
    help.problem = u"Die Hilfedatei %1 ist zu groß (mehr als %2 KB)"_s.arg(quotedName())
                       .arg(kMaxHelpFileBytes / 1024) +
                   where;
    return help;
  }
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(bytes);
  if (utf8.hasError() || bytes.contains('\0')) {
    help.problem = u"Die Hilfedatei %1 ist keine Textdatei in UTF-8"_s.arg(quotedName()) + where;
    return help;
  }
  help.topics = topicsOf(text);
  if (help.topics.isEmpty()) {
    help.problem =
        u"Die Hilfedatei %1 enthält kein Thema (keine Zeile, die mit „# “ beginnt)"_s.arg(
            quotedName()) +
        where;
  }
  return help;
}

}  // namespace quivalo

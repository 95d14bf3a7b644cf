// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/help_pages.h"

#include "game/platform.h"

using namespace Qt::StringLiterals;

namespace quivalo {

namespace {

QString escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString spansHtml(const HelpDocument& doc, const HelpBlock& block) {
  QString html;
  for (const HelpSpan& span : block.spans) {
    switch (span.kind) {
      case HelpSpan::Kind::Text:
        html += escaped(span.text);
        break;
      case HelpSpan::Kind::Bold:
        html += u"<b>"_s + escaped(span.text) + u"</b>"_s;
        break;
      case HelpSpan::Kind::Link:
        if (const auto target = findHelpTopic(doc, span.target)) {
          html += u"<a href=\"topic:%1\">%2</a>"_s.arg(*target).arg(escaped(span.text));
        } else {
          html += escaped(span.text);  // a link to nowhere reads as plain text
        }
        break;
    }
  }
  return html;
}

QString notice(const QString& title, const QString& body) {
  return u"<h2>"_s + title.toHtmlEscaped() + u"</h2>"_s + body;
}

QString quotedFileName() { return u"„"_s + helpFileName().toHtmlEscaped() + u"“"_s; }

}  // namespace

QString helpFileName() {
  return QString::fromUtf8(kHelpFileName.data(), qsizetype(kHelpFileName.size()));
}

QString topicPage(const HelpDocument& doc, std::size_t index) {
  const HelpTopic& topic = doc.topics.at(index);
  QString html = u"<h2>"_s + escaped(topic.title) + u"</h2>\n"_s;
  // Consecutive items of one kind form one list.
  const auto listTag = [](HelpBlock::Kind kind) {
    return kind == HelpBlock::Kind::ListItem       ? u"ul"_s
           : kind == HelpBlock::Kind::NumberedItem ? u"ol"_s
                                                   : QString();
  };
  QString open;
  for (const HelpBlock& block : topic.blocks) {
    const QString tag = listTag(block.kind);
    if (tag != open) {
      if (!open.isEmpty()) html += u"</"_s + open + u">\n"_s;
      if (!tag.isEmpty()) html += u"<"_s + tag + u">\n"_s;
      open = tag;
    }
    switch (block.kind) {
      case HelpBlock::Kind::Paragraph:
        html += u"<p>"_s + spansHtml(doc, block) + u"</p>\n"_s;
        break;
      case HelpBlock::Kind::ListItem:
      case HelpBlock::Kind::NumberedItem:
        html += u"<li>"_s + spansHtml(doc, block) + u"</li>\n"_s;
        break;
      case HelpBlock::Kind::Subheading:
        html += u"<h3>"_s + spansHtml(doc, block) + u"</h3>\n"_s;
        break;
    }
  }
  if (!open.isEmpty()) html += u"</"_s + open + u">\n"_s;
  return html;
}

QString helpOnHelpTitle() { return u"Hilfe benutzen"_s; }

QString helpOnHelpPage() {
  return notice(
      helpOnHelpTitle(),
      u"<p>Dieses Fenster zeigt die Hilfe zu Quivalo. Es kann offen bleiben, während Sie "
      "spielen; das Spiel läuft dabei ungestört weiter.</p>"
      "<h3>Inhalt</h3>"
      "<p>Die Karte <b>Inhalt</b> links listet alle Themen der Hilfe. Klicken Sie ein Thema "
      "an, um es rechts zu lesen. Mit den Pfeiltasten wandern Sie von Thema zu Thema.</p>"
      "<h3>Suchen</h3>"
      "<p>Auf der Karte <b>Suchen</b> geben Sie ein Stichwort ein. Schon während Sie tippen, "
      "zeigt die Liste darunter nur noch die passenden Stichwörter. Wählen Sie eines mit den "
      "Pfeiltasten oder der Maus; darunter erscheinen die Themen, in denen es vorkommt. Mit "
      "der Eingabetaste, einem Doppelklick oder der Schaltfläche <b>Anzeigen</b> öffnen Sie "
      "das Thema.</p>"
      "<h3>Verweise</h3>"
      "<p>Unterstrichene Wörter im Text sind Verweise auf andere Themen: ein Klick darauf "
      "öffnet das Thema. Mit <b>Zurück</b> kehren Sie zur vorigen Seite zurück.</p>"
      "<h3>Aus dem Spiel heraus</h3>"
      "<ul><li><b>Hilfe – Inhalt</b> öffnet die Themenliste mit der ersten Seite.</li>"
      "<li><b>Hilfe – Suchen...</b> öffnet die Stichwortsuche mit leerem Suchfeld.</li>"
      "<li><b>Hilfe – Hilfe benutzen</b> zeigt diese Seite.</li></ul>"
      "<p>Mit <b>Schließen</b> oder der Esc-Taste schließen Sie das Fenster.</p>"_s);
}

QString missingFilePage(const QStringList& folders) {
  QString where;
  for (const QString& folder : folders) where += u"<li>"_s + folder.toHtmlEscaped() + u"</li>"_s;
  return notice(u"Hilfedatei nicht gefunden"_s,
                u"<p>Die Hilfedatei "_s + quotedFileName() +
                    u" wurde nicht gefunden.</p><p>Gesucht wurde in diesen Ordnern:</p><ul>"_s +
                    where + u"</ul><p>Das Spiel selbst ist davon nicht betroffen.</p>"_s);
}

QString unreadableFilePage(const QString& path) {
  return notice(u"Hilfedatei nicht lesbar"_s,
                u"<p>Die Hilfedatei "_s + quotedFileName() +
                    u" konnte nicht gelesen werden:</p><p>"_s + path.toHtmlEscaped() +
                    u"</p><p>Das Spiel selbst ist davon nicht betroffen.</p>"_s);
}

QString emptyFilePage(const QString& path) {
  return notice(u"Hilfedatei ohne Inhalt"_s,
                u"<p>Die Hilfedatei "_s + quotedFileName() +
                    u" enthält keine lesbaren Themen:</p><p>"_s + path.toHtmlEscaped() +
                    u"</p><p>Das Spiel selbst ist davon nicht betroffen.</p>"_s);
}

}  // namespace quivalo

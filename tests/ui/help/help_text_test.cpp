// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped help file: it reads without a problem, every link leads to a
// topic, it names every command, and every figure it gives about the board
// and the die is checked here against the game's tables and the die formula.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "game/random.h"
#include "game/state.h"
#include "ui/help/help_file.h"

using namespace Qt::StringLiterals;

namespace quivalo {
namespace {

constexpr std::uint32_t kMsPerDay = 86'400'000;

const HelpFile& shipped() {
  static const HelpFile help =
      readHelpFile({QFileInfo(QString::fromUtf8(QUIVALO_HELP_FILE)).absolutePath()});
  return help;
}

QString wholeText() {
  QString text;
  for (const HelpTopic& t : shipped().topics) text += t.markdown;
  return text;
}

int die(std::uint32_t t) {
  std::uint32_t seed = t;
  return static_cast<int>(draw(seed, 6)) + 1;
}

// "86.400.000" and "7,0" as the help writes numbers.
double germanNumber(QString s) { return s.remove(u'.').replace(u',', u'.').toDouble(); }

TEST(ShippedHelp, ReadsAsTopicsWithKeywordsAndLinksThatLead) {
  const HelpFile& help = shipped();
  ASSERT_TRUE(help.problem.isEmpty()) << help.problem.toStdString();
  ASSERT_GE(help.topics.size(), 10);
  QStringList titles;
  for (const HelpTopic& t : help.topics) titles.append(t.title);
  titles.removeDuplicates();
  EXPECT_EQ(titles.size(), help.topics.size()) << "titles repeat";

  static const QRegularExpression link(uR"(\]\(<([^>]*)>\))"_s);
  static const QRegularExpression anyLink(uR"(\]\([^)]*\))"_s);
  for (const HelpTopic& t : help.topics) {
    EXPECT_FALSE(t.keywords.isEmpty()) << t.title.toStdString();
    EXPECT_FALSE(t.markdown.contains(u"Stichwörter:"_s)) << t.title.toStdString();
    EXPECT_EQ(t.markdown.count(link), t.markdown.count(anyLink))
        << t.title.toStdString() << ": a link not written as [..](<title>)";
    for (const auto& m : link.globalMatch(t.markdown)) {
      EXPECT_TRUE(titles.contains(m.captured(1)))
          << t.title.toStdString() << " links to " << m.captured(1).toStdString();
    }
  }
  // The first topic is the overview and links to every other topic.
  for (const QString& title : titles.mid(1)) {
    EXPECT_TRUE(help.topics.front().markdown.contains(u"(<"_s + title + u">)"_s))
        << title.toStdString();
  }
}

TEST(ShippedHelp, NamesEveryCommandAndKey) {
  const QString text = wholeText();
  for (const Colour c : kColours) {
    for (const bool person : {true, false}) {
      const QString caption = QString::fromStdString(playerCaption(c, person)).remove(u'&');
      EXPECT_TRUE(text.contains(caption)) << caption.toStdString();
    }
  }
  for (const QString& s :
       {u"Neu"_s, u"Beenden"_s, u"leicht"_s, u"schwer"_s, u"Inhalt"_s, u"Suchen..."_s,
        u"Hilfe benutzen"_s, u"Info..."_s, u"Würfeln"_s, u"Kann nicht"_s, u"Alt+W"_s, u"Alt+K"_s,
        u"Strg+N"_s, u"Alt+F4"_s, u"F1"_s, u"Blau, Rot, Gelb, Grün"_s, u"134775813"_s}) {
    EXPECT_TRUE(text.contains(s)) << s.toStdString();
  }
}

// "| Blau | Feld 1 | ... | Feld 40 |"
TEST(ShippedHelp, StartAndLastFieldsAreTheGamesOwn) {
  static const QRegularExpression row(uR"(\| ([^| ]+) \| Feld (\d+) \| [^|]+ \| Feld (\d+) \|)"_s);
  int rows = 0;
  for (const auto& m : row.globalMatch(wholeText())) {
    const auto colour = std::find_if(kColours.begin(), kColours.end(), [&](Colour c) {
      return QString::fromUtf8(info(c).display.data(), qsizetype(info(c).display.size())) ==
             m.captured(1);
    });
    ASSERT_NE(colour, kColours.end()) << m.captured(1).toStdString();
    EXPECT_EQ(m.captured(2).toInt(), info(*colour).start) << m.captured(1).toStdString();
    EXPECT_EQ(m.captured(3).toInt(), info(*colour).last) << m.captured(1).toStdString();
    ++rows;
  }
  EXPECT_EQ(rows, 4);
}

// "um 12:00:00,000 Uhr UTC (t = 43.200.000) zeigt zum Beispiel eine 3"
TEST(ShippedHelp, TheDieExampleIsRight) {
  static const QRegularExpression example(
      uR"(um (\d\d):(\d\d):(\d\d),(\d\d\d) Uhr UTC \(t = ([0-9.]+)\) zeigt zum Beispiel eine (\d))"_s);
  const auto m = example.match(wholeText());
  ASSERT_TRUE(m.hasMatch());
  const auto n = [&](int i) { return m.captured(i).toUInt(); };
  const std::uint32_t t = msOfDay(n(1), n(2), n(3), n(4));
  EXPECT_EQ(t, std::uint32_t(germanNumber(m.captured(5))));
  EXPECT_EQ(die(t), int(n(6)));
}

// "jede zwischen 14.399.996- und 14.400.002-mal": the rarest and the most
// frequent face over the milliseconds of a day.
TEST(ShippedHelp, EveryFaceComesAlmostEquallyOftenInADay) {
  static const QRegularExpression claim(uR"(jede zwischen ([0-9.]+)- und ([0-9.]+)-mal)"_s);
  const auto m = claim.match(wholeText());
  ASSERT_TRUE(m.hasMatch());
  std::array<std::uint32_t, 6> count{};
  for (std::uint32_t t = 0; t < kMsPerDay; ++t) ++count[std::size_t(die(t) - 1)];
  EXPECT_EQ(*std::min_element(count.begin(), count.end()), germanNumber(m.captured(1)));
  EXPECT_EQ(*std::max_element(count.begin(), count.end()), germanNumber(m.captured(2)));
}

// "| 250 ms | 7,0 % | 93,0 % |": for rolls that many ms apart, over every
// millisecond of a day (the clock starts again at midnight), how often the
// next roll shows the same number and how often one less (a 6 after a 1);
// and, as the help says, nothing else except across midnight.
TEST(ShippedHelp, TheComputersRollPatternIsTheFormulas) {
  static const QRegularExpression row(uR"(\| (\d+) ms \| ([0-9,]+) % \| ([0-9,]+) % \|)"_s);
  struct Row {
    std::uint32_t gap;
    double same, lower;                                               // as the help states them
    std::uint64_t sameCount = 0, lowerCount = 0, otherWithinDay = 0;  // as the formula has them
  };
  std::vector<Row> stated;
  for (const auto& m : row.globalMatch(wholeText())) {
    stated.push_back(
        {m.captured(1).toUInt(), germanNumber(m.captured(2)), germanNumber(m.captured(3))});
  }
  ASSERT_TRUE(std::any_of(stated.begin(), stated.end(), [](const Row& r) { return r.gap == 250; }))
      << "no row for the rules' 250 ms";
  ASSERT_GE(stated.size(), 2u);
  ASSERT_TRUE(
      wholeText().contains(u"Eine andere Zahl kommt bei diesen Abständen nie, außer bei "
                           u"Würfen über Mitternacht UTC hinweg"_s));
  for (std::uint32_t t = 0; t < kMsPerDay; ++t) {
    const int a = die(t);
    for (Row& r : stated) {
      const int b = die((t + r.gap) % kMsPerDay);
      if (b == a) {
        ++r.sameCount;
      } else if (b == (a == 1 ? 6 : a - 1)) {
        ++r.lowerCount;
      } else if (t + r.gap < kMsPerDay) {
        ++r.otherWithinDay;
      }
    }
  }
  for (const Row& r : stated) {
    EXPECT_NEAR(r.same, 100.0 * double(r.sameCount) / kMsPerDay, 0.05) << r.gap << " ms";
    EXPECT_NEAR(r.lower, 100.0 * double(r.lowerCount) / kMsPerDay, 0.05) << r.gap << " ms";
    EXPECT_EQ(r.otherWithinDay, 0u) << r.gap << " ms";
  }
}

}  // namespace
}  // namespace quivalo

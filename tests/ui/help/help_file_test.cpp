// SPDX-License-Identifier: GPL-3.0-or-later
// The help file reader: a good file, empty and damaged input, the limits on
// what it reads, and the help file that ships with the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

#include "game/random.h"
#include "game/state.h"
#include "ui/help/help_file.h"

namespace quivalo {
namespace {

// True if `s` is well-formed UTF-8 (checked here independently of the reader):
// proper lead bytes, enough continuation bytes, no overlong three-byte forms
// and no surrogates.
bool validUtf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    if (b < 0x80) {
      n = 0;
    } else if (b >= 0xC2 && b <= 0xDF) {
      n = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      n = 2;
    } else if (b >= 0xF0 && b <= 0xF4) {
      n = 3;
    } else {
      return false;
    }
    if (i + n >= s.size() && n > 0) return false;
    for (std::size_t k = 1; k <= n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    if (n == 2) {
      const auto b1 = static_cast<unsigned char>(s[i + 1]);
      if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 >= 0xA0)) return false;
    }
    i += n + 1;
  }
  return true;
}

// Every string the document holds, for checks that apply to all of them.
std::vector<std::string> allStrings(const HelpDocument& doc) {
  std::vector<std::string> out;
  for (const HelpTopic& t : doc.topics) {
    out.push_back(t.title);
    out.insert(out.end(), t.keywords.begin(), t.keywords.end());
    for (const HelpBlock& b : t.blocks) {
      for (const HelpSpan& s : b.spans) {
        out.push_back(s.text);
        out.push_back(s.target);
      }
    }
  }
  return out;
}

std::size_t totalBytes(const HelpDocument& doc) {
  std::size_t n = 0;
  for (const std::string& s : allStrings(doc)) n += s.size();
  return n;
}

std::size_t blockCount(const HelpDocument& doc) {
  std::size_t n = 0;
  for (const HelpTopic& t : doc.topics) n += t.blocks.size();
  return n;
}

// Deterministic noise: bytes from a linear congruential generator.
std::string noise(std::size_t size, std::uint32_t seed) {
  std::string s(size, '\0');
  for (char& c : s) {
    seed = seed * 1664525u + 1013904223u;
    c = static_cast<char>(seed >> 24);
  }
  return s;
}

// The checks every result must pass, whatever the input.
void expectSane(const HelpDocument& doc) {
  EXPECT_LE(doc.topics.size(), kMaxHelpTopics);
  EXPECT_LE(blockCount(doc), kMaxHelpBlocks);
  EXPECT_LE(totalBytes(doc), 3 * kMaxHelpInputBytes);
  for (const HelpTopic& t : doc.topics) {
    EXPECT_FALSE(t.title.empty());
    EXPECT_LE(t.title.size(), kMaxHelpTitleBytes);
    EXPECT_LE(t.keywords.size(), kMaxHelpKeywordsPerTopic);
    for (const std::string& k : t.keywords) {
      EXPECT_FALSE(k.empty());
      EXPECT_LE(k.size(), kMaxHelpTitleBytes);
    }
  }
  for (const std::string& s : allStrings(doc)) {
    ASSERT_TRUE(validUtf8(s));
    ASSERT_EQ(s.find('\n'), std::string::npos);
    ASSERT_EQ(s.find('\0'), std::string::npos);
  }
}

const char* const kSample =
    "Notes for whoever edits this file.\n"
    "# Erstes Thema\n"
    "Stichwörter: Würfel, Sechs; Zug ,, Würfel\n"
    "Ein Absatz, der\n"
    "über zwei Zeilen geht.\n"
    "\n"
    "## Eine Zwischenüberschrift\n"
    "- Punkt **eins**\n"
    "  geht weiter\n"
    "- Punkt zwei mit [[Zweites Thema]]\n"
    "1. Erster Schritt\n"
    "2. Zweiter Schritt mit [[Zweites Thema|Verweis]]\n"
    "Neuer Absatz nach der Liste.\n"
    "# Zweites Thema\n"
    "Stichwörter: Sechs\n"
    "Stichwörter: Haus\n"
    "Text mit [[unbekannt]] und [[ohne Ende.\n";

TEST(HelpFile, ReadsTopicsKeywordsAndBlocks) {
  const HelpDocument doc = parseHelp(kSample);
  expectSane(doc);
  EXPECT_FALSE(doc.truncated);
  EXPECT_EQ(doc.invalidBytes, 0u);
  ASSERT_EQ(doc.topics.size(), 2u);

  const HelpTopic& first = doc.topics[0];
  EXPECT_EQ(first.title, "Erstes Thema");
  EXPECT_EQ(first.keywords, (std::vector<std::string>{"Würfel", "Sechs", "Zug"}));
  ASSERT_EQ(first.blocks.size(), 7u);
  EXPECT_EQ(first.blocks[0].kind, HelpBlock::Kind::Paragraph);
  EXPECT_EQ(plainText(first.blocks[0]), "Ein Absatz, der über zwei Zeilen geht.");
  EXPECT_EQ(first.blocks[1].kind, HelpBlock::Kind::Subheading);
  EXPECT_EQ(plainText(first.blocks[1]), "Eine Zwischenüberschrift");
  EXPECT_EQ(first.blocks[2].kind, HelpBlock::Kind::ListItem);
  EXPECT_EQ(plainText(first.blocks[2]), "Punkt eins geht weiter");
  ASSERT_EQ(first.blocks[2].spans.size(), 3u);
  EXPECT_EQ(first.blocks[2].spans[1], (HelpSpan{HelpSpan::Kind::Bold, "eins", ""}));
  EXPECT_EQ(first.blocks[3].spans.back(),
            (HelpSpan{HelpSpan::Kind::Link, "Zweites Thema", "Zweites Thema"}));
  EXPECT_EQ(first.blocks[4].kind, HelpBlock::Kind::NumberedItem);
  EXPECT_EQ(plainText(first.blocks[4]), "Erster Schritt");
  EXPECT_EQ(first.blocks[5].spans.back(),
            (HelpSpan{HelpSpan::Kind::Link, "Verweis", "Zweites Thema"}));
  EXPECT_EQ(first.blocks[6].kind, HelpBlock::Kind::Paragraph);

  const HelpTopic& second = doc.topics[1];
  EXPECT_EQ(second.keywords, (std::vector<std::string>{"Sechs", "Haus"}));
  ASSERT_EQ(second.blocks.size(), 1u);
  // A link to a missing topic is still a link; an unclosed one is text.
  EXPECT_EQ(second.blocks[0].spans[1].kind, HelpSpan::Kind::Link);
  EXPECT_FALSE(findHelpTopic(doc, second.blocks[0].spans[1].target));
  EXPECT_EQ(second.blocks[0].spans[2].text, " und [[ohne Ende.");

  EXPECT_EQ(findHelpTopic(doc, "Zweites Thema"), std::optional<std::size_t>(1));
  const auto index = helpKeywords(doc);
  ASSERT_EQ(index.size(), 4u);
  EXPECT_EQ(index[1].keyword, "Sechs");
  EXPECT_EQ(index[1].topics, (std::vector<std::size_t>{0, 1}));
}

TEST(HelpFile, WindowsLineEndsAndTabsReadTheSame) {
  std::string crlf;
  for (const char c : std::string(kSample)) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  EXPECT_EQ(parseHelp(crlf), parseHelp(kSample));
  const HelpDocument tabbed = parseHelp(
      "# T\na\tb\x01\x7f"
      "c\n");
  ASSERT_EQ(tabbed.topics.size(), 1u);
  EXPECT_EQ(plainText(tabbed.topics[0].blocks.at(0)), "a bc");
}

TEST(HelpFile, EmptyInputHasNoTopics) {
  const HelpDocument doc = parseHelp("");
  EXPECT_TRUE(doc.topics.empty());
  EXPECT_FALSE(doc.truncated);
  EXPECT_EQ(doc.invalidBytes, 0u);
  EXPECT_TRUE(parseHelp("\n\n   \n").topics.empty());
  EXPECT_TRUE(parseHelp("Text ohne Überschrift\n- und eine Liste\n#kein Titel\n").topics.empty());
}

TEST(HelpFile, EmptyTitleGetsAName) {
  const HelpDocument doc = parseHelp("#   \nText\n");
  ASSERT_EQ(doc.topics.size(), 1u);
  EXPECT_FALSE(doc.topics[0].title.empty());
}

TEST(HelpFile, InvalidUtf8IsReplaced) {
  // A stray byte, an overlong slash, a surrogate, a cut-off sequence.
  const std::string bytes =
      "# Ti\xfftel\nStichw\xc3\xb6rter: a\xc3, b\n\xc0\xaf \xed\xa0\x80 ok \xe2\x82";
  const HelpDocument doc = parseHelp(bytes);
  expectSane(doc);
  ASSERT_EQ(doc.topics.size(), 1u);
  EXPECT_EQ(doc.topics[0].title, "Ti\xef\xbf\xbdtel");
  EXPECT_EQ(doc.topics[0].keywords, (std::vector<std::string>{"a\xef\xbf\xbd", "b"}));
  EXPECT_EQ(doc.invalidBytes, 1u + 1u + 2u + 3u + 2u);
  EXPECT_NE(plainText(doc.topics[0].blocks.at(0)).find(" ok "), std::string::npos);
}

TEST(HelpFile, BinaryGarbageGivesASaneResult) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    std::string bytes = noise(64 * 1024, seed);
    // Some headings and markup inside the noise, so that more paths are taken.
    for (std::size_t at = 100; at < bytes.size(); at += 997)
      bytes.replace(at, 3, seed % 2 ? "\n# " : "**[");
    const HelpDocument doc = parseHelp(bytes);
    expectSane(doc);
    EXPECT_GT(doc.invalidBytes, 0u);
  }
}

TEST(HelpFile, HugeInputIsCutAtTheLimit) {
  // 8 MiB of topics: only what lies in the first MiB is read.
  std::string topic = "# Thema\nStichwörter: x\nEin Absatz.\n\n";
  std::string bytes;
  while (bytes.size() < 8 * kMaxHelpInputBytes) bytes += topic;
  const HelpDocument doc = parseHelp(bytes);
  expectSane(doc);
  EXPECT_TRUE(doc.truncated);
  EXPECT_EQ(doc.topics.size(), kMaxHelpTopics);

  // A heading beyond the first MiB is never seen.
  const std::string late = std::string(kMaxHelpInputBytes, 'a') + "\n# Spät\n";
  const HelpDocument cut = parseHelp("# Früh\n" + late);
  EXPECT_TRUE(cut.truncated);
  ASSERT_EQ(cut.topics.size(), 1u);
  EXPECT_EQ(cut.topics[0].title, "Früh");
}

TEST(HelpFile, HugeLinesAndMarkupStayBounded) {
  const std::size_t size = 6 * kMaxHelpInputBytes;
  for (const std::string unit : {"[[", "**", "[[a|", "]]", "ü", "- x\n", "x\n\n"}) {
    std::string bytes = "# T\n";
    while (bytes.size() < size) bytes += unit;
    const HelpDocument doc = parseHelp(bytes);
    expectSane(doc);
    EXPECT_TRUE(doc.truncated) << unit;
  }
}

TEST(HelpFile, ManyBlocksKeywordsAndTopicsAreCapped) {
  std::string blocks = "# T\n";
  for (int i = 0; i < 20000; ++i) blocks += "- x\n";
  const HelpDocument many = parseHelp(blocks);
  EXPECT_EQ(blockCount(many), kMaxHelpBlocks);
  EXPECT_TRUE(many.truncated);

  std::string words = "# T\nStichwörter:";
  for (int i = 0; i < 100; ++i) words += " w" + std::to_string(i) + ",";
  const HelpDocument keyworded = parseHelp(words);
  ASSERT_EQ(keyworded.topics.size(), 1u);
  EXPECT_EQ(keyworded.topics[0].keywords.size(), kMaxHelpKeywordsPerTopic);
  EXPECT_EQ(keyworded.topics[0].keywords.front(), "w0");
  EXPECT_TRUE(keyworded.truncated);

  std::string topics;
  for (std::size_t i = 0; i < kMaxHelpTopics + 10; ++i) topics += "# T" + std::to_string(i) + "\n";
  const HelpDocument capped = parseHelp(topics);
  ASSERT_EQ(capped.topics.size(), kMaxHelpTopics);
  EXPECT_EQ(capped.topics.back().title, "T" + std::to_string(kMaxHelpTopics - 1));
  EXPECT_TRUE(capped.truncated);
}

TEST(HelpFile, LongTitlesAreCutBetweenCharacters) {
  std::string title;
  for (int i = 0; i < 300; ++i) title += "ü";  // two bytes each
  const HelpDocument doc = parseHelp("# a" + title + "\nStichwörter: " + title + "\n");
  expectSane(doc);
  ASSERT_EQ(doc.topics.size(), 1u);
  EXPECT_GE(doc.topics[0].title.size(), kMaxHelpTitleBytes - 1);
  EXPECT_EQ(doc.topics[0].keywords.at(0).size(), kMaxHelpTitleBytes);
}

// --- The help file that ships with the game -------------------------------

std::string shippedFile() {
  std::ifstream in(QUIVALO_HELP_FILE, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string wholeText(const HelpDocument& doc) {
  std::string text;
  for (const HelpTopic& t : doc.topics) {
    text += t.title + "\n";
    for (const HelpBlock& b : t.blocks) text += plainText(b) + "\n";
  }
  return text;
}

TEST(ShippedHelpFile, IsWellFormed) {
  const std::string bytes = shippedFile();
  ASSERT_FALSE(bytes.empty());
  const HelpDocument doc = parseHelp(bytes);
  expectSane(doc);
  EXPECT_FALSE(doc.truncated);
  EXPECT_EQ(doc.invalidBytes, 0u);
  EXPECT_GE(doc.topics.size(), 10u);
  std::vector<std::string> titles;
  for (const HelpTopic& t : doc.topics) {
    EXPECT_FALSE(t.keywords.empty()) << t.title;
    EXPECT_FALSE(t.blocks.empty()) << t.title;
    titles.push_back(t.title);
    for (const HelpBlock& b : t.blocks) {
      for (const HelpSpan& s : b.spans) {
        if (s.kind == HelpSpan::Kind::Link) {
          EXPECT_TRUE(findHelpTopic(doc, s.target)) << t.title << " links to " << s.target;
        }
      }
    }
  }
  std::sort(titles.begin(), titles.end());
  EXPECT_EQ(std::adjacent_find(titles.begin(), titles.end()), titles.end()) << "titles repeat";
}

TEST(ShippedHelpFile, HasTheExpectedTopics) {
  const HelpDocument doc = parseHelp(shippedFile());
  for (const char* title :
       {"Willkommen bei Quivalo", "Das Spielbrett", "Spielregeln", "Drei Würfe", "Rauswerfen",
        "Das Ziel", "Spielen mit der Maus", "Tastatur", "Menü Spiel", "Menü Optionen", "Menü Hilfe",
        "Leicht und schwer", "So zieht der Computer", "Der Würfel"}) {
    EXPECT_TRUE(findHelpTopic(doc, title)) << title;
  }
  // The first topic is the overview, and it links to every other topic.
  ASSERT_FALSE(doc.topics.empty());
  std::vector<std::string> linked;
  for (const HelpBlock& b : doc.topics[0].blocks) {
    for (const HelpSpan& s : b.spans) {
      if (s.kind == HelpSpan::Kind::Link) linked.push_back(s.target);
    }
  }
  for (std::size_t i = 1; i < doc.topics.size(); ++i) {
    EXPECT_NE(std::find(linked.begin(), linked.end(), doc.topics[i].title), linked.end())
        << doc.topics[i].title;
  }
}

TEST(ShippedHelpFile, NamesEveryCommandAndKey) {
  const std::string text = wholeText(parseHelp(shippedFile()));
  const auto mentions = [&](const std::string& s) { return text.find(s) != std::string::npos; };
  // The player items, exactly as the menu shows them (without the "&").
  for (const Colour c : kColours) {
    for (const bool person : {true, false}) {
      std::string caption = playerCaption(c, person);
      caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
      EXPECT_TRUE(mentions(caption)) << caption;
    }
  }
  for (const char* s : {"Neu", "Beenden", "leicht", "schwer", "Inhalt", "Suchen...",
                        "Hilfe benutzen", "Info...", "Würfeln", "Kann nicht", "Alt+W", "Alt+K",
                        "Strg+N", "Alt+F4", "Blau, Rot, Gelb, Grün", "UTC", "134775813"}) {
    EXPECT_TRUE(mentions(s)) << s;
  }
}

TEST(ShippedHelpFile, TheDieExampleIsRight) {
  // "um HH:MM:SS,mmm Uhr UTC (t = 43.200.000) zeigt zum Beispiel eine N"
  const std::string text = wholeText(parseHelp(shippedFile()));
  const std::regex example(
      R"(um (\d\d):(\d\d):(\d\d),(\d\d\d) Uhr UTC \(t = ([0-9.]+)\) zeigt zum Beispiel eine (\d))");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(text, m, example));
  const auto number = [&](int i) { return static_cast<std::uint32_t>(std::stoul(m[i].str())); };
  std::string t = m[5].str();
  t.erase(std::remove(t.begin(), t.end(), '.'), t.end());
  std::uint32_t seed = msOfDay(number(1), number(2), number(3), number(4));
  EXPECT_EQ(seed, static_cast<std::uint32_t>(std::stoul(t)));
  EXPECT_EQ(draw(seed, 6) + 1, number(6));
}

TEST(ShippedHelpFile, KeywordsCoverTheMainTerms) {
  const auto index = helpKeywords(parseHelp(shippedFile()));
  for (const char* word : {"Würfel", "Sechs", "leicht", "schwer", "Rauswerfen", "Ziel", "Neu",
                           "Beenden", "Tastatur", "Computer"}) {
    EXPECT_NE(std::find_if(index.begin(), index.end(),
                           [&](const HelpKeyword& k) { return k.keyword == word; }),
              index.end())
        << word;
  }
}

}  // namespace
}  // namespace quivalo

// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario runner driven with strings: bad lines, line numbering, the
// word splitting, and that each routine name reaches its own handler.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "tools/scenario/line_parser.h"
#include "tools/scenario/report.h"
#include "tools/scenario/routines.h"
#include "tools/scenario/runner.h"

namespace quivalo::scenario {
namespace {

struct RunResult {
  int status;
  std::string out;
  std::string err;
};

RunResult run(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  const int status = runScenario(in, out, err);
  return {status, out.str(), err.str()};
}

// One bad line, preceded by a print and followed by a roll and a print that
// must not run.
struct BadLine {
  const char* line;
  const char* message;
};

void PrintTo(const BadLine& bad, std::ostream* os) { *os << '"' << bad.line << '"'; }

class BadLineTest : public testing::TestWithParam<BadLine> {};

TEST_P(BadLineTest, StopsWithLineNumberAndStatusTwo) {
  const BadLine& bad = GetParam();
  const RunResult r =
      run(std::string("print Versuche\n") + bad.line + "\ncall WuerfelClick\nprint Augen\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "Versuche = 3\n");
  EXPECT_EQ(r.err, std::string("2: ") + bad.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, BadLineTest,
    testing::Values(
        BadLine{"jump 5", "unknown command 'jump'"},
        BadLine{"Print Augen", "unknown command 'Print'"},
        BadLine{"advance", "missing argument: usage 'advance MS'"},
        BadLine{"advance 5 6", "extra argument '6': usage 'advance MS'"},
        BadLine{"print Augen # roll", "extra argument '#': usage 'print NAME'"},
        BadLine{"advance 5ms", "milliseconds: '5ms' is not a plain decimal number"},
        BadLine{"advance -5", "milliseconds: '-5' is not a plain decimal number"},
        BadLine{"advance 0100", "milliseconds: '0100' is not a plain decimal number"},
        BadLine{"advance 4294967296", "milliseconds: 4294967296 is out of range 0..4294967295"},
        BadLine{"advance 99999999999999999999999",
                "milliseconds: 99999999999999999999999 is out of range 0..4294967295"},
        BadLine{"clock 86400000", "time of day: 86400000 is out of range 0..86399999"},
        BadLine{"clock", "missing argument: usage 'clock MS'"},
        BadLine{"set Werfer 256", "Werfer: 256 is out of range 0..255"},
        BadLine{"set Augen", "missing argument: usage 'set NAME VALUE'"},
        BadLine{"set Augen 1 2", "extra argument '2': usage 'set NAME VALUE'"},
        BadLine{"set Zeit 5",
                "cannot set 'Zeit' (Werfer, Versuche, Augen, ErsterSchritt, Ueberlagert, the "
                "four turn flags or Spielfeld[N])"},
        BadLine{"set Spielfeld[57] Blau", "Spielfeld index: 57 is out of range 1..56"},
        BadLine{"set Spielfeld[0] Blau", "Spielfeld index: 0 is out of range 1..56"},
        BadLine{"set Spielfeld[5] Lila",
                "unknown cell code 'Lila' (Leer, Blau, Gelb, Green, Rot or 0..4)"},
        BadLine{"set Spielfeld[5] 5", "cell code: 5 is out of range 0..4"},
        BadLine{"print Spielfeld[x]", "Spielfeld index: 'x' is not a plain decimal number"},
        BadLine{"print Spielfeld[5", "malformed cell name 'Spielfeld[5' (expected Spielfeld[N])"},
        BadLine{"show SteinBlau41", "unknown image 'SteinBlau41'"},
        BadLine{"hide Zahl7", "unknown image 'Zahl7'"},
        BadLine{"click Feld0", "unknown image 'Feld0'"},
        BadLine{"show", "missing argument: usage 'show IMAGE'"},
        BadLine{
            "check SpielerMenu5",
            "unknown menu item 'SpielerMenu5' (SpielerMenu1..SpielerMenu4, leicht1 or schwer1)"},
        BadLine{"uncheck Neu1",
                "unknown menu item 'Neu1' (SpielerMenu1..SpielerMenu4, leicht1 or "
                "schwer1)"},
        BadLine{"call", "missing argument: usage 'call ROUTINE [IMAGE ...]'"},
        BadLine{"call SteinBlau41Click", "unknown routine 'SteinBlau41Click'"},
        BadLine{"call ZielRotVoll4Click", "unknown routine 'ZielRotVoll4Click'"},
        BadLine{"call Beenden1Click", "unknown routine 'Beenden1Click'"},
        BadLine{"call WuerfelClick now", "'WuerfelClick' takes no image arguments, got 1"},
        BadLine{"call SteinGelb5Click SteinGelb5",
                "'SteinGelb5Click' takes no image arguments, got 1"},
        BadLine{"call HausRotVollClick", "'HausRotVollClick' takes 1 image argument, got 0"},
        BadLine{"call HausRotVollClick HausRotVoll5", "unknown image 'HausRotVoll5'"},
        BadLine{"call RausWurfBlau SteinGelb5 SteinRot5",
                "'RausWurfBlau' takes 3 image arguments, got 2"},
        BadLine{"print Zeit", "unknown name 'Zeit'"},
        BadLine{"print Feld41", "unknown name 'Feld41'"},
        BadLine{"print Neu1.Caption", "unknown name 'Neu1.Caption'"},
        BadLine{"print", "missing argument: usage 'print NAME'"},
        BadLine{"dump all", "extra argument 'all': usage 'dump'"}));

TEST(Runner, CountsBlankAndCommentLines) {
  const RunResult r = run("# a comment\n\n   \nprint Werfer\n\t# indented comment\nbogus\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "Werfer = 1\n");
  EXPECT_EQ(r.err, "6: unknown command 'bogus'\n");
}

TEST(Runner, AcceptsTabsAndWindowsLineEnds) {
  const RunResult r = run("\tprint \t Werfer\r\n# note\r\n\r\nprint Augen\r\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Werfer = 1\nAugen = 0\n");
  EXPECT_EQ(r.err, "");
}

TEST(Runner, EmptyScenarioPrintsNothing) {
  const RunResult r = run("");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
}

TEST(Runner, BadRoutineArgumentChangesNothing) {
  // The last image name is wrong: the knock-out must not run for the first two.
  Runner runner;
  std::ostringstream out;
  runner.execute("show SteinGelb5", out);
  runner.execute("set Augen 1", out);
  EXPECT_THROW(runner.execute("call RausWurfBlau SteinGelb5 SteinRot5 SteinGrun5", out),
               ScenarioError);
  EXPECT_TRUE(runner.game().state().isShown(Stein(Colour::Gelb, 5)));
  EXPECT_EQ(runner.game().state().Bemerkung, "");
  runner.execute("call RausWurfBlau SteinGelb5 SteinRot5 SteinGreen5", out);
  EXPECT_FALSE(runner.game().state().isShown(Stein(Colour::Gelb, 5)));
  EXPECT_EQ(out.str(), "");
}

TEST(Runner, CheckChangesTheMarkOnly) {
  Runner runner;
  std::ostringstream out;
  runner.execute("uncheck SpielerMenu1", out);
  runner.execute("check leicht1", out);
  const State& s = runner.game().state();
  EXPECT_FALSE(s.SpielerMenu[0].Checked);
  EXPECT_EQ(s.SpielerMenu[0].Caption, "&1 Blau - Mensch");
  EXPECT_TRUE(s.leicht1.Checked);
  EXPECT_TRUE(s.schwer1.Checked);  // no handler ran to clear it
}

TEST(Runner, SetAcceptsCellNamesAndNumbers) {
  Runner runner;
  std::ostringstream out;
  runner.execute("set Spielfeld[1] Rot", out);
  runner.execute("set Spielfeld[56] 3", out);
  runner.execute("set Spielfeld[20] 4", out);
  runner.execute("print Spielfeld[1]", out);
  runner.execute("print Spielfeld[56]", out);
  runner.execute("print Spielfeld[20]", out);
  EXPECT_EQ(out.str(), "Spielfeld[1] = Rot\nSpielfeld[56] = Green\nSpielfeld[20] = Rot\n");
}

TEST(Runner, AdvanceZeroFiresNothingNotYetDue) {
  Runner runner;
  std::ostringstream out;
  runner.execute("advance 0", out);
  runner.execute("advance 199", out);
  EXPECT_EQ(runner.host().firings(), 0u);
  runner.execute("advance 1", out);
  EXPECT_EQ(runner.host().firings(), 2u);  // Timer2 and Timer3 at 200
}

TEST(Routines, NamesAreUniqueAndComplete) {
  const auto names = routineNames();
  const std::set<std::string_view> unique(names.begin(), names.end());
  EXPECT_EQ(unique.size(), names.size());
  // 15 single routines; per colour: a player item, 40 steps, 3 goal steps, a
  // house handler, a knock-out routine, a computer player and its timer.
  EXPECT_EQ(names.size(), 15u + 4u * (1u + 40u + 3u + 1u + 1u + 1u + 1u));
  for (const char* name :
       {"FormCreate",          "NeuerWerfer",        "WuerfelClick",        "KannNichtBtnClick",
        "Timer1Timer",         "Timer2Timer",        "Timer3Timer",         "Timer4Timer",
        "Kommentar",           "Neu1Click",          "SpielerMenu1Click",   "SpielerMenu4Click",
        "leicht1Click",        "schwer1Click",       "Inhalt1Click",        "Suchen1Click",
        "Hilfebenutzen1Click", "SteinBlau1Click",    "SteinRot40Click",     "SteinGelb17Click",
        "SteinGreen40Click",   "ZielBlauVoll1Click", "ZielGreenVoll3Click", "HausBlauVollClick",
        "HausGreenVollClick",  "RausWurfRot",        "RausWurfGreen",       "ComputerBlau",
        "ComputerGreen",       "BlauTimerTimer",     "GreenTimerTimer"}) {
    EXPECT_TRUE(unique.contains(name)) << name;
  }
}

// Each step routine moves its own colour's piece from its own field.
TEST(Routines, StepRoutinesReachTheirColourAndField) {
  for (Colour c : kColours) {
    for (int n : {1, 17, 40}) {
      Runner runner;
      State& s = runner.game().state();
      s.BlauDran = 0;
      s.Dran(c) = 1;
      s.Augen = 1;
      s.ErsterSchritt = 1;
      s.setShown(Stein(c, n), true);
      s.cell(n) = info(c).code;
      const std::string name = "Stein" + std::string(info(c).word) + std::to_string(n) + "Click";
      std::ostringstream out;
      runner.execute("call " + name, out);
      EXPECT_EQ(s.Augen, 0) << name;
      EXPECT_FALSE(s.isShown(Stein(c, n))) << name;
      EXPECT_EQ(s.cell(n), Cell::Leer) << name;
    }
  }
}

TEST(Routines, GoalRoutinesReachTheirColourAndSlot) {
  for (Colour c : kColours) {
    for (int k = 1; k <= 3; ++k) {
      Runner runner;
      State& s = runner.game().state();
      s.BlauDran = 0;
      s.Dran(c) = 1;
      s.Augen = 1;
      s.ErsterSchritt = 1;
      s.setShown(ZielVoll(c, k), true);
      s.setShown(ZielLeer(c, k), false);
      s.cell(info(c).goalCell1 + k - 1) = info(c).code;
      const std::string name =
          "Ziel" + std::string(info(c).word) + "Voll" + std::to_string(k) + "Click";
      std::ostringstream out;
      runner.execute("call " + name, out);
      EXPECT_EQ(s.Augen, 0) << name;
      EXPECT_TRUE(s.isShown(ZielVoll(c, k + 1))) << name;
      EXPECT_EQ(s.cell(info(c).goalCell1 + k), info(c).code) << name;
    }
  }
}

TEST(Routines, HouseRoutineEmptiesTheSlotNamed) {
  Runner runner;
  State& s = runner.game().state();
  s.BlauDran = 0;
  s.GreenDran = 1;
  s.Augen = 6;
  std::ostringstream out;
  runner.execute("call HausGreenVollClick HausGreenVoll3", out);
  EXPECT_FALSE(s.isShown(HausVoll(Colour::Green, 3)));
  EXPECT_TRUE(s.isShown(HausVoll(Colour::Green, 1)));
  EXPECT_TRUE(s.isShown(Stein(Colour::Green, 31)));
  EXPECT_EQ(s.cell(31), Cell::Green);
}

TEST(Routines, ComputerTimerRoutineStopsItsTimerAndRolls) {
  Runner runner;
  std::ostringstream out;
  runner.execute("uncheck SpielerMenu1", out);
  runner.execute("call NeuerWerfer", out);
  ASSERT_EQ(runner.game().state().intervalOf(TimerId::BlauTimer), 250u);
  // t = 0: die 1, no move for Blau (all at home), given up; 3 -> 2 rolls,
  // and BlauTimer armed again for the next one.
  runner.execute("call BlauTimerTimer", out);
  const State& s = runner.game().state();
  EXPECT_EQ(s.Versuche, 2);
  EXPECT_EQ(s.Augen, 0);
  EXPECT_EQ(s.intervalOf(TimerId::BlauTimer), 250u);
  EXPECT_EQ(runner.game().stats().rolls, 1u);
}

TEST(Report, DumpListsEveryNameOnceAndEachPrints) {
  Runner runner;
  const auto& names = dumpNames();
  // Turn bytes, cells, images, buttons, captions (FarbLabel, Bemerkung and six
  // menu items), marks, timers, and Dialog, Help, Time, Clock.
  EXPECT_EQ(names.size(), 9u + 56u + 270u + 2u + 8u + 6u + 8u + 4u);
  const std::set<std::string> unique(names.begin(), names.end());
  EXPECT_EQ(unique.size(), names.size());
  for (const std::string& name : names) {
    EXPECT_TRUE(valueOf(runner.game(), runner.host(), name).has_value()) << name;
  }
}

TEST(Report, QuotesAndEscapesText) {
  EXPECT_EQ(quotedText(""), "\"\"");
  EXPECT_EQ(quotedText("Ups ..."), "\"Ups ...\"");
  EXPECT_EQ(quotedText("a\"b\\c"), "\"a\\\"b\\\\c\"");
}

TEST(LineParser, SplitsWordsAndDropsComments) {
  EXPECT_EQ(splitWords("  set\tAugen  3 \r").size(), 3u);
  EXPECT_TRUE(splitWords("#print Augen").empty());
  EXPECT_TRUE(splitWords("  # x").empty());
  EXPECT_TRUE(splitWords("\r").empty());
  const auto words = splitWords("print Spielfeld[7]");
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[1], "Spielfeld[7]");
}

TEST(LineParser, ReadsPlainNumbersInRange) {
  EXPECT_EQ(parseNumber("0", 0, 5, "x"), 0u);
  EXPECT_EQ(parseNumber("86399999", 0, 86399999, "x"), 86399999u);
  EXPECT_THROW(parseNumber("", 0, 5, "x"), ScenarioError);
  EXPECT_THROW(parseNumber("+1", 0, 5, "x"), ScenarioError);
  EXPECT_THROW(parseNumber("1.0", 0, 5, "x"), ScenarioError);
  EXPECT_THROW(parseNumber("6", 0, 5, "x"), ScenarioError);
  EXPECT_THROW(parseNumber("0", 1, 5, "x"), ScenarioError);
  EXPECT_EQ(spielfeldIndex("Spielfeld[56]"), 56);
  EXPECT_THROW(spielfeldIndex("Spielfeld[056]"), ScenarioError);
  EXPECT_THROW(spielfeldIndex("Spielfeld[]"), ScenarioError);
}

}  // namespace
}  // namespace quivalo::scenario

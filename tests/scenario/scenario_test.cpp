// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario runner's handling of bad lines and of blank, comment and
// Windows lines. What it prints for good lines is pinned by the golden
// scenarios beside this file.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "scenario/line_parser.h"
#include "scenario/runner.h"

namespace quivalo::scenario {
namespace {

std::pair<int, std::string> run(const std::string& script, std::string& out) {
  std::istringstream in(script);
  std::ostringstream o;
  std::ostringstream err;
  const int status = runScenario(in, o, err);
  out = o.str();
  return {status, err.str()};
}

// Bad lines, grouped by a word their message must contain.
const std::vector<std::pair<const char*, std::vector<const char*>>> kBadLines{
    {"unknown command", {"jump 5", "Print Augen"}},
    {"missing argument", {"advance", "clock", "set Augen", "show", "call", "print"}},
    {"extra argument", {"advance 5 6", "print Augen # roll", "dump all", "set Augen 1 2"}},
    {"not a plain decimal", {"advance 5ms", "advance -5", "advance 0100", "print Spielfeld[x]"}},
    {"out of range",
     {"advance 4294967296", "advance 99999999999999999999999", "clock 86400000", "set Werfer 256",
      "set Spielfeld[57] Blau", "set Spielfeld[0] Blau", "set Spielfeld[5] 5"}},
    {"cannot set", {"set Zeit 5"}},
    {"unknown cell code", {"set Spielfeld[5] Lila"}},
    {"malformed", {"print Spielfeld[5"}},
    {"unknown image",
     {"show SteinBlau41", "show Feld01", "show SteinGrün5", "show HausRotHalb1",
      "show ZielGelbVoll", "show steinblau5", "hide Zahl7", "click Feld0",
      "call HausRotVollClick HausRotVoll5"}},
    {"unknown menu item", {"check SpielerMenu5", "uncheck Neu1"}},
    {"unknown routine", {"call SteinBlau41Click", "call ZielRotVoll4Click"}},
    {"takes no image", {"call WuerfelClick now", "call SteinGelb5Click SteinGelb5"}},
    {"takes 1 image", {"call HausRotVollClick"}},
    {"takes 3 image", {"call RausWurfBlau SteinGelb5 SteinRot5"}},
    {"unknown name", {"print Zeit", "print Feld41", "print Neu1.Caption"}}};

TEST(Scenario, ABadLineEndsTheRunWithItsNumber) {
  for (const auto& [word, lines] : kBadLines) {
    for (const char* line : lines) {
      std::string out;
      const auto [status, err] =
          run(std::string("print Versuche\n\n# x\n") + line + "\ncall WuerfelClick\nprint Augen\n",
              out);
      EXPECT_EQ(status, 2) << line;
      EXPECT_EQ(out, "Versuche = 3\n") << line;
      EXPECT_TRUE(err.starts_with("4: ") && err.ends_with("\n")) << err;
      EXPECT_NE(err.find(word), std::string::npos) << err;
    }
  }
}

TEST(Scenario, TabsAndWindowsLineEndsAreBlanks) {
  std::string out;
  EXPECT_EQ(run("\tprint \t Werfer\r\n# note\r\n\r\nprint Augen\r\n", out).first, 0);
  EXPECT_EQ(out, "Werfer = 1\nAugen = 0\n");
}

TEST(Scenario, ABadLineTakesNoEffect) {
  Runner runner;
  std::ostringstream out;
  runner.execute("show SteinGelb5", out);
  runner.execute("set Augen 1", out);
  EXPECT_THROW(runner.execute("call RausWurfBlau SteinGelb5 SteinRot5 SteinGrun5", out),
               ScenarioError);
  EXPECT_TRUE(runner.game().state().isShown(Stein(Colour::Gelb, 5)));
  EXPECT_EQ(runner.game().state().Bemerkung, "");
}

}  // namespace
}  // namespace quivalo::scenario

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace quivalo {
namespace {

using NewGameTest = testing::GameTest;
using SettingsTest = testing::GameTest;

TEST_F(NewGameTest, ANewGameShowsTheSameBoardAsAFreshStart) {
  VirtualHost freshHost;
  Game fresh(freshHost.platform());
  // Mess the board up: pieces out, goal slots full, die face shown.
  takeFromHouse(Colour::Blau, 2);
  place(Colour::Blau, 7);
  takeFromHouse(Colour::Gelb, 1);
  placeInGoal(Colour::Gelb, 4);
  s().setShown(HausLeer(Colour::Rot, 3), true);
  s().Werfer = 3;
  s().Versuche = 0;
  game.Neu1Click();
  for (int i = 0; i < kBoardImageCount; ++i) {
    EXPECT_EQ(s().isShown(Image(i)), fresh.state().isShown(Image(i))) << imageName(Image(i));
  }
  EXPECT_EQ(s().Spielfeld, fresh.state().Spielfeld);
  EXPECT_EQ(s().Werfer, 1);
  EXPECT_EQ(s().BlauDran, 1);
  EXPECT_EQ(s().GelbDran, 0);
  EXPECT_EQ(s().Versuche, 3);
  EXPECT_EQ(s().FarbLabel, "Blau");
  expectConsistent();
}

TEST_F(NewGameTest, InTheMiddleOfARollTheRollClosesAtTheNextTick) {
  nextRollGives(4);
  game.WuerfelClick();
  game.Neu1Click();
  EXPECT_TRUE(s().isShown(Zahl(4)));  // die faces are not part of the board
  EXPECT_TRUE(s().KannNichtBtnEnabled);
  EXPECT_EQ(s().Augen, 0);
  host.advance(100);
  EXPECT_FALSE(s().isShown(Zahl(4)));
  EXPECT_FALSE(s().KannNichtBtnEnabled);
  EXPECT_TRUE(s().WuerfelEnabled);
  EXPECT_EQ(s().Werfer, 1);
  EXPECT_EQ(s().Versuche, 3);
}

TEST_F(NewGameTest, Timer3RunsAt500AfterANewGame) {
  host.advance(50);
  game.Neu1Click();  // from 200 to 500: a fresh period from now
  EXPECT_EQ(s().intervalOf(TimerId::Timer3), 500u);
  s().setShown(ZielVoll(Colour::Rot, 1), true);
  for (int k = 1; k <= 4; ++k) {
    s().setShown(ZielVoll(Colour::Rot, k), true);
  }
  host.advance(499);
  EXPECT_TRUE(host.dialogs().empty());
  host.advance(1);
  EXPECT_EQ(host.dialogs().size(), 1u);
}

TEST_F(NewGameTest, ASecondNewGameLeavesTheRunningCheckUndisturbed) {
  game.Neu1Click();  // at 0: check due at 500, 1000, ...
  host.advance(400);
  game.Neu1Click();  // already 500: same period goes on
  for (int k = 1; k <= 4; ++k) {
    s().setShown(ZielVoll(Colour::Blau, k), true);
  }
  host.advance(100);  // t = 500
  EXPECT_EQ(host.dialogs().size(), 1u);
}

TEST_F(NewGameTest, AfterAWinTheGameCanBePlayedAgain) {
  for (int k = 1; k <= 4; ++k) {
    s().setShown(ZielVoll(Colour::Gelb, k), true);
  }
  host.advance(200);
  ASSERT_EQ(host.dialogs().size(), 1u);
  ASSERT_FALSE(s().WuerfelEnabled);
  game.Neu1Click();
  EXPECT_TRUE(s().WuerfelEnabled);
  EXPECT_EQ(s().intervalOf(TimerId::Timer3), 500u);
  host.advance(10'000);
  EXPECT_EQ(host.dialogs().size(), 1u);
}

TEST_F(NewGameTest, WithBlauSetToComputerTheGamePlaysItself) {
  game.SpielerMenu1Click();
  EXPECT_EQ(s().intervalOf(TimerId::BlauTimer), 0u);  // switching starts nothing
  game.Neu1Click();
  EXPECT_EQ(s().intervalOf(TimerId::BlauTimer), 250u);
  host.advance(250);
  EXPECT_EQ(game.stats().rolls, 1u);
}

TEST_F(NewGameTest, AComputerTimerArmedBeforeANewGameFiresOnceAfterIt) {
  s().Versuche = 0;
  game.NeuerWerfer();  // Rot to roll, RotTimer armed
  ASSERT_EQ(s().intervalOf(TimerId::RotTimer), 250u);
  host.advance(100);
  game.Neu1Click();
  ASSERT_EQ(s().Werfer, 1);
  EXPECT_EQ(s().intervalOf(TimerId::RotTimer), 250u);
  host.setTimeOfDay(testing::timeForDie(2, 1000) - 150);
  host.advance(150);  // RotTimer fires: Rot's roll counts against Blau
  EXPECT_EQ(game.stats().rolls, 1u);
  EXPECT_EQ(s().Werfer, 1);
  EXPECT_EQ(s().Versuche, 2);
  EXPECT_EQ(s().intervalOf(TimerId::RotTimer), 0u);
  EXPECT_TRUE(s().WuerfelEnabled);
  expectConsistent();
}

TEST_F(SettingsTest, PlayerItemsToggleMarkAndCaptionTogether) {
  const char* person[] = {"&1 Blau - Mensch", "&2 Rot - Mensch", "&3 Gelb - Mensch",
                          "&4 Grün - Mensch"};
  const char* computer[] = {"&1 Blau - Computer", "&2 Rot - Computer", "&3 Gelb - Computer",
                            "&4 Grün - Computer"};
  for (Colour c : kColours) {
    const auto i = static_cast<std::size_t>(index(c));
    const MenuItem before = s().SpielerMenu[i];
    game.SpielerMenuClick(c);
    EXPECT_NE(s().SpielerMenu[i].Checked, before.Checked);
    EXPECT_EQ(s().SpielerMenu[i].Caption, s().SpielerMenu[i].Checked ? person[i] : computer[i]);
    game.SpielerMenuClick(c);
    EXPECT_EQ(s().SpielerMenu[i], before);
  }
}

TEST_F(SettingsTest, SwitchingAPlayerStartsAndStopsNothing) {
  const auto intervals = s().interval;
  for (Colour c : kColours) {
    game.SpielerMenuClick(c);
  }
  EXPECT_EQ(s().interval, intervals);
}

TEST_F(SettingsTest, StrengthItemsStayExclusive) {
  game.schwer1Click();
  EXPECT_TRUE(s().schwer1.Checked);
  EXPECT_FALSE(s().leicht1.Checked);
  game.leicht1Click();
  EXPECT_FALSE(s().schwer1.Checked);
  EXPECT_TRUE(s().leicht1.Checked);
  game.leicht1Click();
  EXPECT_TRUE(s().leicht1.Checked);
  game.schwer1Click();
  EXPECT_TRUE(s().schwer1.Checked);
  EXPECT_FALSE(s().leicht1.Checked);
}

TEST_F(SettingsTest, HelpCommandsGoToTheViewer) {
  const State before = s();
  game.Inhalt1Click();
  game.Suchen1Click();
  game.Hilfebenutzen1Click();
  EXPECT_EQ(host.helpRequests(),
            (std::vector<HelpRequest>{HelpRequest::Contents, HelpRequest::Search,
                                      HelpRequest::HelpOnHelp}));
  EXPECT_EQ(s(), before);
}

}  // namespace
}  // namespace quivalo

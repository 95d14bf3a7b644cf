// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/state.h"
#include "support/fixture.h"

namespace quivalo {
namespace {

TEST(ImageNames, EveryImageRoundTripsThroughItsName) {
  for (int i = 0; i < kImageCount; ++i) {
    const std::string name = imageName(Image(i));
    const auto back = imageByName(name);
    ASSERT_TRUE(back.has_value()) << name;
    EXPECT_EQ(index(*back), i) << name;
  }
}

TEST(ImageNames, NamesFollowTheFamilies) {
  struct Case {
    Image image;
    const char* name;
  };
  const Case cases[] = {
      {Feld(1), "Feld1"},
      {Feld(40), "Feld40"},
      {Stein(Colour::Blau, 5), "SteinBlau5"},
      {Stein(Colour::Green, 40), "SteinGreen40"},
      {HausVoll(Colour::Rot, 3), "HausRotVoll3"},
      {HausLeer(Colour::Gelb, 1), "HausGelbLeer1"},
      {ZielVoll(Colour::Green, 4), "ZielGreenVoll4"},
      {ZielLeer(Colour::Blau, 2), "ZielBlauLeer2"},
      {Zahl(6), "Zahl6"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(imageName(c.image), c.name);
  }
}

TEST(ImageNames, MalformedNamesAreRejected) {
  for (const char* bad : {"",
                          "Feld0",
                          "Feld41",
                          "Feld01",
                          "Feld1x",
                          "SteinBlau0",
                          "SteinBlau41",
                          "SteinGruen5",
                          "SteinGrün5",
                          "HausRotVoll0",
                          "HausRotVoll5",
                          "HausRotHalb1",
                          "ZielGelbVoll",
                          "Zahl0",
                          "Zahl7",
                          "steinblau5",
                          "SteinBlau 5",
                          "Feld-1",
                          "Feld+1",
                          "Feld99999999999"}) {
    EXPECT_FALSE(imageByName(bad).has_value()) << bad;
  }
}

TEST(ImageNames, ThereAre264BoardImagesInSixFamilies) {
  int counts[7] = {};
  for (int i = 0; i < kImageCount; ++i) {
    ++counts[static_cast<int>(partsOf(Image(i)).kind)];
  }
  EXPECT_EQ(counts[static_cast<int>(ImageKind::Feld)], 40);
  EXPECT_EQ(counts[static_cast<int>(ImageKind::Stein)], 160);
  for (ImageKind k :
       {ImageKind::HausVoll, ImageKind::HausLeer, ImageKind::ZielVoll, ImageKind::ZielLeer}) {
    EXPECT_EQ(counts[static_cast<int>(k)], 16);
  }
  EXPECT_EQ(counts[static_cast<int>(ImageKind::Zahl)], 6);
}

TEST(CellCodes, NamesAndNumbers) {
  EXPECT_EQ(static_cast<int>(Cell::Rot), 4);
  EXPECT_EQ(static_cast<int>(Cell::Gelb), 2);
  for (Cell c : {Cell::Leer, Cell::Blau, Cell::Gelb, Cell::Green, Cell::Rot}) {
    EXPECT_EQ(cellByName(cellName(c)), c);
  }
  EXPECT_FALSE(cellByName("Gruen").has_value());
}

TEST(Timers, NamesInTableOrder) {
  const char* names[] = {"Timer1",    "Timer2",   "Timer3",    "Timer4",
                         "BlauTimer", "RotTimer", "GelbTimer", "GreenTimer"};
  for (int i = 0; i < kTimerCount; ++i) {
    EXPECT_EQ(timerName(TimerId(i)), names[i]);
    EXPECT_EQ(timerByName(names[i]), TimerId(i));
  }
  EXPECT_EQ(computerTimer(Colour::Gelb), TimerId::GelbTimer);
}

using StartTest = testing::GameTest;

TEST_F(StartTest, TheWindowOpensWithBlauToMoveAndThreeRolls) {
  EXPECT_EQ(s().Werfer, 1);
  EXPECT_EQ(s().BlauDran, 1);
  EXPECT_EQ(s().RotDran + s().GelbDran + s().GreenDran, 0);
  EXPECT_EQ(s().Versuche, 3);
  EXPECT_EQ(s().Augen, 0);
  EXPECT_EQ(s().FarbLabel, "Blau");
  EXPECT_EQ(s().Bemerkung, "");
  EXPECT_TRUE(s().WuerfelEnabled);
  EXPECT_FALSE(s().KannNichtBtnEnabled);
  for (int c = 1; c <= 56; ++c) {
    EXPECT_EQ(s().cell(c), Cell::Leer) << c;
  }
  for (Colour c : kColours) {
    EXPECT_EQ(pieceCount(s(), c), 4);
    for (int k = 1; k <= 4; ++k) {
      EXPECT_TRUE(s().isShown(HausVoll(c, k)));
      EXPECT_FALSE(s().isShown(HausLeer(c, k)));
      EXPECT_TRUE(s().isShown(ZielLeer(c, k)));
      EXPECT_FALSE(s().isShown(ZielVoll(c, k)));
    }
  }
  for (int n = 1; n <= 6; ++n) {
    EXPECT_FALSE(s().isShown(Zahl(n)));
  }
  expectConsistent();
}

TEST_F(StartTest, MenusAndTimersHaveTheirCreationValues) {
  EXPECT_EQ(s().SpielerMenu[0].Caption, "&1 Blau - Mensch");
  EXPECT_EQ(s().SpielerMenu[1].Caption, "&2 Rot - Computer");
  EXPECT_EQ(s().SpielerMenu[2].Caption, "&3 Gelb - Computer");
  EXPECT_EQ(s().SpielerMenu[3].Caption, "&4 Grün - Computer");
  EXPECT_TRUE(s().SpielerMenu[0].Checked);
  EXPECT_FALSE(s().SpielerMenu[1].Checked || s().SpielerMenu[2].Checked ||
               s().SpielerMenu[3].Checked);
  EXPECT_TRUE(s().schwer1.Checked);
  EXPECT_FALSE(s().leicht1.Checked);
  const std::uint32_t expected[] = {0, 200, 200, 1000, 0, 0, 0, 0};
  for (int i = 0; i < kTimerCount; ++i) {
    EXPECT_EQ(s().intervalOf(TimerId(i)), expected[i]) << timerName(TimerId(i));
    EXPECT_EQ(host.interval(TimerId(i)), expected[i]) << timerName(TimerId(i));
  }
}

}  // namespace
}  // namespace quivalo

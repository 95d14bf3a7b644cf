// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace quivalo {
namespace {

using TidyTest = testing::GameTest;
using WinnerTest = testing::GameTest;

// Sets colour c's house to exactly the full slots given; the empty pictures
// are shown under every empty slot.
void setHouse(State& s, Colour c, std::initializer_list<int> full) {
  for (int k = 1; k <= 4; ++k) {
    s.setShown(HausVoll(c, k), false);
    s.setShown(HausLeer(c, k), true);
  }
  for (int k : full) {
    s.setShown(HausVoll(c, k), true);
    s.setShown(HausLeer(c, k), false);
  }
}

std::vector<int> fullSlots(const State& s, Colour c) {
  std::vector<int> slots;
  for (int k = 1; k <= 4; ++k) {
    if (s.isShown(HausVoll(c, k))) {
      slots.push_back(k);
    }
  }
  return slots;
}

TEST_F(TidyTest, WorkedExamples) {
  setHouse(s(), Colour::Blau, {1, 2});
  setHouse(s(), Colour::Rot, {4});
  setHouse(s(), Colour::Gelb, {3});
  setHouse(s(), Colour::Green, {1, 3});
  game.Timer2Timer();
  EXPECT_EQ(fullSlots(s(), Colour::Blau), (std::vector<int>{3, 4}));
  EXPECT_EQ(fullSlots(s(), Colour::Rot), (std::vector<int>{3}));
  EXPECT_EQ(fullSlots(s(), Colour::Gelb), (std::vector<int>{1}));
  EXPECT_EQ(fullSlots(s(), Colour::Green), (std::vector<int>{2, 4}));
  // The slots pieces moved into no longer show their empty picture beneath.
  EXPECT_FALSE(s().isShown(HausLeer(Colour::Blau, 3)));
  EXPECT_TRUE(s().isShown(HausLeer(Colour::Blau, 1)));
}

TEST_F(TidyTest, OnePassPacksEveryHouseInItsFillOrder) {
  for (Colour c : kColours) {
    for (int mask = 0; mask < 16; ++mask) {
      for (int k = 1; k <= 4; ++k) {
        s().setShown(HausVoll(c, k), (mask >> (k - 1)) & 1);
        // Leave the empty pictures in a pattern of their own, as knock-outs do.
        s().setShown(HausLeer(c, k), k % 2 == 0);
      }
      const State before = s();
      const int pieces = __builtin_popcount(static_cast<unsigned>(mask));
      game.Timer2Timer();
      const auto& fill = info(c).fillOrder;
      for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s().isShown(HausVoll(c, fill[static_cast<std::size_t>(i)])), i < pieces)
            << info(c).word << " mask " << mask;
      }
      // A slot that neither gained nor lost a piece keeps its empty picture.
      for (int k = 1; k <= 4; ++k) {
        if (before.isShown(HausVoll(c, k)) == s().isShown(HausVoll(c, k))) {
          EXPECT_EQ(before.isShown(HausLeer(c, k)), s().isShown(HausLeer(c, k)));
        } else {
          EXPECT_EQ(s().isShown(HausLeer(c, k)), !s().isShown(HausVoll(c, k)));
        }
      }
    }
  }
}

TEST_F(TidyTest, RunsEvery200MillisecondsAndNeverStops) {
  setHouse(s(), Colour::Rot, {2});
  host.advance(199);
  EXPECT_EQ(fullSlots(s(), Colour::Rot), (std::vector<int>{2}));
  host.advance(1);
  EXPECT_EQ(fullSlots(s(), Colour::Rot), (std::vector<int>{3}));
  EXPECT_EQ(s().intervalOf(TimerId::Timer2), 200u);
}

void fillGoal(State& s, Colour c) {
  for (int k = 1; k <= 4; ++k) {
    s.setShown(ZielVoll(c, k), true);
    s.setShown(ZielLeer(c, k), false);
  }
}

TEST_F(WinnerTest, EachColourIsCongratulatedByName) {
  const char* texts[] = {"Herzlichen Glückwunsch Herr Blau, Sie haben gewonnen.",
                         "Herzlichen Glückwunsch Herr Rot, Sie haben gewonnen.",
                         "Herzlichen Glückwunsch Herr Gelb, Sie haben gewonnen.",
                         "Herzlichen Glückwunsch Herr Grün, Sie haben gewonnen."};
  for (Colour c : kColours) {
    VirtualHost h;
    Game g(h.platform());
    fillGoal(g.state(), c);
    g.Timer3Timer();
    ASSERT_EQ(h.dialogs().size(), 1u);
    EXPECT_EQ(h.dialogs()[0], texts[index(c)]);
  }
}

TEST_F(WinnerTest, AWinStopsTheGameAndIsCongratulatedOnce) {
  for (Colour c : {Colour::Rot, Colour::Gelb, Colour::Green}) {
    game.SpielerMenuClick(c);  // no computer rolls in the way
  }
  fillGoal(s(), Colour::Gelb);
  nextRollGives(3);
  game.WuerfelClick();
  game.setInterval(TimerId::RotTimer, 250);
  host.advance(200);  // Timer3 ticks at 200
  ASSERT_EQ(host.dialogs().size(), 1u);
  for (TimerId t : {TimerId::Timer1, TimerId::Timer3, TimerId::BlauTimer, TimerId::RotTimer,
                    TimerId::GelbTimer, TimerId::GreenTimer}) {
    EXPECT_EQ(s().intervalOf(t), 0u) << timerName(t);
    EXPECT_EQ(host.interval(t), 0u) << timerName(t);
  }
  EXPECT_EQ(s().intervalOf(TimerId::Timer2), 200u);
  EXPECT_FALSE(s().WuerfelEnabled);
  host.advance(10'000);
  EXPECT_EQ(host.dialogs().size(), 1u);
  EXPECT_EQ(s().Augen, 3);  // the roll is never ended
}

TEST_F(WinnerTest, TheDiceButtonIsAlreadyDisabledWhileTheMessageShows) {
  // A dialog that looks at the game while it is open.
  struct Watching : InfoDialog {
    const State* state = nullptr;
    std::vector<bool> wuerfelEnabled;
    void information(std::string_view) override { wuerfelEnabled.push_back(state->WuerfelEnabled); }
  } dialog;
  VirtualHost h;
  Game g({h, h, dialog, h});
  dialog.state = &g.state();
  fillGoal(g.state(), Colour::Green);
  ASSERT_TRUE(g.state().WuerfelEnabled);
  g.Timer3Timer();
  EXPECT_EQ(dialog.wuerfelEnabled, std::vector<bool>{false});
  EXPECT_FALSE(g.state().WuerfelEnabled);
}

TEST_F(WinnerTest, TwoFullLanesInOneCheckCongratulateOnlyTheFirst) {
  fillGoal(s(), Colour::Green);
  fillGoal(s(), Colour::Rot);
  game.Timer3Timer();
  ASSERT_EQ(host.dialogs().size(), 1u);
  EXPECT_NE(host.dialogs()[0].find("Herr Rot,"), std::string::npos);
  game.Timer3Timer();  // called again by hand: still the first lane in order
  EXPECT_EQ(host.dialogs().size(), 2u);
  EXPECT_NE(host.dialogs()[1].find("Herr Rot,"), std::string::npos);
}

TEST_F(WinnerTest, ThreeFullSlotsAreNoWin) {
  fillGoal(s(), Colour::Blau);
  s().setShown(ZielVoll(Colour::Blau, 2), false);
  host.advance(2000);
  EXPECT_TRUE(host.dialogs().empty());
  EXPECT_TRUE(s().WuerfelEnabled);
}

}  // namespace
}  // namespace quivalo

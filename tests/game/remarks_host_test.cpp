// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "support/fixture.h"

namespace quivalo {
namespace {

using RemarksTest = testing::GameTest;

// The remark for a knock-out at time of day t, from the formula: draw(11)
// right after reseeding with t.
std::size_t remarkAt(std::uint32_t t) {
  const std::uint64_t seed = (std::uint64_t{t} * 134775813u + 1u) % (std::uint64_t{1} << 32);
  return static_cast<std::size_t>((seed * 11) >> 32);
}

TEST_F(RemarksTest, TheElevenRemarks) {
  ASSERT_EQ(kRemarks.size(), 11u);
  EXPECT_EQ(kRemarks[0], "Ätsch!");
  EXPECT_EQ(kRemarks[4], "Tschüüüüüüs.");
  EXPECT_EQ(kRemarks[10], "Ups ...");
  // Twelve characters, six of them "ü" (two bytes each in UTF-8).
  EXPECT_EQ(kRemarks[4].size(), 12u + 6u);
}

TEST_F(RemarksTest, ARemarkDependsOnlyOnTheMillisecond) {
  std::set<std::string> seen;
  for (std::uint32_t t = 0; t < 3000; t += 7) {
    host.setTimeOfDay(t);
    game.WuerfelClick();  // an earlier draw does not matter: every call reseeds
    game.Kommentar();
    EXPECT_EQ(s().Bemerkung, kRemarks[remarkAt(t)]) << t;
    seen.insert(s().Bemerkung);
  }
  EXPECT_EQ(seen.size(), 11u);
}

TEST_F(RemarksTest, ARemarkStaysOneSecond) {
  host.advance(1000);  // the start-up tick of Timer4 clears the empty line and stops
  EXPECT_EQ(s().intervalOf(TimerId::Timer4), 0u);
  game.Kommentar();
  EXPECT_FALSE(s().Bemerkung.empty());
  host.advance(999);
  EXPECT_FALSE(s().Bemerkung.empty());
  host.advance(1);
  EXPECT_TRUE(s().Bemerkung.empty());
  EXPECT_EQ(s().intervalOf(TimerId::Timer4), 0u);
}

TEST_F(RemarksTest, ASecondKnockOutRestartsTheSecond) {
  host.advance(1000);
  game.Kommentar();
  host.advance(600);
  host.setTimeOfDay(5);  // another remark
  game.Kommentar();
  const std::string second = s().Bemerkung;
  host.advance(999);
  EXPECT_EQ(s().Bemerkung, second);
  host.advance(1);
  EXPECT_TRUE(s().Bemerkung.empty());
}

TEST_F(RemarksTest, ARemarkDuringTheFirstSecondAlsoStaysAFullSecond) {
  host.advance(500);  // Timer4 still running from start-up at 1000
  game.Kommentar();
  host.advance(600);  // past the start-up tick
  EXPECT_FALSE(s().Bemerkung.empty());
  host.advance(400);
  EXPECT_TRUE(s().Bemerkung.empty());
}

TEST(VirtualHostTest, TheTimerConvention) {
  VirtualHost host;
  struct Recorder : TimerTarget {
    std::vector<std::pair<std::uint64_t, TimerId>> fired;
    VirtualHost* host = nullptr;
    void onTimer(TimerId t) override { fired.emplace_back(host->now(), t); }
  } rec;
  rec.host = &host;
  host.setTarget(&rec);
  host.setInterval(TimerId::Timer1, 100);
  host.advance(60);
  host.setInterval(TimerId::Timer1, 100);  // same interval: period undisturbed
  host.advance(40);
  ASSERT_EQ(rec.fired.size(), 1u);
  EXPECT_EQ(rec.fired[0].first, 100u);
  host.advance(30);
  host.setInterval(TimerId::Timer1, 50);  // new interval: fresh period from 130
  host.advance(49);
  EXPECT_EQ(rec.fired.size(), 1u);
  host.advance(1);
  ASSERT_EQ(rec.fired.size(), 2u);
  EXPECT_EQ(rec.fired[1].first, 180u);
  host.setInterval(TimerId::Timer1, 0);  // 0 stops it
  host.advance(1000);
  EXPECT_EQ(rec.fired.size(), 2u);
  EXPECT_EQ(host.nextDue(), UINT64_MAX);
}

TEST(VirtualHostTest, TimersDueTogetherFireInTableOrder) {
  VirtualHost host;
  struct Recorder : TimerTarget {
    std::vector<TimerId> fired;
    void onTimer(TimerId t) override { fired.push_back(t); }
  } rec;
  host.setTarget(&rec);
  for (TimerId t : {TimerId::GreenTimer, TimerId::Timer4, TimerId::BlauTimer, TimerId::Timer1}) {
    host.setInterval(t, 100);
  }
  host.advance(100);
  EXPECT_EQ(rec.fired, (std::vector<TimerId>{TimerId::Timer1, TimerId::Timer4, TimerId::BlauTimer,
                                             TimerId::GreenTimer}));
}

TEST(VirtualHostTest, ATimerStartedAsItFiresComesOneIntervalLater) {
  VirtualHost host;
  struct Restarter : TimerTarget {
    VirtualHost* host = nullptr;
    std::vector<std::uint64_t> at;
    void onTimer(TimerId t) override {
      at.push_back(host->now());
      host->setInterval(t, 0);
      host->setInterval(t, 250);
    }
  } r;
  r.host = &host;
  host.setTarget(&r);
  host.setInterval(TimerId::RotTimer, 250);
  host.advance(1000);
  EXPECT_EQ(r.at, (std::vector<std::uint64_t>{250, 500, 750, 1000}));
}

TEST(VirtualHostTest, TheClockOnlyMovesTheTimeOfDay) {
  VirtualHost host;
  host.setTimeOfDay(1000);
  host.advance(250);
  EXPECT_EQ(host.msSinceMidnightUtc(), 1250u);
  EXPECT_EQ(host.now(), 250u);
  host.setTimeOfDay(VirtualHost::kDayMs - 10);
  host.advance(15);
  EXPECT_EQ(host.msSinceMidnightUtc(), 5u);  // past midnight
}

TEST(VirtualHostTest, JitterMakesFiringsLateButNeverEarly) {
  VirtualHost host(5, 42);
  struct Recorder : TimerTarget {
    VirtualHost* host = nullptr;
    std::vector<std::uint64_t> at;
    void onTimer(TimerId) override { at.push_back(host->now()); }
  } rec;
  rec.host = &host;
  host.setTarget(&rec);
  host.setInterval(TimerId::Timer2, 200);
  host.advance(100'000);
  ASSERT_GT(rec.at.size(), 400u);
  std::uint64_t previous = 0;
  std::set<std::uint64_t> gaps;
  for (std::uint64_t t : rec.at) {
    EXPECT_GE(t - previous, 200u);
    EXPECT_LE(t - previous, 205u);
    gaps.insert(t - previous);
    previous = t;
  }
  EXPECT_GT(gaps.size(), 3u);  // the delays really vary
}

}  // namespace
}  // namespace quivalo

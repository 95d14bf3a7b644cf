// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/driver.h"
#include "support/fixture.h"

namespace quivalo {
namespace {

// Four people play whole games to a win, each choosing among its pieces in a
// seeded order; the records stay consistent after every event.
TEST(PeopleGame, FourPeoplePlayToAWin) {
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    HeadlessOptions o;
    o.players.fill(PlayerKind::Person);
    o.seed = seed;
    o.startTimeOfDay = static_cast<std::uint32_t>(seed * 3'600'017 % VirtualHost::kDayMs);
    testing::InvariantWatch watch;
    o.afterEvent = watch.callback();
    const HeadlessResult r = playHeadless(o);
    EXPECT_EQ(watch.violations, 0u) << watch.first;
    ASSERT_TRUE(r.winner.has_value()) << "seed " << seed << " rolls " << r.rolls;
    EXPECT_GT(r.rolls, 40u);
  }
}

}  // namespace
}  // namespace quivalo

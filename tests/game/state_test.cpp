// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/state.h"

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

}  // namespace
}  // namespace quivalo

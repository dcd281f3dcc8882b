// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WholeNumberText.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

TEST(FormatWhole, RoundsHalvesAwayFromZeroAndNeverShowsMinusZero) {
    const struct {
        double value;
        std::string text;
    } cases[] = {
        {12.5, "13"},
        {0.5, "1"},
        {37.5, "38"},
        {2.5, "3"},
        {1.5, "2"},
        {-2.5, "-3"},
        {-0.5, "-1"},
        {-12.5, "-13"},
        {33.33, "33"},
        {66.67, "67"},
        {-0.4, "0"},
        {-0.0, "0"},
        {0, "0"},
        {100, "100"},
        {1234567, "1234567"},
        {0.49999999999999994, "0"},  // largest double below 0.5: adding 0.5 first would give 1
        {1e15 + 0.5, "1000000000000001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatWhole(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace tessaro

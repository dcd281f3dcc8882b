// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/RandomSource.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tessaro {

// The draws a task maker asks for, each as the wanted result and the n of drawScaled(n).
using Draws = std::vector<std::pair<int, int>>;

// Feeds the raw values behind the wanted draws, the smallest that give each; drawing more or fewer than given fails
// the test, so each case also proves the number of draws.
struct FixedDraws final : RawValueSource {
    explicit FixedDraws(Draws wanted) : draws(std::move(wanted)) {}
    ~FixedDraws() override { EXPECT_EQ(next, draws.size()) << "raw values left undrawn"; }
    int nextRaw() override {
        EXPECT_LT(next, draws.size()) << "more raw values drawn than given";
        const auto [value, n] = next < draws.size() ? draws[next++] : std::pair(0, 1);
        return (value * 32767 + n - 1) / n;
    }
    Draws draws;
    std::size_t next = 0;
};

}  // namespace tessaro

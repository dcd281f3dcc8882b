// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FixedRawSource.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace tessaro {
namespace {

// First values of state = state * 214013 + 2531011, value = (state >> 16) & 0x7FFF,
// worked out by hand; seed 0xFFFFFFFF makes the first step wrap around 2^32.
struct SeedCase {
    std::uint32_t seed;
    std::vector<int> firstValues;
};
const SeedCase kSeedCases[] = {
    {1, {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}},
    {0, {38, 7719, 21238}},
    {0xFFFFFFFFu, {35, 29739, 3374}},
    {12345, {7584, 19164, 25795}},
};

TEST(RandomSource, GivesTheKnownSequenceForEachSeed) {
    for (const SeedCase& c : kSeedCases) {
        RandomSource fromConstructor(c.seed);
        RandomSource reseeded(777);
        reseeded.nextRaw();
        reseeded.seed(c.seed);
        for (int expected : c.firstValues) {
            EXPECT_EQ(fromConstructor.nextRaw(), expected) << "seed " << c.seed;
            EXPECT_EQ(reseeded.nextRaw(), expected) << "seed " << c.seed;
        }
    }
}

std::vector<int> everyRawValue() {
    std::vector<int> raws(32768);
    for (int r = 0; r <= 32767; ++r)
        raws[static_cast<std::size_t>(r)] = r;
    return raws;
}

// How often each result 0..n comes up over all 32768 raw values.
std::vector<int> distribution(int n) {
    test::FixedRawSource source(everyRawValue());
    std::vector<int> counts(static_cast<std::size_t>(n) + 1);
    for (int r = 0; r <= 32767; ++r) {
        const int value = drawScaled(source, n);
        EXPECT_TRUE(value >= 0 && value <= n) << "r " << r << " n " << n;
        EXPECT_TRUE(value < n || r == 32767) << "n reached by r " << r;
        if (value >= 0 && value <= n)
            ++counts[static_cast<std::size_t>(value)];
    }
    return counts;
}

TEST(DrawScaled, DistributesAllRawValues) {
    EXPECT_EQ(distribution(4), (std::vector<int>{8192, 8192, 8192, 8191, 1}));
    EXPECT_EQ(distribution(10), (std::vector<int>{3277, 3277, 3277, 3276, 3277, 3277, 3276, 3277, 3277, 3276, 1}));
    for (int n : {9, 20, 100})
        EXPECT_EQ(distribution(n).back(), 1) << "n " << n;
}

}  // namespace
}  // namespace tessaro

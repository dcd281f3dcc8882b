// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/RandomSource.h"

namespace tessaro {

namespace {
constexpr int kRawMax = 0x7FFF;
}

RandomSource::RandomSource(std::uint32_t seed) : state_(seed) {}

void RandomSource::seed(std::uint32_t seed) { state_ = seed; }

int RandomSource::nextRaw() {
    // Unsigned arithmetic wraps modulo 2^32, as the recurrence requires.
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & kRawMax);
}

int drawScaled(RawValueSource& source, int n) {
    const std::int64_t raw = source.nextRaw();
    return static_cast<int>(raw * n / kRawMax);
}

}  // namespace tessaro

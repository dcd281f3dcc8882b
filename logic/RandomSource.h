// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace tessaro {

// Anything that yields raw values 0..32767; tests substitute fixed values.
class RawValueSource {
public:
    virtual ~RawValueSource() = default;
    virtual int nextRaw() = 0;
};

// A linear congruential generator, so a fixed seed always gives the same
// sequence of tasks.
class RandomSource final : public RawValueSource {
public:
    explicit RandomSource(std::uint32_t seed = 1);
    void seed(std::uint32_t seed);
    int nextRaw() override;

private:
    std::uint32_t state_;
};

// Scales one raw value to 0..n; n itself comes only from the raw value 32767.
int drawScaled(RawValueSource& source, int n);

}  // namespace tessaro

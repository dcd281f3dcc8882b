// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <cstdint>

namespace tessaro::fuzz {

// Raw values 0..32767 taken two bytes at a time from the fuzz input. Once the input is used
// up, a random source seeded with the input's length carries on: the division task draws again and
// again while its divisor is zero, so a source stuck at one value could keep it drawing forever.
class FuzzedRawSource final : public RawValueSource {
public:
    FuzzedRawSource(const std::uint8_t* data, std::size_t size)
        : data_(data), size_(size), fallback_(static_cast<std::uint32_t>(size)) {}

    int nextRaw() override {
        if (size_ < 2)
            return fallback_.nextRaw();
        const int raw = ((data_[0] << 8) | data_[1]) & 0x7FFF;
        data_ += 2;
        size_ -= 2;
        return raw;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    RandomSource fallback_;
};

}  // namespace tessaro::fuzz

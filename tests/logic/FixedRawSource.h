// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tessaro::test {

// Feeds the given raw values in order. Drawing more than given fails the
// test, and so does leaving some unused, so each test also proves the exact
// number of draws.
class FixedRawSource final : public RawValueSource {
public:
    explicit FixedRawSource(std::vector<int> raws) : raws_(std::move(raws)) {}

    ~FixedRawSource() override {
        if (next_ != raws_.size())
            ADD_FAILURE() << "only " << next_ << " of " << raws_.size() << " raw values were drawn";
    }

    int nextRaw() override {
        if (next_ == raws_.size()) {
            ADD_FAILURE() << "more than the " << raws_.size() << " given raw values were drawn";
            return 0;
        }
        return raws_[next_++];
    }

private:
    std::vector<int> raws_;
    std::size_t next_ = 0;
};

// The smallest raw value r with r * n / 32767 == value, for 0 <= value <= n.
constexpr int rawFor(int value, int n) { return (value * 32767 + n - 1) / n; }

// A wanted drawScaled(n) result.
struct Draw {
    int value;
    int n;
};

inline std::vector<int> rawsFor(std::initializer_list<Draw> draws) {
    std::vector<int> raws;
    for (const Draw& draw : draws)
        raws.push_back(rawFor(draw.value, draw.n));
    return raws;
}

// The five drawScaled results behind one operand; the sign and form draws
// are drawScaled(4) results (0..2: negative part or Plus form).
struct OperandDraws {
    int reMagnitude;
    int reSign;
    int imMagnitude;
    int imSign;
    int form;
};

inline std::vector<int> operandRaws(const OperandDraws& d, int limit) {
    return rawsFor({{d.reMagnitude, limit}, {d.reSign, 4}, {d.imMagnitude, limit}, {d.imSign, 4}, {d.form, 4}});
}

inline std::vector<int> joined(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace tessaro::test

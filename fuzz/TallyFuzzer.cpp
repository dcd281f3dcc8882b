// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Any sequence of checks and resets keeps the tally's counts adding up and its texts showing
// exactly the counts and the rounded percentage.

#include "DecimalText.h"
#include "FuzzRequire.h"
#include "ScoreTally.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

using namespace tessaro;
using namespace tessaro::fuzz;

// Enough for counts far beyond a student's, few enough to keep each input quick.
constexpr std::uint64_t kMostChecksPerInput = 1u << 16;

// What the tally should hold, counted here in whole numbers. A count's text stays empty until
// that count or a reset first changes it.
struct Expected {
    std::uint64_t right = 0;
    std::uint64_t wrong = 0;
    bool rightShown = false;
    bool wrongShown = false;
};

// right / answered as a percentage, halves away from zero, in exact integer arithmetic.
std::uint64_t roundedPercent(std::uint64_t right, std::uint64_t answered) {
    return (200 * right + answered) / (2 * answered);
}

void checkAfterAnswer(const ScoreTally& tally, const Expected& expected) {
    const std::uint64_t answered = expected.right + expected.wrong;
    require(tally.answered() == tally.right() + tally.wrong(), "answered is right plus wrong");
    require(
        tally.right() == static_cast<double>(expected.right) && tally.wrong() == static_cast<double>(expected.wrong),
        "the counts are exact");
    require(tally.rightText() == (expected.rightShown ? decimalText(expected.right) : std::string()),
            "the right count's text is its plain decimal");
    require(tally.wrongText() == (expected.wrongShown ? decimalText(expected.wrong) : std::string()),
            "the wrong count's text is its plain decimal");
    const std::string percentText = decimalText(roundedPercent(expected.right, answered)) + " Prozent richtig";
    if (tally.percentText() != percentText)
        std::fprintf(stderr, "%llu right of %llu answered: shown \"%s\", due \"%s\"\n",
                     static_cast<unsigned long long>(expected.right), static_cast<unsigned long long>(answered),
                     tally.percentText().c_str(), percentText.c_str());
    require(tally.percentText() == percentText, "the percentage is right / answered rounded halves away from zero");
}

void checkAfterReset(const ScoreTally& tally) {
    require(tally.answered() == 0 && tally.right() == 0 && tally.wrong() == 0, "a reset zeroes the counts");
    require(tally.rightText() == "0" && tally.wrongText() == "0" && tally.percentText() == "0 Prozent richtig",
            "a reset shows zeroes");
}

// One checked answer, in the order both exercise screens use.
void answer(ScoreTally& tally, Expected& expected, bool right) {
    tally.countAnswer();
    if (right) {
        tally.addRight();
        ++expected.right;
        expected.rightShown = true;
    } else {
        tally.addWrong();
        ++expected.wrong;
        expected.wrongShown = true;
    }
    tally.updatePercent();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    ScoreTally tally;
    Expected expected;
    std::uint64_t checks = 0;
    while (input.remaining_bytes() > 0 && checks < kMostChecksPerInput) {
        // One step: a reset, or a run of right or wrong answers of a length from 1 up to a few thousand.
        const auto step = input.ConsumeIntegral<std::uint8_t>();
        if (step == 0) {
            tally.reset();
            expected = {0, 0, true, true};
            checkAfterReset(tally);
            continue;
        }
        const bool right = (step & 1) != 0;
        const std::uint64_t run =
            (step & 0x80) != 0 ? input.ConsumeIntegralInRange<std::uint64_t>(1, 4096) : ((step & 0x7F) >> 1) + 1u;
        for (std::uint64_t i = 0; i < run; ++i) {
            answer(tally, expected, right);
            checkAfterAnswer(tally, expected);
        }
        checks += run;
    }
    return 0;
}

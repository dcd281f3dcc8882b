// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever is typed, checking it never crashes, and only the exact expected text is judged right.

#include "DecimalText.h"
#include "DivisionTask.h"
#include "ExerciseTask.h"
#include "FuzzRequire.h"
#include "RandomSource.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace tessaro;
using namespace tessaro::fuzz;

// Random bytes almost never come near the expected text, so the typed text is often the expected
// one with a single byte changed, added or removed, or the expected one itself.
std::string typedText(FuzzedDataProvider& input, const std::string& expected) {
    enum class Kind { AnyBytes, Exact, Changed, Added, Removed, kMaxValue = Removed };
    const Kind kind = input.ConsumeEnum<Kind>();
    const std::size_t at = expected.empty() ? 0 : input.ConsumeIntegralInRange<std::size_t>(0, expected.size() - 1);
    std::string typed = expected;
    switch (kind) {
    case Kind::AnyBytes:
        return input.ConsumeRandomLengthString();
    case Kind::Exact:
        break;
    case Kind::Changed:
        if (!typed.empty())
            typed[at] = input.ConsumeIntegral<char>();
        break;
    case Kind::Added:
        typed.insert(typed.begin() + static_cast<std::ptrdiff_t>(at), input.ConsumeIntegral<char>());
        break;
    case Kind::Removed:
        if (!typed.empty())
            typed.erase(at, 1);
        break;
    }
    return typed;
}

void checkOneAnswerTask(FuzzedDataProvider& input, ExerciseMode mode, RandomSource& random) {
    const auto task = makeTask(mode, random);
    require(task.has_value(), "every mode of the first exercise screen draws a task");
    const std::string typed = typedText(input, task->expectedAnswer);
    require(isRightAnswer(typed, task->expectedAnswer) == (typed == task->expectedAnswer),
            "an answer is right exactly when it is the expected text");
}

void checkDivisionTask(FuzzedDataProvider& input, RandomSource& random) {
    const DivisionTask task = makeDivisionTask(random);
    const std::string expected[] = {decimalText(task.realNumerator), decimalText(task.denominator),
                                    decimalText(task.imagNumerator)};
    std::string typed[3];
    bool allExact = true;
    for (int field = 0; field < 3; ++field) {
        typed[field] = typedText(input, expected[field]);
        allExact = allExact && typed[field] == expected[field];
    }
    require(checkDivisionAnswer(task.realNumerator, task.denominator, task.imagNumerator, typed[0], typed[1],
                                typed[2]) == allExact,
            "a division answer is right exactly when all three fields are the plain decimal numbers");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    RandomSource random(input.ConsumeIntegral<std::uint32_t>());
    // Several tasks from one seed, each with its own typed text, as a student works through them.
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            checkOneAnswerTask(input, ExerciseMode::AddSubtract, random);
            break;
        case 1:
            checkOneAnswerTask(input, ExerciseMode::Modulus, random);
            break;
        case 2:
            checkOneAnswerTask(input, ExerciseMode::Multiply, random);
            break;
        default:
            checkDivisionTask(input, random);
            break;
        }
    }
    return 0;
}

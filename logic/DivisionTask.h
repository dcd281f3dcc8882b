// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/RandomSource.h"
#include "logic/TaskNumbers.h"
#include "logic/TaskOperand.h"

#include <string>
#include <string_view>

namespace tessaro {

// (a + jb) / (c + jd) = ((ac + bd) + j (cb - ad)) / (c² + d²); the user types
// the three whole numbers of that unreduced fraction.
struct DivisionTask {
    TaskOperand dividend;
    TaskOperand divisor;
    int realNumerator;
    int denominator;
    int imagNumerator;
};

// Never gives a zero divisor: both operands are drawn again until it is nonzero.
DivisionTask makeDivisionTask(RawValueSource& source);

// The operands' values and texts, for the task's worked solution.
TaskNumbers numbersOf(const DivisionTask& task);

// The three answer fields as shown after a wrong answer: "-5", "5", "+ j (10)".
struct DivisionAnswerTexts {
    std::string realNumerator;
    std::string denominator;
    std::string imagNumerator;
};
DivisionAnswerTexts correctDivisionTexts(int realNumerator, int denominator, int imagNumerator);

// Each typed field must be exactly the plain decimal text of its number.
bool checkDivisionAnswer(int realNumerator, int denominator, int imagNumerator, std::string_view typedRealNumerator,
                         std::string_view typedDenominator, std::string_view typedImagNumerator);

}  // namespace tessaro

// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/DivisionTask.h"

namespace tessaro {

DivisionTask makeDivisionTask(RawValueSource& source) {
    TaskOperand dividend;
    TaskOperand divisor;
    do {
        dividend = drawDivisionOperand(source);
        divisor = drawDivisionOperand(source);
    } while (divisor.re == 0 && divisor.im == 0);

    const int a = dividend.re, b = dividend.im, c = divisor.re, d = divisor.im;
    return {dividend, divisor, a * c + b * d, c * c + d * d, c * b - a * d};
}

TaskNumbers numbersOf(const DivisionTask& task) {
    return {Operation::Divide,
            {task.dividend.re, task.dividend.im},
            {task.divisor.re, task.divisor.im},
            {task.dividend.text, task.divisor.text}};
}

DivisionAnswerTexts correctDivisionTexts(int realNumerator, int denominator, int imagNumerator) {
    return {std::to_string(realNumerator), std::to_string(denominator), "+ j (" + std::to_string(imagNumerator) + ")"};
}

bool checkDivisionAnswer(int realNumerator, int denominator, int imagNumerator, std::string_view typedRealNumerator,
                         std::string_view typedDenominator, std::string_view typedImagNumerator) {
    // Whole texts are compared, so "-1500" never passes for -150.
    return typedRealNumerator == std::to_string(realNumerator) && typedDenominator == std::to_string(denominator) &&
           typedImagNumerator == std::to_string(imagNumerator);
}

}  // namespace tessaro

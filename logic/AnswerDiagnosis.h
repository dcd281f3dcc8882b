// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/WorkedSolution.h"

#include <optional>
#include <string_view>

namespace tessaro {

// The diagnoses the judgements share. Each finds the most specific finding that applies to an answer that is not
// the exact text expected.

// An answer that is the exact text expected, asked in `form`.
Diagnosis rightAnswer(AnswerForm form);

// An answer x+jy; `jSquaredSlip` is the value a product has when j² is taken as +1.
Diagnosis diagnoseCartesian(std::string_view typed, ComplexValue expected,
                            std::optional<ComplexValue> jSquaredSlip = std::nullopt);

// A modulus, and the sum of the squares it is the root of.
Diagnosis diagnoseModulus(std::string_view typed, int modulus, int sumOfSquares);

// The three whole numbers of a quotient's unreduced fraction.
struct FractionNumbers {
    int realNumerator;
    int denominator;
    int imagNumerator;
};
// What a quotient's fraction has after the typical slips.
struct FractionSlips {
    ComplexValue unconjugatedNumerator;  // the dividend times the divisor itself
    int realNumeratorWithJSquaredPlus;   // j² taken as +1 in the numerator's product
    int denominatorWithJSquaredPlus;     // ... and in the denominator's
};
// `typed` holds the real numerator, the denominator and the imaginary numerator.
Diagnosis diagnoseFraction(const TypedAnswer& typed, FractionNumbers expected, FractionSlips slips);

// The answer text as the page shows it: cut after kShownTypedLength characters.
MathTerm shownTyped(std::string_view typed);

}  // namespace tessaro

// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/WorkedSolution.h"

#include <optional>
#include <string_view>

namespace tessaro {

// The diagnoses the judgements share. Each finds the most specific finding that applies to an answer that is not
// the exact text expected. Values compare exactly, decimals as the fractions they are.

// An answer that is the exact text expected, asked in `form`.
Diagnosis rightAnswer(AnswerForm form);

// A typical slip of a mode: the value an answer has after it, and what names it.
struct KnownSlip {
    ComplexValue value;
    Finding finding;
    int operand = 0;       // with OperandSignMisread
    MathTerm detail = {};  // with OperandSignMisread: the operand as printed and its value
};

// An answer x+jy. In this order: nothing typed; unreadable, unless it is the right value with its j forgotten; the
// right value in another form; the mode's `known` slips in their order; the j forgotten; both signs turned, before
// parts swapped (where re = −im they coincide); one sign turned; the wrong parts. A known slip whose value is the right
// one is passed over.
Diagnosis diagnoseCartesian(std::string_view typed, ComplexValue expected, const std::vector<KnownSlip>& known = {});

// The modulus of z. In this order: nothing typed; a root typed as a root; unreadable; the right value in another form;
// the sum of the squares; the modulus negative, before x + y (which it is where x is 0 and y negative); x + y, before
// |x| + |y| (equal where neither is negative); a wrong modulus.
Diagnosis diagnoseModulus(std::string_view typed, ComplexValue z, int modulus);

// The three whole numbers of a quotient's unreduced fraction.
struct FractionNumbers {
    int realNumerator;
    int denominator;
    int imagNumerator;
};
// What a quotient's fraction has after the typical slips.
struct FractionSlips {
    ComplexValue unconjugatedNumerator;     // the dividend times the divisor itself
    int realNumeratorWithJSquaredPlus;      // j² taken as +1 in the numerator's product
    int denominatorWithJSquaredPlus;        // ... and in the denominator's
    int divisorModulus;                     // |c + jd|, where it is whole; 0 otherwise
    ComplexValue misreadDividendNumerator;  // the dividend with the sign of its imaginary part misread, times c̄
    MathTerm dividendAsPrinted;             // the dividend as printed and its value
};
// `typed` holds the real numerator, the denominator and the imaginary numerator. In this order: nothing typed; empty
// fields; unreadable fields; an equal fraction; the divisor not made conjugate, before j² = +1 (they coincide where the
// dividend is purely imaginary); j² = +1; the modulus as denominator; the dividend's sign misread; parts swapped; one
// sign turned; with another denominator, the part whose value is wrong; the wrong fields.
Diagnosis diagnoseFraction(const TypedAnswer& typed, FractionNumbers expected, const FractionSlips& slips);

// A fraction field's number: a whole or decimal number; in the imaginary part's field also j times one.
std::optional<ExactNumber> fieldNumber(std::string_view typed, bool imaginaryField);

// The answer text as the page shows it: cut after kShownTypedLength characters.
MathTerm shownTyped(std::string_view typed);

}  // namespace tessaro

// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace tessaro {

// A typed number exactly as typed: a whole number over a power of ten, in lowest terms ("-0.96" is −24/25), so that
// decimals compare without the rounding of binary fractions.
struct ExactNumber {
    long long numerator = 0;
    long long denominator = 1;
    bool operator==(const ExactNumber&) const = default;
    bool operator==(long long whole) const { return denominator == 1 && numerator == whole; }
};

// numerator / denominator in lowest terms; the denominator is positive and not zero.
ExactNumber exactNumber(long long numerator, long long denominator = 1);
// Whether numerator / denominator equals top / bottom. `bottom` is not zero; the products stay far from overflow for
// the numbers a reader returns (at most twelve digits) and whole numbers of a task.
bool sameRatio(ExactNumber numerator, ExactNumber denominator, long long top, long long bottom);

// A typed answer's value, read exactly: only to tell a student what is wrong with an answer that was judged wrong,
// never to judge it.
struct ExactValue {
    ExactNumber re;
    ExactNumber im;
    bool operator==(const ExactValue&) const = default;
};

// Reads "3+j4" and also "3 + j4", "(3+j4)", "3+4j", "3+i4", "3+j(-4)", "3+j-4", "3−j4", "3+j*4", "+03,0+j4", "-.5",
// "7", "-j12". Blanks, brackets around the whole answer or around one signed part, i or J for j, the unit after the
// number, a sign after the unit, a decimal point or comma (also without a digit before it) and the typographic minus
// and dash are taken; at most one real and one imaginary part, numbers of at most twelve digits. Anything else, and
// an empty text, cannot be read.
std::optional<ExactValue> readExact(std::string_view typed);

// The same value in floating point, for answers judged within a tolerance.
struct ReadValue {
    double re = 0;
    double im = 0;
    bool operator==(const ReadValue&) const = default;
};
std::optional<ReadValue> readComplex(std::string_view typed);

// A root typed as "√100", "√(100)", "sqrt(100)" or "Wurzel 100": the whole number under it.
std::optional<long long> readRoot(std::string_view typed);

// The form an answer is asked in.
enum class AnswerForm {
    Cartesian,    // x+jy or x-jy
    WholeNumber,  // one whole number
    Fraction,     // three whole numbers: the real and imaginary part of a numerator and a denominator

    // Judged by value, read leniently, with decimals:
    Polar,             // a modulus and an angle in degrees
    DecimalCartesian,  // x+jy
};

// How a text that has the right value differs from the one accepted form.
enum class FormSlip {
    Blanks,            // "3 + j4"
    Brackets,          // "(3+j4)", "3+j(4)"
    UnitAfterNumber,   // "3+4j"
    UnitLetter,        // "3+i4", "3+J4"
    MissingPart,       // "7" for 7+j0, "-j12" for 0-j12
    NumberForm,        // "+5+j3", "05+j3", "13.0"
    TypographicMinus,  // "3−j4", "3–j4": a minus sign or dash in place of the keyboard's hyphen-minus
    DoubleSign,        // "3+-j4"
    SignAfterUnit,     // "3+j-4"
    TimesSign,         // "3+j*4", "3+j·4"
    ImaginaryFirst,    // "j4+3"
    NegativeZero,      // "7-j0", "-0+j4"
    ExtraPart,         // "10+j0" for a whole number
    UnitInField,       // "j-5" in the field of an imaginary part that is printed with its j
    Other,             // anything else
};
// Every slip of a text that has the right value, in the order a reader meets them: blanks, brackets, the minus sign,
// the letter of the unit, its place, signs, the times sign, the order and number of the parts, the form of the
// numbers; {Other} where none of them shows. `form` is Cartesian or WholeNumber; a fraction's fields are whole
// numbers.
std::vector<FormSlip> formSlips(std::string_view typed, AnswerForm form);

}  // namespace tessaro

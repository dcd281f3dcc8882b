// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

namespace tessaro {

// A typed answer's value, read leniently: only to tell a student what is wrong with an answer that was judged wrong,
// never to judge it.
struct ReadValue {
    double re = 0;
    double im = 0;
    bool operator==(const ReadValue&) const = default;
};

// Reads "3+j4" and also "3 + j4", "(3+j4)", "3+4j", "3+i4", "3+j(-4)", "3−j4", "3+j*4", "+03,0+j4", "7", "-j12".
// Blanks, brackets around the whole answer or around one signed part, i or J for j, the unit after the number, a
// decimal point or comma and the typographic minus are taken; at most one real and one imaginary part. Anything
// else, and an empty text, cannot be read.
std::optional<ReadValue> readComplex(std::string_view typed);

// The form an answer is asked in.
enum class AnswerForm {
    Cartesian,    // x+jy or x-jy
    WholeNumber,  // one whole number
    Fraction,     // three whole numbers: the real and imaginary part of a numerator and a denominator

    // Judged by value, read leniently, with decimals:
    Polar,             // a modulus and an angle in degrees
    DecimalCartesian,  // x+jy
};

// How a text that has the right value differs from the one accepted form, the first that applies.
enum class FormSlip {
    Blanks,           // "3 + j4"
    Brackets,         // "(3+j4)", "3+j(4)"
    UnitAfterNumber,  // "3+4j"
    UnitLetter,       // "3+i4", "3+J4"
    MissingPart,      // "7" for 7+j0, "-j12" for 0-j12
    NumberForm,       // "+5+j3", "05+j3", "13.0"
    Other,            // anything else, such as the typographic minus
};
// `form` is Cartesian or WholeNumber; a fraction's fields are whole numbers.
FormSlip formSlip(std::string_view typed, AnswerForm form);

}  // namespace tessaro

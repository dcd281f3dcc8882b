// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/TaskNumbers.h"

#include <string>
#include <vector>

namespace tessaro {

// Mathematics as plain data, for a page to set. Signs are the printed characters in UTF-8: − (minus), · (times),
// ² (squared); numbers and the unit j are upright.
struct MathPiece {
    enum class Kind {
        Math,      // numbers, signs, brackets and j
        Verbatim,  // a text as an exercise screen shows it or a student typed it; empty stands for an empty field
        Root,      // the root sign with its bar over parts[0]
        Fraction,  // parts[0] over parts[1]
    };
    Kind kind = Kind::Math;
    std::string text;
    std::vector<std::vector<MathPiece>> parts;
};
using MathTerm = std::vector<MathPiece>;

MathTerm math(std::string text);
MathTerm verbatim(std::string text);
MathTerm root(MathTerm radicand);
MathTerm fraction(MathTerm numerator, MathTerm denominator);
MathTerm operator+(MathTerm left, const MathTerm& right);

// The term as one line of text, as a screen reader reads it: √(…) for a root, (…) / (…) for a fraction, an empty
// field as "□".
std::string readAloud(const MathTerm& term);

// Numbers as the worked solutions print them, as a teacher writes them: no part that is zero, no factor 1 before j.
std::string signedNumber(int value);            // −5, 0, 12
std::string factor(int value);                  // (−5), 0, 12: a negative number in brackets
std::string complexNumber(ComplexValue value);  // 3 − j4, −1 + j9, 7, −j7, 2 + j, 0
std::string bracketed(ComplexValue value);      // as a factor: (3 − j4), (−7), (−j7), 7, j7
std::string imaginaryFactor(int value);         // j9, (−j9), j, (−j): j times the value, negative in brackets
std::string plusMinus(int value);               // " + 5" or " − 5", to append to a sum
std::string plusMinusImaginary(int value);      // " + j5", " − j5", " + j", " − j"
// An operand as its task prints it, re + j (im) or re − j (im), with the signs as mathematics sets them: 3 − j(−4).
std::string asPrinted(ComplexValue value, bool printedMinus);

// A sum of terms, each a whole number times 1, j or j²: the terms that are zero left out, each sign once, "0" where
// every term is zero. {{3, One}, {−4, J}, {9, JSquared}} is written 3 − j4 + j² · 9.
enum class Unit { One, J, JSquared };
struct Summand {
    int value;
    Unit unit = Unit::One;
};
std::string sum(const std::vector<Summand>& summands);

}  // namespace tessaro

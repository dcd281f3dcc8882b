// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/MathTerm.h"

#include <cstdlib>
#include <utility>

namespace tessaro {

namespace {
constexpr const char* kMinus = "\u2212";
}  // namespace

MathTerm math(std::string text) { return {MathPiece{MathPiece::Kind::Math, std::move(text), {}}}; }

MathTerm verbatim(std::string text) { return {MathPiece{MathPiece::Kind::Verbatim, std::move(text), {}}}; }

MathTerm root(MathTerm radicand) { return {MathPiece{MathPiece::Kind::Root, {}, {std::move(radicand)}}}; }

MathTerm fraction(MathTerm numerator, MathTerm denominator) {
    return {MathPiece{MathPiece::Kind::Fraction, {}, {std::move(numerator), std::move(denominator)}}};
}

MathTerm operator+(MathTerm left, const MathTerm& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

std::string readAloud(const MathTerm& term) {
    std::string line;
    for (const MathPiece& piece : term) {
        switch (piece.kind) {
        case MathPiece::Kind::Math:
            line += piece.text;
            break;
        case MathPiece::Kind::Verbatim:
            line += piece.text.empty() ? "\u25A1" : piece.text;
            break;
        case MathPiece::Kind::Root:
            line += "\u221A(" + readAloud(piece.parts.at(0)) + ")";
            break;
        case MathPiece::Kind::Fraction:
            line += "(" + readAloud(piece.parts.at(0)) + ") / (" + readAloud(piece.parts.at(1)) + ")";
            break;
        }
    }
    return line;
}

std::string signedNumber(int value) {
    return value < 0 ? kMinus + std::to_string(-static_cast<long>(value)) : std::to_string(value);
}

std::string factor(int value) { return value < 0 ? "(" + signedNumber(value) + ")" : signedNumber(value); }

std::string complexNumber(ComplexValue value) { return signedNumber(value.re) + plusMinusImaginary(value.im); }

std::string bracketed(ComplexValue value) { return "(" + complexNumber(value) + ")"; }

std::string imaginaryFactor(int value) {
    return value < 0 ? std::string("(") + kMinus + "j" + std::to_string(-static_cast<long>(value)) + ")"
                     : "j" + std::to_string(value);
}

std::string plusMinus(int value) {
    return (value < 0 ? std::string(" ") + kMinus + " " : std::string(" + ")) + std::to_string(std::labs(value));
}

std::string plusMinusImaginary(int value) {
    return (value < 0 ? std::string(" ") + kMinus + " j" : std::string(" + j")) + std::to_string(std::labs(value));
}

}  // namespace tessaro

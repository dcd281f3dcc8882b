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

std::string complexNumber(ComplexValue value) { return sum({{value.re}, {value.im, Unit::J}}); }

std::string bracketed(ComplexValue value) {
    const bool bothParts = value.re != 0 && value.im != 0;
    return bothParts || value.re < 0 || value.im < 0 ? "(" + complexNumber(value) + ")" : complexNumber(value);
}

std::string imaginaryFactor(int value) {
    return value < 0 ? "(" + sum({{value, Unit::J}}) + ")" : sum({{value, Unit::J}});
}

std::string plusMinus(int value) {
    return (value < 0 ? std::string(" ") + kMinus + " " : std::string(" + ")) + std::to_string(std::labs(value));
}

std::string plusMinusImaginary(int value) {
    const std::string sign = value < 0 ? std::string(" ") + kMinus + " j" : std::string(" + j");
    return std::labs(value) == 1 ? sign : sign + std::to_string(std::labs(value));
}

std::string asPrinted(ComplexValue value, bool printedMinus) {
    return signedNumber(value.re) + (printedMinus ? std::string(" ") + kMinus + " j(" : std::string(" + j(")) +
           signedNumber(printedMinus ? -value.im : value.im) + ")";
}

std::string sum(const std::vector<Summand>& summands) {
    std::string written;
    for (const Summand& summand : summands) {
        if (summand.value == 0)
            continue;
        const long magnitude = std::labs(summand.value);
        std::string term;
        switch (summand.unit) {
        case Unit::One:
            term = std::to_string(magnitude);
            break;
        case Unit::J:
            term = magnitude == 1 ? "j" : "j" + std::to_string(magnitude);
            break;
        case Unit::JSquared:
            term = magnitude == 1 ? "j\u00B2" : "j\u00B2 \u00B7 " + std::to_string(magnitude);
            break;
        }
        if (written.empty())
            written = (summand.value < 0 ? kMinus : "") + term;
        else
            written += (summand.value < 0 ? std::string(" ") + kMinus + " " : std::string(" + ")) + term;
    }
    return written.empty() ? "0" : written;
}

}  // namespace tessaro

// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

namespace tessaro::fuzz {

// A complex number with whole parts, re + j*im.
struct WholeComplex {
    int re;
    int im;
};

// "[re  +  j (im)]" or "[re  -  j (im)]": the value the text denotes.
std::optional<WholeComplex> readBracketedOperand(std::string_view text);

// "  re  +  j (im)" or "  re  -  j (im)", as the division task shows its operands.
std::optional<WholeComplex> readDivisionOperand(std::string_view text);

// "x  +  j (y)" or "x  -  j (y)" of the modulus task: the two printed numbers, since the
// sign shown does not change the modulus.
std::optional<WholeComplex> readModulusNumber(std::string_view text);

// The typed answer form "3+j4" or "-49-j3"; the number after j is never negative.
std::optional<WholeComplex> readCartesianAnswer(std::string_view text);

// A two-operand task "[..] + [..]", "[..] - [..]" or "[..] * [..]", split into its parts.
struct TwoOperandTaskText {
    std::string_view left;
    char operation;
    std::string_view right;
};
std::optional<TwoOperandTaskText> splitTwoOperandTask(std::string_view text);

}  // namespace tessaro::fuzz

// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FixedRawSource.h"
#include "TaskOperand.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

using test::OperandDraws;

struct OperandCase {
    OperandDraws draws;
    std::string text;
    OperandForm form;
    int re;
    int im;  // the value the text denotes, so negated for Minus
};

void expectOperand(const TaskOperand& operand, const OperandCase& c) {
    EXPECT_EQ(operand.text, c.text);
    EXPECT_EQ(operand.form, c.form) << c.text;
    EXPECT_EQ(operand.re, c.re) << c.text;
    EXPECT_EQ(operand.im, c.im) << c.text;
}

TEST(DrawOperand, BuildsTextAndValueFromTheFiveDraws) {
    const OperandCase cases[] = {
        {{37, 0, 5, 3, 0}, "[-37  +  j (5)]", OperandForm::Plus, -37, 5},
        {{37, 1, 5, 4, 4}, "[-37  -  j (5)]", OperandForm::Minus, -37, -5},
        {{12, 3, 8, 2, 3}, "[12  -  j (-8)]", OperandForm::Minus, 12, 8},
        {{4, 4, 6, 0, 3}, "[4  -  j (-6)]", OperandForm::Minus, 4, 6},
        {{55, 3, 100, 1, 2}, "[55  +  j (-100)]", OperandForm::Plus, 55, -100},
        {{0, 0, 0, 0, 3}, "[0  -  j (0)]", OperandForm::Minus, 0, 0},
        {{0, 2, 0, 2, 1}, "[0  +  j (0)]", OperandForm::Plus, 0, 0},
        {{100, 0, 100, 0, 4}, "[-100  -  j (-100)]", OperandForm::Minus, -100, 100},  // longest
        {{100, 4, 100, 4, 4}, "[100  -  j (100)]", OperandForm::Minus, 100, -100},    // raw 32767 throughout
    };
    for (const OperandCase& c : cases) {
        test::FixedRawSource source(test::operandRaws(c.draws, 100));
        expectOperand(drawOperand(source, 100), c);
    }
    // The multiplication limit: a magnitude draw of 10 is the largest there.
    test::FixedRawSource source(test::operandRaws({10, 0, 7, 3, 0}, 10));
    expectOperand(drawOperand(source, 10), {{}, "[-10  +  j (7)]", OperandForm::Plus, -10, 7});
}

TEST(DrawDivisionOperand, BuildsUnbracketedTextWithPartsUpToTen) {
    const OperandCase cases[] = {
        {{3, 3, 4, 3, 0}, "  3  +  j (4)", OperandForm::Plus, 3, 4},
        {{1, 4, 2, 3, 3}, "  1  -  j (2)", OperandForm::Minus, 1, -2},
        {{6, 1, 9, 0, 4}, "  -6  -  j (-9)", OperandForm::Minus, -6, 9},
        {{0, 0, 0, 0, 3}, "  0  -  j (0)", OperandForm::Minus, 0, 0},
        {{10, 0, 10, 0, 3}, "  -10  -  j (-10)", OperandForm::Minus, -10, 10},  // longest
    };
    for (const OperandCase& c : cases) {
        test::FixedRawSource source(test::operandRaws(c.draws, 10));
        expectOperand(drawDivisionOperand(source), c);
    }
}

}  // namespace
}  // namespace tessaro

// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DivisionTask.h"
#include "FixedRawSource.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaro {
namespace {

using test::operandRaws;

struct Fraction {
    int realNumerator;
    int denominator;
    int imagNumerator;
};

void expectFraction(const DivisionTask& task, const Fraction& expected) {
    EXPECT_EQ(task.realNumerator, expected.realNumerator);
    EXPECT_EQ(task.denominator, expected.denominator);
    EXPECT_EQ(task.imagNumerator, expected.imagNumerator);
}

TEST(DivisionTask, WorkedExample) {
    // (3 + 4j) / (1 - 2j): the divisor is shown "  1  -  j (2)".
    test::FixedRawSource source(test::joined({operandRaws({3, 3, 4, 3, 0}, 10), operandRaws({1, 3, 2, 3, 3}, 10)}));
    const DivisionTask task = makeDivisionTask(source);
    EXPECT_EQ(task.dividend.text, "  3  +  j (4)");
    EXPECT_EQ(task.divisor.text, "  1  -  j (2)");
    expectFraction(task, {-5, 5, 10});

    const DivisionAnswerTexts texts = correctDivisionTexts(-5, 5, 10);
    EXPECT_EQ(texts.realNumerator, "-5");
    EXPECT_EQ(texts.denominator, "5");
    EXPECT_EQ(texts.imagNumerator, "+ j (10)");
}

TEST(DivisionTask, ZeroDivisorRedrawsBothOperands) {
    // Ten draws per attempt; the source fails the test unless exactly all 30 are used.
    test::FixedRawSource source(test::joined({
        operandRaws({7, 3, 1, 3, 0}, 10),
        operandRaws({0, 0, 0, 3, 3}, 10),  // divisor "0 - j (0)"
        operandRaws({9, 0, 9, 0, 0}, 10),
        operandRaws({0, 3, 0, 0, 0}, 10),  // divisor "0 + j (0)"
        operandRaws({2, 3, 4, 3, 0}, 10),
        operandRaws({1, 3, 1, 3, 0}, 10),
    }));
    const DivisionTask task = makeDivisionTask(source);
    EXPECT_EQ(task.dividend.text, "  2  +  j (4)");
    EXPECT_EQ(task.divisor.text, "  1  +  j (1)");
    expectFraction(task, {6, 2, 2});
}

TEST(DivisionTask, ZeroDividendGivesZeroNumerators) {
    test::FixedRawSource source(test::joined({operandRaws({0, 0, 0, 0, 3}, 10), operandRaws({3, 0, 4, 3, 0}, 10)}));
    const DivisionTask task = makeDivisionTask(source);
    EXPECT_EQ(task.dividend.text, "  0  -  j (0)");
    expectFraction(task, {0, 25, 0});
}

TEST(DivisionTask, CorrectTextsKeepTheImaginarySign) {
    const DivisionAnswerTexts texts = correctDivisionTexts(-150, 200, -13);
    EXPECT_EQ(texts.realNumerator, "-150");
    EXPECT_EQ(texts.denominator, "200");
    EXPECT_EQ(texts.imagNumerator, "+ j (-13)");
}

TEST(DivisionAnswer, EachWholeFieldMustBeThePlainNumber) {
    const struct {
        Fraction expected;
        std::string real;
        std::string denominator;
        std::string imag;
        bool right;
    } cases[] = {
        {{6, 2, 2}, "6", "2", "2", true},
        {{6, 2, 2}, "3", "1", "1", false},  // reduced
        {{-150, 25, -200}, "-150", "25", "-200", true},
        {{-150, 25, -200}, "-1500", "25", "-200", false},
        {{-150, 25, -200}, "-150", "25", "-2001", false},
        {{-150, 25, -200}, "-15", "25", "-200", false},
        {{-150, 25, -200}, "-150", "25", "200", false},
        {{5, 5, 5}, "5", "5", "5", true},
        {{5, 5, 5}, "+5", "5", "5", false},
        {{5, 5, 5}, "5", "05", "5", false},
        {{5, 5, 5}, "5", "5", " 5", false},
        {{5, 5, 5}, "5 ", "5", "5", false},
        {{5, 5, 5}, "5", "", "5", false},
        {{5, 5, 5}, "5", "5", std::string("5\0", 2), false},
        {{5, 5, 5}, "5", "5", "+ j (5)", false},
        {{0, 1, 0}, "-0", "1", "0", false},
    };
    for (const auto& c : cases) {
        const Fraction& e = c.expected;
        EXPECT_EQ(checkDivisionAnswer(e.realNumerator, e.denominator, e.imagNumerator, c.real, c.denominator, c.imag),
                  c.right)
            << '"' << c.real << "\" \"" << c.denominator << "\" \"" << c.imag << '"';
    }
}

}  // namespace
}  // namespace tessaro

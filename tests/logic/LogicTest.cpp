// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercise logic, held to worked examples: the random source, the tasks of the four modes, the answer checks
// and the tally.

#include "logic/CartesianModes.h"
#include "logic/ScoreTally.h"
#include "tests/logic/FixedDraws.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tessaro {
namespace {

Draws operator+(Draws a, const Draws& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The five draws of one operand: |re|, the sign of re (0..2 negative), |im|, the sign of im, the form (0..2 Plus).
Draws operand(int limit, std::array<int, 5> d) {
    return {{d[0], limit}, {d[1], 4}, {d[2], limit}, {d[3], 4}, {d[4], 4}};
}

TEST(RandomSource, FollowsItsRecurrenceFromEverySeed) {
    // state = state * 214013 + 2531011 mod 2^32, value = bits 16..30, worked out by hand.
    const std::pair<std::uint32_t, std::vector<int>> cases[] = {{1, {41, 18467, 6334, 26500, 19169}},
                                                                {0xFFFFFFFF, {35, 29739, 3374}}};
    for (const auto& [seed, values] : cases) {
        RandomSource source(7);
        source.nextRaw();
        source.seed(seed);
        for (int value : values)
            EXPECT_EQ(source.nextRaw(), value) << "seed " << seed;
    }
}

TEST(DrawScaled, SpreadsEveryRawValueAndGivesNOnlyForTheLargest) {
    struct Counting final : RawValueSource {
        int raw = 0;
        int nextRaw() override { return raw++; }
    };
    const std::pair<int, std::vector<int>> cases[] = {
        {4, {8192, 8192, 8192, 8191, 1}}, {10, {3277, 3277, 3277, 3276, 3277, 3277, 3276, 3277, 3277, 3276, 1}}};
    for (const auto& [n, expected] : cases) {
        Counting source;
        std::vector<int> counts(static_cast<std::size_t>(n) + 1);
        for (int r = 0; r <= 32767; ++r)
            ++counts.at(static_cast<std::size_t>(drawScaled(source, n)));
        EXPECT_EQ(counts, expected) << "n " << n;
    }
}

using TaskMaker = ExerciseTask (*)(RawValueSource&);

ExerciseTask taskOf(TaskMaker make, const Draws& draws) {
    FixedDraws source(draws);
    return make(source);
}

// A one-answer task as a line: the task text, a blank and the one answer accepted.
std::string shownWithAnswer(const ExerciseTask& task) { return task.shown.at(0) + " " + task.fields.at(0).expected; }

TEST(TwoOperandTasks, AddForAnOperationDrawOfOneOrTwoSubtractOtherwiseAndMultiplyTheValuesTheTextsDenote) {
    // -37 + 5j and 12 + 8j, the second shown in its Minus form, whose text's imaginary part the value negates.
    const Draws pair = operand(100, {37, 0, 5, 3, 0}) + operand(100, {12, 3, 8, 0, 3});
    const Draws longest = operand(100, {100, 0, 100, 0, 3});
    const std::string sum = "[-37  +  j (5)] + [12  -  j (-8)] -25+j13",
                      difference = "[-37  +  j (5)] - [12  -  j (-8)] -49-j3";
    // One task a row.
    // clang-format off
    const std::tuple<TaskMaker, Draws, std::string> cases[] = {
        {makeAddSubtractTask, pair + Draws{{0, 4}}, difference}, {makeAddSubtractTask, pair + Draws{{1, 4}}, sum},
        {makeAddSubtractTask, pair + Draws{{2, 4}}, sum}, {makeAddSubtractTask, pair + Draws{{3, 4}}, difference},
        {makeAddSubtractTask, pair + Draws{{4, 4}}, difference},
        {makeAddSubtractTask, longest + longest + Draws{{1, 4}}, "[-100  -  j (-100)] + [-100  -  j (-100)] -200+j200"},
        {makeMultiplyTask, operand(10, {3, 3, 2, 0, 0}) + operand(10, {4, 0, 5, 3, 3}), "[3  +  j (-2)] * [-4  -  j (5)] -22-j7"},
        {makeMultiplyTask, operand(10, {10, 0, 10, 0, 3}) + operand(10, {10, 3, 10, 0, 0}), "[-10  -  j (-10)] * [10  +  j (-10)] 0+j200"},
        {makeMultiplyTask, operand(10, {0, 3, 6, 0, 3}) + operand(10, {0, 3, 6, 3, 3}), "[0  -  j (-6)] * [0  -  j (6)] 36+j0"}};
    // clang-format on
    for (const auto& [make, draws, shown] : cases) {
        const ExerciseTask task = taskOf(make, draws);
        EXPECT_EQ(shownWithAnswer(task), shown);
        // Which operand is printed in the form re - j (im): the worked solution resolves its signs.
        const std::string& text = task.shown.at(0);
        const std::size_t between = text.find("] ");
        EXPECT_EQ(task.numbers.firstPrintedMinus, text.substr(0, between).find("-  j") != std::string::npos) << text;
        EXPECT_EQ(task.numbers.secondPrintedMinus, text.substr(between).find("-  j") != std::string::npos) << text;
    }
}

TEST(ModulusTask, DrawsAPairOrAPurelyRealOrImaginaryNumberWithAWholeModulus) {
    const std::pair<std::string, std::string> pairRows[] = {
        {"3  +  j (4)", "5"},   {"4  +  j (3)", "5"},   {"6  +  j (8)", "10"},  {"8  +  j (6)", "10"},
        {"5  +  j (12)", "13"}, {"12  +  j (5)", "13"}, {"15  +  j (8)", "17"}, {"8  +  j (15)", "17"},
        {"9  +  j (12)", "15"}, {"12  +  j (9)", "15"}};
    for (int row = 0; row < 10; ++row) {
        const ExerciseTask task = taskOf(makeModulusTask, {{0, 4}, {0, 10}, {row, 9}, {3, 4}});
        EXPECT_EQ(std::pair(task.shown.at(0), task.fields.at(0).expected), pairRows[row]) << "row " << row;
    }
    // Form draw, kind draw, then the pair row and its sign, or the one part.
    const std::pair<Draws, std::string> cases[] = {
        {{{2, 4}, {6, 10}, {0, 9}, {0, 4}}, "3  +  j (-4) 5"},  {{{3, 4}, {3, 10}, {4, 9}, {1, 4}}, "5  -  j (-12) 13"},
        {{{4, 4}, {1, 10}, {7, 9}, {2, 4}}, "8  -  j (15) 17"}, {{{0, 4}, {7, 10}, {11, 20}}, "11  +  j (0) 11"},
        {{{3, 4}, {8, 10}, {20, 20}}, "20  -  j (0) 20"},       {{{1, 4}, {8, 10}, {0, 20}}, "0  +  j (0) 0"},
        {{{3, 4}, {9, 10}, {20, 20}}, "0  -  j (20) 20"},       {{{0, 4}, {10, 10}, {7, 20}}, "0  +  j (7) 7"},
    };
    for (const auto& [draws, shown] : cases) {
        const ExerciseTask task = taskOf(makeModulusTask, draws);
        EXPECT_EQ(shownWithAnswer(task), shown);
        EXPECT_EQ(task.numbers.firstPrintedMinus, shown.find("-  j") != std::string::npos) << shown;
    }
}

TEST(DivisionTask, ExpectsTheUnreducedFractionAndRedrawsBothOperandsForAZeroDivisor) {
    const struct {
        Draws draws;
        std::string dividend, divisor;
        std::array<int, 3> fraction;  // real numerator, denominator, imaginary numerator
    } cases[] = {
        // (3 + 4j) / (1 - 2j), the divisor shown in its Minus form.
        {operand(10, {3, 3, 4, 3, 0}) + operand(10, {1, 3, 2, 3, 3}), "  3  +  j (4)", "  1  -  j (2)", {-5, 5, 10}},
        {operand(10, {7, 3, 1, 3, 0}) + operand(10, {0, 0, 0, 3, 3}) + operand(10, {9, 0, 9, 0, 0}) +
             operand(10, {0, 3, 0, 0, 0}) + operand(10, {2, 3, 4, 3, 0}) + operand(10, {1, 3, 1, 3, 0}),
         "  2  +  j (4)",
         "  1  +  j (1)",
         {6, 2, 2}},
        {operand(10, {0, 0, 0, 0, 3}) + operand(10, {3, 0, 4, 3, 0}), "  0  -  j (0)", "  -3  +  j (4)", {0, 25, 0}},
    };
    for (const auto& c : cases) {
        const ExerciseTask task = taskOf(makeDivisionTask, c.draws);
        EXPECT_EQ(task.shown, (std::vector{c.dividend, c.divisor}));
        EXPECT_EQ(task.numbers.firstPrintedMinus, c.dividend.find("-  j") != std::string::npos) << c.dividend;
        EXPECT_EQ(task.numbers.secondPrintedMinus, c.divisor.find("-  j") != std::string::npos) << c.divisor;
        ASSERT_EQ(task.fields.size(), 3u);
        const auto& [real, denominator, imag] = c.fraction;
        EXPECT_EQ((std::vector{task.fields[0].expected, task.fields[1].expected, task.fields[2].expected}),
                  (std::vector{std::to_string(real), std::to_string(denominator), std::to_string(imag)}))
            << c.dividend;
        // After a wrong answer the imaginary part stands with its j beside the real part.
        EXPECT_EQ(task.fields[0].shown + " " + task.fields[2].shown + " / " + task.fields[1].shown,
                  std::to_string(real) + " + j (" + std::to_string(imag) + ") / " + std::to_string(denominator));
    }
}

TEST(AnswerCheck, OnlyTheExactTextOfTheResultIsRight) {
    const std::pair<std::string, std::string> wrong[] = {
        {"7", "7+j0"},    {"-j12", "0-j12"}, {"+5+j3", "5+j3"}, {"5 + j3", "5+j3"}, {"5+J3", "5+j3"},
        {"3+4j", "3+j4"}, {"05+j3", "5+j3"}, {"13.0", "13"},    {"", "13"},         {"13 ", "13"}};
    for (const auto& [typed, expected] : wrong)
        EXPECT_FALSE(isRightAnswer(typed, expected)) << typed << " for " << expected;
    EXPECT_TRUE(isRightAnswer("-49-j3", "-49-j3"));

    const ExerciseTask fraction{{}, {{"-150", ""}, {"25", ""}, {"-200", ""}}, {}};
    const TypedAnswer division[] = {{"-1500", "25", "-200"}, {"-150", "25", "200"}, {"+150", "25", "-200"},
                                    {"-150", "025", "-200"}, {"-150", "25"},        {"-15", "2.5", "-200"}};
    EXPECT_TRUE(isRightAnswer(TypedAnswer{"-150", "25", "-200"}, fraction));
    for (const TypedAnswer& typed : division)
        EXPECT_FALSE(isRightAnswer(typed, fraction)) << typed[0] << " " << typed[1];
}

TEST(ScoreTally, ShowsItsCountsInFullAndTheShareOfRightAnswersRoundedWithHalvesUp) {
    const struct {
        int right, wrong;
        std::string percent;
    } cases[] = {{1, 0, "100"}, {0, 1, "0"},   {1, 2, "33"},   {2, 1, "67"},   {1, 7, "13"},
                 {3, 5, "38"},  {1, 199, "1"}, {23, 17, "58"}, {57, 143, "29"}};
    for (const auto& c : cases) {
        ScoreTally tally;
        tally.reset();
        for (int i = 0; i < c.wrong + c.right; ++i)
            tally.record(i >= c.wrong);
        EXPECT_EQ(tally.percentFigure(), c.percent) << c.right << " of " << c.right + c.wrong;
        EXPECT_EQ(tally.rightText() + " " + tally.wrongText(), std::to_string(c.right) + " " + std::to_string(c.wrong));
    }
    ScoreTally tally;  // texts empty until the first reset or change, then the counts in full
    tally.countAnswer();
    EXPECT_EQ(tally.rightText() + tally.wrongText() + tally.percentFigure(), "");
    tally.reset();
    EXPECT_EQ(tally.answered() + tally.right() + tally.wrong(), 0.0);
    EXPECT_EQ(tally.rightText() + " " + tally.wrongText() + " " + tally.percentFigure(), "0 0 0");
    for (int i = 0; i < 300001; ++i)
        tally.record(i % 3 != 0);
    EXPECT_EQ(tally.answered(), 300001.0);
    EXPECT_EQ(tally.rightText() + " " + tally.wrongText() + " " + tally.percentFigure(), "200000 100001 67");
}

}  // namespace
}  // namespace tessaro

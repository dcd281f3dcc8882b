// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The exercise logic, held to worked examples: the random source, the tasks of the four modes, the answer checks
// and the tally.

#include "DivisionTask.h"
#include "ExerciseTask.h"
#include "ScoreTally.h"
#include "TaskOperand.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tessaro {
namespace {

using Draws = std::vector<std::pair<int, int>>;  // the wanted result and the n of each drawScaled(n)

Draws operator+(Draws a, const Draws& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The five draws of one operand: |re|, the sign of re (0..2 negative), |im|, the sign of im, the form (0..2 Plus).
Draws operand(int limit, std::array<int, 5> d) {
    return {{d[0], limit}, {d[1], 4}, {d[2], limit}, {d[3], 4}, {d[4], 4}};
}

// Feeds the raw values behind the wanted draws. Drawing more or fewer than given fails the test, so each case
// also proves the number of draws.
class FixedDraws final : public RawValueSource {
public:
    explicit FixedDraws(const Draws& draws) {
        for (const auto& [value, n] : draws)
            raws_.push_back((value * 32767 + n - 1) / n);  // the smallest raw value that gives `value`
    }
    ~FixedDraws() override { EXPECT_EQ(next_, raws_.size()) << "raw values left undrawn"; }
    int nextRaw() override {
        if (next_ < raws_.size())
            return raws_[next_++];
        ADD_FAILURE() << "more than " << raws_.size() << " raw values drawn";
        return 0;
    }

private:
    std::vector<int> raws_;
    std::size_t next_ = 0;
};

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

TEST(Operands, TextFormAndValueFollowTheFiveDraws) {
    const struct {
        int limit;
        bool division;
        std::array<int, 5> draws;
        std::string text;
        OperandForm form;
        int re, im;  // the value the text denotes
    } cases[] = {
        {100, false, {37, 0, 5, 3, 0}, "[-37  +  j (5)]", OperandForm::Plus, -37, 5},
        {100, false, {12, 3, 8, 2, 3}, "[12  -  j (-8)]", OperandForm::Minus, 12, 8},
        {100, false, {0, 0, 0, 0, 3}, "[0  -  j (0)]", OperandForm::Minus, 0, 0},
        {100, false, {100, 0, 100, 0, 4}, "[-100  -  j (-100)]", OperandForm::Minus, -100, 100},
        {10, false, {10, 0, 7, 3, 2}, "[-10  +  j (7)]", OperandForm::Plus, -10, 7},
        {10, true, {6, 1, 9, 0, 4}, "  -6  -  j (-9)", OperandForm::Minus, -6, 9},
        {10, true, {10, 0, 10, 0, 3}, "  -10  -  j (-10)", OperandForm::Minus, -10, 10},
    };
    for (const auto& c : cases) {
        FixedDraws source(operand(c.limit, c.draws));
        const TaskOperand drawn = c.division ? drawDivisionOperand(source) : drawOperand(source, c.limit);
        EXPECT_EQ(drawn.text, c.text);
        EXPECT_EQ(drawn.form, c.form) << c.text;
        EXPECT_EQ(std::pair(drawn.re, drawn.im), std::pair(c.re, c.im)) << c.text;
    }
}

ExerciseTask taskOf(ExerciseMode mode, const Draws& draws) {
    FixedDraws source(draws);
    return makeTask(mode, source).value_or(ExerciseTask{"no task", ""});
}

TEST(AddSubtractTask, AddsForAnOperationDrawOfOneOrTwoAndSubtractsOtherwise) {
    // -37 + 5j and 12 + 8j, the second shown in its Minus form.
    const Draws operands = operand(100, {37, 0, 5, 3, 0}) + operand(100, {12, 3, 8, 0, 3});
    const std::string addition = "[-37  +  j (5)] + [12  -  j (-8)]";
    const std::string subtraction = "[-37  +  j (5)] - [12  -  j (-8)]";
    const std::string texts[] = {subtraction, addition, addition, subtraction, subtraction};
    for (int operation = 0; operation <= 4; ++operation) {
        const ExerciseTask task = taskOf(ExerciseMode::AddSubtract, operands + Draws{{operation, 4}});
        EXPECT_EQ(task.taskText, texts[operation]);
        EXPECT_EQ(task.expectedAnswer, texts[operation] == addition ? "-25+j13" : "-49-j3") << operation;
    }
    const Draws longest = operand(100, {100, 0, 100, 0, 3});
    const ExerciseTask task = taskOf(ExerciseMode::AddSubtract, longest + longest + Draws{{1, 4}});
    EXPECT_EQ(task.taskText, "[-100  -  j (-100)] + [-100  -  j (-100)]");
    EXPECT_EQ(task.expectedAnswer, "-200+j200");
}

TEST(MultiplyTask, MultipliesTheValuesTheTextsDenote) {
    const struct {
        std::array<int, 5> a, b;
        std::string taskText, expectedAnswer;
    } cases[] = {
        {{3, 3, 2, 0, 0}, {4, 0, 5, 3, 3}, "[3  +  j (-2)] * [-4  -  j (5)]", "-22-j7"},
        {{10, 0, 10, 0, 3}, {10, 3, 10, 0, 0}, "[-10  -  j (-10)] * [10  +  j (-10)]", "0+j200"},
        {{0, 3, 6, 0, 3}, {0, 3, 6, 3, 3}, "[0  -  j (-6)] * [0  -  j (6)]", "36+j0"},
    };
    for (const auto& c : cases) {
        const ExerciseTask task = taskOf(ExerciseMode::Multiply, operand(10, c.a) + operand(10, c.b));
        EXPECT_EQ(task.taskText, c.taskText);
        EXPECT_EQ(task.expectedAnswer, c.expectedAnswer) << c.taskText;
    }
}

TEST(ModulusTask, DrawsAPairOrAPurelyRealOrImaginaryNumberWithAWholeModulus) {
    const std::pair<std::string, std::string> pairRows[] = {
        {"3  +  j (4)", "5"},   {"4  +  j (3)", "5"},   {"6  +  j (8)", "10"},  {"8  +  j (6)", "10"},
        {"5  +  j (12)", "13"}, {"12  +  j (5)", "13"}, {"15  +  j (8)", "17"}, {"8  +  j (15)", "17"},
        {"9  +  j (12)", "15"}, {"12  +  j (9)", "15"}};
    for (int row = 0; row < 10; ++row) {
        const ExerciseTask task = taskOf(ExerciseMode::Modulus, {{0, 4}, {0, 10}, {row, 9}, {3, 4}});
        EXPECT_EQ(std::pair(task.taskText, task.expectedAnswer), pairRows[row]) << "row " << row;
    }
    // Form draw, kind draw, then the pair row and its sign, or the one part.
    const std::pair<Draws, std::string> cases[] = {
        {{{2, 4}, {6, 10}, {0, 9}, {0, 4}}, "3  +  j (-4) 5"},  {{{3, 4}, {3, 10}, {4, 9}, {1, 4}}, "5  -  j (-12) 13"},
        {{{4, 4}, {1, 10}, {7, 9}, {2, 4}}, "8  -  j (15) 17"}, {{{0, 4}, {7, 10}, {11, 20}}, "11  +  j (0) 11"},
        {{{3, 4}, {8, 10}, {20, 20}}, "20  -  j (0) 20"},       {{{1, 4}, {8, 10}, {0, 20}}, "0  +  j (0) 0"},
        {{{3, 4}, {9, 10}, {20, 20}}, "0  -  j (20) 20"},       {{{0, 4}, {10, 10}, {7, 20}}, "0  +  j (7) 7"},
    };
    for (const auto& [draws, shown] : cases) {
        const ExerciseTask task = taskOf(ExerciseMode::Modulus, draws);
        EXPECT_EQ(task.taskText + " " + task.expectedAnswer, shown);
    }
}

TEST(MakeTask, DrawsNothingForNoModeAndForDivision) {
    for (ExerciseMode mode : {ExerciseMode::None, ExerciseMode::Divide}) {
        FixedDraws nothing({});
        EXPECT_FALSE(makeTask(mode, nothing).has_value());
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
        FixedDraws source(c.draws);
        const DivisionTask task = makeDivisionTask(source);
        EXPECT_EQ(task.dividend.text + " /" + task.divisor.text, c.dividend + " /" + c.divisor);
        EXPECT_EQ((std::array{task.realNumerator, task.denominator, task.imagNumerator}), c.fraction) << c.dividend;
    }
    const DivisionAnswerTexts texts = correctDivisionTexts(-150, 200, -13);
    EXPECT_EQ(texts.realNumerator + " " + texts.denominator + " " + texts.imagNumerator, "-150 200 + j (-13)");
}

TEST(AnswerCheck, OnlyTheExactTextOfTheResultIsRight) {
    const std::pair<std::string, std::string> wrong[] = {
        {"7", "7+j0"},    {"-j12", "0-j12"}, {"+5+j3", "5+j3"}, {"5 + j3", "5+j3"}, {"5+J3", "5+j3"},
        {"3+4j", "3+j4"}, {"05+j3", "5+j3"}, {"13.0", "13"},    {"", "13"},         {"13 ", "13"}};
    for (const auto& [typed, expected] : wrong)
        EXPECT_FALSE(isRightAnswer(typed, expected)) << typed << " for " << expected;
    EXPECT_TRUE(isRightAnswer("-49-j3", "-49-j3"));

    const std::array<std::string, 3> division[] = {
        {"-1500", "25", "-200"}, {"-150", "25", "200"}, {"+150", "25", "-200"}, {"-150", "025", "-200"}};
    EXPECT_TRUE(checkDivisionAnswer(-150, 25, -200, "-150", "25", "-200"));
    for (const auto& [real, denominator, imag] : division)
        EXPECT_FALSE(checkDivisionAnswer(-150, 25, -200, real, denominator, imag)) << real << " " << denominator;
    EXPECT_FALSE(checkDivisionAnswer(6, 2, 2, "3", "1", "1")) << "a reduced fraction";
}

// What an exercise screen does after each checked answer.
void record(ScoreTally& tally, bool right) {
    tally.countAnswer();
    if (right)
        tally.addRight();
    else
        tally.addWrong();
    tally.updatePercent();
}

TEST(ScoreTally, ShowsTheShareOfRightAnswersRoundedWithHalvesUp) {
    const struct {
        int right, wrong;
        std::string percent;
    } cases[] = {{1, 0, "100"}, {0, 1, "0"},   {1, 2, "33"},   {2, 1, "67"},   {1, 7, "13"},
                 {3, 5, "38"},  {1, 199, "1"}, {23, 17, "58"}, {57, 143, "29"}};
    for (const auto& c : cases) {
        ScoreTally tally;
        tally.reset();
        for (int i = 0; i < c.wrong + c.right; ++i)
            record(tally, i >= c.wrong);
        EXPECT_EQ(tally.percentText(), c.percent + " Prozent richtig") << c.right << " of " << c.right + c.wrong;
        EXPECT_EQ(tally.rightText() + " " + tally.wrongText(), std::to_string(c.right) + " " + std::to_string(c.wrong));
    }
}

TEST(ScoreTally, StartsEmptyAndResetsToZeroTexts) {
    ScoreTally tally;
    tally.countAnswer();
    EXPECT_EQ(tally.rightText() + tally.wrongText() + tally.percentText(), "");
    for (bool right : {false, true, true})
        record(tally, right);
    EXPECT_EQ(tally.answered(), 4.0);
    tally.reset();
    EXPECT_EQ(tally.answered() + tally.right() + tally.wrong(), 0.0);
    EXPECT_EQ(tally.rightText() + " " + tally.wrongText() + " " + tally.percentText(), "0 0 0 Prozent richtig");
    for (int i = 0; i < 300001; ++i)
        record(tally, i % 3 != 0);
    EXPECT_EQ(tally.rightText() + " " + tally.wrongText() + " " + tally.percentText(),
              "200000 100001 67 Prozent richtig");
}

}  // namespace
}  // namespace tessaro

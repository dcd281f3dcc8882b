// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseTask.h"
#include "FixedRawSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

using test::operandRaws;

// -37 + 5j and 12 + 8j; the second one is shown in its Minus form.
const std::vector<int> kExampleOperands =
    test::joined({operandRaws({37, 0, 5, 3, 0}, 100), operandRaws({12, 3, 8, 0, 3}, 100)});

ExerciseTask addSubtractTask(const std::vector<int>& operandRawValues, int operationDraw) {
    test::FixedRawSource source(test::joined({operandRawValues, test::rawsFor({{operationDraw, 4}})}));
    const auto task = makeTask(ExerciseMode::AddSubtract, source);
    EXPECT_TRUE(task.has_value());
    return task.value_or(ExerciseTask{});
}

TEST(AddSubtractTask, OperationDrawOneOrTwoAddsAnyOtherSubtracts) {
    const std::string subtraction = "[-37  +  j (5)] - [12  -  j (-8)]";
    const std::string addition = "[-37  +  j (5)] + [12  -  j (-8)]";
    const struct {
        int operationDraw;
        std::string taskText;
        std::string expectedAnswer;
    } cases[] = {
        {0, subtraction, "-49-j3"}, {1, addition, "-25+j13"},   {2, addition, "-25+j13"},
        {3, subtraction, "-49-j3"}, {4, subtraction, "-49-j3"},
    };
    for (const auto& c : cases) {
        const ExerciseTask task = addSubtractTask(kExampleOperands, c.operationDraw);
        EXPECT_EQ(task.taskText, c.taskText) << "operation draw " << c.operationDraw;
        EXPECT_EQ(task.expectedAnswer, c.expectedAnswer) << "operation draw " << c.operationDraw;
    }
}

TEST(AddSubtractTask, LongestTaskTextIsKeptWhole) {
    const std::vector<int> longest = operandRaws({100, 0, 100, 0, 3}, 100);
    const ExerciseTask task = addSubtractTask(test::joined({longest, longest}), 1);
    EXPECT_EQ(task.taskText, "[-100  -  j (-100)] + [-100  -  j (-100)]");
    EXPECT_EQ(task.taskText.size(), 41u);
    EXPECT_EQ(task.expectedAnswer, "-200+j200");
}

TEST(MultiplyTask, MultipliesTheDenotedValues) {
    const struct {
        test::OperandDraws a;
        test::OperandDraws b;
        std::string taskText;
        std::string expectedAnswer;
    } cases[] = {
        {{3, 3, 2, 0, 0}, {4, 0, 5, 3, 3}, "[3  +  j (-2)] * [-4  -  j (5)]", "-22-j7"},  // (3-2j)(-4-5j)
        {{2, 3, 3, 3, 0}, {4, 3, 5, 3, 0}, "[2  +  j (3)] * [4  +  j (5)]", "-7+j22"},
        {{10, 0, 10, 0, 3}, {10, 3, 10, 0, 0}, "[-10  -  j (-10)] * [10  +  j (-10)]", "0+j200"},
        {{0, 3, 6, 0, 3}, {0, 3, 6, 3, 3}, "[0  -  j (-6)] * [0  -  j (6)]", "36+j0"},
    };
    for (const auto& c : cases) {
        test::FixedRawSource source(test::joined({operandRaws(c.a, 10), operandRaws(c.b, 10)}));
        const auto task = makeTask(ExerciseMode::Multiply, source);
        ASSERT_TRUE(task.has_value());
        EXPECT_EQ(task->taskText, c.taskText);
        EXPECT_EQ(task->expectedAnswer, c.expectedAnswer) << c.taskText;
    }
}

TEST(MakeTask, NoneAndDivideDrawNothing) {
    for (ExerciseMode mode : {ExerciseMode::None, ExerciseMode::Divide}) {
        test::FixedRawSource nothingToDraw({});
        EXPECT_FALSE(makeTask(mode, nothingToDraw).has_value()) << static_cast<int>(mode);
    }
}

}  // namespace
}  // namespace tessaro

// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExerciseTask.h"
#include "FixedRawSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

using test::rawsFor;

struct ModulusCase {
    std::vector<int> raws;
    std::string taskText;
    std::string expectedAnswer;
};

void expectModulusTask(const ModulusCase& c) {
    test::FixedRawSource source(c.raws);
    const auto task = makeTask(ExerciseMode::Modulus, source);
    ASSERT_TRUE(task.has_value());
    EXPECT_EQ(task->taskText, c.taskText);
    EXPECT_EQ(task->expectedAnswer, c.expectedAnswer) << c.taskText;
}

// Form draw 0 (Plus), kind draw 0 (pair table), pair p, sign draw 3 (y kept).
TEST(ModulusTask, EveryPairRowHasAWholeModulus) {
    const std::string rows[][2] = {
        {"3  +  j (4)", "5"},   {"4  +  j (3)", "5"},   {"6  +  j (8)", "10"},  {"8  +  j (6)", "10"},
        {"5  +  j (12)", "13"}, {"12  +  j (5)", "13"}, {"15  +  j (8)", "17"}, {"8  +  j (15)", "17"},
        {"9  +  j (12)", "15"}, {"12  +  j (9)", "15"},
    };
    for (int p = 0; p < 10; ++p)
        expectModulusTask({rawsFor({{0, 4}, {0, 10}, {p, 9}, {3, 4}}), rows[p][0], rows[p][1]});
}

TEST(ModulusTask, DrawsDecideFormSignAndKind) {
    const ModulusCase cases[] = {
        {rawsFor({{2, 4}, {6, 10}, {0, 9}, {0, 4}}), "3  +  j (-4)", "5"},
        {rawsFor({{3, 4}, {3, 10}, {4, 9}, {1, 4}}), "5  -  j (-12)", "13"},
        {rawsFor({{4, 4}, {1, 10}, {7, 9}, {2, 4}}), "8  -  j (15)", "17"},
        {rawsFor({{0, 4}, {7, 10}, {11, 20}}), "11  +  j (0)", "11"},
        {rawsFor({{3, 4}, {8, 10}, {20, 20}}), "20  -  j (0)", "20"},
        {rawsFor({{1, 4}, {8, 10}, {0, 20}}), "0  +  j (0)", "0"},
        {rawsFor({{3, 4}, {9, 10}, {20, 20}}), "0  -  j (20)", "20"},
        {rawsFor({{0, 4}, {10, 10}, {7, 20}}), "0  +  j (7)", "7"},
    };
    for (const ModulusCase& c : cases)
        expectModulusTask(c);
}

}  // namespace
}  // namespace tessaro
